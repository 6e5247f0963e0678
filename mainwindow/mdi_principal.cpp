#include "mainwindow/mdi_principal.h"

#include "foundation/database/cls_ado.h"
#include "foundation/forms/cls_formas.h"
#include "foundation/forms/program_end.h"
#include "foundation/log/cls_bitacora.h"
#include "mainwindow/area_tapiz.h"
#include "mainwindow/frm_acerca.h"
#include "mainwindow/frm_login.h"
#include "mainwindow/permisos.h"
#include "mainwindow/tapiz.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>

MDIPrincipal::MDIPrincipal(QWidget* parent)
    : QMainWindow(parent)
    , m_area(new AreaTapiz(this))
{
    setObjectName(QStringLiteral("MDIPrincipal"));
    setWindowTitle(QStringLiteral("Vereduda Zorva"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_area->setObjectName(QStringLiteral("mdiArea"));
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);

    CreaMenus();
    CreaBarraHerramientas();
    CreaBarraEstado();

    qApp->installEventFilter(this);
    setMainWindow(this);
}

MDIPrincipal::~MDIPrincipal()
{
    qApp->removeEventFilter(this);
    if (mainWindow() == this)
        setMainWindow(nullptr);
}

void MDIPrincipal::MDIForm_Load()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* login = qobject_cast<frmLogin*>(w))
            login->Descarga();
    }
    RestauraTapiz();
    CargaPermisos();
    Menus();
    MuestraFechaTrabajo();
}

void MDIPrincipal::RestauraTapiz()
{
    const QString ruta = tapiz::lee();
    if (ruta.isEmpty())
        return;
    // A picture gone since is not shown, but the setting stays: the drive may be back next time.
    const QPixmap picture(ruta);
    if (!picture.isNull())
        m_area->setTapiz(picture);
}

void MDIPrincipal::MuestraFechaTrabajo()
{
    adodb::Recordset rs;
    QString valor;
    try {
        if (g_ClsAdo().Establece_consulta(rs, QStringLiteral("SELECT Valor_Cad FROM Parametros WHERE ID_Parametro='FECHA_TRABAJO'"))
            && !rs.eof())
            valor = rs.value(QStringLiteral("Valor_Cad")).toString();
    } catch (const adodb::ComError&) {
        valor.clear();
    }
    // Anything but the eight digits "ddmmyyyy" would show as a wrong date.
    static const QRegularExpression ochoDigitos(QStringLiteral("^[0-9]{8}$"));
    if (!ochoDigitos.match(valor).hasMatch()) {
        setStatusPanel(3, QString());
        return;
    }
    setStatusPanel(3, valor.left(2) + QLatin1Char('/') + valor.mid(2, 2) + QLatin1Char('/') + valor.right(4));
}

QAction* MDIPrincipal::toolbarButton(int index)
{
    return index >= 1 && index <= m_botones.size() ? m_botones.at(index - 1) : nullptr;
}

QAction* MDIPrincipal::menuItem(const QString& name)
{
    return m_items.value(name);
}

QAction* MDIPrincipal::editRecordItem(int index)
{
    return index >= 0 && index < m_mnuEdReg.size() ? m_mnuEdReg.at(index) : nullptr;
}

void MDIPrincipal::setStatusPanel(int panel, const QString& text)
{
    if (panel >= 1 && panel <= m_paneles.size())
        m_paneles.at(panel - 1)->setText(text);
}

QString MDIPrincipal::statusPanel(int panel) const
{
    return panel >= 1 && panel <= m_paneles.size() ? m_paneles.at(panel - 1)->text() : QString();
}

void MDIPrincipal::popupGridMenu(const QPoint& globalPos)
{
    m_mnuSpread->popup(globalPos);
}

QMdiArea* MDIPrincipal::mdiArea()
{
    return m_area;
}

void MDIPrincipal::CierraHijaActiva()
{
    if (QMdiSubWindow* sub = m_area->currentSubWindow())
        sub->close();
}

void MDIPrincipal::mnuArSalir_Click()
{
    close();
}

void MDIPrincipal::closeEvent(QCloseEvent* event)
{
    // Each child runs its own unload first; one that refuses keeps the program open.
    m_area->closeAllSubWindows();
    if (!m_area->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    event->accept();
    endProgram(0);
}

bool MDIPrincipal::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::WindowDeactivate)
        RecuerdaHijaActiva();
    else if (watched == this && event->type() == QEvent::WindowActivate) {
        // The focus comes back to the control that held it last; when that control was disabled
        // meanwhile, Qt handed the focus on to another child, which became active.
        m_restauraHija = true;
        QTimer::singleShot(0, this, &MDIPrincipal::RestauraHijaActiva);
    } else if (m_restauraHija && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress))
        m_restauraHija = false;  // the user's own choice wins
    // Ctrl+X belongs to "&Cerrar" while it is shown, even over a text box that would cut.
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        QAction* cerrar = m_items.value(QStringLiteral("mnuArCerrar"));
        if (key->key() == Qt::Key_X && key->modifiers() == Qt::ControlModifier && cerrar && cerrar->isVisible()
            && cerrar->isEnabled() && static_cast<QWidget*>(watched)->window() == this)
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIPrincipal::mnuVeTapiz_Click()
{
    dlgBarSve.DialogTitle = QStringLiteral("Cambiar tapiz");
    dlgBarSve.DefaultExt = QStringLiteral("jpg");
    dlgBarSve.Filter = QStringLiteral("*.jpg|*.jpg|*.gif|*.gif|*.bmp|*.bmp|*.*|*.*");
    if (!dlgBarSve.ShowOpen(this))
        return;
    const QPixmap picture(dlgBarSve.FileName);
    if (picture.isNull())
        return;
    m_area->setTapiz(picture);
    tapiz::guarda(dlgBarSve.FileName);
}

void MDIPrincipal::mnuLimTapiz_Click()
{
    m_area->setTapiz(QPixmap());
    tapiz::guarda(QString());
}

void MDIPrincipal::mnuAyAcerca_Click()
{
    FrmAcerca acerca(this);
    acerca.exec();
}

void MDIPrincipal::RecuerdaHijaActiva()
{
    m_restauraHija = false;
    m_hijaActiva = m_area->activeSubWindow();
    m_hijasAbiertas = m_area->subWindowList();
}

void MDIPrincipal::RestauraHijaActiva()
{
    if (!m_restauraHija || !isActiveWindow())
        return;
    m_restauraHija = false;
    QMdiSubWindow* hija = m_hijaActiva;
    QMdiSubWindow* ahora = m_area->activeSubWindow();
    // A child opened meanwhile (by the dialog's command) keeps the activation it was given.
    if (!hija || !ahora || ahora == hija || !m_hijasAbiertas.contains(ahora))
        return;
    m_area->setActiveSubWindow(hija);
    QWidget* foco = QApplication::focusWidget();
    if (foco && hija->isAncestorOf(foco))
        return;
    if (ClsFormas* formas = ClsFormas::of(hija->widget()))
        formas->EnfocaPrimerCampo();
    else if (hija->widget())
        hija->widget()->setFocus(Qt::OtherFocusReason);
}
