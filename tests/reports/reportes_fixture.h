#pragma once

#include "reports/rep_ventana.h"
#include "tests/mainwindow/mainwindow_fixture.h"
#include "tests/reports/datos_ventas.h"
#include "tests/support/central_db.h"

#include <QStringList>
#include <QTemporaryDir>

namespace grid {
class Grid;
}

// The rows of a statement on a connection, fields joined by " | ": NULL for a null, numbers of
// REAL columns with two decimals, date-times as "yyyy-MM-dd hh:mm:ss".
QStringList filasDe(adodb::Connection& conexion, const QString& sql);

// The shared sales data set in a central database, without windows: for the procedures and views,
// run on `db` (the connection whose temporary tables they fill), with the procedures registered.
class DatosVentasDb : public CentralDbFixture {
protected:
    void SetUp() override;
    QStringList filas(const QString& sql) { return filasDe(db, sql); }
};

// The real main window on the shared sales data set (datos_ventas.h), opened by employee 1 (ANA),
// who holds REPORTES and every report permission; the clock at 15/03/2024 12:00:00; the report
// windows and the database procedures registered; every message box answered by a script.
class ReportesDb : public MainWindowDb {
protected:
    void SetUp() override;
    void TearDown() override;

    // Chooses the "&Reportes" item (by name, e.g. "mnuProRepLista") and returns the window it
    // opened, or null when the item is hidden or opened nothing of that type.
    template <typename T = RepVentana>
    T* abre(const QString& item, const QString& ventana)
    {
        return qobject_cast<T*>(abreVentana(item, ventana));
    }
    QWidget* abreVentana(const QString& item, const QString& ventana);
    // A toolbar button, as the user can click it: only while shown and enabled.
    bool click(int boton);
    bool botonVisible(int boton) const;

    // The grid's rows (hidden ones left out) as "cell | cell | ..." texts.
    static QStringList filasRejilla(const grid::Grid* rejilla);
    // Prints the window's grid through its print command to a PDF and returns its pages' text
    // (pdftotext -layout), one entry per page.
    QStringList imprime(RepVentana* ventana, const QString& nombre);
    // The "#" tables on the gateway's connection.
    QStringList tablasTemporales();
    // The rows of a query on the test's connection, columns joined by " | ".
    QStringList filas(const QString& sql);

    QTemporaryDir pdfs;
};
