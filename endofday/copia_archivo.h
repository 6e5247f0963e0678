#pragma once

#include <QString>

#include <functional>

#include <sys/stat.h>

// File copies that no reader ever sees half done and that never follow a link where links are not
// trusted (the terminals' shares). A copy is written under a temporary name unique to the process,
// flushed to disk, renamed into place and its folder flushed. Every failure is a thrown FallaPaso
// (52, 53, 70, 75, 76) whose description says what failed and why.
namespace findia {

// A folder held open by its descriptor, so that what is done in it stays in it even if a level of
// its path is swapped meanwhile.
class CarpetaAbierta {
public:
    // The folder at ruta, links followed: a folder the installation chose (the data root, the
    // shares root, a terminal's local folder).
    static CarpetaAbierta abre(const QString& ruta);
    // The folder relativa below raiz, one level at a time, never following a link: 76 when a level
    // is missing, 75 when one is a link or no folder.
    static CarpetaAbierta abreDebajo(const QString& raiz, const QString& relativa);

    CarpetaAbierta(CarpetaAbierta&& otra) noexcept;
    ~CarpetaAbierta();
    CarpetaAbierta(const CarpetaAbierta&) = delete;
    CarpetaAbierta& operator=(const CarpetaAbierta&) = delete;
    CarpetaAbierta& operator=(CarpetaAbierta&& otra) noexcept;

    int fd() const { return m_fd; }
    const QString& ruta() const { return m_ruta; }
    QString rutaDe(const QString& nombre) const;

    // What stands at nombre, the link itself when it is one; false when nothing does.
    bool estado(const QString& nombre, struct stat& st) const;
    // Opens nombre for reading without following a link; 75 when it is a link or no plain file.
    int abreParaLeer(const QString& nombre) const;

private:
    CarpetaAbierta(int fd, QString ruta) : m_fd(fd), m_ruta(std::move(ruta)) {}
    int m_fd = -1;
    QString m_ruta;
};

// Copies the bytes of fdOrigen (read from its start) to nombre in destino and returns their SHA-256
// digest (hex). The new file takes modo. antesDeRenombrar runs with that digest just before the
// rename; what it throws undoes the copy.
QString CopiaEnCarpeta(int fdOrigen, const CarpetaAbierta& destino, const QString& nombre, mode_t modo,
                       const std::function<void(const QString& huella)>& antesDeRenombrar = {});

// The same between two local paths; the copy is readable by its owner alone.
QString CopiaArchivoLocal(const QString& origen, const QString& destino);

// The SHA-256 digest (hex) of the bytes of fd from its start.
QString HuellaDescriptor(int fd);

} // namespace findia
