#include "endofday/punto_falla.h"

namespace puntofalla {

namespace {
Hook& hookActual()
{
    static Hook hook;
    return hook;
}
} // namespace

void pasa(const QString& punto)
{
    if (const Hook& h = hookActual())
        h(punto);
}

void fija(Hook hook)
{
    hookActual() = std::move(hook);
}

void quita()
{
    hookActual() = nullptr;
}

} // namespace puntofalla
