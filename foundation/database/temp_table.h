#pragma once

#include <QString>

// A temporary table ("#Name") on the shared gateway's connection, for the span of one job: a
// table left by an earlier failure is dropped first, and the table is dropped again on
// every way out (a return, a refusal, an exception), so that the next run can create it.
class TemporaryTable {
public:
    explicit TemporaryTable(const QString& name);
    ~TemporaryTable();
    TemporaryTable(const TemporaryTable&) = delete;
    TemporaryTable& operator=(const TemporaryTable&) = delete;

    // The name as SQL writes it: "#Name", quoted.
    QString sqlName() const;
    // Runs one statement of the work on the shared connection; false when the database refused it,
    // and then error() holds what the database said.
    bool execute(const QString& sql);
    QString error() const { return m_error; }

private:
    void drop();

    QString m_name;
    QString m_error;
};
