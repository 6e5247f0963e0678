#include "platform/grid/grid_item.h"

#include "platform/grid/formula.h"
#include "platform/grid/grid_table.h"

namespace grid {

GridItem::GridItem(FormatPtr format, bool locked)
    : QTableWidgetItem(kType), m_format(std::move(format)), m_locked(locked)
{
    setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
}

QTableWidgetItem* GridItem::clone() const
{
    return new GridItem(*this);
}

void GridItem::reset(FormatPtr format, bool locked)
{
    static const GridItem blank(nullptr, false);
    QTableWidgetItem::operator=(blank);  // the look's roles and the flags
    m_format = std::move(format);
    m_value = QVariant();
    m_raw.clear();
    m_formula.clear();
    m_locked = locked;
    m_borderEdges = {};
    m_borderColor = QColor();
    m_borderStyle = Qt::NoPen;
    m_selectionStamp = 0;
}

GridItem::Content GridItem::contentOf(const CellFormat& format, const QVariant& input, bool asWritten)
{
    if (!asWritten || input.typeId() != QMetaType::QString)
        return {normalizeCellValue(format, input), QString()};
    const QString text = input.toString();
    QVariant value = parseCellText(format, text);
    if (!value.isNull() || text.trimmed().isEmpty())
        return {std::move(value), QString()};
    return {QVariant(), text};
}

QString GridItem::textOf(const CellFormat& format, const Content& content)
{
    return content.value.isNull() ? content.raw : formatCellValue(format, content.value);
}

int GridItem::defaultAlignment(const CellFormat& format)
{
    const Qt::Alignment horizontal = format.isNumeric() && format.type != CellType::CheckBox ? Qt::AlignRight : Qt::AlignLeft;
    return int(horizontal | Qt::AlignVCenter);
}

void GridItem::changed()
{
    // A cell not yet in its table is drawn from what it holds when it joins.
    if (auto* table = static_cast<GridTable*>(tableWidget()))
        table->cellChanged(this);
}

QVariant GridItem::computedValue() const
{
    if (m_formula.isEmpty())
        return m_value;
    const auto range = parseSumFormula(m_formula);
    const auto* table = dynamic_cast<const GridTable*>(tableWidget());
    if (!range || !table)
        return QVariant();
    return normalizeCellValue(*m_format, table->sum(*range));
}

QString GridItem::shownText() const
{
    // A text shows as it is held.
    if (m_formula.isEmpty() && m_format->type == CellType::Text)
        return m_value.isNull() ? m_raw : m_value.toString();
    const QVariant value = computedValue();
    return textOf(*m_format, {value, m_raw});
}

QString GridItem::cellText() const
{
    return shownText();
}

void GridItem::setCellText(const QString& text)
{
    m_formula.clear();
    Content content = contentOf(*m_format, text, true);
    m_value = std::move(content.value);
    m_raw = std::move(content.raw);
    changed();
}

void GridItem::setCellValue(const QVariant& value)
{
    m_formula.clear();
    m_value = normalizeCellValue(*m_format, value);
    m_raw.clear();
    changed();
}

void GridItem::setFormat(FormatPtr format)
{
    const QString text = shownText();
    const QString formula = m_formula;
    m_format = std::move(format);
    if (formula.isEmpty())
        setCellText(text);
    else
        setFormula(formula);
}

void GridItem::setFormula(const QString& formula)
{
    m_value = QVariant();
    m_raw.clear();
    m_formula = formula;
    changed();
}

void GridItem::setBorder(Qt::Edges edges, const QColor& color, Qt::PenStyle style)
{
    m_borderEdges = edges;
    m_borderColor = color;
    m_borderStyle = style;
    changed();
}

QVariant GridItem::data(int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        if (m_format->type == CellType::CheckBox)
            return m_format->caption;
        if (m_format->type == CellType::Button)
            return QVariant();
        return shownText();
    case Qt::EditRole: {
        const QVariant value = computedValue();
        return value.isNull() ? m_raw : editCellValue(*m_format, value);
    }
    case Qt::CheckStateRole:
        if (m_format->type != CellType::CheckBox)
            return QVariant();
        return int(m_value.toInt() ? Qt::Checked : Qt::Unchecked);
    case Qt::TextAlignmentRole: {
        const QVariant own = QTableWidgetItem::data(role);
        if (own.isValid())
            return own;
        return defaultAlignment(*m_format);
    }
    case kValueRole:
        return computedValue();
    default:
        return QTableWidgetItem::data(role);
    }
}

void GridItem::setData(int role, const QVariant& value)
{
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        setCellText(value.toString());
        return;
    case Qt::CheckStateRole:
        setCellValue(value.toInt() == Qt::Checked ? 1 : 0);
        return;
    case kValueRole:
        setCellValue(value);
        return;
    default:
        QTableWidgetItem::setData(role, value);
    }
}

} // namespace grid
