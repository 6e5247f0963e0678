#include "reports/rep_lista_precios.h"

#include "platform/clock/clock.h"
#include "platform/grid/grid.h"
#include "platform/grid/recordset_fill.h"
#include "reports/combos_reporte.h"

#include <QComboBox>

namespace {

const QString kTodas = QStringLiteral("TODAS");

RepVentana::Ajustes ajustesLista()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Lista de precios");
    a.disenoTwips = QSize(9156, 5280);
    a.tituloImpresion = QStringLiteral("LISTA DE PRECIOS");
    a.margenSuperior = 100;
    a.margenInferior = 100;
    a.margenIzquierdo = 350;
    return a;
}

} // namespace

RepListadePrecios::RepListadePrecios(QWidget* parent) : RepVentana(QStringLiteral("RepListadePrecios"), ajustesLista(), parent)
{
    CmbMenu = agregaCombo(QStringLiteral("CmbMenu"), QStringLiteral("Menu:"));
    cmbCategoria = agregaCombo(QStringLiteral("cmbCategoria"), QStringLiteral("Categoria:"));
    agregaBuscar(QStringLiteral("cmbBuscar"), QStringLiteral("Buscar registros"));
    grid::Grid* sprDatos = creaRejilla(QStringLiteral("sprDatos"), QStringLiteral("PrvVista"));
    sprDatos->setColumnCount(5);
    const QStringList titulos{QStringLiteral("Artículo"), QStringLiteral("Nombre Artículo"), QStringLiteral("Precio"),
                              QStringLiteral("Impuesto"), QStringLiteral("Precio venta")};
    for (int c = 1; c <= titulos.size(); ++c)
        sprDatos->setText(0, c, titulos.at(c - 1));

    // The table the list once built its rows in: one so named left on the connection is dropped.
    setTablasTemporales({QStringLiteral("#Tmp_Precios")});

    LlenaComboPrimero(CmbMenu, QStringLiteral("SELECT Nombre_Menu,ID_Menu FROM Menu"));
    LlenaComboTodos(cmbCategoria, QStringLiteral("SELECT Nombre_Categoria,ID_Categoria FROM Categoria ORDER BY Nombre_Categoria"),
                    kTodas);
}

void RepListadePrecios::buscar()
{
    grid::Grid* sprDatos = rejilla();
    const std::optional<qint64> menu = idElegido(CmbMenu);
    // Without a menu there is nothing priced to list: the grid empties.
    if (!menu) {
        sprDatos->setRowCount(0);
        return;
    }
    const QString filtro = QStringLiteral(" AND ID_Menu=") + QString::number(*menu)
        + condicionCombo(cmbCategoria, kTodas, QStringLiteral(" AND ID_Categoria="));
    // A rate is in force on the days from its start to its end, the end day whole; a rate without
    // an end is in force from its start on.
    const QString hoy = QLatin1Char('\'') + appclock::now().date().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
    const QString vigente = QStringLiteral(" AND date(Fecha_Inicio_Impuesto)<=") + hoy
        + QStringLiteral(" AND (Fecha_Fin_Impuesto IS NULL OR Fecha_Fin_Impuesto='' OR date(Fecha_Fin_Impuesto)>=") + hoy
        + QLatin1Char(')');

    // One row per product and tax in force; a product without any is listed once at no tax. A tax
    // included in the price is the part of the price it holds; the price is then the sale price. The
    // price is a plain number, as the list has always shown it.
    const QString sql =
        QStringLiteral("SELECT Producto.ID_Producto AS \"Artículo\",Nombre_Completo AS \"Nombre Artículo\",Precio+0.0 AS Precio,"
                       "CASE WHEN T.Incluido=1 THEN Precio*T.Porcentaje/(1+T.Porcentaje) ELSE Precio*IFNULL(T.Porcentaje,0.0) END"
                       " AS Impuesto,Redondear(CASE WHEN T.Incluido=1 THEN Precio ELSE Precio*(1+IFNULL(T.Porcentaje,0.0)) END)"
                       " AS \"Precio Venta\" FROM Producto JOIN PreciosXMenu ON PreciosXMenu.ID_Producto=Producto.ID_Producto"
                       " LEFT JOIN (SELECT ImpuestosXProducto.ID_Producto AS ID_Producto,Porcentaje,"
                       "IFNULL(Incluir_en_precio,0) AS Incluido FROM ImpuestosXProducto JOIN Tipos_Impuesto ON"
                       " Tipos_Impuesto.ID_Tipo_Impuesto=ImpuestosXProducto.ID_Tipo_Impuesto JOIN PorcentajeXTipo_Impuesto ON"
                       " PorcentajeXTipo_Impuesto.ID_Tipo_Impuesto=ImpuestosXProducto.ID_Tipo_Impuesto WHERE Tipo_Imp_Activo=1")
        + vigente + QStringLiteral(") T ON T.ID_Producto=Producto.ID_Producto WHERE Estado='A'") + filtro
        + QStringLiteral(" ORDER BY Nombre_Completo");
    adodb::Recordset rs;
    try {
        rs = consulta(sql);
    } catch (...) {
        // A failed search leaves none of the last one's rows.
        sprDatos->setRowCount(0);
        throw;
    }
    // The fill replaces the rows the last search left.
    grid::FillOptions opciones;
    opciones.fitColumnWidths = true;
    grid::fillFromRecordset(*sprDatos, std::move(rs), opciones);
}
