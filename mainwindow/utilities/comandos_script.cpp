#include "mainwindow/utilities/comandos_script.h"

#include "foundation/cipher/ansi.h"
#include "foundation/forms/main_window_services.h"
#include "mainwindow/mdi_principal.h"
#include "mainwindow/utilities/frm_cat_estandariza.h"
#include "platform/ui/msgbox.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QStringDecoder>

namespace {

QWidget* ventanaPrincipal()
{
    MainWindowServices* main = mainWindow();
    return main ? main->widget() : nullptr;
}

// Scripts are written in UTF-8 today; one that is not valid UTF-8 comes from the old system, whose
// files are in its Windows-1252 code page.
QString textoDeScript(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = utf8(bytes);
    return utf8.hasError() ? fromAnsi(bytes) : texto;
}

} // namespace

void mnuAbrirScript_Click()
{
    auto* main = dynamic_cast<MDIPrincipal*>(mainWindow());
    if (!main)
        return;
    DlgBarSve& dialogo = main->dlgBarSve;
    dialogo.DialogTitle = QStringLiteral("Abrir Script");
    dialogo.DefaultExt = QStringLiteral("sql");
    dialogo.Filter = QStringLiteral("*.sql");
    if (!dialogo.ShowOpen(main))
        return;
    CargaScript(dialogo.FileName);
}

void CargaScript(const QString& FileName)
{
    if (FileName.isEmpty()) {
        ui::msgBox(QStringLiteral("Archivo invalido!"), ui::Critical);
        return;
    }
    QFile archivo(FileName);
    if (!archivo.open(QIODevice::ReadOnly))
        return;
    const QString texto = textoDeScript(archivo.readAll());
    archivo.close();
    FrmCatEstandariza ventana(ventanaPrincipal());
    ventana.txtScript->setPlainText(texto);
    ventana.exec();
}

void mnuEjecutar_Click()
{
    FrmCatEstandariza ventana(ventanaPrincipal());
    ventana.exec();
}
