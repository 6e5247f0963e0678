#include "reports/rep_ventana.h"

#include "foundation/database/cls_ado.h"
#include "foundation/dialogs/frm_busca_emp.h"
#include "foundation/forms/main_window_services.h"
#include "platform/clock/clock.h"
#include "platform/grid/grid.h"
#include "platform/grid/grid_preview.h"
#include "platform/grid/grid_printer.h"
#include "platform/grid/grid_stack.h"
#include "platform/ui/date_typing.h"
#include "platform/ui/msgbox.h"
#include "reports/caja_empleados.h"
#include "reports/guarda_busqueda.h"

#include <QAction>
#include <QComboBox>
#include <QCheckBox>
#include <QDateEdit>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <optional>

namespace {

// The toolbar buttons of a report window: Cerrar, Vista previa, Imprimir.
constexpr int kBotones[] = {10, 21, 20};
const char* const kItemsArchivo[] = {"mnuArCerrar", "mnuArImprimir", "mnuArcPreview"};

constexpr int kTwipsPorPixel = 15;

} // namespace

RepVentana::RepVentana(const QString& nombre, const Ajustes& ajustes, QWidget* parent)
    : QWidget(parent), m_ajustes(ajustes)
{
    setObjectName(nombre);
    setWindowTitle(ajustes.titulo);
    auto* layout = new QVBoxLayout(this);
    FraSeleccion = new QFrame(this);
    FraSeleccion->setObjectName(QStringLiteral("FraSeleccion"));
    FraSeleccion->setFrameShape(QFrame::StyledPanel);
    m_seleccion = new QGridLayout(FraSeleccion);
    m_seleccion->setColumnStretch(99, 1);
    layout->addWidget(FraSeleccion);
    if (ajustes.disenoTwips.isValid())
        resize(ajustes.disenoTwips / kTwipsPorPixel);
    if (ajustes.escCierra) {
        auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        esc->setContext(Qt::WidgetWithChildrenShortcut);
        connect(esc, &QShortcut::activated, this, [this] {
            if (m_marco)
                m_marco->close();
            else
                close();
        });
    }
    installEventFilter(this);
}

RepVentana::~RepVentana() = default;

// --- Building ------------------------------------------------------------------------------------

void RepVentana::agregaControl(QWidget* control, const QString& etiqueta, int fila)
{
    int columna = 0;
    while (m_seleccion->itemAtPosition(fila, columna))
        ++columna;
    if (!etiqueta.isEmpty()) {
        auto* label = new QLabel(etiqueta, FraSeleccion);
        label->setBuddy(control);
        m_seleccion->addWidget(label, fila, columna++);
    }
    control->setParent(FraSeleccion);
    // Dates, buttons and check boxes are never squeezed below what shows their whole text.
    if (qobject_cast<QDateEdit*>(control) || qobject_cast<QCheckBox*>(control))
        control->setMinimumWidth(control->sizeHint().width());
    else if (auto* boton = qobject_cast<QPushButton*>(control))
        boton->setMinimumWidth(boton->fontMetrics().horizontalAdvance(boton->text()) + 16);
    m_seleccion->addWidget(control, fila, columna);
}

QDateEdit* RepVentana::agregaFecha(const QString& nombre, const QString& etiqueta, int fila)
{
    auto* fecha = new QDateEdit(appclock::now().date(), FraSeleccion);
    fecha->setObjectName(nombre);
    fecha->setCalendarPopup(true);
    fecha->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    ui::typeDatesWhole(fecha);
    agregaControl(fecha, etiqueta, fila);
    return fecha;
}

QComboBox* RepVentana::agregaCombo(const QString& nombre, const QString& etiqueta, int fila)
{
    auto* combo = new QComboBox(FraSeleccion);
    combo->setObjectName(nombre);
    combo->setEditable(false);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    agregaControl(combo, etiqueta, fila);
    return combo;
}

