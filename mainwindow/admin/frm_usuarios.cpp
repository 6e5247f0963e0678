#include "mainwindow/admin/frm_usuarios.h"
#include "foundation/database/cls_ado.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "mainwindow/admin/lista_bloqueable.h"
#include "mainwindow/login_state.h"
#include "platform/grid/grid.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/wait_cursor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

FrmUsuarios::FrmUsuarios(QWidget* parent) : DataEntryWindow(parent)
{
    setObjectName(QStringLiteral("FrmUsuarios"));
    setWindowTitle(QStringLiteral("Empleados"));
    setTabla(QStringLiteral("Empleado"), QStringLiteral("ID_Empleado"), QStringLiteral("Ya existe el usuario"));
    QString consulta = QStringLiteral("SELECT * FROM Empleado where admin_usuarios=0");
    if (g_bAdminUsuarios)
        consulta += QStringLiteral(" OR admin_usuarios=1");
    setConsulta(consulta);
    CreaControles();
    CreaGrids();
    Acomoda();
    OrdenTabulador();
    setPrimerCampo(txtUsuario);
    connect(&Enlace(), &FieldBinder::rowShown, this, &FrmUsuarios::filaMostrada);
    Form_Load();
    // The design's browse state, until the first save or cancel: "Borrar Tarjeta" is enabled too.
    EstadoNavegacion();
    cmdBorrarTarjeta->setEnabled(true);
}

FrmUsuarios::~FrmUsuarios() = default;

QSize FrmUsuarios::sizeHint() const
{
    return {minimumSizeHint().width() + 40, QWidget::sizeHint().height()};
}

