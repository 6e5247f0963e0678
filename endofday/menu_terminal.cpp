#include "endofday/menu_terminal.h"

#include "endofday/conexion_terminal.h"
#include "endofday/falla_paso.h"
#include "foundation/database/cls_ado.h"
#include "foundation/routines/moneda.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/adodb/adodb.h"

namespace findia {

void CambiaMenuPlantilla(const QString& carpeta, int menu)
{
    {
        adodb::Connection copia;
        copia.open(CadenaConexionTerminal(carpeta));
        copia.beginTrans();
        copia.execute(QStringLiteral("DELETE FROM ProductosXSubmenu"));
        copia.execute(QStringLiteral("DELETE FROM Submenu"));
        copia.execute(QStringLiteral("UPDATE Producto SET Precio_Producto=0"));
        copia.commitTrans();
    }
    const QString n = QString::number(menu);
    if (CopiaTablaTerminal(QStringLiteral("Submenu,SubmenuXMenu"), QStringLiteral("Submenu"),
                           QStringLiteral("Submenu.ID_Submenu,Nombre_Submenu,SubMenu_Fijo,Orden"),
                           QStringLiteral("Submenu.ID_Submenu=SubmenuXMenu.ID_Submenu AND ID_Menu=") + n) < 0
        || CopiaTablaTerminal(QStringLiteral("ProductosXSubmenu"), QStringLiteral("ProductosXSubmenu"),
                              QStringLiteral("ID_Submenu,ID_Producto"), QString()) < 0)
        throw FallaPaso(FallaPaso::ArchivoNoEncontrado,
                        QStringLiteral("No se pudo llenar la copia de Plantilla.mdb con los submenús del menú ") + n);
    const adodb::Recordset precios = adodb::Recordset::open(
        g_ClsAdo().conexion(), QStringLiteral("SELECT ID_Producto,Precio FROM PreciosXMenu WHERE ID_Menu=") + n);
    adodb::Connection copia;
    copia.open(CadenaConexionTerminal(carpeta));
    copia.beginTrans();
    for (int f = 0; f < precios.recordCount(); ++f)
        copia.executeBound(QStringLiteral("UPDATE Producto SET Precio_Producto=? WHERE ID_Producto=?"),
                           {Moneda::deVariant(precios.cell(f, 1)).aDouble(), precios.cell(f, 0)});
    copia.commitTrans();
}

void FijaParametrosTerminal(const QString& carpeta, qint64 idTerminal, qint64 folio)
{
    adodb::Connection copia;
    copia.open(CadenaConexionTerminal(carpeta));
    copia.beginTrans();
    copia.executeBound(QStringLiteral("UPDATE Parametros SET Valor_Num=? WHERE ID_Parametro='TERMINAL'"), {idTerminal});
    copia.executeBound(QStringLiteral("UPDATE Parametros SET Valor_Num=? WHERE ID_Parametro='FOLIOPRODUCTOSX'"), {folio});
    copia.commitTrans();
}

} // namespace findia
