#include "zorva_version.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZORVA_Servidor"));
    QApplication::setApplicationVersion(QStringLiteral(ZORVA_VERSION_TEXT));
    std::fputs("ZORVA_Servidor " ZORVA_VERSION_TEXT ": la ventana de inicio de sesión aún no está "
               "construida; el programa no tiene todavía nada que mostrar.\n", stdout);
    return 0;
}
