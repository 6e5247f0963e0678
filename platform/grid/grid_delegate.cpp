#include "platform/grid/grid_delegate.h"

#include "platform/grid/grid.h"
#include "platform/grid/grid_item.h"
#include "platform/grid/shown_texts.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QValidator>

namespace grid {

namespace {

// The text a line editor started from, to tell a finished edit that changed the cell.
const char* const kStartText = "gridStartText";
const char* const kCell = "gridCell";

// Lets through what may become an entry of the type; acceptsTypedText decides what is complete.
class CellValidator : public QValidator {
public:
    CellValidator(const CellFormat& format, QObject* parent) : QValidator(parent), m_format(format) {}

    State validate(QString& input, int&) const override
    {
        if (acceptsTypedText(m_format, input))
            return Acceptable;
        QString allowed;
        int longest = 64;
        switch (m_format.type) {
        case CellType::Integer:
            allowed = QStringLiteral("0123456789-+ ");
            break;
        case CellType::Number: case CellType::Currency: case CellType::Percent:
            allowed = QStringLiteral("0123456789-+., ") + m_format.currencySymbol + QLatin1Char('%');
            break;
        case CellType::Date:
            allowed = QStringLiteral("0123456789/");
            longest = 10;
            break;
        case CellType::Time:
            allowed = QStringLiteral("0123456789:");
            longest = 8;
            break;
        default:
            return Intermediate;
        }
        if (input.size() > longest)
            return Invalid;
        for (const QChar c : input)
            if (!allowed.contains(c))
                return Invalid;
        const int dot = input.indexOf(QLatin1Char('.'));
        if (dot >= 0 && input.size() - dot - 1 > m_format.decimals)
            return Invalid;
        return Intermediate;
    }

private:
    CellFormat m_format;
};

QStyle* styleOf(const QStyleOptionViewItem& option)
{
    return option.widget ? option.widget->style() : QApplication::style();
}

bool isPress(QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Space || key == Qt::Key_Select;
    }
    return false;
}

QPoint mousePos(QEvent* event)
{
    return static_cast<QMouseEvent*>(event)->position().toPoint();
}

bool isMouse(QEvent* event)
{
    return event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonPress
        || event->type() == QEvent::MouseButtonDblClick;
}

} // namespace

GridDelegate::GridDelegate(Grid* grid) : QStyledItemDelegate(grid), m_grid(grid)
{
}

const GridItem* GridDelegate::cellAt(const QModelIndex& index) const
{
    return m_grid->item(index.row() + 1, index.column() + 1);
}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    // The view reads the cell from its item: a loaded value gets one when first shown or measured.
    cellAt(index);
    QStyledItemDelegate::initStyleOption(option, index);
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const GridItem* cell = cellAt(index);
    if (!cell || !cell->format().opensEditor())
        return nullptr;
    if (cell->format().type == CellType::Combo)
        return createCombo(parent, index);

    auto* line = new QLineEdit(parent);
    const CellFormat& format = cell->format();
    if (format.type == CellType::Text)
        line->setMaxLength(format.maxLength > 0 ? format.maxLength : 32767);
    else
        line->setValidator(new CellValidator(format, line));
    if (format.isNumeric())
        line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const QPersistentModelIndex at(index);
    line->setProperty(kCell, QVariant::fromValue(at));
    connect(line, &QLineEdit::textEdited, m_grid, [grid = m_grid, at] {
        if (at.isValid())
            emit grid->edited(at.row() + 1, at.column() + 1);
    });
    return line;
}

QWidget* GridDelegate::createCombo(QWidget* parent, const QModelIndex& index) const
{
    auto* box = new QComboBox(parent);
    box->addItems(cellAt(index)->format().items);
    const QPersistentModelIndex at(index);
    connect(box, &QComboBox::activated, this, [this, box, at] {
        auto* self = const_cast<GridDelegate*>(this);
        emit self->commitData(box);
        emit self->closeEditor(box);
        if (at.isValid()) {
            emit m_grid->comboSelectionChanged(at.row() + 1, at.column() + 1);
            emit m_grid->edited(at.row() + 1, at.column() + 1);
        }
    });
    if (m_popupOnOpen)
        QTimer::singleShot(0, box, &QComboBox::showPopup);
    m_popupOnOpen = false;
    return box;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        const QVariant value = cellAt(index)->cellValue();
        box->setCurrentIndex(value.isNull() ? -1 : value.toInt());
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(index.data(Qt::EditRole).toString());
        // The view writes the editor again while the cell's data changes under it: the start is
        // the text of the first writing.
        if (!line->property(kStartText).isValid())
            line->setProperty(kStartText, line->text());
    }
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        if (box->currentIndex() >= 0)
            model->setData(index, box->currentIndex(), GridItem::kValueRole);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        // An entry the type cannot hold is dropped and the cell keeps what it had.
        if (acceptsTypedText(cellAt(index)->format(), line->text()))
            model->setData(index, line->text(), Qt::EditRole);
    }
}

