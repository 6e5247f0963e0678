#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

struct sqlite3;

namespace findia {

// The bound of the work on a copy, in SQLite instructions: reading every table of a copy a few
// times takes far less than porByte per byte of the file; a copy that needs more holds something
// other than sales. One place for both numbers, which tests lower.
struct LimiteLectura {
    qint64 base = 50'000'000;
    qint64 porByte = 100;
};
LimiteLectura& limiteLectura();

// A terminal's fetched copy, read as it is: opened read-only and immutable, so that nothing is
// written beside it or into it (a database in WAL mode included) and its digest stays the one
// taken. The file came from a share and is not trusted: only real tables are read, and the work on
// it is bounded by its size, past which the copy is taken for damaged. Every failure is a thrown
// FallaPaso 75 that names the copy.
class CopiaTerminal {
public:
    explicit CopiaTerminal(const QString& ruta);
    ~CopiaTerminal();
    CopiaTerminal(const CopiaTerminal&) = delete;
    CopiaTerminal& operator=(const CopiaTerminal&) = delete;

    sqlite3* db() const { return m_db; }
    const QString& ruta() const { return m_ruta; }

    // The columns of a real table of the copy, as the copy names them; raises when the name is
    // missing or is a view or a virtual table.
    QStringList columnas(const QString& tabla) const;

    // Raises the failure of the last statement on the copy, for what was being done.
    [[noreturn]] void falla(const QString& que) const;

private:
    QString m_ruta;
    sqlite3* m_db = nullptr;
    mutable QHash<QString, QStringList> m_columnas;
    qint64 m_limite = 0;   // bound of the work, in steps of the progress handler
    qint64 m_pasos = 0;
    friend int progresoCopia(void*);
};

} // namespace findia
