#include "mainwindow/admin/frm_funxgrupo.h"

#include "foundation/database/cls_ado.h"
#include "foundation/dialogs/frm_cat_filtro.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "mainwindow/admin/catalogo_fijo.h"
#include "foundation/database/guardado.h"
#include "platform/grid/grid.h"
#include "platform/grid/recordset_fill.h"
#include "platform/ui/input_box.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/wait_cursor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kColId = 1;
constexpr int kColNombre = 2;
constexpr int kMaxDerechos = 10;

grid::Grid* lista(QWidget* parent, const QString& name, const QString& encabezadoNombre, double anchoNombre)
{
    auto* g = new grid::Grid(parent);
    g->setObjectName(name);
    g->setColumnCount(2);
    g->setText(0, kColId, QStringLiteral("Funcion ID"));
    g->setText(0, kColNombre, encabezadoNombre);
    g->setColumnWidth(kColId, 8);
    g->setColumnWidth(kColNombre, anchoNombre);
    g->setAllLocked(true);
    g->setSelectionMode(grid::SelectionMode::MultiRow);
    g->table()->horizontalHeader()->setStretchLastSection(true);
    catalogo_fijo::TamanoMinimo(g, 10);
    return g;
}

QPushButton* boton(QWidget* parent, const QString& name, const QString& caption, const QString& ayuda)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(ayuda);
    b->setAutoDefault(false);
    return b;
}

// The id box's text when it shows a group; "" otherwise (nothing but a number goes into SQL).
QString idGrupo(const QLineEdit* caja)
{
    bool esNumero = false;
    const qlonglong id = caja->text().trimmed().toLongLong(&esNumero);
    return esNumero ? QString::number(id) : QString();
}

} // namespace

FrmFunXGrupo::FrmFunXGrupo(QWidget* parent) : DataEntryWindow(parent)
{
    setObjectName(QStringLiteral("FrmFunXGrupo"));
    setWindowTitle(QStringLiteral("Permisos X Grupo"));
    setTabla(QStringLiteral("Grupo_Trabajo"), QStringLiteral("ID_Grupo_Trabajo"), QString());

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtGrupoId = forms::textBox(Frame1, QStringLiteral("txtGrupoId"), QStringLiteral("ID_Grupo_Trabajo"));
    forms::keyBoxStyle(txtGrupoId);
    txtGrupos = forms::textBox(Frame1, QStringLiteral("txtGrupos"), QStringLiteral("Nombre_Grupo_Trabajo"));
    auto* Label1 = forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Grupo Id:"), txtGrupoId);
    auto* Label3 = forms::label(Frame1, QStringLiteral("Label3"), QStringLiteral("Grupo:"), txtGrupos);
    auto* Label2 = new QLabel(QStringLiteral("Permisos disponibles"), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    sprFunciones = lista(Frame1, QStringLiteral("sprFunciones"), QStringLiteral("Funcion"), 24);
    cmdAgregar = boton(Frame1, QStringLiteral("cmdAgregar"), QStringLiteral(">"),
                       QStringLiteral("Adignar una función al grupo"));
    cmdQuitar = boton(Frame1, QStringLiteral("cmdQuitar"), QStringLiteral("<"),
                      QStringLiteral("Quitar una función al grupo"));
    auto* Label4 = new QLabel(QStringLiteral("Permisos asignadas"), Frame1);
    Label4->setObjectName(QStringLiteral("Label4"));
    sprFuncionesXGrupo = lista(Frame1, QStringLiteral("sprFuncionesXGrupo"), QStringLiteral("Función"), 28);
    Label2->setBuddy(sprFunciones);
    Label4->setBuddy(sprFuncionesXGrupo);

    auto* grupo = new QHBoxLayout;
    grupo->addWidget(Label1);
    grupo->addWidget(txtGrupoId);
    grupo->addSpacing(12);
    grupo->addWidget(Label3);
    grupo->addWidget(txtGrupos, 1);
    txtGrupoId->setMaximumWidth(txtGrupoId->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8 + 16);
    auto* botones = new QVBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdAgregar);
    botones->addWidget(cmdQuitar);
    botones->addStretch();
    auto* listas = new QGridLayout;
    listas->addWidget(Label2, 0, 0);
    listas->addWidget(Label4, 0, 2);
    listas->addWidget(sprFunciones, 1, 0);
    listas->addLayout(botones, 1, 1);
    listas->addWidget(sprFuncionesXGrupo, 1, 2);
    listas->setColumnStretch(0, 1);
    listas->setColumnStretch(2, 1);
    auto* marco = new QVBoxLayout(Frame1);
    marco->addLayout(grupo);
    marco->addLayout(listas, 1);
    (new QVBoxLayout(this))->addWidget(Frame1);

    setTabOrder(txtGrupoId, txtGrupos);
    setTabOrder(txtGrupos, sprFunciones);
    setTabOrder(sprFunciones, cmdAgregar);
    setTabOrder(cmdAgregar, cmdQuitar);
    setTabOrder(cmdQuitar, sprFuncionesXGrupo);
    setPrimerCampo(txtGrupoId);

    // No record count in panel 1: the window counts groups, not what it edits.
    disconnect(&Formas(), &ClsFormas::activada, this, &FrmFunXGrupo::muestraCuenta);
    connect(&Formas(), &ClsFormas::activada, this, &FrmFunXGrupo::Form_Activate);
    connect(&Enlace(), &FieldBinder::rowShown, this, &FrmFunXGrupo::txtGrupoId_Change);
    connect(cmdAgregar, &QPushButton::clicked, this, &FrmFunXGrupo::cmdAgregar_Click);
    connect(cmdQuitar, &QPushButton::clicked, this, &FrmFunXGrupo::cmdQuitar_Click);
    connect(sprFunciones, &grid::Grid::keyReleased, this, [this](int key) { sprFunciones_KeyUp(key); });
    connect(sprFuncionesXGrupo, &grid::Grid::doubleClicked, this, &FrmFunXGrupo::sprFuncionesXGrupo_DblClick);

    Form_Load();
}

