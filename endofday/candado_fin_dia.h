#pragma once

#include <QString>

namespace findia {

// One end of day at a time on this machine: an exclusive lock on a file in the data root, held for
// as long as the object lives. The system releases it when the process ends, however it ends, so a
// killed run never blocks the next.
class CandadoFinDia {
public:
    CandadoFinDia();
    ~CandadoFinDia();
    CandadoFinDia(const CandadoFinDia&) = delete;
    CandadoFinDia& operator=(const CandadoFinDia&) = delete;

    // False when another run holds the lock (or the file cannot be made).
    bool tomado() const { return m_fd >= 0; }

    static QString ruta();

private:
    int m_fd = -1;
};

} // namespace findia
