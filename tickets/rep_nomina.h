#pragma once

#include "reports/rep_ventana.h"

class QDateEdit;

// What the hours summary and the signed hours report share: the period's two dates and the search
// button, a seven-column grid built cell by cell under its heading block (rows 1 to 4), and the
// period totals that both show first.
class RepNomina : public RepVentana {
    Q_OBJECT
public:
    QDateEdit* dtpFecha = nullptr;
    QDateEdit* dtpFechaFin = nullptr;

protected:
    RepNomina(const QString& nombre, const Ajustes& ajustes, QWidget* parent);

    // The period's totals, as read and shown in rows 5 to 7.
    struct Totales {
        double costo = 0;    // CT
        double minutos = 0;  // the divisor of the hours shares, with TH
        double horas = 0;    // TH, rounded to 2 decimals
        qint64 entradas = 0; // EC
        // The divisors of the shares: 1 in place of 0.
        double divisorMinutos() const { return minutos == 0 ? 1 : minutos; }
        double divisorCosto() const { return costo == 0 ? 1 : costo; }
    };

    // Back to the heading block; the title in row 1 and the period in row `filaPeriodo`, both over
    // columns 3 to 5.
    void encabezado(const QString& titulo, bool tituloNegrita, int filaPeriodo);
    // COSTO TOTAL, TOTAL HORAS and EMPLEADOS QUE CHECARON.
    Totales totalesPeriodo();

    void renglonVacio();
    // A section title over columns 1 to 3.
    void titulo(const QString& texto);
    // A row of centred bold captions from column 1 (an empty caption leaves its cell empty).
    void renglonTitulos(const QStringList& titulos);
    // The line above a total, over the columns given, in the row (the last when 0).
    void lineaTotal(int desde, int hasta, int fila = 0);
    // A number cell of the last row holding the value, aligned as given.
    void numero(int columna, double valor, int decimales = 2, Qt::Alignment alineacion = Qt::AlignRight);
    // The same in a row the grid has already.
    void numeroEn(int fila, int columna, double valor, int decimales = 2, Qt::Alignment alineacion = Qt::AlignRight);


    QDate desde() const;
    QDate hasta() const;
};