CajaEmpleados* RepVentana::agregaEmpleados(const QString& caja, const QString& boton, const QString& etiqueta,
                                           int fila)
{
    auto* texto = new CajaEmpleados(FraSeleccion);
    texto->setObjectName(caja);
    agregaControl(texto, etiqueta, fila);
    auto* puntos = new QPushButton(QStringLiteral("..."), FraSeleccion);
    puntos->setObjectName(boton);
    puntos->setFixedWidth(puntos->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 12);
    agregaControl(puntos, QString(), fila);
    connect(puntos, &QPushButton::clicked, this, [this, texto] { cmdBuscarEmpleado_Click(texto); });
    return texto;
}

QPushButton* RepVentana::agregaBuscar(const QString& nombre, const QString& texto, int fila)
{
    m_buscar = new QPushButton(texto, FraSeleccion);
    m_buscar->setObjectName(nombre);
    agregaControl(m_buscar, QString(), fila);
    connect(m_buscar, &QPushButton::clicked, this, &RepVentana::ejecutaBusqueda);
    return m_buscar;
}

grid::Grid* RepVentana::creaRejilla(const QString& nombreRejilla, const QString& nombreVista)
{
    m_pila = new grid::GridStack(this);
    m_rejilla = m_pila->grid();
    m_rejilla->setObjectName(nombreRejilla);
    m_pila->preview()->setObjectName(nombreVista);
    static_cast<QVBoxLayout*>(layout())->addWidget(m_pila, 1);
    return m_rejilla;
}

void RepVentana::cmdBuscarEmpleado_Click(CajaEmpleados* caja)
{
    frmBusca_Emp busca(this);
    busca.exec();
    caja->setText(busca.sCadena);
}

// --- The search ----------------------------------------------------------------------------------

void RepVentana::ejecutaBusqueda()
{
    if (m_buscando)
        return;
    m_buscando = true;
    QString fallo;
    bool fallida = false;
    {
        GuardaBusqueda guarda(m_buscar, m_tablas);
        // However a report writes its rows, the grid takes them in one step.
        std::optional<grid::QuietCellWrites> llenado;
        if (m_rejilla)
            llenado.emplace(*m_rejilla);
        try {
            buscar();
        } catch (const BusquedaInterrumpida&) {
        } catch (const adodb::ComError& e) {
            fallida = true;
            fallo = e.description();
        } catch (const std::exception& e) {
            fallida = true;
            fallo = QString::fromLocal8Bit(e.what());
        }
    }
    m_buscando = false;
    if (!g_ClsAdo().conexion().isNull())
        g_ClsAdo().conexion().errors().clear();
    if (fallida)
        ui::msgBox(QStringLiteral("No fue posible generar el informe.\n\n") + fallo, ui::Critical);
}

void RepVentana::ejecuta(const QString& sql)
{
    g_ClsAdo().conexion().execute(sql);
}

adodb::Recordset RepVentana::consulta(const QString& sql)
{
    adodb::Recordset rs;
    if (!g_ClsAdo().Establece_consulta(rs, sql, 3, 3, 1)) {
        const QList<adodb::Error>& errores = g_ClsAdo().conexion().errors();
        throw adodb::ComError(adodb::err::ProviderSyntax,
                              errores.isEmpty() ? QStringLiteral("La consulta no pudo abrirse.") : errores.last().Description);
    }
    return rs;
}

void RepVentana::ejecutaProcedimiento(const QString& texto)
{
    if (g_ClsAdo().dbExecStored(texto).toInt() != 1)
        throw BusquedaInterrumpida();
}

// --- Print-out -----------------------------------------------------------------------------------

QString RepVentana::encabezadoImpresion() const
{
    return m_ajustes.encabezado == Encabezado::Titulado ? grid::titledHeader(m_ajustes.tituloImpresion)
                                                        : grid::companyLineHeader(m_ajustes.encabezadoDiseno);
}

