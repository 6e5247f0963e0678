#pragma once

class QDateEdit;

namespace ui {

// Dates are typed day first. In `box` (shown as dd/MM/yyyy), a date typed whole from the start of
// its day, "31122023" or "31/12/2023", is taken as typed, even where the month on show has fewer
// days than the day typed; and the focus enters the box at its day, by the keyboard or by a click.
void typeDatesWhole(QDateEdit* box);

} // namespace ui
