#include "reports/rep_especiales.h"

#include "foundation/forms/main_window_services.h"
#include "platform/grid/grid.h"
#include "platform/grid/recordset_fill.h"

#include <QAction>
#include <QDateEdit>
#include <QFrame>

namespace {

constexpr int kColumnas = 10;

RepVentana::Ajustes ajustesEspeciales()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Reporte de especiales");
    a.disenoTwips = QSize(8052, 3840);
    a.tituloImpresion = QStringLiteral("REPORTE DE ESPECIALES");
    a.margenSuperior = 100;
    a.margenInferior = 100;
    a.margenIzquierdo = 350;
    a.orientacion = grid::Orientation::Landscape;
    return a;
}

// "SUM(C1:C12)" for the grid column, over the data rows.
QString sumaColumna(int columna, int ultimoRenglon)
{
    const QChar letra(u'A' + columna - 1);
    return QStringLiteral("SUM(") + letra + QStringLiteral("1:") + letra + QString::number(ultimoRenglon)
        + QLatin1Char(')');
}

} // namespace

RepEspeciales::RepEspeciales(QWidget* parent) : RepVentana(QStringLiteral("RepEspeciales"), ajustesEspeciales(), parent)
{
    FraSeleccion->setObjectName(QStringLiteral("Frame1"));
    dtpFecha = agregaFecha(QStringLiteral("dtpFecha"), QStringLiteral("Fecha:"));
    agregaBuscar(QStringLiteral("cmdBuscar"), QStringLiteral("Buscar registros"));

    grid::Grid* sprDatos = creaRejilla(QStringLiteral("sprDatos"), QStringLiteral("PrvVista"));
    sprDatos->setColumnCount(kColumnas);
    sprDatos->setText(0, 1, QStringLiteral("ID"));
    sprDatos->setText(0, 2, QStringLiteral("Producto"));
    sprDatos->setText(0, kColumnas, QStringLiteral("Total"));
    sprDatos->setColumnWidth(1, 8);
    sprDatos->setColumnFormat(1, grid::CellFormat::integer());
    for (int c = 3; c <= kColumnas; ++c)
        sprDatos->setColumnFormat(c, grid::CellFormat::integer());
    sprDatos->setAllLocked(true);
    setTablasTemporales({QStringLiteral("#Tmp_Reporte")});
}

void RepEspeciales::buscar()
{
    grid::Grid* sprDatos = rejilla();
    const QDate fecha = dtpFecha->date();
    sprDatos->setRowCount(0);
    for (int dia = 1; dia <= 7; ++dia)
        sprDatos->setText(0, dia + 2, fecha.addDays(dia - 1).toString(QStringLiteral("dd/MM/yyyy")));

    ejecuta(QStringLiteral("CREATE TEMP TABLE \"#Tmp_Reporte\" (IDProducto INTEGER,Nombre VARCHAR(75),"
                           "Dia1 INTEGER,Dia2 INTEGER,Dia3 INTEGER,Dia4 INTEGER,Dia5 INTEGER,Dia6 INTEGER,Dia7 INTEGER,"
                           "Total AS (Dia1+Dia2+Dia3+Dia4+Dia5+Dia6+Dia7))"));
    ejecutaProcedimiento(QStringLiteral("EXEC Rep_Especiales '") + fecha.toString(QStringLiteral("dd/MM/yyyy"))
                         + QLatin1Char('\''));
    grid::FillOptions opciones;
    opciones.keepDesignColumns = true;
    grid::fillFromRecordset(*sprDatos,
                            consulta(QStringLiteral("SELECT IDProducto,Nombre,SUM(Dia1),SUM(Dia2),SUM(Dia3),SUM(Dia4),"
                                                    "SUM(Dia5),SUM(Dia6),SUM(Dia7),SUM(Total) FROM \"#Tmp_Reporte\" "
                                                    "GROUP BY IDProducto,Nombre ORDER BY Nombre")),
                            opciones);
    ejecuta(QStringLiteral("DROP TABLE \"#Tmp_Reporte\""));

    const int total = sprDatos->rowCount() + 1;
    sprDatos->setRowCount(total);
    sprDatos->setText(total, 2, QStringLiteral("TOTAL:"));
    for (int c = 3; c <= kColumnas; ++c)
        sprDatos->setFormula(total, c, sumaColumna(c, total - 1));
    sprDatos->setRangeBold({total, 1, total, kColumnas}, true);
}

void RepEspeciales::muestraCerrar(bool visible)
{
    if (MainWindowServices* principal = mainWindow())
        if (QAction* cerrar = principal->menuItem(QStringLiteral("mnuArCerrar")))
            cerrar->setVisible(visible);
}

void RepEspeciales::activaExtras()
{
    muestraCerrar(true);
}

void RepEspeciales::Form_Deactivate()
{
    RepVentana::Form_Deactivate();
    muestraCerrar(false);
}

void RepEspeciales::Form_Unload()
{
    RepVentana::Form_Unload();
    muestraCerrar(false);
}
