#include "endofday/candado_fin_dia.h"

#include "platform/paths/paths.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace findia {

QString CandadoFinDia::ruta()
{
    return QDir(paths::dataRoot()).filePath(QStringLiteral("fin_dia.lock"));
}

CandadoFinDia::CandadoFinDia()
{
    QDir().mkpath(paths::dataRoot());
    // flock locks belong to the open file, so a second open in this same process is refused too.
    const int fd = ::open(QFile::encodeName(ruta()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

CandadoFinDia::~CandadoFinDia()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace findia
