// The lower half of the employees window: the work groups and the departments with their hourly
// cost, and the two buttons that act at once on the shown employee.
#include "mainwindow/admin/frm_usuarios.h"
#include "foundation/cipher/contrasena.h"
#include "foundation/database/cls_ado.h"
#include "foundation/routines/zorva_funciones.h"
#include "mainwindow/admin/frm_contrasena.h"
#include "mainwindow/login_state.h"
#include "platform/grid/grid.h"
#include "platform/grid/recordset_fill.h"
#include "platform/keys/key_file_error.h"
#include "platform/ui/msgbox.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

constexpr int kColumnaId = 1;
constexpr int kColumnaNombre = 2;
constexpr int kColumnaCosto = 3;

grid::Grid* creaGrid(QWidget* parent, const QString& nombre, const QStringList& titulos)
{
    auto* spr = new grid::Grid(parent);
    spr->setObjectName(nombre);
    spr->setColumnCount(titulos.size());
    for (int c = 1; c <= titulos.size(); ++c) {
        spr->setText(0, c, titulos[c - 1]);
        spr->setColumnLocked(c, true);
    }
    spr->setColumnWidth(kColumnaId, 7);
    spr->setColumnWidth(kColumnaNombre, 16);
    spr->setRowHeaderVisible(false);
    spr->setSelectionMode(grid::SelectionMode::SingleRow);
    // The name takes whatever width the grid has.
    spr->table()->horizontalHeader()->setSectionResizeMode(kColumnaNombre - 1, QHeaderView::Stretch);
    spr->table()->verticalHeader()->setDefaultSectionSize(spr->fontMetrics().height() + 8);
    spr->setMinimumSize(spr->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 24, 150);
    return spr;
}

QPushButton* flecha(QWidget* parent, const QString& nombre, const QString& texto, const QString& ayuda = QString())
{
    auto* boton = new QPushButton(texto, parent);
    boton->setObjectName(nombre);
    boton->setToolTip(ayuda);
    boton->setFixedWidth(boton->fontMetrics().horizontalAdvance(QStringLiteral("MMM")));
    return boton;
}

bool esEntero(const QString& texto)
{
    bool ok = false;
    texto.toLongLong(&ok);
    return ok;
}

} // namespace

void FrmUsuarios::CreaGrids()
{
    const char* titulos[] = {"Permisos disponibles", "Permisos asignados", "Departamentos disponibles",
                             "Departamentos asignados"};
    for (int i = 0; i < 4; ++i) {
        lblGrupos[i] = new QLabel(QString::fromUtf8(titulos[i]), this);
        lblGrupos[i]->setObjectName(QStringLiteral("Label%1").arg(14 + i));
    }
    const QStringList grupo{QStringLiteral("Grupo ID"), QStringLiteral("Grupo")};
    sprGrupos = creaGrid(this, QStringLiteral("sprGrupos"), grupo);
    cmdAgregar = flecha(this, QStringLiteral("cmdAgregar"), QStringLiteral(">"), QStringLiteral("Adignar un grupo al usuario"));
    cmdQuitar = flecha(this, QStringLiteral("cmdQuitar"), QStringLiteral("<"), QStringLiteral("Quitar un grupo al usuario"));
    sprGruposXUsuario = creaGrid(this, QStringLiteral("sprGruposXUsuario"), grupo);

    sprDepartamentos = creaGrid(this, QStringLiteral("sprDepartamentos"),
                                {QStringLiteral("Dep. ID"), QStringLiteral("Departamento")});
    cmdAgregarDep = flecha(this, QStringLiteral("cmdAgregarDep"), QStringLiteral(">"));
    cmdRetDep = flecha(this, QStringLiteral("cmdRetDep"), QStringLiteral("<"));
    sprDepartamentosXUsuario = creaGrid(this, QStringLiteral("sprDepartamentosXUsuario"),
                                        {QStringLiteral("Dep. ID"), QStringLiteral("Departamento"), QStringLiteral("Costo")});
    // The hourly cost is typed here.
    sprDepartamentosXUsuario->setColumnFormat(kColumnaCosto, grid::CellFormat::number(2, -9999999.99, 9999999.99));
    sprDepartamentosXUsuario->setColumnLocked(kColumnaCosto, false);
    sprDepartamentosXUsuario->setColumnWidth(kColumnaCosto, 11);
    sprDepartamentosXUsuario->setMinimumWidth(sprDepartamentosXUsuario->minimumWidth() * 3 / 2);

    cmdBorrarTarjeta = new QPushButton(QStringLiteral("Borrar Tarjeta"), this);
    cmdBorrarTarjeta->setObjectName(QStringLiteral("cmdBorrarTarjeta"));

    connect(cmdAgregar, &QPushButton::clicked, this, &FrmUsuarios::cmdAgregar_Click);
    connect(cmdQuitar, &QPushButton::clicked, this, &FrmUsuarios::cmdQuitar_Click);
    connect(cmdAgregarDep, &QPushButton::clicked, this, &FrmUsuarios::cmdAgregarDep_Click);
    connect(cmdRetDep, &QPushButton::clicked, this, &FrmUsuarios::cmdRetDep_Click);
    connect(cmdBorrarTarjeta, &QPushButton::clicked, this, &FrmUsuarios::cmdBorrarTarjeta_Click);
}

