#include "endofday/copia_terminal.h"

#include "endofday/falla_paso.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

namespace findia {

namespace {

// The progress handler runs every kPasoProgreso instructions of the copy's statements.
constexpr int kPasoProgreso = 100;
// No value of a copy is longer than this; a 20 MB comment is still read, to be refused.
constexpr int kLargoMaximo = 64 * 1024 * 1024;

} // namespace

LimiteLectura& limiteLectura()
{
    static LimiteLectura limite;
    return limite;
}

int progresoCopia(void* datos)
{
    CopiaTerminal* copia = static_cast<CopiaTerminal*>(datos);
    return ++copia->m_pasos > copia->m_limite ? 1 : 0;
}

CopiaTerminal::CopiaTerminal(const QString& ruta)
    : m_ruta(ruta)
{
    const QFileInfo info(ruta);
    if (!info.isFile())
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("No existe la copia de la terminal ") + ruta);
    // immutable: no lock, no journal and no WAL file is looked for or made beside the copy.
    QUrl uri = QUrl::fromLocalFile(info.absoluteFilePath());
    uri.setScheme(QStringLiteral("file"));
    uri.setQuery(QStringLiteral("immutable=1"));
    const QByteArray nombre = uri.toEncoded();
    if (sqlite3_open_v2(nombre.constData(), &m_db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        const QString error = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("No se puede abrir la copia de la terminal ") + ruta
                                                    + QStringLiteral(": ") + error);
    }
    sqlite3_extended_result_codes(m_db, 1);
    m_limite = (limiteLectura().base + limiteLectura().porByte * info.size()) / kPasoProgreso;
    sqlite3_limit(m_db, SQLITE_LIMIT_LENGTH, kLargoMaximo);
    // Read through the file's mapping: the copy is read whole, a few times.
    sqlite3_exec(m_db, "PRAGMA mmap_size=1073741824", nullptr, nullptr, nullptr);
    sqlite3_progress_handler(m_db, kPasoProgreso, progresoCopia, this);
}

CopiaTerminal::~CopiaTerminal()
{
    sqlite3_close_v2(m_db);
}

QStringList CopiaTerminal::columnas(const QString& tabla) const
{
    if (const auto hallada = m_columnas.constFind(tabla); hallada != m_columnas.cend())
        return *hallada;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(m_db, "SELECT type, sql FROM sqlite_master WHERE name = ?1 COLLATE NOCASE", -1, &s, nullptr) != SQLITE_OK)
        falla(QStringLiteral("leer su esquema"));
    const QByteArray nombre = tabla.toUtf8();
    sqlite3_bind_text(s, 1, nombre.constData(), int(nombre.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(s);
    const QString tipo = rc == SQLITE_ROW ? QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))) : QString();
    const QString sql = rc == SQLITE_ROW ? QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 1))) : QString();
    sqlite3_finalize(s);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        falla(QStringLiteral("leer su esquema"));
    if (rc == SQLITE_DONE)
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("La copia de la terminal no tiene la tabla ") + tabla);
    if (tipo != QLatin1String("table") || sql.trimmed().startsWith(QLatin1String("CREATE VIRTUAL"), Qt::CaseInsensitive))
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("En la copia de la terminal ") + tabla + QStringLiteral(" no es una tabla"));

    QStringList lista;
    // A generated column is no data the terminal wrote: it is left out like a missing one.
    if (sqlite3_prepare_v2(m_db, "SELECT name FROM pragma_table_xinfo(?1) WHERE hidden=0", -1, &s, nullptr) != SQLITE_OK)
        falla(QStringLiteral("leer las columnas de ") + tabla);
    sqlite3_bind_text(s, 1, nombre.constData(), int(nombre.size()), SQLITE_TRANSIENT);
    int paso;
    while ((paso = sqlite3_step(s)) == SQLITE_ROW)
        lista << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    sqlite3_finalize(s);
    if (paso != SQLITE_DONE)
        falla(QStringLiteral("leer las columnas de ") + tabla);
    m_columnas.insert(tabla, lista);
    return lista;
}

void CopiaTerminal::falla(const QString& que) const
{
    if (m_pasos > m_limite)
        throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("La copia de la terminal no terminó de leerse en lo que su tamaño "
                                                               "permite; se toma por dañada: ") + m_ruta);
    throw FallaPaso(FallaPaso::ErrorAcceso, QStringLiteral("No se pudo ") + que + QStringLiteral(" en la copia de la terminal ")
                                                + m_ruta + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(m_db)));
}

} // namespace findia
