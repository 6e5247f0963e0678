#include "foundation/forms/program_end.h"

#include <QCoreApplication>

namespace {

ProgramEndHandler& handler()
{
    static ProgramEndHandler h;
    return h;
}

} // namespace

void endProgram(int status)
{
    if (handler())
        handler()(status);
    else
        QCoreApplication::exit(status);
}

void setProgramEndHandler(ProgramEndHandler h)
{
    handler() = std::move(h);
}
