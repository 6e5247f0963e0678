#include "foundation/forms/cls_formas.h"
#include "foundation/forms/child_commands.h"
#include "foundation/forms/clstxt_valida.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/frm_busqueda.h"
#include "foundation/forms/main_window_services.h"
#include "foundation/forms/program_end.h"
#include "foundation/log/bitacora.h"
#include "platform/ui/msgbox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

const char* const kPropiedad = "_ClsFormas";

// The record commands of the toolbar: buttons 1 to 18 (20 and 21 belong to the report windows).
constexpr int kPrimerBoton = 1;
constexpr int kUltimoBoton = 18;
constexpr int kBotonNuevo = 1, kBotonModificar = 2, kBotonBorrar = 3, kBotonAceptar = 5, kBotonCancelar = 6,
              kBotonBuscar = 8, kBotonPrimero = 13, kBotonAnterior = 14, kBotonSiguiente = 15, kBotonUltimo = 16;

QAction* boton(int index)
{
    MainWindowServices* main = mainWindow();
    return main ? main->toolbarButton(index) : nullptr;
}

void habilita(QAction* action, bool enabled)
{
    if (action)
        action->setEnabled(enabled);
}

void muestra(QAction* action, bool visible)
{
    if (action)
        action->setVisible(visible);
}

// A label's caption as the messages quote it: without its closing colon.
QString sinDosPuntos(const QLabel* etiqueta)
{
    const QString texto = etiqueta->text();
    return texto.left(qMax(0, int(texto.size()) - 1));
}

void panel(int index, const QString& text)
{
    if (MainWindowServices* main = mainWindow())
        main->setStatusPanel(index, text);
}

} // namespace

// The one filter on the application for every data-entry window: it hands a window's own events
// to its ClsFormas, and a key (key preview) to the ClsFormas of the window that has the focus.
class VigilanteDeVentanas : public QObject {
public:
    static void instala()
    {
        static VigilanteDeVentanas* vigilante = nullptr;
        if (!vigilante && qApp) {
            vigilante = new VigilanteDeVentanas(qApp);
            qApp->installEventFilter(vigilante);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ParentChange:
        case QEvent::Close:
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            if (watched->isWidgetType())
                if (ClsFormas* formas = ClsFormas::of(static_cast<QWidget*>(watched)))
                    formas->eventoDeVentana(event);
            return false;
        case QEvent::KeyPress:
            break;
        default:
            return false;
        }
        // Only the key's first delivery, to the focused control; a key that the control passes on
        // to its parents is the same key and is not seen again.
        QWidget* foco = QApplication::focusWidget();
        if (watched != foco)
            return false;
        for (QWidget* w = foco; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
            if (ClsFormas* formas = ClsFormas::of(w)) {
                formas->FrmForma_KeyDown(static_cast<QKeyEvent*>(event)->key());
                break;
            }
        }
        return false;  // never consumed: the focused control still receives the key
    }

private:
    using QObject::QObject;
};

namespace {

} // namespace

ClsFormas::ClsFormas(QObject* parent) : QObject(parent) {}

ClsFormas::~ClsFormas()
{
    if (m_forma && m_forma->property(kPropiedad).value<QObject*>() == this)
        m_forma->setProperty(kPropiedad, QVariant());
}

ClsFormas* ClsFormas::of(const QWidget* window)
{
    return window ? qobject_cast<ClsFormas*>(window->property(kPropiedad).value<QObject*>()) : nullptr;
}

void ClsFormas::Asigna(QWidget* PfrmForma, const QString& PsFuncion)
{
    Q_UNUSED(PsFuncion);
    m_forma = PfrmForma;
    m_forma->setProperty(kPropiedad, QVariant::fromValue<QObject*>(this));
    siguePadre();
    // Key preview: the window sees every key before the focused control does. The one filter on the
    // application also brings the window's own events; a second filter on the window would show a
    // key typed into the window itself twice.
    VigilanteDeVentanas::instala();
    AsignacionTextBox(m_forma, m_colValidaTexto);
    ActivarAceptarCancelar(false);
}

