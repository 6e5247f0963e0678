#pragma once

#include "reports/rep_ventana.h"

class QDateEdit;

// "Reporte de ventas": the sales summary of a period of working dates, built cell by cell under the
// designed heading (rows 1 to 4): net and gross sales, guests and checks per day part, sales per
// category, sales per day part and category, non-cash payments, courtesies, promotions, voids,
// taxes, and the cash, tips and cash balance.
class RepVentas : public RepVentana {
    Q_OBJECT
public:
    explicit RepVentas(QWidget* parent = nullptr);

    QDateEdit* dtpFecha = nullptr;
    QDateEdit* dtpFechaFin = nullptr;

protected:
    void buscar() override;

private:
    void ventasNetasYBrutas();
    void porSeccionDia(const QString& llamada, const QString& campo);
    void ventasPorCategoria(const QString& desde, const QString& hasta);
    void ventasSeccionCategoria(adodb::Recordset& secciones);
    void seccionLista(const QString& titulo, adodb::Recordset rs, const QString& campoNombre);
    void efectivoYPropinas(const QDate& desde, const QDate& hasta);

    // A blank row.
    void renglonVacio();
    // A title row whose cell spans the first `columnas` columns.
    void titulo(const QString& texto, int columnas);
};
