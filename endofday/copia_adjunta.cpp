#include "endofday/copia_adjunta.h"

#include "endofday/copia_terminal.h"
#include "endofday/valores_terminal.h"

#include <QFileInfo>
#include <QHash>
#include <QUrl>

#include <sqlite3.h>

namespace findia {

namespace {

constexpr int kPasoProgreso = 100;

// The attachment of each central connection, for the progress handler's verdict.
QHash<sqlite3*, CopiaAdjunta*>& adjuntas()
{
    static QHash<sqlite3*, CopiaAdjunta*> mapa;
    return mapa;
}

} // namespace

int progresoAdjunta(void* datos)
{
    CopiaAdjunta* copia = static_cast<CopiaAdjunta*>(datos);
    return ++copia->m_pasos > copia->m_limite ? 1 : 0;
}

CopiaAdjunta::CopiaAdjunta(sqlite3* central, const QString& ruta)
    : m_central(central)
{
    const QFileInfo info(ruta);
    if (!info.isFile() || !sqlite3_get_autocommit(central) || adjuntas().contains(central))
        return;
    QUrl uri = QUrl::fromLocalFile(info.absoluteFilePath());
    uri.setQuery(QStringLiteral("immutable=1&mode=ro"));
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(central, "ATTACH DATABASE ?1 AS terminal", -1, &s, nullptr) != SQLITE_OK)
        return;
    const QByteArray nombre = uri.toEncoded();
    sqlite3_bind_text(s, 1, nombre.constData(), int(nombre.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(s);
    sqlite3_finalize(s);
    if (rc != SQLITE_DONE)
        return;
    m_adjunta = true;
    // A connection that does not read the name as a URI would have opened another file.
    if (!estaAdjunta(central, ruta) || !sqlite3_db_readonly(central, "terminal")) {
        sqlite3_exec(central, "DETACH DATABASE terminal", nullptr, nullptr, nullptr);
        m_adjunta = false;
        return;
    }
    sqlite3_exec(central, "PRAGMA terminal.mmap_size=1073741824", nullptr, nullptr, nullptr);
    RegistraDatosTerminal(central);
    m_limite = (limiteLectura().base + limiteLectura().porByte * info.size()) / kPasoProgreso;
    sqlite3_progress_handler(central, kPasoProgreso, progresoAdjunta, this);
    adjuntas().insert(central, this);
}

CopiaAdjunta::~CopiaAdjunta()
{
    if (!m_adjunta)
        return;
    sqlite3_progress_handler(m_central, 0, nullptr, nullptr);
    QuitaDatosTerminal(m_central);
    adjuntas().remove(m_central);
    sqlite3_exec(m_central, "DETACH DATABASE terminal", nullptr, nullptr, nullptr);
}

bool CopiaAdjunta::estaAdjunta(sqlite3* central, const QString& ruta)
{
    const char* archivo = sqlite3_db_filename(central, "terminal");
    return archivo && *archivo && QFileInfo(QString::fromUtf8(archivo)).canonicalFilePath() == QFileInfo(ruta).canonicalFilePath();
}

bool CopiaAdjunta::excedida(sqlite3* central)
{
    const CopiaAdjunta* copia = adjuntas().value(central);
    return copia && copia->m_pasos > copia->m_limite;
}

} // namespace findia