std::optional<GridDelegate::FinishedEdit> GridDelegate::finishedEdit(QWidget* editor,
                                                                    QAbstractItemDelegate::EndEditHint hint)
{
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line || hint == QAbstractItemDelegate::RevertModelCache || !line->property(kStartText).isValid()
        || line->text() == line->property(kStartText).toString())
        return std::nullopt;
    // Once: a second close of the same editor reports nothing.
    line->setProperty(kStartText, line->text());
    return FinishedEdit{line->property(kCell).value<QPersistentModelIndex>(), line->text()};
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const GridItem* cell = cellAt(index);
    if (cell && cell->format().type == CellType::Button) {
        QStyleOptionButton button;
        button.rect = option.rect.adjusted(1, 1, -1, -1);
        button.text = cell->format().caption;
        button.icon = cell->format().icon;
        button.iconSize = QSize(16, 16);
        button.state = QStyle::State_Raised;
        if (m_grid->isCellEditable(index.row() + 1, index.column() + 1))
            button.state |= QStyle::State_Enabled;
        styleOf(option)->drawControl(QStyle::CE_PushButton, &button, painter, option.widget);
    } else if (!paintWideText(painter, option, index)) {
        QStyledItemDelegate::paint(painter, option, index);
    }
    if (cell && cell->borderEdges()) {
        painter->save();
        painter->setPen(QPen(cell->borderColor(), 1, cell->borderStyle()));
        const QRect r = option.rect;
        if (cell->borderEdges() & Qt::TopEdge)
            painter->drawLine(r.topLeft(), r.topRight());
        if (cell->borderEdges() & Qt::BottomEdge)
            painter->drawLine(r.bottomLeft(), r.bottomRight());
        if (cell->borderEdges() & Qt::LeftEdge)
            painter->drawLine(r.topLeft(), r.bottomLeft());
        if (cell->borderEdges() & Qt::RightEdge)
            painter->drawLine(r.topRight(), r.bottomRight());
        painter->restore();
    }
}

// A text wider than its cell is never cut to "...": it runs over its empty neighbours, which the
// view paints after the cells; what still lacks room widens its column once this paint is over,
// and shows shrunk meanwhile.
bool GridDelegate::paintWideText(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const auto* view = qobject_cast<const QTableView*>(option.widget);
    if (!view || item.text.isEmpty() || item.features.testFlag(QStyleOptionViewItem::HasCheckIndicator)
        || fitsCell(item))
        return false;
    const QString text = item.text;
    item.text.clear();
    styleOf(option)->drawControl(QStyle::CE_ItemViewItem, &item, painter, option.widget);
    for (const WideText& wide : wideTexts(*m_grid, *view, index.row())) {
        if (wide.column != index.column())
            continue;
        if (wide.lacking > 0)
            m_grid->widenColumn(wide.widenColumn, view->columnWidth(wide.widenColumn) + wide.lacking);
        if (wide.spills)
            return true;
    }
    QPalette::ColorGroup group = item.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !item.state.testFlag(QStyle::State_Active))
        group = QPalette::Inactive;
    painter->save();
    painter->setPen(item.palette.color(group, item.state.testFlag(QStyle::State_Selected) ? QPalette::HighlightedText
                                                                                            : QPalette::Text));
    const int margin = styleOf(option)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    drawWholeText(*painter, QRectF(item.rect.adjusted(margin, 0, -margin, 0)), int(item.displayAlignment), text, item.font);
    painter->restore();
    return true;
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* line = qobject_cast<QLineEdit*>(object);
    if (m_grid->keysEndIncompleteEntries() && line && event->type() == QEvent::KeyPress && !line->hasAcceptableInput()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            emit commitData(line);
            emit closeEditor(line, key == Qt::Key_Tab       ? EditNextItem
                                   : key == Qt::Key_Backtab ? EditPreviousItem
                                                            : SubmitModelCache);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

// Reached only for cells the user may change now (the table refuses the others first).
bool GridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                               const QModelIndex& index)
{
    const GridItem* cell = cellAt(index);
    if (!cell)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    switch (cell->format().type) {
    case CellType::CheckBox:
        return toggleCheck(event, model, option, index);
    case CellType::Button:
        return pressButton(event, option, index);
    case CellType::Combo:
        if (event->type() == QEvent::MouseButtonRelease && option.rect.contains(mousePos(event))) {
            m_popupOnOpen = true;
            m_grid->table()->edit(index);
            m_popupOnOpen = false;
            return true;
        }
        return false;
    default:
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }
}

bool GridDelegate::toggleCheck(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                               const QModelIndex& index)
{
    if (isMouse(event)) {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        const QRect box = styleOf(option)->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &item,
                                                          option.widget);
        if (!box.contains(mousePos(event)))
            return false;
        if (event->type() != QEvent::MouseButtonRelease)
            return true;  // the press and the double click belong to the toggle
    }
    if (!isPress(event))
        return false;
    model->setData(index, cellAt(index)->cellValue().toInt() ? 0 : 1, GridItem::kValueRole);
    emit m_grid->edited(index.row() + 1, index.column() + 1);
    return true;
}

bool GridDelegate::pressButton(QEvent* event, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (!isPress(event))
        return isMouse(event);
    if (isMouse(event) && !option.rect.contains(mousePos(event)))
        return false;
    emit m_grid->buttonClicked(index.row() + 1, index.column() + 1);
    return true;
}

} // namespace grid
