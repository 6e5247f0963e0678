#pragma once

namespace ui {

// The program opens and closes windows that hold tens of thousands of rows. What a closed window
// freed is kept for the next one, instead of being handed back to the system and faulted in again
// page by page. Called once, first thing in main().
void keepFreedMemory();

} // namespace ui
