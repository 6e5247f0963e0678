#include "mainwindow/dlg_bar_sve.h"

#include <QFileDialog>
#include <QStringList>

namespace {

DlgBarSve::Chooser& chooser()
{
    static DlgBarSve::Chooser c;
    return c;
}

} // namespace

void DlgBarSve::setChooser(Chooser c)
{
    chooser() = std::move(c);
}

QString DlgBarSve::qtFilter() const
{
    const QStringList partes = Filter.split(QLatin1Char('|'));
    QStringList filtros;
    for (int i = 0; i + 1 < partes.size(); i += 2) {
        QString patron = partes.at(i + 1);
        patron.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        patron.replace(QLatin1Char(';'), QLatin1Char(' '));
        filtros << partes.at(i) + QStringLiteral(" (") + patron + QLatin1Char(')');
    }
    if (partes.size() == 1 && !Filter.isEmpty())
        filtros << Filter + QStringLiteral(" (") + Filter + QLatin1Char(')');
    return filtros.join(QStringLiteral(";;"));
}

bool DlgBarSve::ShowOpen(QWidget* parent)
{
    QString elegido;
    if (chooser()) {
        elegido = chooser()(*this);
    } else {
        QFileDialog dialogo(parent, DialogTitle, QString(), qtFilter());
        dialogo.setFileMode(QFileDialog::AnyFile);
        dialogo.setAcceptMode(QFileDialog::AcceptOpen);
        dialogo.setDefaultSuffix(DefaultExt);
        if (dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty())
            elegido = dialogo.selectedFiles().constFirst();
    }
    if (elegido.isEmpty())
        return false;
    FileName = elegido;
    return true;
}
