#pragma once

#include "endofday/folio_productos.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

// What the push needs to know of the run.
struct DatosEnvio {
    QString dirTermBD;
    // Terminals whose sales this run made central, with the digest of their share file at the fetch.
    QHash<int, QByteArray> recogidas;
    // Terminals already sent the new database by this run (a resumed run skips them).
    QSet<int> yaEnviadas;
    QHash<int, RegistroFolio> folios;
    // Runs once a terminal's file is in place, with the item folio it was sent.
    std::function<void(int idTerminal, const QString& nombre, qint64 folio)> alEnviar;
};

struct ResultadoEnvio {
    QStringList enviadas;
    // "CAJA1: <why>" for every terminal left alone because its share holds sales not collected.
    QStringList noEnviadas;
    // The collected communication failures: "\r\n" + terminal + " " + description for each.
    QString errores;
};

// Gives the template copy each active terminal's menu (submenus and prices, every price back to 0
// first), terminal number and item folio, terminals in menu order, and puts it on the terminal's
// share under a temporary name that is then renamed. A terminal is sent it only where its share
// has no database, or where this run collected its sales and the share's file is still the one
// fetched; any other is listed and left as it is.
ResultadoEnvio EnviaBaseTerminal(const DatosEnvio& datos);

// SHA-256 of a file's bytes; empty when it cannot be read.
QByteArray DigestoArchivo(const QString& ruta);
