// The sections of the daily sales report from the sales per category on.
#include "foundation/database/cls_ado.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/grid/grid.h"
#include "reports/renglones.h"
#include "reports/rep_ventas.h"
#include "reports/sql_ventas.h"

#include <QHash>
#include <QTime>

namespace {

QString entreComillas(const QString& texto)
{
    return QLatin1Char('\'') + DuplicaComillas(texto) + QLatin1Char('\'');
}

// A day part's bound as "hh:mm:ss", whatever type the column gives it in.
QString hora(const QVariant& valor)
{
    if (valor.typeId() == QMetaType::QTime)
        return valor.toTime().toString(QStringLiteral("HH:mm:ss"));
    if (valor.typeId() == QMetaType::QDateTime)
        return valor.toDateTime().time().toString(QStringLiteral("HH:mm:ss"));
    const QString texto = valor.toString().trimmed();
    for (const QString& formato : {QStringLiteral("H:mm:ss"), QStringLiteral("H:mm")}) {
        const QTime t = QTime::fromString(texto, formato);
        if (t.isValid())
            return t.toString(QStringLiteral("HH:mm:ss"));
    }
    return texto;
}

void montoMoneda(grid::Grid& g, int fila, int columna, double monto)
{
    g.setCellFormat(fila, columna, grid::CellFormat::currency());
    g.setCellAlignment(fila, columna, Qt::AlignRight);
    g.setValue(fila, columna, monto);
}

} // namespace

void RepVentas::ventasPorCategoria(const QString& inicio, const QString& fin)
{
    grid::Grid& g = *rejilla();
    titulo(QStringLiteral("Ventas por Categoría"), 3);
    ejecuta(QStringLiteral("CREATE TEMP TABLE \"#Tmp_Ventas\" (ID_Categoria INTEGER, Nombre VARCHAR(50),"
                           " Ventas_Netas REAL, Cortesias REAL, Promociones REAL, Anulaciones REAL, Impuestos REAL,"
                           " Ventas_Brutas AS (IFNULL(Ventas_Netas,0)+IFNULL(Cortesias,0)+IFNULL(Promociones,0)"
                           "+IFNULL(Impuestos,0)))"));
    ejecutaProcedimiento(QStringLiteral("EXEC Reporte_Ventas '") + inicio + QStringLiteral("','") + fin + QLatin1Char('\''));
    adodb::Recordset rs = consulta(QStringLiteral(
        "SELECT ID_Categoria, Nombre, SUM(IFNULL(Ventas_Netas,0)) AS Ventas_Netas, SUM(IFNULL(Cortesias,0)) AS Cortesias,"
        " SUM(IFNULL(Promociones,0)) AS Promociones, SUM(IFNULL(Anulaciones,0)) AS Anulaciones,"
        " SUM(IFNULL(Impuestos,0)) AS Impuestos, SUM(IFNULL(Ventas_Brutas,0)) AS Ventas_Brutas"
        " FROM \"#Tmp_Ventas\" GROUP BY ID_Categoria, Nombre ORDER BY Nombre"));

    renglonVacio();
    const int encabezado = g.rowCount();
    const QStringList titulos{QStringLiteral("Ventas Netas"), QStringLiteral("Cortesías"), QStringLiteral("Promociones"),
                              QStringLiteral("Anulaciones"), QStringLiteral("Impuestos"), QStringLiteral("Ventas Brutas")};
    for (int c = 2; c <= 7; ++c) {
        g.setText(encabezado, c, titulos.at(c - 2));
        g.setCellBold(encabezado, c, true);
        g.setCellAlignment(encabezado, c, Qt::AlignRight);
    }
    const QStringList campos{QStringLiteral("Ventas_Netas"), QStringLiteral("Cortesias"), QStringLiteral("Promociones"),
                             QStringLiteral("Anulaciones"), QStringLiteral("Impuestos")};
    for (; !rs.eof(); rs.moveNext()) {
        AgregaRenglon(g, rs.value(QStringLiteral("Nombre")).toString());
        const int fila = g.activeRow();
        for (int c = 2; c <= 6; ++c)
            montoMoneda(g, fila, c, rs.value(campos.at(c - 2)).toDouble());
        g.setCellAlignment(fila, 2, Qt::AlignRight);
        // Voids are no part of the gross sales.
        montoMoneda(g, fila, 7,
                    rs.value(campos.at(0)).toDouble() + rs.value(campos.at(1)).toDouble()
                        + rs.value(campos.at(2)).toDouble() + rs.value(campos.at(4)).toDouble());
    }

    adodb::Recordset totales = consulta(QStringLiteral(
        "SELECT SUM(IFNULL(Ventas_Netas,0)) AS TotalNeto, SUM(IFNULL(Cortesias,0)) AS TotalCortesias,"
        " SUM(IFNULL(Promociones,0)) AS TotalPromocion, SUM(IFNULL(Anulaciones,0)) AS TotalAnulacion,"
        " SUM(IFNULL(Ventas_Brutas,0)) AS TotalBrutas, SUM(IFNULL(Impuestos,0)) AS TotalImpuesto FROM \"#Tmp_Ventas\""));
    AgregaRenglon(g, QStringLiteral("TOTAL"));
    const int fila = g.activeRow();
    g.setRangeBorder({fila, 2, fila, 7}, Qt::TopEdge, Qt::black, Qt::SolidLine);
    const QStringList columnasTotal{QStringLiteral("TotalNeto"), QStringLiteral("TotalCortesias"),
                                    QStringLiteral("TotalPromocion"), QStringLiteral("TotalAnulacion"),
                                    QStringLiteral("TotalImpuesto"), QStringLiteral("TotalBrutas")};
    for (int c = 2; c <= 7; ++c)
        montoMoneda(g, fila, c, totales.eof() ? 0.0 : totales.value(columnasTotal.at(c - 2)).toDouble());
    ejecuta(QStringLiteral("DROP TABLE \"#Tmp_Ventas\""));
}

