#pragma once

#include "../support/central_db.h"

#include "endofday/pasos_fin_dia.h"
#include "ventas_prueba.h"

#include <QString>
#include <QStringList>

// A central database of working date 10/12/2026 on the shared gateway, the key file, the program's
// clock at 10/12/2026 23:30, and terminal databases built from the template.
class EndOfDayFixture : public CentralDbFixture {
protected:
    static void venta(const QString& ruta, int comanda, qint64 producto, int pago)
    {
        ventaDePrueba(ruta, comanda, producto, pago, QStringLiteral("10122026"));
    }
    void SetUp() override;
    void TearDown() override;

    // The run closing 10/12/2026, and a terminal of it with its folders as the run gives them.
    static findia::CorridaFinDia corrida();
    findia::TerminalFinDia terminal(qint64 id, const QString& nombre, const QVariant& menu = QVariant()) const;
    // The reconciliation's temporary tables on the gateway's connection, as the run makes them.
    static void creaTablasConciliacion();
    // The template copy made from the template, as the run makes it before the build.
    static void copiaPlantilla();

    // A new terminal database from the template at path (its folder made).
    static void nuevaBaseTerminal(const QString& ruta);
    // The terminal's fetched copy in the program's folder, made from the template when missing.
    QString copia(const QString& terminal);
    // Runs a script on a terminal database file.
    static void enTerminal(const QString& ruta, const QString& sql);
    // The single value of a query on a terminal database file.
    static QVariant deTerminal(const QString& ruta, const QString& sql);
    // Today's log, all of it.
    QString bitacora() const;
};
