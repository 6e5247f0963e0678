#pragma once

#include "foundation/database/transaction_guard.h"

// A save of several statements in one transaction on the shared connection, as the rights, the
// feature switches and the day utilities write: the first refused statement rolls the whole save
// back and is reported, so nothing is ever half saved. Begun when made; a save left without
// termina() (an early return, an exception) is rolled back.
class Guardado {
public:
    Guardado() = default;

    // Rolls the save back and reports the refusal: the error's number in decimal followed by its
    // description, in a box with only an OK button, no icon and no caption. The gateway reports the
    // failures of some of its calls itself and forgets the errors it shows; `yaReportado` says that
    // the failed call was one of those, and then only an error it left unreported is shown.
    void cancela(bool yaReportado);

    // Commits; a refused commit is rolled back and reported, and gives false.
    bool termina();

private:
    TransactionGuard m_transaccion;
};
