#pragma once

#include "reports/rep_ventana.h"

class QDateEdit;

// "Informe de Detalles de Pago(Pago)": for the working dates, the payments per payment type (count,
// amounts, tips, amount plus tips, share of the grand total) and the courtesies per courtesy type
// (count, amount, share), written below the heading block of rows 1 to 9.
class RepPagos : public RepVentana {
    Q_OBJECT
public:
    explicit RepPagos(QWidget* parent = nullptr);

    QDateEdit* dtpFecha = nullptr;
    QDateEdit* dtpFechaFin = nullptr;

protected:
    void buscar() override;

private:
    int agregaRenglon();
    void banda(int renglon, const QString& texto);
    void lineaInferior(int renglon);
    void pagos(const QString& periodo);
    void cortesias(const QString& periodo);
};
