// Placeholder steps, the only ones in the program: they measure, compare, collect and build
// nothing, so that the run can be exercised end to end. The real steps replace this file.
#include "endofday/pasos_fin_dia.h"

namespace findia {

struct ConciliacionFinDia::Cifras {};

QString MideVentasTerminal(const CorridaFinDia&, const TerminalFinDia&)
{
    return QString();
}

ConciliacionFinDia::ConciliacionFinDia(const CorridaFinDia&) : m_cifras(std::make_unique<Cifras>()) {}

ConciliacionFinDia::~ConciliacionFinDia() = default;

BanderasDiferencia ConciliacionFinDia::Compara(const TerminalFinDia&) const
{
    return {};
}

ResultadoRecoleccion RecogeVentasTerminal(const CorridaFinDia&, const TerminalFinDia&, const BanderasDiferencia&)
{
    return {};
}

void ArmaBaseTerminal(const CorridaFinDia&, const QString&) {}

qint64 PreparaBaseTerminal(const CorridaFinDia&, const TerminalFinDia&, const QVariant&, const QString&)
{
    return 0;
}

bool PasosFinDiaListos()
{
    return false;
}

} // namespace findia
