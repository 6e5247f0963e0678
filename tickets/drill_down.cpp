#include "tickets/drill_down.h"

#include "foundation/forms/main_window_services.h"
#include "platform/ui/msgbox.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace drilldown {

std::optional<qint32> entero(const QString& texto)
{
    bool ok = false;
    const qint32 n = texto.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

void abre(QWidget* ventana)
{
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    MainWindowServices* principal = mainWindow();
    if (principal && principal->mdiArea()) {
        QMdiSubWindow* marco = principal->mdiArea()->addSubWindow(ventana);
        marco->setAttribute(Qt::WA_DeleteOnClose);
        // A fixed border, no minimize or maximize button.
        marco->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        marco->show();
        principal->mdiArea()->setActiveSubWindow(marco);
    } else {
        ventana->show();
    }
}

void fallo(const QString& descripcion)
{
    ui::msgBox(QStringLiteral("No fue posible abrir el detalle.\n\n") + descripcion, ui::Critical);
}

} // namespace drilldown
