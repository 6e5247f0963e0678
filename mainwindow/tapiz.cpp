#include "mainwindow/tapiz.h"

#include <QSettings>

namespace tapiz {

namespace {

const QString kClave = QStringLiteral("TAPIZ/TAPIZ");

} // namespace

QString lee()
{
    QSettings settings(QString::fromLatin1(kOrganizacion), QString::fromLatin1(kAplicacion));
    return settings.value(kClave, QString()).toString();
}

void guarda(const QString& ruta)
{
    QSettings settings(QString::fromLatin1(kOrganizacion), QString::fromLatin1(kAplicacion));
    settings.setValue(kClave, ruta);
    settings.sync();
}

} // namespace tapiz
