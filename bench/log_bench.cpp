#include "foundation/log/cls_bitacora.h"

#include <benchmark/benchmark.h>

// The gateway hands every insert to the log, which the login leaves switched off: this is the price
// each statement pays for it.
static void BM_MandaLogSwitchedOff(benchmark::State& state)
{
    ClsBitacora log;
    log.bArchivo = false;
    log.bMsgBox = false;
    const QString table = QStringLiteral("ProductosXCuenta");
    const QString fields = QStringLiteral("ID_Cuenta, ID_Producto, Cantidad, Precio");
    const QString values = QStringLiteral("1024, 77, 2, 35.5");
    for (auto _ : state)
        log.Manda_Log("Valor insertado en ", table, " campos: ", fields, " valores: ", values);
}
BENCHMARK(BM_MandaLogSwitchedOff);

BENCHMARK_MAIN();
