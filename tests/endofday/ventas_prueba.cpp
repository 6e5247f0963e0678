#include "ventas_prueba.h"

#include "platform/adodb/adodb.h"

void ventaDePrueba(const QString& ruta, int comanda, qint64 producto, int pago, const QString& fecha)
{
    const QString k = QString::number(comanda);
    const QString p = QString::number(producto);
    adodb::Connection c;
    c.openFile(ruta, false, false);
    c.execute(QStringLiteral(
        "INSERT INTO Comanda VALUES (%1, 5, 7, 0, '2026-12-10 20:00:00', '2026-12-10 21:15:30', 'MESA', '%3');"
        "INSERT INTO Cuenta VALUES (%1, 1, 1, 1, 116.25);"
        "INSERT INTO ProductosXCuenta VALUES (%2, %1, 1, 57, NULL, 1, 100.25, 100.25, NULL, NULL, NULL, NULL, NULL, NULL);"
        "INSERT INTO ImpuestosXCuenta VALUES (%2, 1, 16.04);"
        "INSERT INTO Cortesia VALUES (%2, 2, 0.1);"
        "INSERT INTO Modificador VALUES (%2, 3, 0.2);"
        "INSERT INTO Pago VALUES (%4, %1, 1, 1, 116.25, 10);").arg(k, p, fecha, QString::number(pago)));
}

