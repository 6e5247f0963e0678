#include "foundation/dialogs/frm_cat_filtro.h"

#include "foundation/database/cls_ado.h"
#include "foundation/dialogs/filter_sql.h"
#include "platform/grid/grid_preview.h"
#include "platform/grid/grid_stack.h"
#include "platform/grid/recordset_fill.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/wait_cursor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <optional>

namespace {

const QString kHorizontal = QStringLiteral("Horizontal");
const QString kVertical = QStringLiteral("Vertical");
const QString kEntre = QStringLiteral("Entre");
const QString kParecido = QStringLiteral("Parecido");
constexpr int kMarginTwips = 100;

QPushButton* button(const QString& name, const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);  // Enter in the value boxes must not run or close anything
    return b;
}

template <typename T>
T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

FrmCatFiltro::FrmCatFiltro(QWidget* parent) : QDialog(parent), m_filtros{QString(), QString()}
{
    setObjectName(QStringLiteral("FrmCatFiltro"));
    setWindowTitle(QStringLiteral("Filtro"));
    setModal(true);
    buildControls();
    lblY->hide();
    TxtCondicion2->hide();
    cmbOrientacion->setCurrentText(kVertical);

    connect(CmdSeleccionaruno, &QPushButton::clicked, this, &FrmCatFiltro::CmdSeleccionaruno_Click);
    connect(CmdSelecciionarTodos, &QPushButton::clicked, this, &FrmCatFiltro::CmdSelecciionarTodos_Click);
    connect(CmdDesSeleccionaruno, &QPushButton::clicked, this, &FrmCatFiltro::CmdDesSeleccionaruno_Click);
    connect(CmdDesSeleccionarTodos, &QPushButton::clicked, this, &FrmCatFiltro::CmdDesSeleccionarTodos_Click);
    connect(CmbCondicion, &QComboBox::currentIndexChanged, this, &FrmCatFiltro::CmbCondicion_Click);
    connect(CmdEjecutar, &QPushButton::clicked, this, &FrmCatFiltro::CmdEjecutar_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &FrmCatFiltro::cmdPreview_Click);
    connect(CmdImprimir, &QPushButton::clicked, this, &FrmCatFiltro::CmdImprimir_Click);
    connect(CmdCerrar, &QPushButton::clicked, this, &QDialog::reject);
}

FrmCatFiltro::~FrmCatFiltro() = default;

void FrmCatFiltro::buildControls()
{
    m_stack = named(new grid::GridStack(this), QStringLiteral("stkResultados"));
    sprResultados = named(m_stack->grid(), QStringLiteral("sprResultados"));
    Preview = named(m_stack->preview(), QStringLiteral("Preview"));
    sprResultados->setSelectionMode(grid::SelectionMode::Cell);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildColumnLists());
    layout->addLayout(buildCondition());
    layout->addWidget(m_stack, 1);
    layout->addLayout(buildPrintButtons());

    const QList<QWidget*> order = {LstCampos, CmdSeleccionaruno, CmdSelecciionarTodos, CmdDesSeleccionaruno,
                                   CmdDesSeleccionarTodos, LstCampos_sel, CmbCampos, CmbCondicion, TxtCondicion,
                                   TxtCondicion2, CmdEjecutar, sprResultados->table(), cmbOrientacion, cmdPreview,
                                   CmdImprimir, CmdCerrar};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    resize(760, 580);
}

QLayout* FrmCatFiltro::buildColumnLists()
{
    LstCampos = named(new QListWidget(this), QStringLiteral("LstCampos"));
    LstCampos_sel = named(new QListWidget(this), QStringLiteral("LstCampos_sel"));
    for (QListWidget* list : {LstCampos, LstCampos_sel})
        list->setMaximumHeight(150);
    CmdSeleccionaruno = button(QStringLiteral("CmdSeleccionaruno"), QStringLiteral(">"), this);
    CmdSelecciionarTodos = button(QStringLiteral("CmdSelecciionarTodos"), QStringLiteral(">>"), this);
    CmdDesSeleccionaruno = button(QStringLiteral("CmdDesSeleccionaruno"), QStringLiteral("<"), this);
    CmdDesSeleccionarTodos = button(QStringLiteral("CmdDesSeleccionarTodos"), QStringLiteral("<<"), this);

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton* b : {CmdSeleccionaruno, CmdSelecciionarTodos, CmdDesSeleccionaruno, CmdDesSeleccionarTodos})
        moves->addWidget(b);
    moves->addStretch();

    auto* row = new QHBoxLayout;
    row->addWidget(LstCampos, 1);
    row->addLayout(moves);
    row->addWidget(LstCampos_sel, 1);
    return row;
}

