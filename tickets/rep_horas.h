#pragma once

#include "reports/rep_ventana.h"

#include <QList>

#include <optional>

class QComboBox;
class QDateEdit;

// "Detalle de Horas": the clock entries of a period, of one department or all, with their times,
// hours, cost and shares of the period's hours and cost. A double-click on a clock-in or clock-out
// cell opens that cell alone for a correction, which is stored when its edit ends; the database
// recomputes the entry's minutes and cost, and the entry's row and the shares show them.
class RepHoras : public RepVentana {
    Q_OBJECT
public:
    explicit RepHoras(QWidget* parent = nullptr);

    QDateEdit* dtpFecha = nullptr;
    QDateEdit* dtpFechaFin = nullptr;
    QComboBox* cmbCategoria = nullptr;

    // Opens the double-clicked time cell of a data row; any other double-click closes it again.
    void fpsDatos_DblClick(int Col, int Row);
    // Stores the time typed into the open cell, or says why not; then shows the entry as stored.
    void fpsDatos_Change(int Col, int Row, const QString& tecleado);

protected:
    void buscar() override;

private:
    struct CeldaAbierta {
        qint64 entrada = 0;
        int columna = 0;
    };
    // A listed entry: its key, and its minutes and cost (empty for NULL) for the shares.
    struct Entrada {
        qint64 id = 0;
        std::optional<double> minutos;
        std::optional<double> costo;
    };

    // Writes the entry of the recordset's row (from 0) into the grid's row, but its shares, and
    // keeps what the shares need.
    void escribeEntrada(int fila, const adodb::Recordset& rs, int registro);
    // The two shares of the row, of the period's totals.
    void escribePorcentajes(int fila);
    // After a correction: the entry's row read again, and the shares of every row when the
    // period's totals moved. False when the entry cannot be read.
    bool refrescaEntrada(qint64 entrada);
    // The row that shows the entry; 0 when none.
    int renglonDe(qint64 entrada) const;
    void abreCelda(int fila, int columna);
    void cierraCelda();
    // Stores the corrected time; the message that says why it was not stored, or "" when it was.
    QString guardaHora(qint64 entrada, int columna, const QString& tecleado, int* icono);

    // The entries of the data rows as loaded, in row order (by key), so that a correction never
    // reaches another entry.
    QList<Entrada> m_entradas;
    double m_totalMinutos = 0;
    double m_totalCosto = 0;
    std::optional<CeldaAbierta> m_abierta;
};