void RepVentas::ventasSeccionCategoria(adodb::Recordset& secciones)
{
    grid::Grid& g = *rejilla();
    renglonVacio();
    titulo(QStringLiteral("Ventas Parte del Día por Categoria"), 2);
    ejecuta(QStringLiteral("CREATE TEMP TABLE \"#TempSecCat\" (Categoria VARCHAR(100), Seccion VARCHAR(100), Monto REAL)"));

    // Both bounds are included. A day part that runs past midnight is taken in two halves, to the
    // end of the day and from its very beginning (00:00:00), so that no opening time falls between.
    auto inserta = [this](const QString& nombre, const QString& desde, const QString& hasta) {
        ejecuta(QStringLiteral("INSERT INTO \"#TempSecCat\" SELECT Categoria, ") + entreComillas(nombre)
                + QStringLiteral(", SUM(Monto) FROM \"#TempDia\" WHERE time(Fecha_Apertura) BETWEEN ")
                + entreComillas(desde) + QStringLiteral(" AND ") + entreComillas(hasta)
                + QStringLiteral(" GROUP BY Categoria"));
    };
    if (!secciones.isNull() && secciones.recordCount() > 0)
        secciones.moveFirst();
    for (; !secciones.isNull() && !secciones.eof(); secciones.moveNext()) {
        const QString nombre = secciones.value(QStringLiteral("Nombre")).toString();
        const QString inicio = hora(secciones.value(QStringLiteral("Hora_inicio")));
        const QString fin = hora(secciones.value(QStringLiteral("Hora_Fin")));
        if (inicio <= fin) {
            inserta(nombre, inicio, fin);
        } else {
            inserta(nombre, inicio, QStringLiteral("24:00:00"));
            inserta(nombre, QStringLiteral("00:00:00"), fin);
        }
    }

    renglonVacio();
    const int encabezado = g.rowCount();
    // The column of a day part: the first header cell holding its name, or the first empty one,
    // which takes the name; the grid grows when the day parts outnumber its columns.
    auto columnaDe = [&](const QString& seccion) {
        for (int c = 2;; ++c) {
            if (c > g.columnCount())
                g.setColumnCount(c);
            const QString texto = g.text(encabezado, c);
            if (texto == seccion)
                return c;
            if (texto.isEmpty()) {
                g.setText(encabezado, c, seccion);
                g.setCellBold(encabezado, c, true);
                g.setCellAlignment(encabezado, c, Qt::AlignRight);
                return c;
            }
        }
    };

    adodb::Recordset categorias = consulta(QStringLiteral(
        "SELECT DISTINCT Categoria AS Nombre FROM \"#TempSecCat\" WHERE Monto > 0 ORDER BY Categoria"));
    for (; !categorias.eof(); categorias.moveNext()) {
        const QString categoria = categorias.value(QStringLiteral("Nombre")).toString();
        adodb::Recordset montos = consulta(QStringLiteral("SELECT Seccion, SUM(Monto) AS Monto FROM \"#TempSecCat\""
                                                          " WHERE Categoria=")
                                           + entreComillas(categoria) + QStringLiteral(" GROUP BY Categoria, Seccion"));
        renglonVacio();
        const int fila = g.rowCount();
        g.setText(fila, 1, categoria);
        g.setCellBold(fila, 1, true);
        for (; !montos.eof(); montos.moveNext())
            montoMoneda(g, fila, columnaDe(montos.value(QStringLiteral("Seccion")).toString()),
                        montos.value(QStringLiteral("Monto")).toDouble());
    }

    AgregaRenglon(g, QStringLiteral("TOTAL"));
    const int total = g.activeRow();
    g.setCellBorder(total, 2, Qt::TopEdge, Qt::black, Qt::SolidLine);
    adodb::Recordset totales =
        consulta(QStringLiteral("SELECT Seccion, SUM(Monto) AS MontoTotal FROM \"#TempSecCat\" GROUP BY Seccion"));
    if (totales.eof()) {
        montoMoneda(g, total, 2, 0.0);
    } else {
        QHash<QString, double> porSeccion;
        for (; !totales.eof(); totales.moveNext())
            porSeccion.insert(totales.value(QStringLiteral("Seccion")).toString(),
                              totales.value(QStringLiteral("MontoTotal")).toDouble());
        for (int c = 2; c <= g.columnCount() && !g.text(encabezado, c).isEmpty(); ++c)
            montoMoneda(g, total, c, porSeccion.value(g.text(encabezado, c)));
    }
    renglonVacio();
    ejecuta(QStringLiteral("DROP TABLE \"#TempSecCat\""));
    ejecuta(QStringLiteral("DROP TABLE \"#TempDia\""));
}

