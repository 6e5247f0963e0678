#pragma once

#include "reports/rep_ventana.h"

#include <QList>

class QComboBox;
class QDateEdit;

// "Detalle de Horas": the clock entries of a period, of one department or all, with their times,
// hours, cost and shares of the period's hours and cost. A double-click on a clock-in or clock-out
// cell opens that cell alone for a correction, which is stored when its edit ends; the database
// recomputes the entry's minutes and cost, and the report reloads.
class RepHoras : public RepVentana {
    Q_OBJECT
public:
    explicit RepHoras(QWidget* parent = nullptr);

    QDateEdit* dtpFecha = nullptr;
    QDateEdit* dtpFechaFin = nullptr;
    QComboBox* cmbCategoria = nullptr;

    // Opens the double-clicked time cell of a data row; any other double-click closes it again.
    void fpsDatos_DblClick(int Col, int Row);
    // Stores the time typed into the open cell, or says why not; then reloads the report.
    void fpsDatos_Change(int Col, int Row, const QString& tecleado);

protected:
    void buscar() override;

private:
    struct CeldaAbierta {
        qint64 entrada = 0;
        int columna = 0;
    };

    void escribeRenglon(const adodb::Recordset& rs, double totalMinutos, double totalCosto);
    // The row that shows the entry; 0 when none.
    int renglonDe(qint64 entrada) const;
    void abreCelda(int fila, int columna);
    void cierraCelda();
    // Stores the corrected time; the message that says why it was not stored, or "" when it was.
    QString guardaHora(qint64 entrada, int columna, const QString& tecleado, int* icono);

    // The entry of each data row as loaded, so that a correction never reaches another entry.
    QList<qint64> m_entradas;
    std::optional<CeldaAbierta> m_abierta;
};
