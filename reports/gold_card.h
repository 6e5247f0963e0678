#pragma once

#include "reports/rep_ventana.h"

class QDateEdit;

// What the two gold card reports share: the window, its heading, the period as the view writes it
// ("yyyy.mm.dd"), the grand total and the end line.
class GoldCard : public RepVentana {
    Q_OBJECT
public:
    QDateEdit* dtpFecha = nullptr;
    QDateEdit* dtpFechaFin = nullptr;

protected:
    GoldCard(const QString& nombre, const double (&anchos)[7], QWidget* parent);

    // " where idtipocliente = 2 and fechatrabajo between 'inicio' AND 'fin'"
    QString condicionPeriodo() const;
    // The heading of a search and the grand total row; returns the grand total.
    double inicia();
    // Appends a row and makes it the active row; returns it.
    int agregaFila();
    // The end line.
    void termina();

};
