#include "foundation/dialogs/picker_dialog.h"

#include "foundation/database/cls_ado.h"
#include "foundation/forms/main_window_services.h"
#include "platform/grid/grid.h"
#include "platform/grid/recordset_fill.h"
#include "platform/ui/wait_cursor.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

void setHint(const QString& text)
{
    if (MainWindowServices* window = mainWindow())
        window->setStatusPanel(2, text);
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);  // Enter picks rows and searches; it never accepts the dialog
    return b;
}

QPushButton* pictureButton(const QString& name, QStyle::StandardPixmap picture, QWidget* parent)
{
    QPushButton* b = button(name, QString(), parent);
    b->setIcon(parent->style()->standardIcon(picture));
    b->setIconSize(QSize(24, 24));
    b->setMinimumSize(QSize(56, 40));
    return b;
}

} // namespace

PickerDialog::PickerDialog(QWidget* parent) : QDialog(parent)
{
    setModal(true);
    setWindowTitle(QStringLiteral("Buscar Productos"));

    fraCriterio = new QGroupBox(this);
    fraCriterio->setObjectName(QStringLiteral("fraCriterio"));
    lblCriterio = new QLabel(QStringLiteral("Criterio:"), fraCriterio);
    lblCriterio->setObjectName(QStringLiteral("lblCriterio"));
    txtCriterio = new QLineEdit(fraCriterio);
    txtCriterio->setObjectName(QStringLiteral("txtCriterio"));
    txtCriterio->setToolTip(QStringLiteral("Criterio de busqueda"));
    lblCriterio->setBuddy(txtCriterio);
    cmdBuscar = button(QStringLiteral("cmdBuscar"), QStringLiteral("Buscar"), fraCriterio);
    cmdBuscar->setToolTip(QString::fromUtf8("Realiza la busqueda según el criterio seleccionado"));
    m_criterionPlace = new QStackedWidget(fraCriterio);
    m_criterionPlace->addWidget(txtCriterio);
    m_criterionPlace->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_criterionRow = new QHBoxLayout(fraCriterio);
    m_criterionRow->addWidget(lblCriterio);
    m_criterionRow->addWidget(m_criterionPlace, 1);
    m_criterionRow->addWidget(cmdBuscar);

    sprProductos = new grid::Grid(this);
    sprProductos->setObjectName(QStringLiteral("sprProductos"));
    sprProductos->setColumnCount(2);
    sprProductos->setText(0, 1, QStringLiteral("Identificador"));
    sprProductos->setText(0, 2, QStringLiteral("Nombre"));
    sprProductos->setColumnWidth(1, 12);
    sprProductos->setColumnWidth(2, 40);
    sprProductos->table()->horizontalHeader()->setStretchLastSection(true);
    sprProductos->setAllLocked(true);
    sprProductos->setSelectionMode(grid::SelectionMode::MultiRow);

    CmdSeleccionar = button(QStringLiteral("CmdSeleccionar"), QStringLiteral("Seleccionar todo"), this);
    CmdDeseleccionar = button(QStringLiteral("CmdDeseleccionar"), QString::fromUtf8("Quitar Selección"), this);
    cmdAceptar = pictureButton(QStringLiteral("cmdAceptar"), QStyle::SP_DialogOkButton, this);
    cmdCancelar = pictureButton(QStringLiteral("cmdCancelar"), QStyle::SP_DialogCancelButton, this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdSeleccionar);
    buttons->addWidget(CmdDeseleccionar);
    buttons->addStretch();
    buttons->addWidget(cmdAceptar);
    buttons->addWidget(cmdCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraCriterio);
    layout->addWidget(sprProductos, 1);
    layout->addLayout(buttons);

    setTabOrder(txtCriterio, cmdBuscar);
    setTabOrder(cmdBuscar, sprProductos->table());
    setTabOrder(sprProductos->table(), CmdSeleccionar);
    setTabOrder(CmdSeleccionar, CmdDeseleccionar);
    setTabOrder(CmdDeseleccionar, cmdAceptar);
    setTabOrder(cmdAceptar, cmdCancelar);
    resize(520, 420);

    connect(cmdBuscar, &QPushButton::clicked, this, &PickerDialog::cmdBuscar_Click);
    connect(txtCriterio, &QLineEdit::returnPressed, this, &PickerDialog::cmdBuscar_Click);
    connect(sprProductos, &grid::Grid::keyPressed, this, &PickerDialog::sprProductos_KeyDown);
    connect(CmdSeleccionar, &QPushButton::clicked, sprProductos, &grid::Grid::selectAllRows);
    connect(CmdDeseleccionar, &QPushButton::clicked, sprProductos, &grid::Grid::clearSelection);
    connect(cmdAceptar, &QPushButton::clicked, this, &PickerDialog::accept);
    connect(cmdCancelar, &QPushButton::clicked, this, &PickerDialog::reject);

    setHint(QString::fromUtf8("Para seleccionar dar click o enter sobre el renglón"));
}

PickerDialog::~PickerDialog()
{
    setHint(QString());
}

void PickerDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_criterionPlace->currentWidget()->setFocus(Qt::OtherFocusReason);
}

void PickerDialog::cmdBuscar_Click()
{
    ui::WaitCursor wait;
    adodb::Recordset found;
    g_ClsAdo().Establece_consulta(found, searchStatement());
    sprProductos->setRowCount(0);
    showResult(found);
    sprProductos->table()->setFocus();
}

void PickerDialog::showResult(const adodb::Recordset& found)
{
    grid::fillFromRecordset(*sprProductos, found, {.keepDesignColumns = true});
}

void PickerDialog::sprProductos_KeyDown(int key)
{
    // Enter picks or drops the row under the cursor, as a click does.
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    const int row = sprProductos->activeRow();
    if (row > 0)
        sprProductos->setRowSelected(row, !sprProductos->isRowSelected(row));
}

void PickerDialog::accept()
{
    onAccept();
    QDialog::accept();
}

void PickerDialog::reject()
{
    bCancelado = true;
    onCancel();
    QDialog::reject();
}

int PickerDialog::Dar_Siguiente()
{
    const int last = sprProductos->rowCount();
    for (int row = m_posicion; row <= last; ++row) {
        if (sprProductos->isRowSelected(row)) {
            m_posicion = row + 1;
            return sprProductos->text(row, 1).toInt();
        }
    }
    m_posicion = last + 1;
    return -1;
}

QString PickerDialog::Dar_Nombre() const
{
    return sprProductos->text(m_posicion - 1, 2);
}

void PickerDialog::Reiniciar_Seleccionados()
{
    m_posicion = 1;
}

QStringList PickerDialog::selectedIds() const
{
    QStringList ids;
    for (int row : sprProductos->selectedRows())
        ids.append(sprProductos->text(row, 1));
    return ids;
}