void ClsFormas::LimpiarControles()
{
    for (QWidget* control : forms::controls(m_forma)) {
        if (forms::isTextBox(control))
            forms::setText(control, QString());
        else if (auto* check = qobject_cast<QCheckBox*>(control))
            check->setChecked(false);
    }
}

void ClsFormas::Enabled_Controls(bool Pbflag)
{
    // A control disabled while it holds the focus hands it to the next control of the main
    // window, which may lie in another child window and activate that one: the window keeps it.
    QWidget* foco = m_forma ? m_forma->window()->focusWidget() : nullptr;
    const bool aparta = !Pbflag && foco && m_forma->isAncestorOf(foco);
    if (aparta)
        m_forma->setFocus(Qt::OtherFocusReason);
    for (QWidget* control : forms::controls(m_forma)) {
        if (forms::isTextBox(control))
            forms::setLocked(control, !Pbflag);
        else if (qobject_cast<QLabel*>(control) || forms::isContainer(control))
            control->setEnabled(true);
        else
            control->setEnabled(Pbflag);
    }
    if (aparta && m_forma->window()->focusWidget() == m_forma)
        if (QWidget* usable = primerControlUsable())
            usable->setFocus(Qt::OtherFocusReason);
}

void ClsFormas::AsignacionTextBox(QWidget* Forma, QList<Clstxt_valida*>& colValidaTexto)
{
    for (QWidget* control : forms::controls(Forma)) {
        if (!forms::isTextBox(control))
            continue;
        auto* reglas = new Clstxt_valida(this);
        reglas->Asigna(control);
        colValidaTexto.append(reglas);
    }
}

void ClsFormas::ActivarAceptarCancelar(bool PbAccion)
{
    for (int i = kPrimerBoton; i <= kUltimoBoton; ++i)
        habilita(boton(i), !PbAccion);
    habilita(boton(kBotonAceptar), PbAccion);
    habilita(boton(kBotonCancelar), PbAccion);
    MainWindowServices* main = mainWindow();
    if (!main)
        return;
    for (int i = 0; i <= 10; ++i)
        if (i != 4 && i != 7)
            habilita(main->editRecordItem(i), !PbAccion);
    habilita(main->editRecordItem(12), PbAccion);
    habilita(main->editRecordItem(13), PbAccion);
}

void ClsFormas::MostrarBotones(bool PbAccion)
{
    for (int i = kPrimerBoton; i <= kUltimoBoton; ++i)
        muestra(boton(i), PbAccion);
    if (MainWindowServices* main = mainWindow()) {
        muestra(main->menuItem(QStringLiteral("mnuArCerrar")), PbAccion);
        muestra(main->menuItem(QStringLiteral("mnuEditar")), PbAccion);
    }
}

void ClsFormas::ModoEdicion(bool PbEditar)
{
    if (!PbEditar)
        EnfocaPrimerCampo();
    m_edicion = PbEditar;
    ActivarAceptarCancelar(PbEditar);
    Enabled_Controls(PbEditar);
    panel(2, PbEditar ? kPistaEdicion : kPistaNavegacion);
    if (!PbEditar)
        EnfocaPrimerCampo();  // the first field may have been disabled for browsing
}

bool ClsFormas::tieneFoco() const
{
    if (!m_forma)
        return false;
    QWidget* foco = m_forma->window()->focusWidget();
    if (foco && (foco == m_forma || m_forma->isAncestorOf(foco)))
        return true;
    if (!m_marco)
        return !foco;
    const QMdiArea* area = m_marco->mdiArea();
    return area && area->activeSubWindow() == m_marco;
}

namespace {

bool tomaFoco(const QWidget* control)
{
    return control && control->isEnabled() && control->isVisibleTo(control->window())
        && (control->focusPolicy() & Qt::TabFocus);
}

} // namespace

QWidget* ClsFormas::primerControlUsable() const
{
    if (!m_forma)
        return nullptr;
    for (QWidget* w = m_forma->nextInFocusChain(); w && w != m_forma; w = w->nextInFocusChain()) {
        if (!m_forma->isAncestorOf(w))
            break;
        if (tomaFoco(w))
            return w;
    }
    return nullptr;
}

