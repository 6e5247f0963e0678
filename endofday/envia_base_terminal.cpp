#include "endofday/envia_base_terminal.h"

#include "endofday/punto_falla.h"
#include "endofday/rutas_terminal.h"
#include "foundation/database/cls_ado.h"
#include "foundation/log/bitacora.h"
#include "foundation/routines/moneda.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/adodb/adodb.h"
#include "platform/paths/paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

adodb::Connection abreCopiaPlantilla()
{
    adodb::Connection c;
    c.open(rutas::cadenaConexion(paths::appFolder()));
    return c;
}

void cambiaMenu(int menu)
{
    {
        adodb::Connection copia = abreCopiaPlantilla();
        copia.beginTrans();
        copia.execute(QStringLiteral("DELETE FROM ProductosXSubmenu"));
        copia.execute(QStringLiteral("DELETE FROM Submenu"));
        // A product that this menu does not price must not keep the previous menu's price.
        copia.execute(QStringLiteral("UPDATE Producto SET Precio_Producto=0"));
        copia.commitTrans();
        copia.close();
    }
    const QString n = QString::number(menu);
    if (CopiaTablaTerminal(QStringLiteral("Submenu,SubmenuXMenu"), QStringLiteral("Submenu"),
                           QStringLiteral("Submenu.ID_Submenu,Nombre_Submenu,SubMenu_Fijo,Orden"),
                           QStringLiteral("Submenu.ID_Submenu=SubmenuXMenu.ID_Submenu AND ID_Menu=") + n) < 0
        || CopiaTablaTerminal(QStringLiteral("ProductosXSubmenu"), QStringLiteral("ProductosXSubmenu"),
                              QStringLiteral("ID_Submenu,ID_Producto"), QString()) < 0)
        throw adodb::ComError(adodb::err::ProviderGeneric,
                              QStringLiteral("No se pudieron copiar los submenús del menú ") + n);
    const adodb::Recordset precios = adodb::Recordset::open(
        g_ClsAdo().conexion(), QStringLiteral("SELECT ID_Producto,Precio FROM PreciosXMenu WHERE ID_Menu=") + n);
    adodb::Connection copia = abreCopiaPlantilla();
    copia.beginTrans();
    for (int f = 0; f < precios.recordCount(); ++f)
        copia.executeBound(QStringLiteral("UPDATE Producto SET Precio_Producto=? WHERE ID_Producto=?"),
                           {Moneda::deVariant(precios.cell(f, 1)).aDouble(), precios.cell(f, 0)});
    copia.commitTrans();
    copia.close();
}

void fijaParametros(int idTerminal, qint64 folio)
{
    adodb::Connection copia = abreCopiaPlantilla();
    copia.executeBound(QStringLiteral("UPDATE Parametros SET Valor_Num=? WHERE ID_Parametro='TERMINAL'"), {idTerminal});
    copia.executeBound(QStringLiteral("UPDATE Parametros SET Valor_Num=? WHERE ID_Parametro='FOLIOPRODUCTOSX'"), {folio});
    copia.close();
}

// Puts the template copy on the share whole: a temporary file beside the target, then a rename,
// which replaces the old file in one step.
void copiaAShare(const QString& destino, const QString& nombre)
{
    const QFileInfo info(destino);
    if (!info.dir().exists())
        throw adodb::ComError(76, QStringLiteral("No se encontró la ruta de acceso ") + info.dir().path());
    const QString temporal = destino + QStringLiteral(".tmp");
    QFile::remove(temporal);
    QFile origen(rutas::copiaPlantilla());
    if (!origen.copy(temporal))
        throw adodb::ComError(75, QStringLiteral("Error de acceso a la ruta o el archivo ") + temporal + QStringLiteral(": ")
                                      + origen.errorString());
    puntofalla::pasa(QStringLiteral("envio:temporal:") + nombre);
    if (std::rename(QFile::encodeName(temporal).constData(), QFile::encodeName(destino).constData()) != 0) {
        QFile::remove(temporal);
        throw adodb::ComError(75, QStringLiteral("Error de acceso a la ruta o el archivo ") + destino);
    }
}

} // namespace

QByteArray DigestoArchivo(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(&f);
    return h.result();
}

ResultadoEnvio EnviaBaseTerminal(const DatosEnvio& datos)
{
    ResultadoEnvio r;
    const adodb::Recordset terminales = adodb::Recordset::open(
        g_ClsAdo().conexion(),
        QStringLiteral("SELECT ID_Terminal,Nombre_Terminal,ID_Menu FROM Terminal WHERE Estado_Terminal='A' ORDER BY ID_Menu"));
    int menuActual = 0;
    for (int f = 0; f < terminales.recordCount(); ++f) {
        const int id = terminales.cell(f, 0).toInt();
        const QString nombre = terminales.cell(f, 1).toString();
        const QVariant menu = terminales.cell(f, 2);
        if (!menu.isNull() && menu.toInt() != menuActual) {
            menuActual = menu.toInt();
            cambiaMenu(menuActual);
        }
        if (datos.yaEnviadas.contains(id))
            continue;

        const QString share = rutas::baseEnShare(nombre, datos.dirTermBD);
        if (QFileInfo::exists(share)) {
            QString motivo;
            if (!datos.recogidas.contains(id))
                motivo = QStringLiteral("sus ventas no se recogieron");
            else if (DigestoArchivo(share) != datos.recogidas.value(id))
                motivo = QStringLiteral("su base cambió después de traerla");
            if (!motivo.isEmpty()) {
                r.noEnviadas << nombre + QStringLiteral(": no se envió la base, ") + motivo;
                EscribeBitacora(QStringLiteral("Terminal ") + nombre + QStringLiteral(": no se envió la base, ") + motivo);
                continue;
            }
        }
        const QString copia = datos.recogidas.contains(id) ? rutas::copiaTerminal(nombre) : QString();
        const qint64 folio = FolioProductosX(id, copia, datos.folios.value(id));
        fijaParametros(id, folio);
        try {
            copiaAShare(share, nombre);
        } catch (const adodb::ComError& e) {
            if (e.number() != 75 && e.number() != 76 && e.number() != 52)
                throw;
            r.errores += QStringLiteral("\r\n") + nombre + QLatin1Char(' ') + e.description();
            continue;
        }
        r.enviadas << nombre;
        EscribeBitacora(QStringLiteral("Base enviada a la terminal ") + nombre + QStringLiteral(", FOLIOPRODUCTOSX ")
                        + QString::number(folio));
        if (datos.alEnviar)
            datos.alEnviar(id, nombre, folio);
    }
    return r;
}
