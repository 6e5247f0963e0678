#include "mainwindow/admin/frm_funciones.h"

#include "foundation/database/cls_ado.h"
#include "foundation/routines/zorva_funciones.h"
#include "mainwindow/admin/catalogo_fijo.h"
#include "foundation/database/guardado.h"
#include "platform/grid/grid.h"
#include "platform/ui/wait_cursor.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kColId = 1, kColNombre = 2, kColDescripcion = 3, kColEstado = 4;
constexpr int kLargoDescripcion = 90;

} // namespace

FrmFunciones::FrmFunciones(QWidget* parent) : DataEntryWindow(parent)
{
    setObjectName(QStringLiteral("FrmFunciones"));
    setWindowTitle(QStringLiteral("Funciones"));
    setTabla(QStringLiteral("Funciones"), QStringLiteral("Id_Funcion"), QString());

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* Label2 = new QLabel(QStringLiteral("Funciones disponibles"), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    sprFunciones = new grid::Grid(Frame1);
    sprFunciones->setObjectName(QStringLiteral("sprFunciones"));
    sprFunciones->setColumnCount(4);
    const QStringList encabezados{QStringLiteral("Funcion ID"), QStringLiteral("Funcion"), QStringLiteral("Descripción"),
                                  QStringLiteral("Estado")};
    const double anchos[] = {8, 28, 42, 17};
    for (int c = kColId; c <= kColEstado; ++c) {
        sprFunciones->setText(0, c, encabezados.at(c - 1));
        sprFunciones->setColumnWidth(c, anchos[c - 1]);
    }
    sprFunciones->setColumnFormat(kColDescripcion, grid::CellFormat::text(kLargoDescripcion));
    sprFunciones->setColumnFormat(kColEstado, grid::CellFormat::checkBox(QStringLiteral("Activar Función")));
    sprFunciones->setColumnLocked(kColId, true);
    sprFunciones->setColumnLocked(kColNombre, true);
    sprFunciones->table()->horizontalHeader()->setSectionResizeMode(kColDescripcion - 1, QHeaderView::Stretch);
    catalogo_fijo::TamanoMinimo(sprFunciones, 6);
    Label2->setBuddy(sprFunciones);

    auto* marco = new QVBoxLayout(Frame1);
    marco->addWidget(Label2);
    marco->addWidget(sprFunciones, 1);
    (new QVBoxLayout(this))->addWidget(Frame1);

    // With the grid disabled the frame holds the focus, so that the window's keys reach it.
    Frame1->setFocusPolicy(Qt::StrongFocus);
    setPrimerCampo(Frame1);
    disconnect(&Formas(), &ClsFormas::activada, this, &FrmFunciones::muestraCuenta);
    connect(&Formas(), &ClsFormas::activada, this, &FrmFunciones::Form_Activate);

    Form_Load();
    llenaGrid();
}

// The rows in the order the database gives them; a null value shows as an empty cell.
void FrmFunciones::llenaGrid()
{
    sprFunciones->setRowCount(0);
    const adodb::Recordset& funciones = Consulta();
    if (!funciones.isOpen())
        return;
    const int filas = funciones.recordCount();
    sprFunciones->setRowCount(filas);
    const int columnas[] = {funciones.field(QStringLiteral("Id_Funcion")).index(),
                            funciones.field(QStringLiteral("Nombre")).index(),
                            funciones.field(QStringLiteral("Descripcion")).index(),
                            funciones.field(QStringLiteral("Estado")).index()};
    for (int r = 0; r < filas; ++r)
        for (int c = kColId; c <= kColEstado; ++c)
            sprFunciones->setValue(r + 1, c, funciones.cell(r, columnas[c - 1]));
}

void FrmFunciones::Form_Activate()
{
    catalogo_fijo::DeshabilitaNuevoYBorrar();
}

void FrmFunciones::BotonNuevoModificar(bool PbNuevo)
{
    ui::WaitCursor espera;
    if (PbNuevo) {
        catalogo_fijo::FuncionNoDisponible();
        return;
    }
    if (!Formas().Edicion())
        Formas().ModoEdicion(true);
}

void FrmFunciones::BotonBorrar() { catalogo_fijo::FuncionNoDisponible(); }
void FrmFunciones::BotonBuscar() { catalogo_fijo::FuncionNoDisponible(); }
void FrmFunciones::BotonFiltro() { catalogo_fijo::FuncionNoDisponible(); }
void FrmFunciones::BotonPrimerRegistro() { catalogo_fijo::FuncionNoDisponible(); }
void FrmFunciones::BotonRegistroAnterior() { catalogo_fijo::FuncionNoDisponible(); }
void FrmFunciones::BotonRegistroSiguiente() { catalogo_fijo::FuncionNoDisponible(); }
void FrmFunciones::BotonUltimoRegistro() { catalogo_fijo::FuncionNoDisponible(); }

void FrmFunciones::BotonAceptar()
{
    if (!Formas().Edicion())
        return;
    ui::WaitCursor espera;
    if (!guarda())
        return;
    Formas().ModoEdicion(false);
    catalogo_fijo::DeshabilitaNuevoYBorrar();
    Consulta().requery();
    sprFunciones->setEnabled(false);
    Frame1->setEnabled(true);
    Frame1->setFocus();
}

// Every row is written back, changed or not, in the grid's order, in one transaction; the first
// refused update undoes the others.
bool FrmFunciones::guarda()
{
    Guardado guardado;
    const int ultima = sprFunciones->lastDataRow();
    for (int i = 1; i <= ultima; ++i) {
        bool esNumero = false;
        const qlonglong id = sprFunciones->text(i, kColId).toLongLong(&esNumero);
        if (!esNumero)
            continue;
        // A cleared or empty state cell is stored as 0.
        const QString estado = QString::number(sprFunciones->value(i, kColEstado).toLongLong());
        const QString actualizacion = QStringLiteral("Estado=") + estado + QStringLiteral(",Nombre='")
                                      + DuplicaComillas(sprFunciones->text(i, kColNombre))
                                      + QStringLiteral("',Descripcion='")
                                      + DuplicaComillas(sprFunciones->text(i, kColDescripcion)) + QLatin1Char('\'');
        if (!g_ClsAdo().Modificar(Consulta(), QStringLiteral("Funciones"), actualizacion,
                                  QStringLiteral("Id_Funcion=") + QString::number(id), true)) {
            guardado.cancela(false);
            return false;
        }
    }
    return guardado.termina();
}

// The grid shows the stored switches again; it stays usable in browse mode, and nothing changed
// there is stored until a modify and an accept.
void FrmFunciones::BotonCancelar()
{
    if (!Formas().Edicion())
        return;
    Formas().ModoEdicion(false);
    catalogo_fijo::DeshabilitaNuevoYBorrar();
    Consulta().requery();
    llenaGrid();
    sprFunciones->setEnabled(true);
    Frame1->setEnabled(true);
}