QString FrmFunXGrupo::derechos(int fila) const
{
    return m_derechos.value(sprFuncionesXGrupo->text(fila, kColId));
}

// Every activation refreshes the lists from the database, but never during an edit: the moves
// not yet accepted would be lost.
void FrmFunXGrupo::Form_Activate()
{
    catalogo_fijo::DeshabilitaNuevoYBorrar();
    if (!Formas().Edicion())
        txtGrupoId_Change();
}

void FrmFunXGrupo::txtGrupoId_Change()
{
    const QString id = idGrupo(txtGrupoId);
    if (id.isEmpty())
        return;
    m_derechos.clear();
    sprFunciones->setRowCount(0);
    sprFuncionesXGrupo->setRowCount(0);
    llenaLista(sprFuncionesXGrupo,
               QStringLiteral("SELECT PermisosXGrupo_Trabajo.ID_Permiso,Nombre_Permiso FROM PermisosXGrupo_Trabajo,"
                              "Permisos WHERE PermisosXGrupo_Trabajo.ID_Permiso=Permisos.ID_Permiso AND "
                              "ID_Grupo_Trabajo=")
                   + id + QStringLiteral(" ORDER BY Permisos.Nombre_Permiso"));
    llenaLista(sprFunciones,
               QStringLiteral("SELECT ID_Permiso, Nombre_Permiso FROM Permisos WHERE ID_Permiso NOT IN (SELECT "
                              "ID_Permiso FROM PermisosXGrupo_Trabajo WHERE ID_Grupo_Trabajo=")
                   + id + QStringLiteral(") ORDER BY Nombre_Permiso "));
}

// A list whose query cannot be read shows empty.
void FrmFunXGrupo::llenaLista(grid::Grid* lista, const QString& consulta)
{
    adodb::Recordset filas;
    g_ClsAdo().Establece_consulta(filas, consulta, 3, 3, 1);
    grid::fillFromRecordset(*lista, filas, {.keepDesignColumns = true});
}

void FrmFunXGrupo::agregaFila(grid::Grid* lista, const QString& id, const QString& nombre)
{
    const int fila = lista->rowCount() + 1;
    lista->setRowCount(fila);
    lista->setText(fila, kColId, id);
    lista->setText(fila, kColNombre, nombre);
}

