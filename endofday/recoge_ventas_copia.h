#pragma once

#include <QList>
#include <QString>


namespace findia {

// A sales row of a terminal copy that the central database did not take.
struct FilaRechazada {
    QString tabla;
    QString clave;   // the key's values joined by "/"
    QString motivo;
};

struct CuentaTablaRecogida {
    QString tabla;
    int insertadas = 0;
    int actualizadas = 0;
    int rechazadas = 0;
};

struct RecogidaTerminal {
    QString terminal;
    QList<CuentaTablaRecogida> tablas;   // the seven sales tables, in the order collected
    QList<FilaRechazada> rechazadas;
    QString copiaGuardada;               // the fetched copy kept aside when rows were refused

    // "CAJA1 filas rechazadas: ProductosXCuenta 3125, ImpuestosXCuenta 3125/1"; empty when none.
    QString textoRechazos() const;
};

// Brings every row of the seven sales tables of a terminal's fetched copy (rutaCopia, only read)
// into the central database on the gateway's connection, all or nothing (a savepoint inside the
// caller's transaction, or a transaction of its own): a new key is inserted, a key that the same
// sale holds centrally is updated, and a key that another sale holds is refused together with the
// rows that hang on it (an order is the same sale when its working date and opening time match
// and it came from the same terminal, idTerminal, which each order collected records; an item or
// payment when it belongs to that order; an account, courtesy, tax or modifier when its order or
// item was taken). A row whose key, amount, date or text cannot be read as its central column
// takes it (valores_terminal.h) is refused too, and so is one that the central database refuses.
// A copy of an older terminal is read over the columns it has. Refused rows are logged one by one
// and the copy is kept beside itself under the closing date's name (fechaCierre, "ddmmyyyy").
// A failure undoes every row and raises: FallaPaso for the copy (it cannot be read, or kept
// aside), adodb::ComError for the central database, or what a failure point threw.
RecogidaTerminal RecogeVentasCopia(const QString& nombreTerminal, qint64 idTerminal, const QString& rutaCopia,
                                   const QString& fechaCierre);

} // namespace findia
