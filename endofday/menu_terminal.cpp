#include "endofday/menu_terminal.h"

#include "endofday/falla_paso.h"
#include "foundation/database/cls_ado.h"
#include "foundation/routines/moneda.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/adodb/adodb.h"

namespace findia {

void CambiaMenuPlantilla(adodb::Connection& plantilla, int menu)
{
    plantilla.execute(QStringLiteral("DELETE FROM ProductosXSubmenu; DELETE FROM Submenu; UPDATE Producto SET Precio_Producto=0"));
    const QString n = QString::number(menu);
    if (CopiaTablaTerminal(plantilla, QStringLiteral("Submenu,SubmenuXMenu"), QStringLiteral("Submenu"),
                           QStringLiteral("Submenu.ID_Submenu,Nombre_Submenu,SubMenu_Fijo,Orden"),
                           QStringLiteral("Submenu.ID_Submenu=SubmenuXMenu.ID_Submenu AND ID_Menu=") + n) < 0
        || CopiaTablaTerminal(plantilla, QStringLiteral("ProductosXSubmenu"), QStringLiteral("ProductosXSubmenu"),
                              QStringLiteral("ID_Submenu,ID_Producto"), QString()) < 0)
        throw FallaPaso(FallaPaso::ArchivoNoEncontrado,
                        QStringLiteral("No se pudo llenar la copia de Plantilla.mdb con los submenús del menú ") + n);
    const adodb::Recordset precios = adodb::Recordset::open(
        g_ClsAdo().conexion(), QStringLiteral("SELECT ID_Producto,Precio FROM PreciosXMenu WHERE ID_Menu=") + n);
    for (int f = 0; f < precios.recordCount(); ++f)
        plantilla.executeBound(QStringLiteral("UPDATE Producto SET Precio_Producto=? WHERE ID_Producto=?"),
                               {Moneda::deVariant(precios.cell(f, 1)).aDouble(), precios.cell(f, 0)});
}

void FijaParametrosTerminal(adodb::Connection& plantilla, qint64 idTerminal, qint64 folio)
{
    plantilla.executeBound(QStringLiteral("UPDATE Parametros SET Valor_Num=? WHERE ID_Parametro='TERMINAL'"), {idTerminal});
    plantilla.executeBound(QStringLiteral("UPDATE Parametros SET Valor_Num=? WHERE ID_Parametro='FOLIOPRODUCTOSX'"), {folio});
}

} // namespace findia
