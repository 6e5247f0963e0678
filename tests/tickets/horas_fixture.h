#pragma once

#include "tests/reports/reportes_fixture.h"

class QDateEdit;

// Loads the staff-hours data set (horas.sql) into a connection.
void cargaHoras(adodb::Connection& db);

// The staff-hours data set in a central database, without windows.
class HorasBase : public CentralDbFixture {
protected:
    void SetUp() override;
};

// The real main window over the staff-hours data set, opened by employee 1 (GERENTE), who holds
// REPORTES; the clock at 10/02/2025 09:15; the hours windows registered; every box answered by a
// script. The report fixture's helpers (abre, filasRejilla, imprime) serve it as they stand.
class HorasDb : public ReportesDb {
protected:
    void SetUp() override;

    // Sets the window's period (31/01/2025 to 01/02/2025 unless given) and presses its search button.
    void busca(RepVentana* ventana, const QDate& desde = QDate(2025, 1, 31), const QDate& hasta = QDate(2025, 2, 1));
    // The page size of a PDF as pdfinfo gives it ("612 x 792 pts (letter)").
    static QString tamanoPagina(const QString& pdf);
};
