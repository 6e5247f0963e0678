#include "endofday/candado_fin_dia.h"

#include "platform/paths/paths.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace findia {

namespace {

// flock locks belong to the open file, so a second open in this same process is refused too.
int toma(const QString& ruta)
{
    const int fd = ::open(QFile::encodeName(ruta).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

QString CandadoFinDia::rutaDeBase(const QString& rutaBase)
{
    return rutaBase + QStringLiteral(".fin_dia.lock");
}

QString CandadoFinDia::rutaDeRaiz()
{
    return QDir(paths::dataRoot()).filePath(QStringLiteral("fin_dia.lock"));
}

CandadoFinDia::CandadoFinDia(const QString& rutaBase)
{
    QDir().mkpath(paths::dataRoot());
    m_base = toma(rutaDeBase(rutaBase));
    if (m_base >= 0)
        m_raiz = toma(rutaDeRaiz());
}

CandadoFinDia::~CandadoFinDia()
{
    for (const int fd : {m_raiz, m_base})
        if (fd >= 0)
            ::close(fd);
}

} // namespace findia
