#pragma once

// A central database for the catalog windows' benchmarks: a temporary data root holding a new
// database with `products` products named "PRODUCTO n", and the statements given run on it, opened
// through the shared gateway as the program opens it. The file is there for the bare side to open.

#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "schema/schema.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

namespace bench {

struct CatalogDb {
    QTemporaryDir dir;
    QString file;
    ClsBitacora bitacora;

    explicit CatalogDb(int products, const QStringList& statements = {})
    {
        qputenv("ZORVA_DATA", dir.path().toLocal8Bit());
        file = QDir(dir.path()).filePath(QStringLiteral("bench.db"));
        adodb::Connection setup;
        setup.openFile(file, true, true);
        schema::createCentral(setup);
        setup.execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<%1) "
                                     "INSERT INTO Producto (ID_Producto, Nombre_Completo) "
                                     "SELECT i, 'PRODUCTO ' || i FROM n")
                          .arg(products));
        for (const QString& statement : statements)
            setup.execute(statement);
        setup.close();
        bitacora.inciar_log({.PCrearArchivo = false, .Parchivo = false, .PMsgBox = false});
        g_ClsAdo().CClsBitacora = &bitacora;
        g_ClsAdo().Conectar(QStringLiteral("."), QStringLiteral("bench"), QStringLiteral("vypjv_ok"), QString());
    }
};

} // namespace bench
