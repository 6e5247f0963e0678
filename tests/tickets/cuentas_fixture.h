#pragma once

#include "tests/mainwindow/mainwindow_fixture.h"
#include "tests/support/scripted_print_system.h"

#include <QStringList>

class RepCuentas;
class RepDetCuentas;
class QWidget;

namespace grid {
class Grid;
}

// The real main window over datos_cuentas.sql (checks 101 and 102 of control 3, printer 1 "TICKETS"
// on the server terminal 1), opened by an employee holding REPORTES; the clock at 10/02/2025
// 09:15; the procedures and the tickets windows registered; every box answered by a script; a
// print system with the queue "TICKETS", which prints every job.
class CuentasDb : public MainWindowDb {
protected:
    void SetUp() override;

    // "&Reportes" > "C&uentas".
    RepCuentas* abreCuentas();
    // RepCuentas searched over the period.
    RepCuentas* busca(const QDate& desde, const QDate& hasta);
    // Double-clicks the check's row of the list and returns the window that opened (null if none).
    QWidget* abreComanda(RepCuentas* cuentas, int comanda);
    // The child windows of the document area of that type.
    template <typename T>
    QList<T*> ventanas() const;

    // Presses the toolbar's Imprimir with the window active.
    void imprime(QWidget* ventana);
    // The newest closed job's lines as the ticket printer lays them out on its 32 columns.
    QString ultimoTicket();
    // The text of the newest job's PDF (pdftotext -layout) that the print system took; empty when
    // there is none.
    QString ultimoPdf();
    // The rows of a query on the test's connection, columns joined by " | ".
    QStringList filas(const QString& sql);
    // The grid's rows as "cell | cell" texts, from the first data row.
    static QStringList filasRejilla(const grid::Grid* rejilla, int desde = 1);
    void activaFuncion(int funcion);
    // The child windows of the main window's document area.
    QList<QWidget*> hijas() const;

    ScriptedPrintSystem impresion;
};

template <typename T>
QList<T*> CuentasDb::ventanas() const
{
    QList<T*> out;
    for (QWidget* w : hijas())
        if (auto* t = qobject_cast<T*>(w))
            out << t;
    return out;
}