QLayout* FrmCatFiltro::buildCondition()
{
    CmbCampos = named(new QComboBox(this), QStringLiteral("CmbCampos"));
    CmbCondicion = named(new QComboBox(this), QStringLiteral("CmbCondicion"));
    CmbCondicion->addItems(filtersql::operators());
    TxtCondicion = named(new QLineEdit(this), QStringLiteral("TxtCondicion"));
    lblY = named(new QLabel(QStringLiteral("Y"), this), QStringLiteral("lblY"));
    TxtCondicion2 = named(new QLineEdit(this), QStringLiteral("TxtCondicion2"));
    CmdEjecutar = button(QStringLiteral("CmdEjecutar"), QStringLiteral("&Ejecutar"), this);
    CmbCampos->setMinimumContentsLength(18);

    auto* lblCampo = named(new QLabel(QStringLiteral("Campo:"), this), QStringLiteral("lblCampo"));
    auto* lblCondicion = named(new QLabel(QStringLiteral("Condicion:"), this), QStringLiteral("lblCondicion"));
    lblCampo->setBuddy(CmbCampos);
    lblCondicion->setBuddy(CmbCondicion);

    auto* row = new QHBoxLayout;
    row->addWidget(lblCampo);
    row->addWidget(CmbCampos, 2);
    row->addWidget(lblCondicion);
    row->addWidget(CmbCondicion);
    row->addWidget(TxtCondicion, 2);
    row->addWidget(lblY);
    row->addWidget(TxtCondicion2, 2);
    row->addWidget(CmdEjecutar);
    return row;
}

QLayout* FrmCatFiltro::buildPrintButtons()
{
    auto* lblOrientacion = named(new QLabel(QString::fromUtf8("Orientación"), this), QStringLiteral("lblOrientacion"));
    cmbOrientacion = named(new QComboBox(this), QStringLiteral("cmbOrientacion"));
    cmbOrientacion->addItems({kHorizontal, kVertical});
    lblOrientacion->setBuddy(cmbOrientacion);
    cmdPreview = button(QStringLiteral("cmdPreview"), QStringLiteral("&Vista previa"), this);
    CmdImprimir = button(QStringLiteral("CmdImprimir"), QStringLiteral("&Imprimir"), this);
    CmdCerrar = button(QStringLiteral("CmdCerrar"), QStringLiteral("&Cerrar"), this);

    auto* row = new QHBoxLayout;
    row->addWidget(lblOrientacion);
    row->addWidget(cmbOrientacion);
    row->addStretch();
    row->addWidget(cmdPreview);
    row->addWidget(CmdImprimir);
    row->addWidget(CmdCerrar);
    return row;
}

void FrmCatFiltro::showEvent(QShowEvent* event)
{
    // Filling the lists picks their first entry; the dialog opens with no column and no operator
    // chosen.
    if (!m_shown) {
        m_shown = true;
        CmbCampos->setCurrentIndex(-1);
        CmbCondicion->setCurrentIndex(-1);
    }
    QDialog::showEvent(event);
}

void FrmCatFiltro::Asigna_Campos(const QString& psCampo)
{
    m_filtros.last() = psCampo;
    m_filtros.append(QString());
}

void FrmCatFiltro::addColumn(const QString& caption, const QString& selectExpression,
                             const QString& filterExpression)
{
    LstCampos->addItem(caption);
    CmbCampos->addItem(caption);
    LstCamposBD.append(selectExpression);
    Asigna_Campos(filterExpression);
}

// --- Moving columns ---------------------------------------------------------------------------

namespace {

// Moves entry `row` of one visible list and its select expression to the end of the other pair.
void moveEntry(QListWidget* from, QStringList& fromBD, QListWidget* to, QStringList& toBD, int row)
{
    QListWidgetItem* item = from->takeItem(row);
    to->addItem(item);
    toBD.append(fromBD.value(row));
    if (row < fromBD.size())
        fromBD.removeAt(row);
}

} // namespace

void FrmCatFiltro::CmdSeleccionaruno_Click()
{
    const int row = LstCampos->currentRow();
    if (row < 0)
        return;
    moveEntry(LstCampos, LstCamposBD, LstCampos_sel, LstCampos_selBD, row);
    LstCampos->setCurrentRow(-1);
}

void FrmCatFiltro::CmdSelecciionarTodos_Click()
{
    for (int n = LstCampos->count(); n > 0; --n)
        moveEntry(LstCampos, LstCamposBD, LstCampos_sel, LstCampos_selBD, 0);
}

void FrmCatFiltro::CmdDesSeleccionaruno_Click()
{
    const int row = LstCampos_sel->currentRow();
    if (row < 0)
        return;
    moveEntry(LstCampos_sel, LstCampos_selBD, LstCampos, LstCamposBD, row);
    LstCampos_sel->setCurrentRow(-1);
}

