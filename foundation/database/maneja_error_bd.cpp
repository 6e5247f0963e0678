#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "platform/ui/msgbox.h"

using adodb::ComError;

namespace {

constexpr long kMovimientoInvalido = 1;
constexpr long kSinRegistros40022 = 40022;
constexpr long kConexionPerdida40023 = 40023;
constexpr long kProveedor40002 = 40002;

bool esErrorDelProveedor(long numero)
{
    return numero == kProveedor40002 || numero == adodb::err::ProviderSyntax || numero == adodb::err::ProviderIntegrity
           || numero == adodb::err::ProviderTimeout;
}

// The table named in a reference conflict: from 8 characters after the first comma up to the next
// comma ("..., tabla 'Producto', columna ..." gives 'Producto').
QString tablaDelConflicto(const QString& descripcion)
{
    const int coma = descripcion.indexOf(QLatin1Char(','));
    if (coma < 0)
        return QString();
    QString parte = descripcion.mid(coma + 8);
    const int siguiente = parte.indexOf(QLatin1Char(','));
    if (siguiente >= 0)
        parte = parte.left(siguiente);
    // The provider quotes the name ("tabla 'Producto'"); the user reads the table's name alone.
    parte = parte.trimmed();
    if (parte.size() >= 2 && parte.startsWith(QLatin1Char('\'')) && parte.endsWith(QLatin1Char('\'')))
        parte = parte.mid(1, parte.size() - 2);
    return parte;
}

} // namespace

void ClsAdo::ManejaErrorBD(const ComError& error)
{
    const long numero = error.number();
    const QString fatal = QStringLiteral("Fatal");
    const QString origen = QStringLiteral("ClsRdo_Error");

    if (numero == kMovimientoInvalido) {
        ui::msgBox(error.description(), ui::OkOnly, QString());
        return;
    }
    if (numero == adodb::err::NoCurrentRecord) {
        ui::msgBox(QStringLiteral("no hay registros"), ui::Information, QString());
        return;
    }
    if (numero == adodb::err::ObjectNotOpen || numero == adodb::err::ProviderGeneric)
        return;
    if (esErrorDelProveedor(numero)) {
        const adodb::Error primero = m_conexion.errors().isEmpty() ? adodb::Error{} : m_conexion.errors().first();
        ManejaErrorProveedor(primero);
        m_conexion.errors().clear();
        return;
    }
    if (numero == kSinRegistros40022) {
        ui::msgBox(QStringLiteral("No hay registros"), ui::Information, CpsTitulo);
        log({QStringLiteral("No hay registros"), origen, error.description()});
        return;
    }
    if (numero == kConexionPerdida40023) {
        ui::msgBox(QStringLiteral("Se perdio la conexión con el servidor"), ui::Critical, CpsTitulo);
        log({QStringLiteral("Se perdio la conexión con el servidor"), fatal, origen, error.description()});
        return;
    }
    if (numero == adodb::err::ProviderLogin) {
        const QList<adodb::Error> lista = m_conexion.errors();
        if (!lista.isEmpty() && lista.first().SQLState.toInt() == 28000)
            return;
        for (const adodb::Error& e : lista) {
            log({QStringLiteral("Descripcion ") + e.Description});
            log({QStringLiteral("Number ") + QString::number(e.Number)});
            log({QStringLiteral("Source ") + e.Source});
            log({QStringLiteral("Sqlstate ") + e.SQLState});
        }
        return;
    }
    ui::msgBox(QStringLiteral("Error no controlado en BD ") + QString::number(numero) + QStringLiteral("    ")
                   + error.description(),
               ui::OkOnly, QString());
    log({QStringLiteral("Error no controlado en BD "), qlonglong(numero), QStringLiteral("    "), error.description()});
}

void ClsAdo::Reporta_Error()
{
    if (m_conexion.errors().isEmpty())
        return;
    ManejaErrorProveedor(m_conexion.errors().first());
    m_conexion.errors().clear();
}

void ClsAdo::ManejaErrorProveedor(const adodb::Error& primero)
{
    const QString fatal = QStringLiteral("Fatal");
    const QString origen = QStringLiteral("ClsRdo_Error");
    const QString& descripcion = primero.Description;
    const auto fatalConTexto = [&](const QString& texto, bool conTitulo) {
        ui::msgBox(texto, ui::Critical, conTitulo ? CpsTitulo : QString());
        log({texto, fatal, origen});
    };

    switch (primero.NativeError) {
    case 0:
        fatalConTexto(QStringLiteral("El nombre del DNS es incorrecto"), false);
        return;
    case 6:
        fatalConTexto(QStringLiteral("No se pudo encontrar al servidor"), true);
        return;
    case adodb::native::LostConnection:
        // A full disk, a read-only, busy or damaged file and an I/O error say what happened.
        if (primero.SQLState.isEmpty() || primero.SQLState == adodb::sqlstate::LostConnection)
            fatalConTexto(QStringLiteral("Se perdio la conexión con el servidor"), true);
        else
            fatalConTexto(descripcion, true);
        return;
    case adodb::native::ReferenceConflict: {
        const QString tabla = tablaDelConflicto(descripcion);
        if (!CbNoMensaje)
            ui::msgBox(QStringLiteral("No se puede borrar este registro por estar en uso en la tabla ") + tabla,
                       ui::Critical, QString());
        CsError = tabla;
        log({descripcion, origen});
        return;
    }
    case adodb::native::DuplicateIndex:
        ui::msgBox(CpsMen_LLave_Repetida, ui::Exclamation, CpsTitulo);
        log({CpsMen_LLave_Repetida, origen});
        if (!m_conexion.errors().isEmpty())
            log({descripcion, origen});
        return;
    case adodb::native::DuplicateKey:
        if (!CbNoMensaje)
            ui::msgBox(CpsMen_LLave_Repetida, ui::Exclamation, CpsTitulo);
        log({CpsMen_LLave_Repetida, origen});
        return;
    case 4002:
        ui::msgBox(QStringLiteral("Usuario incorrecto"), ui::Critical, CpsTitulo);
        log({QStringLiteral("Usuario incorrecto"), origen});
        return;
    case adodb::native::RaisedByProcedure: {
        const QString texto = descripcion.mid(47);
        ui::msgBox(texto, ui::Exclamation, QString());
        log({texto, 48, origen});
        return;
    }
    default:
        if (!CbNoMensaje)
            ui::msgBox(descripcion, ui::OkOnly, QString());
        else
            CsError = descripcion;
        log({descripcion, origen});
        return;
    }
}
