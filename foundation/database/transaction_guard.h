#pragma once

#include "platform/ui/msgbox.h"

#include <QString>

// One transaction on the shared gateway's connection, for a save or delete of several statements:
// begun when the guard is made, rolled back when it goes out of scope without a successful commit
// (a refusal, an early return, an exception), so the connection is never left inside a transaction.
// While it is open the boxes that only inform wait (ui::MessageHold) and are shown once it has been
// committed or rolled back: no station waits for the database while a message is read.
class TransactionGuard {
public:
    TransactionGuard();
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    // Commits; false when the transaction could not begin or the commit was refused, and then
    // everything is rolled back and error() says why (the connection's errors hold it too).
    bool commit();
    // Rolls back now, when still open.
    void rollback();
    // Why the begin or the commit failed; empty otherwise.
    QString error() const { return m_error; }

private:
    ui::MessageHold m_hold;
    bool m_open = false;
    QString m_error;
};
