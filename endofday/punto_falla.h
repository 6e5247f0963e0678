#pragma once

#include <QString>

#include <functional>

// Named points of the end of day where a test can make the run fail (or kill the process) to prove
// that a stop there loses and repeats nothing. In the program no hook is set and a point does nothing.
namespace puntofalla {

using Hook = std::function<void(const QString& punto)>;

void pasa(const QString& punto);
void fija(Hook hook);
void quita();

} // namespace puntofalla