void FrmUsuarios::CreaControles()
{
    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    const auto caja = [Frame1](const char* nombre, const char* columna, const char* reglas, int largo) {
        return forms::textBox(Frame1, QLatin1String(nombre), QLatin1String(columna), QLatin1String(reglas), largo);
    };
    txtUsuario = caja("txtUsuario", "Usuario", "NoVacioNoSignos", 25);
    TxtNombre = caja("TxtNombre", "Nombre_Empleado", "NoVacio", 50);
    txtPaterno = caja("txtPaterno", "Apellido_Paterno", "NoVacio", 25);
    txtMaterno = caja("txtMaterno", "Apellido_Materno", "NoVacio", 25);
    txtDomicilio = caja("txtDomicilio", "Calle_Numero", "", 50);
    txtColonia = caja("txtColonia", "Colonia", "", 40);
    txtCiudad = caja("txtCiudad", "Ciudad", "", 50);
    txtEstado = caja("txtEstado", "Estado", "", 40);
    txtCP = caja("txtCP", "C_P", "Numerico", 5);
    txtRFC = caja("txtRFC", "RFC", "", 20);
    txtSeguro = caja("txtSeguro", "S_S", "", 20);

    cmbEstado = new ListaBloqueable(Frame1);
    cmbEstado->setObjectName(QStringLiteral("cmbEstado"));
    cmbEstado->addItems({QStringLiteral("Activo"), QStringLiteral("No labora"), QStringLiteral("Suspendido")});
    cmbEstado->setToolTip(QStringLiteral("A=Activo,N=Ya no labora,S=Suspendido"));
    cmbEstado->setCurrentIndex(-1);

    txtStatus = caja("txtStatus", "Estado_Empleado", "", 0);
    txtStatus->hide();
    txtStatus->setFocusPolicy(Qt::NoFocus);

    const QList<std::pair<const char*, QWidget*>> captions{
        {"Usuario:", txtUsuario},   {"Nombre:", TxtNombre},   {"Apellido Pat:", txtPaterno},
        {"Apellido Mat:", txtMaterno}, {"Domicilio:", txtDomicilio}, {"Colonia:", txtColonia},
        {"Ciudad:", txtCiudad},     {"Estado:", txtEstado},   {"C.P.:", txtCP},
        {"RFC", txtRFC},            {"Num. Seg.:", txtSeguro}};
    for (int i = 0; i < captions.size(); ++i)
        lblCaptions[i] = forms::label(Frame1, QStringLiteral("Label%1").arg(i + 1),
                                      QString::fromUtf8(captions[i].first), captions[i].second);
    // The state has a caption but cannot be searched: its label names no control.
    lblCaptions[11] = new QLabel(QStringLiteral("Estado:"), Frame1);
    lblCaptions[11]->setObjectName(QStringLiteral("Label12"));
    lblCaptions[11]->setBuddy(cmbEstado);

    lblCaptions[12] = new QLabel(QStringLiteral("ID:"), this);
    lblCaptions[12]->setObjectName(QStringLiteral("Label13"));
    lblId = new QLabel(this);
    lblId->setObjectName(QStringLiteral("lblId"));
    forms::setDataField(lblId, QStringLiteral("ID_Empleado"));
    lblId->setMinimumWidth(lblId->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    QFont negrita = lblId->font();
    negrita.setBold(true);
    lblId->setFont(negrita);

    cmdCambiar = new QPushButton(QStringLiteral("Cambiar contraseña"), this);
    cmdCambiar->setObjectName(QStringLiteral("cmdCambiar"));
    chkTarjeta = forms::checkBox(this, QStringLiteral("chkTarjeta"), QStringLiteral("Tarjeta Magnética"),
                                 QStringLiteral("Tarjeta_magnetica"));
    chkUsuarios = forms::checkBox(this, QStringLiteral("chkUsuarios"), QStringLiteral("Admin. Usr.:"),
                                  QStringLiteral("Admin_Usuarios"));

    connect(txtStatus, &QLineEdit::textChanged, this, &FrmUsuarios::txtStatus_Change);
    connect(cmbEstado, &QComboBox::activated, this, &FrmUsuarios::cmbEstado_Click);
    connect(cmdCambiar, &QPushButton::clicked, this, &FrmUsuarios::cmdCambiar_Click);
    txtUsuario->installEventFilter(this);
}

void FrmUsuarios::Acomoda()
{
    auto* Frame1 = findChild<QGroupBox*>(QStringLiteral("Frame1"));
    auto* campos = new QGridLayout(Frame1);
    QWidget* izquierda[] = {txtUsuario, TxtNombre, txtPaterno, txtMaterno, txtDomicilio, txtColonia};
    QWidget* derecha[] = {txtCiudad, txtEstado, txtCP, txtRFC, txtSeguro, cmbEstado};
    for (int fila = 0; fila < 6; ++fila) {
        campos->addWidget(lblCaptions[fila], fila, 0);
        campos->addWidget(izquierda[fila], fila, 1);
        campos->addWidget(lblCaptions[fila + 6], fila, 3);
        campos->addWidget(derecha[fila], fila, 4);
    }
    campos->setColumnMinimumWidth(2, 12);
    campos->setColumnStretch(1, 3);
    campos->setColumnStretch(4, 2);

    auto* cuenta = new QHBoxLayout;
    cuenta->addWidget(lblCaptions[12]);
    cuenta->addWidget(lblId);
    cuenta->addStretch();
    cuenta->addWidget(cmdCambiar);
    cuenta->addSpacing(12);
    cuenta->addWidget(chkTarjeta);
    cuenta->addSpacing(12);
    cuenta->addWidget(chkUsuarios);

    const auto par = [this](const QString& nombre, int primera, grid::Grid* disponibles, QPushButton* agregar,
                            QPushButton* quitar, grid::Grid* asignados) {
        auto* marco = new QGroupBox(this);
        marco->setObjectName(nombre);
        auto* rejilla = new QGridLayout(marco);
        rejilla->addWidget(lblGrupos[primera], 0, 0);
        rejilla->addWidget(lblGrupos[primera + 1], 0, 2);
        rejilla->addWidget(disponibles, 1, 0);
        auto* flechas = new QVBoxLayout;
        flechas->addStretch();
        flechas->addWidget(agregar);
        flechas->addWidget(quitar);
        flechas->addStretch();
        rejilla->addLayout(flechas, 1, 1);
        rejilla->addWidget(asignados, 1, 2);
        rejilla->setColumnStretch(0, 1);
        rejilla->setColumnStretch(2, 1);
        return marco;
    };
    auto* listas = new QHBoxLayout;
    listas->addWidget(par(QStringLiteral("Frame2"), 0, sprGrupos, cmdAgregar, cmdQuitar, sprGruposXUsuario), 4);
    listas->addWidget(
        par(QStringLiteral("Frame3"), 2, sprDepartamentos, cmdAgregarDep, cmdRetDep, sprDepartamentosXUsuario), 5);

    auto* tarjeta = new QHBoxLayout;
    tarjeta->addStretch();
    tarjeta->addWidget(cmdBorrarTarjeta);

    auto* todo = new QVBoxLayout(this);
    todo->addWidget(Frame1);
    todo->addLayout(cuenta);
    todo->addLayout(listas, 1);
    todo->addLayout(tarjeta);
}

void FrmUsuarios::OrdenTabulador()
{
    const QList<QWidget*> orden{txtUsuario,  TxtNombre,  txtPaterno,        txtMaterno,    txtDomicilio,
                                txtColonia,  txtCiudad,  txtEstado,         txtCP,         txtRFC,
                                txtSeguro,   cmbEstado,  cmdCambiar,        chkTarjeta,    chkUsuarios,
                                sprGrupos,   cmdAgregar, cmdQuitar,         sprGruposXUsuario,
                                sprDepartamentos, cmdAgregarDep, cmdRetDep, sprDepartamentosXUsuario,
                                cmdBorrarTarjeta};
    for (int i = 1; i < orden.size(); ++i)
        setTabOrder(orden[i - 1], orden[i]);
}

// The bound id label: another employee shown reloads the grids, but not the row that a save is
// writing.
void FrmUsuarios::filaMostrada()
{
    if (m_guardando || lblId->text() == m_idMostrado)
        return;
    m_idMostrado = lblId->text();
    lblId_Change();
}

void FrmUsuarios::txtStatus_Change()
{
    const QString estado = txtStatus->text();
    if (estado == QLatin1String("A"))
        cmbEstado->setCurrentIndex(0);
    else if (estado == QLatin1String("N"))
        cmbEstado->setCurrentIndex(1);
    else if (estado == QLatin1String("S"))
        cmbEstado->setCurrentIndex(2);
    else
        cmbEstado->setCurrentIndex(-1);
}

void FrmUsuarios::cmbEstado_Click()
{
    if (!cmbEstado->currentText().isEmpty())
        txtStatus->setText(cmbEstado->currentText().left(1));
}

// The user name is also a database login: it takes no blanks.
bool FrmUsuarios::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtUsuario && event->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(event);
        if (tecla->key() == Qt::Key_Space || tecla->text() == QLatin1String(" "))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Browse mode as the save and the cancel leave it: the groups can be looked through, the password
// changed, and the state list shows the state without changing it.
void FrmUsuarios::EstadoNavegacion()
{
    sprGrupos->setEnabled(true);
    sprGruposXUsuario->setEnabled(true);
    cmdCambiar->setEnabled(true);
    cmbEstado->setEnabled(true);
    cmbEstado->setLocked(true);
}

void FrmUsuarios::BotonNuevoModificar(bool PbNuevo)
{
    if (Formas().Edicion())
        return;
    ui::WaitCursor espera;
    DataEntryWindow::BotonNuevoModificar(PbNuevo);
    if (!Formas().Edicion())
        return;
    if (!PbNuevo) {
        // The user name is also the database login: it never changes.
        forms::setLocked(txtUsuario, true);
        TxtNombre->setFocus(Qt::OtherFocusReason);
    }
    cmdCambiar->setEnabled(false);
    cmbEstado->setLocked(false);
    // Only an administrator of users makes another one.
    chkUsuarios->setEnabled(g_bAdminUsuarios);
}

// A new employee is active, with neither card nor administration, and starts with no group.
void FrmUsuarios::Valores_Nuevos()
{
    chkTarjeta->setChecked(false);
    chkUsuarios->setChecked(false);
    cmbEstado->setCurrentIndex(0);
    cmbEstado_Click();
    PreparaGridsNuevo();
}

void FrmUsuarios::BotonAceptar()
{
    if (!Formas().Edicion())
        return;
    {
        QScopedValueRollback<bool> guardando(m_guardando, true);
        DataEntryWindow::BotonAceptar();
    }
    if (Formas().Edicion())
        return;
    m_idMostrado = lblId->text();
    lblId_Change();
    EstadoNavegacion();
}

void FrmUsuarios::BotonCancelar()
{
    if (!Formas().Edicion())
        return;
    // The grids show the stored groups and costs again, whichever employee shows.
    m_idMostrado.clear();
    DataEntryWindow::BotonCancelar();
    if (m_idMostrado.isEmpty()) {
        m_idMostrado = lblId->text();
        lblId_Change();
    }
    EstadoNavegacion();
}
