#pragma once

#include <QString>

namespace findia {

// One end of day at a time on a database, and on the data root that holds the run's files:
// exclusive locks on a file beside the database and on one in the data root, held for as long as
// the object lives. The system releases them when the process ends, however it ends, so a killed
// run never blocks the next.
class CandadoFinDia {
public:
    explicit CandadoFinDia(const QString& rutaBase);
    ~CandadoFinDia();
    CandadoFinDia(const CandadoFinDia&) = delete;
    CandadoFinDia& operator=(const CandadoFinDia&) = delete;

    // False when another run holds either lock (or a lock file cannot be made).
    bool tomado() const { return m_base >= 0 && m_raiz >= 0; }

    // The lock beside the database at rutaBase, and the data root's.
    static QString rutaDeBase(const QString& rutaBase);
    static QString rutaDeRaiz();

private:
    int m_base = -1;
    int m_raiz = -1;
};

} // namespace findia