// Groups whose name holds "ADMIN" exist only for the administrators of users.
QString FrmUsuarios::FiltroAdmin() const
{
    return g_bAdminUsuarios ? QString() : QStringLiteral(" AND Nombre_Grupo_Trabajo NOT LIKE '%ADMIN%' ");
}

QString FrmUsuarios::GruposAdmin()
{
    return QStringLiteral("SELECT ID_Grupo_Trabajo FROM Grupo_Trabajo WHERE Nombre_Grupo_Trabajo LIKE '%ADMIN%'");
}

void FrmUsuarios::LlenaGrid(grid::Grid* spr, const QString& consulta)
{
    adodb::Recordset filas;
    spr->setRowCount(0);
    if (g_ClsAdo().Establece_consulta(filas, consulta, 3, 3, 1))
        grid::fillFromRecordset(*spr, filas, {.keepDesignColumns = true});
}

void FrmUsuarios::lblId_Change()
{
    const QString id = lblId->text();
    if (!esEntero(id)) {
        // No employee left to show: nothing may still show the one that was deleted.
        for (grid::Grid* spr : {sprGrupos, sprGruposXUsuario, sprDepartamentos, sprDepartamentosXUsuario})
            spr->setRowCount(0);
        return;
    }
    LlenaGrid(sprGruposXUsuario,
              QStringLiteral("SELECT Grupo_Trabajo.ID_Grupo_Trabajo,Nombre_Grupo_Trabajo FROM Grupo_Trabajo,EmpleadosXGrupo ")
                  + QStringLiteral("WHERE Grupo_Trabajo.ID_Grupo_Trabajo=EmpleadosXGrupo.ID_Grupo_Trabajo ")
                  + QStringLiteral("AND ID_Empleado=") + id + FiltroAdmin());
    LlenaGrid(sprDepartamentosXUsuario,
              QStringLiteral("SELECT Id_Departamento,Nombre,Costo_Hora FROM Vw_DepartamentosXEmpleado ")
                  + QStringLiteral("WHERE ID_Empleado=") + id);
    LlenaGrid(sprGrupos, QStringLiteral("SELECT ID_Grupo_Trabajo, Nombre_Grupo_Trabajo FROM Grupo_Trabajo ")
                             + QStringLiteral("WHERE ID_Grupo_Trabajo NOT IN (SELECT ID_Grupo_Trabajo FROM EmpleadosXGrupo WHERE ID_Empleado=")
                             + id + QStringLiteral(")") + FiltroAdmin());
    LlenaGrid(sprDepartamentos, QStringLiteral("SELECT ID_Departamento, Nombre FROM Departamentos ")
                                    + QStringLiteral("WHERE ID_Departamento NOT IN (SELECT ID_Departamento FROM Vw_DepartamentosxEmpleado WHERE ID_Empleado=")
                                    + id + QStringLiteral(")"));
}