// A title, one row per name with its amount, the total of the amounts listed, and a blank row.
void RepVentas::seccionLista(const QString& texto, adodb::Recordset rs, const QString& campoNombre)
{
    grid::Grid& g = *rejilla();
    titulo(texto, 3);
    double total = 0;
    for (; !rs.isNull() && !rs.eof(); rs.moveNext()) {
        AgregaRenglon(g, rs.value(campoNombre).toString());
        const double monto = rs.value(QStringLiteral("Monto")).toDouble();
        g.setCellFormat(g.activeRow(), 2, grid::CellFormat::currency());
        EscribeMonto(g, monto);
        total += monto;
    }
    AgregaTotal(g, QStringLiteral("TOTAL"), total);
    renglonVacio();
}

void RepVentas::efectivoYPropinas(const QDate& desde, const QDate& hasta)
{
    grid::Grid& g = *rejilla();
    adodb::Recordset efectivo = consulta(sqlventas::efectivo(desde, hasta));
    const double caja = efectivo.eof() ? 0.0 : efectivo.value(QStringLiteral("Monto")).toDouble();
    AgregaRenglon(g, QStringLiteral("TOTAL EFECTIVO"));
    EscribeMonto(g, caja);
    adodb::Recordset propinas = consulta(sqlventas::propinas(desde, hasta));
    const double tips = propinas.eof() ? 0.0 : propinas.value(QStringLiteral("monto")).toDouble();
    AgregaRenglon(g, QStringLiteral("TOTAL PROPINAS"));
    EscribeMonto(g, tips);
    AgregaRenglon(g, QStringLiteral("BALANCE DE EFECTIVO"));
    EscribeMonto(g, caja - tips);
}