void FrmFunXGrupo::cmdAgregar_Click()
{
    if (sprFunciones->rowCount() == 0)
        return;
    int ultimaQuitada = 0;
    for (int i = 1; i <= sprFunciones->rowCount(); ++i) {
        if (!sprFunciones->isRowSelected(i))
            continue;
        agregaFila(sprFuncionesXGrupo, sprFunciones->text(i, kColId), sprFunciones->text(i, kColNombre));
        sprFunciones->deleteRows(i);
        ultimaQuitada = i;
        --i;
    }
    if (ultimaQuitada == 0)
        return;
    // The available list stays in name order, which the letter search relies on.
    sprFunciones->sortRows(kColNombre);
    const int fila = qMin(ultimaQuitada, sprFunciones->rowCount());
    if (fila >= 1)
        sprFunciones->setActiveCell(fila, kColNombre);
}

void FrmFunXGrupo::cmdQuitar_Click()
{
    if (sprFuncionesXGrupo->rowCount() == 0)
        return;
    for (int i = 1; i <= sprFuncionesXGrupo->rowCount(); ++i) {
        if (!sprFuncionesXGrupo->isRowSelected(i))
            continue;
        const QString id = sprFuncionesXGrupo->text(i, kColId);
        agregaFila(sprFunciones, id, sprFuncionesXGrupo->text(i, kColNombre));
        m_derechos.remove(id);
        sprFuncionesXGrupo->deleteRows(i);
        --i;
    }
}

void FrmFunXGrupo::sprFunciones_KeyUp(int KeyCode)
{
    if (KeyCode == Qt::Key_Return || KeyCode == Qt::Key_Enter) {
        const int activa = sprFunciones->activeRow();
        cmdAgregar_Click();
        sprFunciones->setFocus();
        const int fila = qMin(activa, sprFunciones->rowCount());
        if (fila >= 1) {
            sprFunciones->setActiveCell(fila, kColNombre);
            sprFunciones->update();
        }
        return;
    }
    if (KeyCode < Qt::Key_A || KeyCode > Qt::Key_Z || sprFunciones->rowCount() == 0)
        return;
    // The first name, from the top, that begins with the letter or a later character, by code:
    // small and accented letters count as higher than every capital. Past the last name the
    // cursor stays on the last row.
    const ushort letra = ushort(KeyCode);
    int fila = 1;
    while (fila < sprFunciones->rowCount()) {
        const QString nombre = sprFunciones->text(fila, kColNombre);
        if (!nombre.isEmpty() && nombre.at(0).unicode() >= letra)
            break;
        ++fila;
    }
    sprFunciones->setActiveCell(fila, kColNombre);
}

void FrmFunXGrupo::sprFuncionesXGrupo_DblClick(int Col, int Row)
{
    Q_UNUSED(Col);
    if (Row < 1 || Row > sprFuncionesXGrupo->rowCount())
        return;
    const QString id = sprFuncionesXGrupo->text(Row, kColId);
    QString respuesta = ui::inputBox(QStringLiteral("Indique los derechos"), QStringLiteral("Derechos"),
                                     m_derechos.value(id));
    respuesta = respuesta.trimmed().left(kMaxDerechos);
    if (respuesta.isEmpty())
        return;
    for (const QChar c : respuesta) {
        if (c != QLatin1Char('C') && c != QLatin1Char('M')) {
            ui::msgBox(QStringLiteral("Derechos no validos, solo se acepta C=Consulta y M=Modificación"),
                       ui::Information);
            return;
        }
    }
    m_derechos.insert(id, respuesta);
}

void FrmFunXGrupo::BotonNuevoModificar(bool PbNuevo)
{
    if (PbNuevo) {
        ui::WaitCursor espera;
        catalogo_fijo::FuncionNoDisponible();
        return;
    }
    if (Formas().Edicion())
        return;
    ui::WaitCursor espera;
    Formas().ModoEdicion(true);
    forms::setLocked(txtGrupoId, true);
    forms::setLocked(txtGrupos, true);
}