void FrmUsuarios::PreparaGridsNuevo()
{
    QString grupos = QStringLiteral("SELECT ID_Grupo_Trabajo, Nombre_Grupo_Trabajo FROM Grupo_Trabajo ");
    if (!g_bAdminUsuarios)
        grupos += QStringLiteral("WHERE Nombre_Grupo_Trabajo NOT LIKE '%ADMIN%' ");
    LlenaGrid(sprGrupos, grupos);
    sprGruposXUsuario->setRowCount(0);
    LlenaGrid(sprDepartamentos, QStringLiteral("SELECT ID_Departamento, Nombre FROM Departamentos "));
    sprDepartamentosXUsuario->setRowCount(0);
}

// Moves the active row of one grid to the bottom of the other; a department arrives costing 0.
void FrmUsuarios::Mueve(grid::Grid* origen, grid::Grid* destino, bool conCosto)
{
    if (origen->rowCount() < 1)
        return;
    const int r = qBound(1, origen->activeRow(), origen->rowCount());
    const QString id = origen->text(r, kColumnaId);
    const QString nombre = origen->text(r, kColumnaNombre);
    origen->deleteRows(r);
    if (origen->rowCount() >= r)
        origen->setActiveCell(r, kColumnaNombre);
    if (id.isEmpty() || nombre.isEmpty())
        return;
    const int nueva = destino->rowCount() + 1;
    destino->setRowCount(nueva);
    destino->setText(nueva, kColumnaId, id);
    destino->setText(nueva, kColumnaNombre, nombre);
    if (conCosto)
        destino->setValue(nueva, kColumnaCosto, 0);
}

void FrmUsuarios::cmdAgregar_Click()
{
    Mueve(sprGrupos, sprGruposXUsuario, false);
}

void FrmUsuarios::cmdQuitar_Click()
{
    Mueve(sprGruposXUsuario, sprGrupos, false);
}

void FrmUsuarios::cmdAgregarDep_Click()
{
    Mueve(sprDepartamentos, sprDepartamentosXUsuario, true);
}

void FrmUsuarios::cmdRetDep_Click()
{
    Mueve(sprDepartamentosXUsuario, sprDepartamentos, false);
}

// A cost still being typed counts: the open cell's text is written into the grid first. The editor
// stays open, since the key that saves may still be on its way to it.
void FrmUsuarios::ConfirmaCeldas()
{
    sprDepartamentosXUsuario->commitEdit(false);
}

bool FrmUsuarios::CostosValidos()
{
    ConfirmaCeldas();
    grid::Grid* spr = sprDepartamentosXUsuario;
    for (int r = 1; r <= spr->lastDataRow(); ++r) {
        if (spr->value(r, kColumnaCosto).isNull()) {
            ui::msgBox(QStringLiteral("El costo por hora del departamento ") + spr->text(r, kColumnaNombre)
                           + QStringLiteral(" no es válido"),
                       ui::Exclamation, windowTitle());
            // Once the key that saves has been delivered: moving the focus into the grid now would
            // hand the same key to the grid as a new one.
            QTimer::singleShot(0, spr, [spr, r] {
                spr->setFocus(Qt::OtherFocusReason);
                spr->setActiveCell(r, kColumnaCosto);
            });
            return false;
        }
    }
    return true;
}