void ClsFormas::EnfocaPrimerCampo()
{
    if (!tieneFoco())
        return;
    QWidget* campo = tomaFoco(m_primerCampo) && m_forma->isAncestorOf(m_primerCampo) ? m_primerCampo.data()
                                                                                      : primerControlUsable();
    QWidget* destino = campo ? campo : m_forma.data();
    if (QApplication::focusWidget() != destino && m_forma->window()->focusWidget() != destino)
        forms::focusField(destino);
}

void ClsFormas::Busqueda(const adodb::Recordset& PrdrConsulta, bool PbFuncion)
{
    Q_UNUSED(PrdrConsulta);
    Q_UNUSED(PbFuncion);
    ChildCommands* ventana = comandos();
    if (!m_forma || !ventana)
        return;
    const QWidgetList controles = forms::controls(m_forma);
    // The focused control, or the designed control whose inner part holds the focus.
    QWidget* foco = m_forma->focusWidget();
    while (foco && foco != m_forma && !controles.contains(foco))
        foco = foco->parentWidget();
    if (!foco || foco == m_forma)
        return;
    for (QWidget* control : controles) {
        auto* etiqueta = qobject_cast<QLabel*>(control);
        if (!etiqueta || forms::tag(etiqueta).compare(foco->objectName(), Qt::CaseInsensitive) != 0)
            continue;
        FrmBusqueda* dialogo = FrmBusqueda::Carga();
        dialogo->psCampo = forms::dataField(foco);
        dialogo->lblCampo()->setText(sinDosPuntos(etiqueta));
        dialogo->Buscar_en(ventana->Recordset_de_Busqueda(), m_forma);
        dialogo->Muestra();
        return;
    }
}

bool ClsFormas::Revisar_Campos_Obligatorios()
{
    const QWidgetList controles = forms::controls(m_forma);
    for (QWidget* control : controles) {
        auto* combo = qobject_cast<QComboBox*>(control);
        if (!combo && !forms::isTextBox(control))
            continue;
        if (!forms::tag(control).contains(QLatin1String("NoVacio")))
            continue;
        // A field of blanks is as empty as an empty one.
        const QString texto = combo ? combo->currentText() : forms::text(control);
        if (!texto.trimmed().isEmpty())
            continue;
        for (QWidget* otro : controles) {
            auto* etiqueta = qobject_cast<QLabel*>(otro);
            if (!etiqueta || forms::tag(etiqueta) != control->objectName())
                continue;
            forms::revealField(control);
            ui::msgBox(QStringLiteral("Falta el campo de ") + sinDosPuntos(etiqueta), ui::Exclamation);
            forms::focusField(control);
            return false;
        }
    }
    return true;
}

void ClsFormas::eventoDeVentana(QEvent* event)
{
    if (!m_forma)
        return;
    switch (event->type()) {
    case QEvent::ParentChange:
        siguePadre();
        break;
    case QEvent::Close:
        FrmForma_Unload();
        break;
    case QEvent::WindowActivate:
        if (m_forma->isWindow())
            FrmForma_Activate();
        break;
    case QEvent::WindowDeactivate:
        if (m_forma->isWindow())
            FrmForma_Deactivate();
        break;
    default:
        break;
    }
}

void ClsFormas::siguePadre()
{
    auto* marco = m_forma ? qobject_cast<QMdiSubWindow*>(m_forma->parentWidget()) : nullptr;
    if (marco == m_marco)
        return;
    if (m_marco)
        disconnect(m_marco, nullptr, this, nullptr);
    m_marco = marco;
    if (!marco)
        return;
    connect(marco, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates antes, Qt::WindowStates ahora) {
                const bool estaba = antes.testFlag(Qt::WindowActive);
                const bool esta = ahora.testFlag(Qt::WindowActive);
                if (!estaba && esta)
                    FrmForma_Activate();
                else if (estaba && !esta)
                    FrmForma_Deactivate();
            });
}