void RepVentana::preparaImpresion(bool paraVista)
{
    grid::PrintSettings s = m_rejilla->printSettings();
    if (paraVista && m_ajustes.vistaSoloMargenes) {
        s.marginLeft = m_ajustes.vistaSoloMargenes->izquierdo;
        s.marginRight = m_ajustes.vistaSoloMargenes->derecho;
        s.printBorder = m_ajustes.vistaSoloMargenes->borde;
        m_rejilla->setPrintSettings(s);
        return;
    }
    if (m_ajustes.textoAborto && !paraVista)
        s.abortText = grid::abortText();
    s.header = encabezadoImpresion();
    s.footer = grid::standardFooter(appclock::now());
    if (m_ajustes.bordeImpresion)
        s.printBorder = *m_ajustes.bordeImpresion;
    if (m_ajustes.margenSuperior)
        s.marginTop = *m_ajustes.margenSuperior;
    if (m_ajustes.margenInferior)
        s.marginBottom = *m_ajustes.margenInferior;
    if (m_ajustes.margenIzquierdo)
        s.marginLeft = *m_ajustes.margenIzquierdo;
    if (m_ajustes.margenDerecho)
        s.marginRight = *m_ajustes.margenDerecho;
    if (m_ajustes.orientacion)
        s.orientation = *m_ajustes.orientacion;
    m_rejilla->setPrintSettings(s);
}

void RepVentana::BotonPreview()
{
    if (m_pila->isPreviewShown()) {
        m_pila->showGrid();
        return;
    }
    if (m_ajustes.vistaConAjustes)
        preparaImpresion(true);
    m_pila->togglePreview();
}

void RepVentana::BotonImprimir()
{
    preparaImpresion(false);
    m_rejilla->print(m_printer);
}

// --- Activation ----------------------------------------------------------------------------------

void RepVentana::muestraBotones(bool visible)
{
    MainWindowServices* principal = mainWindow();
    if (!principal)
        return;
    for (const int indice : kBotones)
        if (QAction* boton = principal->toolbarButton(indice))
            boton->setVisible(visible);
    if (m_ajustes.itemsArchivo)
        for (const char* nombre : kItemsArchivo)
            if (QAction* item = principal->menuItem(QLatin1String(nombre)))
                item->setVisible(visible);
}

void RepVentana::Form_Activate()
{
    m_activa = true;
    muestraBotones(true);
    if (m_ajustes.vistaOcultaAlActivar && m_pila)
        m_pila->showGrid();
    activaExtras();
}

void RepVentana::Form_Deactivate()
{
    m_activa = false;
    muestraBotones(false);
}

void RepVentana::Form_Unload()
{
    if (m_activa || (m_marco && m_marco->isActiveWindow()))
        muestraBotones(false);
    m_activa = false;
    GuardaBusqueda::borraTablas(m_tablas);
}

void RepVentana::siguePadre()
{
    auto* marco = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (marco == m_marco)
        return;
    if (m_marco)
        disconnect(m_marco, nullptr, this, nullptr);
    m_marco = marco;
    if (!marco)
        return;
    connect(marco, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates antes, Qt::WindowStates ahora) {
        const bool estaba = antes.testFlag(Qt::WindowActive);
        const bool esta = ahora.testFlag(Qt::WindowActive);
        if (!estaba && esta)
            Form_Activate();
        else if (estaba && !esta)
            Form_Deactivate();
    });
}

bool RepVentana::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this) {
        switch (event->type()) {
        case QEvent::ParentChange:
            siguePadre();
            break;
        case QEvent::Close:
            Form_Unload();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RepVentana::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_mostrada)
        return;
    m_mostrada = true;
    if (!m_marco)
        return;
    if (m_ajustes.maximizada) {
        m_marco->showMaximized();
    } else if (m_ajustes.disenoTwips.isValid()) {
        // The area maximizes a window opened over a maximized one: this one opens normal.
        if (m_marco->isMaximized())
            m_marco->showNormal();
        // The frame around the window keeps its own title bar and borders.
        m_marco->resize(m_marco->size() + m_ajustes.disenoTwips / kTwipsPorPixel - size());
        // A design narrower than the selection frame's controls would clip them.
        const int falta = layout()->minimumSize().width() - width();
        if (falta > 0)
            m_marco->resize(m_marco->width() + falta, m_marco->height());
    }
}