// A user without the right to administer users keeps the employee's "ADMIN" memberships, which he
// never saw.
bool FrmUsuarios::EscribeGrupos(const QString& id)
{
    adodb::Recordset ninguno;
    if (!bNuevo()) {
        QString condicion = QStringLiteral("ID_Empleado=") + id;
        if (!g_bAdminUsuarios)
            condicion += QStringLiteral(" AND ID_Grupo_Trabajo NOT IN (") + GruposAdmin() + QLatin1Char(')');
        if (!g_ClsAdo().Borrar(ninguno, QStringLiteral("EmpleadosXGrupo"), QVariant(), condicion, false))
            return false;
    }
    for (int r = 1; r <= sprGruposXUsuario->lastDataRow(); ++r) {
        const QString grupo = sprGruposXUsuario->text(r, kColumnaId);
        if (!esEntero(grupo))
            continue;
        if (!Alta(QStringLiteral("EmpleadosXGrupo"), QStringLiteral("ID_Empleado,ID_Grupo_Trabajo"),
                  id + QLatin1Char(',') + grupo))
            return false;
    }
    return true;
}

bool FrmUsuarios::EscribeCostos(const QString& id)
{
    adodb::Recordset ninguno;
    if (!bNuevo()
        && !g_ClsAdo().Borrar(ninguno, QStringLiteral("CostosxEmpleado"), QVariant(),
                              QStringLiteral("ID_Empleado=") + id, false))
        return false;
    for (int r = 1; r <= sprDepartamentosXUsuario->lastDataRow(); ++r) {
        const QString departamento = sprDepartamentosXUsuario->text(r, kColumnaId);
        if (!esEntero(departamento))
            continue;
        const double costo = sprDepartamentosXUsuario->value(r, kColumnaCosto).toDouble();
        if (!Alta(QStringLiteral("CostosXEmpleado"), QStringLiteral("ID_Empleado,ID_Departamento,Costo_Hora"),
                  id + QLatin1Char(',') + departamento + QLatin1Char(',') + QString::number(costo, 'f', 2)))
            return false;
    }
    return true;
}

void FrmUsuarios::cmdCambiar_Click()
{
    const QString id = lblId->text();
    if (!esEntero(id))
        return;
    QString contrasena;
    if (!PideContrasena(contrasena))
        return;
    QString cifrada;
    try {
        cifrada = CifraContrasena(contrasena);
    } catch (const KeyFileError& e) {
        ui::msgBox(e.message(), ui::Critical, windowTitle());
        return;
    }
    QString otro;
    try {
        otro = BuscaValor(QStringLiteral("Empleado"), QStringLiteral("id_Empleado"),
                          QStringLiteral("Contraseña='") + DuplicaComillas(cifrada) + QStringLiteral("' AND ID_Empleado<>") + id);
    } catch (const adodb::ComError&) {
        ui::msgBox(QStringLiteral("Imposible cambiar la contraseña!"), ui::Critical);
        return;
    }
    if (!otro.isEmpty()) {
        ui::msgBox(QStringLiteral("Contraseña en uso por otro usuario, pruebe con otra contraseña"), ui::Information);
        return;
    }
    if (GuardaContrasenaEmpleado(id, cifrada))
        ui::msgBox(QStringLiteral("Contraseña cambiada"), ui::Information);
    else
        ui::msgBox(QStringLiteral("Imposible cambiar la contraseña!"), ui::Critical);
}

void FrmUsuarios::cmdBorrarTarjeta_Click()
{
    const QString id = lblId->text();
    adodb::Recordset ninguno;
    const bool borrada = esEntero(id)
        && g_ClsAdo().Modificar(ninguno, QStringLiteral("Empleado"), QStringLiteral("Num_Tarjeta=''"),
                                QStringLiteral("ID_Empleado=") + id, false);
    g_ClsAdo().conexion().errors().clear();
    ui::msgBox(borrada ? QStringLiteral("Se ha borrado con exito!") : QStringLiteral("Imposible borrar tarjeta!"),
               ui::Information);
}