void FrmCatFiltro::CmdDesSeleccionarTodos_Click()
{
    for (int n = LstCampos_sel->count(); n > 0; --n)
        moveEntry(LstCampos_sel, LstCampos_selBD, LstCampos, LstCamposBD, 0);
}

void FrmCatFiltro::CmbCondicion_Click()
{
    const bool entre = CmbCondicion->currentText() == kEntre;
    lblY->setVisible(entre);
    TxtCondicion2->setVisible(entre);
}

// --- Running the query ------------------------------------------------------------------------

void FrmCatFiltro::CmdEjecutar_Click()
{
    m_stack->showGrid();
    if (LstCampos_sel->count() == 0) {
        ui::msgBox(QStringLiteral("No se seleccionaron campos"), ui::Exclamation);
        return;
    }
    QString statement = QStringLiteral("SELECT ") + LstCampos_selBD.join(QLatin1Char(',')) + QStringLiteral(" FROM ")
        + LsTabla + QLatin1Char(' ');
    if (!TxtCondicion->text().isEmpty() && !composeCondition(statement))
        return;
    statement = filtersql::withoutTrailingWhere(statement);

    ui::WaitCursor wait;
    g_ClsAdo().Establece_consulta(m_resultado, statement);
    grid::fillFromRecordset(*sprResultados, m_resultado, {.fitColumnWidths = true});
    sprResultados->setAllLocked(true);
}

bool FrmCatFiltro::composeCondition(QString& statement)
{
    if (CmbCampos->currentIndex() < 0) {
        ui::msgBox(QString::fromUtf8("Seleccione el campo donde se aplicará el filtro"), ui::Information);
        return false;
    }
    const QString column = filtersql::conditionColumn(m_filtros.value(CmbCampos->currentIndex() + 1));
    const bool integer = isIntegerColumn(column);
    if (CmbCondicion->currentIndex() < 0)
        CmbCondicion->setCurrentIndex(0);
    const QString op = CmbCondicion->currentText();
    if (op == kParecido && integer) {
        // A pattern means nothing on a number: every row is shown instead.
        ui::msgBox(QStringLiteral("Condicion invalida"), ui::Exclamation);
        return true;
    }
    const std::optional<QString> condition =
        !integer && isDateColumn(column)
            ? filtersql::dateConditionText(op, column, TxtCondicion->text(), TxtCondicion2->text())
            : filtersql::conditionText(op, column, TxtCondicion->text(), TxtCondicion2->text(), integer);
    if (!condition) {
        ui::msgBox(QStringLiteral("Condicion invalida"), ui::Exclamation);
        return false;
    }
    statement += filtersql::conditionJoin(statement) + *condition;
    return true;
}

bool FrmCatFiltro::isIntegerColumn(const QString& column)
{
    // The largest value tells the column's type; a column that cannot be probed is taken as text,
    // so that its value is quoted.
    ui::WaitCursor wait;
    adodb::Recordset probe;
    if (!g_ClsAdo().Establece_consulta(probe, QStringLiteral("SELECT MAX(") + column + QStringLiteral(") FROM ")
                                                   + filtersql::fromClauseAlone(LsTabla)))
        return false;
    return probe.fieldCount() == 1 && probe.field(0).type() == adodb::DataType::Integer;
}

bool FrmCatFiltro::isDateColumn(const QString& column)
{
    // The column itself, not an aggregate of it, carries the type it was declared with.
    adodb::Recordset probe;
    if (!g_ClsAdo().Establece_consulta(probe, QStringLiteral("SELECT ") + column + QStringLiteral(" FROM ")
                                                   + filtersql::fromClauseAlone(LsTabla) + QStringLiteral(" LIMIT 1")))
        return false;
    return probe.fieldCount() == 1
           && (probe.field(0).type() == adodb::DataType::DBTimeStamp || probe.field(0).type() == adodb::DataType::Date);
}

// --- Print-out --------------------------------------------------------------------------------

void FrmCatFiltro::applyPrintSettings()
{
    grid::PrintSettings settings = grid::standardPrintSettings();
    settings.setMargins(kMarginTwips);
    settings.orientation = cmbOrientacion->currentText() == kHorizontal ? grid::Orientation::Landscape
                                                                        : grid::Orientation::Portrait;
    sprResultados->setPrintSettings(settings);
}

void FrmCatFiltro::cmdPreview_Click()
{
    if (m_stack->isPreviewShown()) {
        m_stack->showGrid();
        return;
    }
    applyPrintSettings();
    m_stack->togglePreview();
}

void FrmCatFiltro::CmdImprimir_Click()
{
    applyPrintSettings();
    sprResultados->print(m_printer);
}