void FrmFunXGrupo::BotonBorrar()
{
    catalogo_fijo::FuncionNoDisponible();
}

void FrmFunXGrupo::BotonAceptar()
{
    if (!Formas().Edicion())
        return;
    ui::WaitCursor espera;
    const QString grupo = idGrupo(txtGrupoId);
    if (!guarda(grupo))
        return;
    Formas().ModoEdicion(false);
    catalogo_fijo::DeshabilitaNuevoYBorrar();
    adodb::Recordset& grupos = Consulta();
    if (grupos.isOpen()) {
        grupos.requery();
        grupos.find(QStringLiteral("ID_Grupo_Trabajo=") + grupo);
        if (grupos.eof() && grupos.recordCount() > 0)
            grupos.moveFirst();  // another station deleted the group meanwhile
    }
    Enlace().fill();
    habilitaListas();
}

// Rewrites the group's rows whole: every row of the group deleted, one row per assigned permission
// inserted, all in one transaction. The first refused statement undoes the rest.
bool FrmFunXGrupo::guarda(const QString& grupo)
{
    Guardado guardado;
    adodb::Recordset sinConsulta;
    if (!g_ClsAdo().Borrar(sinConsulta, QStringLiteral("PermisosXGrupo_Trabajo"), QVariant(),
                           QStringLiteral("ID_Grupo_Trabajo=") + grupo, false)) {
        guardado.cancela(true);
        return false;
    }
    const int ultima = sprFuncionesXGrupo->lastDataRow();
    for (int i = 1; i <= ultima; ++i) {
        bool esNumero = false;
        const qlonglong permiso = sprFuncionesXGrupo->text(i, kColId).toLongLong(&esNumero);
        if (!esNumero)
            continue;
        if (!g_ClsAdo().Alta(QStringLiteral("PermisosXGrupo_Trabajo"), QStringLiteral("ID_Grupo_Trabajo,ID_Permiso"),
                             grupo + QLatin1Char(',') + QString::number(permiso))) {
            guardado.cancela(false);
            return false;
        }
    }
    return guardado.termina();
}

void FrmFunXGrupo::BotonCancelar()
{
    if (!Formas().Edicion())
        return;
    Formas().ModoEdicion(false);
    catalogo_fijo::DeshabilitaNuevoYBorrar();
    habilitaListas();
    txtGrupoId_Change();
}

// In browse mode after an edit the lists can be scrolled and selected; the moves stay with edit.
void FrmFunXGrupo::habilitaListas()
{
    sprFunciones->setEnabled(true);
    sprFuncionesXGrupo->setEnabled(true);
    Frame1->setEnabled(true);
}

void FrmFunXGrupo::BotonFiltro()
{
    FrmCatFiltro filtro(window());
    filtro.LsTabla = QStringLiteral(
        "PermisosXGrupo_Trabajo,Grupo_Trabajo,Permisos WHERE Grupo_Trabajo.ID_Grupo_Trabajo="
        "PermisosXGrupo_Trabajo.ID_Grupo_Trabajo AND PermisosXGrupo_Trabajo.ID_Permiso=Permisos.ID_Permiso ");
    filtro.addColumn(QStringLiteral("Id Grupo"), QStringLiteral("Grupo_Trabajo.ID_Grupo_Trabajo"),
                     QStringLiteral("Grupo_Trabajo.ID_Grupo_Trabajo"));
    filtro.addColumn(QStringLiteral("Grupo"), QStringLiteral("Nombre_Grupo_Trabajo"),
                     QStringLiteral("Nombre_Grupo_Trabajo"));
    // This column is captioned differently in the two places.
    filtro.LstCampos->addItem(QStringLiteral("Id Permiso"));
    filtro.CmbCampos->addItem(QStringLiteral("Id_Permiso"));
    filtro.LstCamposBD.append(QStringLiteral("Permisos.ID_Permiso"));
    filtro.Asigna_Campos(QStringLiteral("Permisos.ID_Permiso"));
    filtro.addColumn(QStringLiteral("Permiso"), QStringLiteral("Nombre_Permiso"), QStringLiteral("Nombre_Permiso"));
    filtro.exec();
}