bool ClsFormas::botonUsable(int index) const
{
    const QAction* action = boton(index);
    return action && action->isVisible() && action->isEnabled();
}

ChildCommands* ClsFormas::comandos() const
{
    return dynamic_cast<ChildCommands*>(m_forma.data());
}

void ClsFormas::ejecuta(const std::function<void(ChildCommands&)>& comando)
{
    ChildCommands* ventana = comandos();
    if (!ventana)
        return;
    // An error that the window's command does not handle ends that command, never the program:
    // it is shown and written to the daily log (a transaction it left open is rolled back by its
    // guard).
    QString texto;
    try {
        comando(*ventana);
        return;
    } catch (const adodb::ComError& e) {
        texto = e.description();
    } catch (const std::exception& e) {
        texto = QString::fromLocal8Bit(e.what());
    }
    EscribeBitacora(QStringLiteral("Error en la ventana ") + (m_forma ? m_forma->windowTitle() : QString()) + QStringLiteral(": ") + texto);
    ui::msgBox(texto, ui::Critical);
}

void ClsFormas::FrmForma_KeyDown(int key)
{
    const bool navegacion = !m_edicion;
    switch (key) {
    case Qt::Key_F3:
        if (botonUsable(kBotonBuscar) && navegacion)
            Busqueda();
        break;
    case Qt::Key_F5:
        if (botonUsable(kBotonAceptar) && m_edicion)
            ejecuta([](ChildCommands& v) { v.BotonAceptar(); });
        break;
    case Qt::Key_F6:
        if (botonUsable(kBotonModificar) && navegacion)
            ejecuta([](ChildCommands& v) { v.BotonNuevoModificar(false); });
        break;
    case Qt::Key_Insert:
        if ((botonUsable(kBotonNuevo) || botonUsable(kBotonModificar)) && navegacion)
            ejecuta([](ChildCommands& v) { v.BotonNuevoModificar(true); });
        break;
    case Qt::Key_Delete:
        if (!m_noKeyDown && botonUsable(kBotonBorrar) && navegacion)
            ejecuta([](ChildCommands& v) { v.BotonBorrar(); });
        break;
    case Qt::Key_Home:
        if (botonUsable(kBotonPrimero) && navegacion)
            ejecuta([](ChildCommands& v) { v.BotonPrimerRegistro(); });
        break;
    case Qt::Key_End:
        if (botonUsable(kBotonUltimo) && navegacion)
            ejecuta([](ChildCommands& v) { v.BotonUltimoRegistro(); });
        break;
    case Qt::Key_PageUp:
    case Qt::Key_Up:
        if (botonUsable(kBotonSiguiente) && navegacion)
            ejecuta([](ChildCommands& v) { v.BotonRegistroSiguiente(); });
        break;
    case Qt::Key_PageDown:
    case Qt::Key_Down:
        if (botonUsable(kBotonAnterior) && navegacion)
            ejecuta([](ChildCommands& v) { v.BotonRegistroAnterior(); });
        break;
    case Qt::Key_Escape:
        if (m_edicion)
            ejecuta([](ChildCommands& v) { v.BotonCancelar(); });
        else if (m_marco)
            m_marco->close();
        else if (m_forma)
            m_forma->close();
        break;
    case Qt::Key_F12:
        // Ends the program at once: nothing is asked, saved or closed in order.
        endProgram(0);
        break;
    default:
        break;
    }
}

void ClsFormas::FrmForma_Activate()
{
    MostrarBotones(true);
    ActivarAceptarCancelar(m_edicion);
    panel(2, m_edicion ? kPistaEdicion : kPistaNavegacion);
    emit activada();
}

void ClsFormas::FrmForma_Deactivate()
{
    MostrarBotones(false);
}

void ClsFormas::FrmForma_Unload()
{
    MostrarBotones(false);
    panel(1, QString());
    panel(2, QString());
    if (m_edicion)
        ActivarAceptarCancelar(false);
    m_edicion = false;
}
