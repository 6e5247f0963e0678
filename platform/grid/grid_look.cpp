// Locks, protection, hidden rows and columns, widths and the look of cells.
#include "platform/grid/grid.h"

#include "platform/grid/frozen_rows.h"
#include "platform/grid/grid_item.h"
#include "platform/grid/grid_table.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>
#include <optional>
#include <vector>

namespace grid {

namespace {

// A width in characters counts the digit "0" of the grid's font plus the cell's padding.
double characterWidth(const QWidget* widget)
{
    return QFontMetricsF(widget->font()).horizontalAdvance(QLatin1Char('0'));
}

constexpr int kCellPadding = 6;

} // namespace

// --- Locks and protection --------------------------------------------------------------------

bool Grid::isCellLocked(int row, int column) const
{
    if (const GridItem* cell = existingItem(row, column))
        return cell->isLocked();
    return inRange(row, column) && defaultLocked(column);
}

void Grid::setCellLocked(int row, int column, bool locked)
{
    if (!inRange(row, column))
        return;
    if (GridItem* existing = item(row, column))
        existing->setLocked(locked);
    else if (locked != defaultLocked(column))
        cell(row, column)->setLocked(locked);
}

void Grid::setRowLocked(int row, bool locked)
{
    for (int c = 1; c <= columnCount(); ++c)
        setCellLocked(row, c, locked);
}

void Grid::setColumnLocked(int column, bool locked)
{
    if (column < 1 || column > columnCount())
        return;
    m_columns[column - 1].locked = locked;
    for (int r = 1; r <= rowCount(); ++r)
        if (GridItem* existing = existingItem(r, column))
            existing->setLocked(locked);
}

void Grid::setAllLocked(bool locked)
{
    m_allLocked = locked;
    for (int c = 1; c <= columnCount(); ++c)
        setColumnLocked(c, locked);
}

bool Grid::isProtected() const
{
    return m_protected;
}

void Grid::setProtected(bool on)
{
    m_protected = on;
}

bool Grid::keysEndIncompleteEntries() const
{
    return m_keysEndIncompleteEntries;
}

void Grid::setKeysEndIncompleteEntries(bool on)
{
    m_keysEndIncompleteEntries = on;
}

bool Grid::isCellEditable(int row, int column) const
{
    if (!inRange(row, column) || cellFormat(row, column).type == CellType::StaticText || !isEnabled())
        return false;
    return !m_protected || !isCellLocked(row, column);
}

QPoint Grid::nextTabCell(bool forward) const
{
    const int columns = columnCount();
    const int rows = rowCount();
    if (columns < 1 || rows < 1)
        return {};
    // Cells counted row by row; before the first cell when there is no cursor.
    int at = activeRow() > 0 ? (activeRow() - 1) * columns + (activeColumn() - 1) : (forward ? -1 : rows * columns);
    for (at += forward ? 1 : -1; at >= 0 && at < rows * columns; at += forward ? 1 : -1) {
        const int row = at / columns + 1;
        const int column = at % columns + 1;
        if (isRowHidden(row) || isColumnHidden(column) || !isCellEditable(row, column))
            continue;
        // A button is pressed with the mouse; Tab stops where something is typed, picked or ticked.
        if (cellFormat(row, column).type != CellType::Button)
            return {column, row};
    }
    return {};
}

// --- Rows and columns ------------------------------------------------------------------------

bool Grid::isRowHidden(int row) const
{
    return row >= 1 && row <= rowCount() && m_table->isRowHidden(row - 1);
}

void Grid::setRowHidden(int row, bool hidden)
{
    if (row >= 1 && row <= rowCount())
        m_table->setRowHidden(row - 1, hidden);
    if (m_frozen)
        m_frozen->follow();
}

bool Grid::isColumnHidden(int column) const
{
    if (column == 0)
        return !isRowHeaderVisible();
    return column >= 1 && column <= columnCount() && m_table->isColumnHidden(column - 1);
}

void Grid::setColumnHidden(int column, bool hidden)
{
    if (column == 0)
        setRowHeaderVisible(!hidden);
    else if (column >= 1 && column <= columnCount())
        m_table->setColumnHidden(column - 1, hidden);
    if (m_frozen)
        m_frozen->follow();
}

void Grid::setColumnHeaderVisible(bool visible)
{
    m_table->horizontalHeader()->setVisible(visible);
    if (m_frozen)
        m_frozen->follow();
}

bool Grid::isColumnHeaderVisible() const
{
    return !m_table->horizontalHeader()->isHidden();
}

void Grid::setRowHeaderVisible(bool visible)
{
    m_table->verticalHeader()->setVisible(visible);
    if (m_frozen)
        m_frozen->follow();
}

bool Grid::isRowHeaderVisible() const
{
    return !m_table->verticalHeader()->isHidden();
}

double Grid::columnWidth(int column) const
{
    if (column < 1 || column > columnCount())
        return 0;
    return (m_table->columnWidth(column - 1) - kCellPadding) / characterWidth(m_table);
}

void Grid::setColumnWidth(int column, double characters)
{
    if (column >= 1 && column <= columnCount()) {
        m_table->setColumnWidth(column - 1,
                                int(std::lround(characters * characterWidth(m_table))) + kCellPadding);
        fitHeader(column);
    }
}

namespace {

// The texts of a column laid out at most to fit it, the widest by their characters first.
constexpr int kTextsLaidOut = 2;

// A cell's text laid out as the style lays it out for its size: lines broken only where the text
// breaks them, the widest one's natural width.
qreal layoutWidth(const QFont& font, QString text)
{
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    // As wide as a line the style does not bound.
    constexpr qreal unbounded = 1 << 22;
    qreal widest = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(unbounded);
        widest = qMax(widest, line.naturalTextWidth());
    }
    layout.endLayout();
    return widest;
}

bool isFigure(char16_t u)
{
    return (u >= u'0' && u <= u'9') || u == u'.' || u == u',' || u == u'$' || u == u'-' || u == u'%' || u == u'('
           || u == u')' || u == u' ';
}

// Whether a font's figures are all of one width.
bool figuresOfOneWidth(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const qreal zero = metrics.horizontalAdvance(QLatin1Char('0'));
    for (char figure = '1'; figure <= '9'; ++figure)
        if (metrics.horizontalAdvance(QLatin1Char(figure)) != zero)
            return false;
    return true;
}

// Whether a format's numbers are as wide as any other of their shape (numberShape()) in a font
// whose figures are of one width: the format writes nothing else but figures and signs.
bool widthFollowsShape(const CellFormat& format)
{
    if (format.type != CellType::Integer && format.type != CellType::Number && format.type != CellType::Currency
        && format.type != CellType::Percent)
        return false;
    const QString sample = formatCellValue(format, -1234567.5);
    return std::all_of(sample.cbegin(), sample.cend(), [](QChar c) { return c != u' ' && isFigure(c.unicode()); });
}

// The widths of a font's texts, as the style lays a cell's text out (its widest line), with the
// margins the style puts around every text of that font.
class TextWidths {
public:
    TextWidths(const QFont& font, int margins) : m_font(font), m_metrics(font), m_margins(margins) {}

    // A cell's whole width.
    int width(const QString& text)
    {
        auto found = m_widths.constFind(text);
        if (found == m_widths.cend()) {
            const std::optional<qreal> set = figuresWidth(text);
            found = m_widths.insert(text, int(std::ceil(set ? *set : layoutWidth(m_font, text))) + m_margins);
        }
        return *found;
    }

    void remember(const QString& text, int width) { m_widths.insert(text, width); }
    // Whether the text's width is known without laying it out.
    bool isKnown(const QString& text) const { return m_widths.contains(text) || figuresWidth(text).has_value(); }

    // At most the width a cell's text takes, from its characters' own advances, without laying it
    // out; infinite for a text with tabs or with characters that join or combine.
    qreal bound(const QString& text)
    {
        if (const auto found = m_widths.constFind(text); found != m_widths.cend())
            return *found;
        qreal widest = 0;
        qreal line = 0;
        bool figures = true;
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if (u == u'\n') {
                widest = qMax(widest, line);
                line = 0;
                continue;
            }
            if (u >= kSimple || u < u' ')
                return std::numeric_limits<qreal>::infinity();
            figures = figures && isFigure(u);
            line += advance(c);
        }
        // Figures and their signs are set side by side as they are; kerning draws a few pairs of
        // letters closer, and rarely a little apart.
        return figures ? qMax(widest, line) + m_margins : qMax(widest, line) * 1.02 + 2 + m_margins;
    }

private:
    // A number's width without laying it out: figures and their signs are set side by side as they
    // are. None for any other text, or one with a blank, which a line does not count at its end.
    std::optional<qreal> figuresWidth(const QString& text) const
    {
        qreal width = 0;
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if (u == u' ' || !isFigure(u))
                return std::nullopt;
            width += advance(c);
        }
        return text.isEmpty() ? std::nullopt : std::optional<qreal>(width);
    }

    // A character's advance, measured once; only for characters below kSimple.
    qreal advance(QChar c) const
    {
        qreal& known = m_advances[c.unicode()];
        if (known < 0)
            known = m_metrics.horizontalAdvance(c);
        return known;
    }

    // Below the combining marks: Latin texts, whose characters stand alone.
    static constexpr char16_t kSimple = 0x300;
    QFont m_font;
    QFontMetricsF m_metrics;
    int m_margins;
    QHash<QString, int> m_widths;
    mutable std::vector<qreal> m_advances = std::vector<qreal>(kSimple, -1);
};

} // namespace

void Grid::fitColumnWidths()
{
    // Measured as the view measures a column for its contents, without laying out every cell: the
    // style puts the same margins around every text of one font, so one cell of each font asks the
    // delegate and the others add those margins to their text's width; and only the texts whose
    // characters could make them the widest are laid out. A cell with a check box, an icon or a
    // size of its own asks the delegate itself.
    QHeaderView* header = m_table->horizontalHeader();
    const int precision = m_table->verticalHeader()->resizeContentsPrecision();
    if (precision >= 0 && rowCount() > precision) {
        // The view picks which rows of a long grid it measures.
        m_table->resizeColumnsToContents();
    } else {
        QAbstractItemDelegate* delegate = m_table->itemDelegate();
        QAbstractItemModel* model = m_table->model();
        const QStyleOptionViewItem option = m_table->viewItemOption();
        // Few fonts: looked up one by one.
        std::deque<TextWidths> widthsByFont;
        std::vector<std::pair<QFont, TextWidths*>> fonts;
        struct Text {
            TextWidths* widths;
            QString text;
            qreal bound;
        };
        std::vector<Text> texts;
        std::optional<bool> oneWidthFigures;  // of the grid's font, asked once
        for (int c = 0; c < columnCount(); ++c) {
            if (m_table->isColumnHidden(c))
                continue;
            int content = 0;
            texts.clear();
            const CellFormat& format = defaultFormat(c + 1);
            const CellType type = format.type;
            // Loaded numbers of one shape are as wide as each other: one of them is measured.
            const bool loadedNumbers = m_loaded.covers(1, c + 1) && widthFollowsShape(format);
            if (loadedNumbers && !oneWidthFigures)
                oneWidthFigures = figuresOfOneWidth(option.font);
            const bool byShape = loadedNumbers && *oneWidthFigures;
            std::vector<NumberShape> shapes;
            for (int r = 0; r < rowCount(); ++r) {
                if (m_table->isRowHidden(r))
                    continue;
                // A loaded cell shows its value as its item would, in the grid's font; a check box
                // or a button is measured from its item.
                const GridItem* cell = existingItem(r + 1, c + 1);
                const std::optional<QVariant> loaded = cell || !m_loaded.covers(r + 1, c + 1)
                    ? std::nullopt
                    : std::optional<QVariant>(m_loaded.value(r + 1, c + 1));
                QString text;
                QFont font = option.font;
                if (loaded && type != CellType::CheckBox && type != CellType::Button) {
                    if (byShape) {
                        if (const std::optional<NumberShape> shape = numberShape(format, *loaded)) {
                            if (std::find(shapes.cbegin(), shapes.cend(), *shape) != shapes.cend())
                                continue;
                            shapes.push_back(*shape);
                        }
                    }
                    text = loadedText(c + 1, *loaded);
                } else {
                    if (!cell)
                        cell = item(r + 1, c + 1);
                    const QVariant shown = cell ? cell->data(Qt::DisplayRole) : QVariant();
                    const bool plain = cell && shown.typeId() == QMetaType::QString && !cell->data(Qt::CheckStateRole).isValid()
                                       && !cell->data(Qt::DecorationRole).isValid() && !cell->data(Qt::SizeHintRole).isValid();
                    if (!plain) {
                        content = qMax(content, delegate->sizeHint(option, model->index(r, c)).width());
                        continue;
                    }
                    if (const QVariant own = cell->data(Qt::FontRole); own.isValid())
                        font = own.value<QFont>().resolve(option.font);
                    text = shown.toString();
                }
                auto found = std::find_if(fonts.begin(), fonts.end(), [&](const auto& f) { return f.first == font; });
                if (found == fonts.end()) {
                    const int measured = delegate->sizeHint(option, model->index(r, c)).width();
                    TextWidths& widths = widthsByFont.emplace_back(
                        font, measured - int(std::ceil(layoutWidth(font, text))));
                    widths.remember(text, measured);
                    fonts.emplace_back(font, &widths);
                    found = fonts.end() - 1;
                }
                const qreal bound = found->second->bound(text);
                texts.push_back({found->second, std::move(text), bound});
            }
            // The widest first: a text whose bound is below the widest found cannot be wider. Past a
            // few texts laid out, the next one's bound stands for the rest: a column of many texts
            // of about one width is then at most a few pixels wider than the widest of them.
            std::sort(texts.begin(), texts.end(), [](const Text& a, const Text& b) { return a.bound > b.bound; });
            int laidOut = 0;
            for (const Text& t : texts) {
                if (t.bound <= content)
                    break;
                if (laidOut == kTextsLaidOut && !std::isinf(t.bound)) {
                    content = int(std::ceil(t.bound));
                    break;
                }
                laidOut += t.widths->isKnown(t.text) ? 0 : 1;
                content = qMax(content, t.widths->width(t.text));
            }
            if (m_table->showGrid())
                ++content;
            const int size = qMax(content, measuredCaption(c + 1).sectionHint);
            header->resizeSection(c, qBound(header->minimumSectionSize(), size, header->maximumSectionSize()));
        }
    }
    for (int column = 1; column <= columnCount(); ++column)
        fitHeader(column);
}

void Grid::fitHeader(int column)
{
    // The header shows the current column's caption in bold: the section is wide enough for that.
    if (column < 1 || column > columnCount() || text(0, column).isEmpty())
        return;
    const int needed = measuredCaption(column).captionWidth;
    if (m_table->columnWidth(column - 1) < needed)
        m_table->setColumnWidth(column - 1, needed);
}

const Grid::ColumnDefaults& Grid::measuredCaption(int column)
{
    // A caption is measured again only when it, the header's font or its style changed.
    QHeaderView* header = m_table->horizontalHeader();
    const QFont font = header->font();
    if (header->style() != m_captionStyle || font != m_captionFont) {
        m_captionStyle = header->style();
        m_captionFont = font;
        for (ColumnDefaults& c : m_columns)
            c.captionWidth = c.sectionHint = -1;
    }
    ColumnDefaults& fit = m_columns[column - 1];
    const QString caption = text(0, column);
    if (fit.captionWidth < 0 || fit.fittedCaption != caption) {
        QStyleOptionHeader option;
        option.initFrom(header);
        option.section = column - 1;
        option.text = caption;
        option.textAlignment = header->defaultAlignment();
        QFont bold = font;
        bold.setBold(true);
        option.fontMetrics = QFontMetrics(bold);
        fit.fittedCaption = caption;
        fit.captionWidth = header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header).width();
        fit.sectionHint = header->sectionSizeHint(column - 1);
    }
    return fit;
}

// --- Look ------------------------------------------------------------------------------------

QFont Grid::cellFont(int row, int column) const
{
    const GridItem* cell = existingItem(row, column);
    if (!cell)
        return m_table->font();
    const QVariant own = cell->data(Qt::FontRole);
    return own.isValid() ? own.value<QFont>() : m_table->font();
}

void Grid::setCellBold(int row, int column, bool bold)
{
    if (GridItem* made = cell(row, column)) {
        QFont font = cellFont(row, column);
        font.setBold(bold);
        made->setFont(font);
    }
}

void Grid::setCellUnderline(int row, int column, bool underline)
{
    if (GridItem* made = cell(row, column)) {
        QFont font = cellFont(row, column);
        font.setUnderline(underline);
        made->setFont(font);
    }
}

void Grid::setCellFontSize(int row, int column, double pointSize)
{
    if (GridItem* made = pointSize > 0 ? cell(row, column) : nullptr) {
        QFont font = cellFont(row, column);
        font.setPointSizeF(pointSize);
        made->setFont(font);
    }
}

Qt::Alignment Grid::cellAlignment(int row, int column) const
{
    if (!inRange(row, column))
        return Qt::AlignLeft;
    const GridItem* cell = existingItem(row, column);
    const int alignment = cell ? cell->data(Qt::TextAlignmentRole).toInt() : GridItem::defaultAlignment(defaultFormat(column));
    return Qt::Alignment(alignment) & Qt::AlignHorizontal_Mask;
}

void Grid::setCellAlignment(int row, int column, Qt::Alignment alignment)
{
    if (GridItem* made = cell(row, column))
        made->setData(Qt::TextAlignmentRole, int((alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter));
}

void Grid::setCellBorder(int row, int column, Qt::Edges edges, const QColor& color, Qt::PenStyle style)
{
    if (GridItem* made = cell(row, column))
        made->setBorder(edges, color, style);
}

CellBorder Grid::cellBorder(int row, int column) const
{
    const GridItem* cell = existingItem(row, column);
    if (!cell)
        return CellBorder();
    return CellBorder{cell->borderEdges(), cell->borderColor(), cell->borderStyle()};
}

void Grid::setSpan(int row, int column, int rows, int columns)
{
    if (inRange(row, column) && rows >= 1 && columns >= 1) {
        m_table->setSpan(row - 1, column - 1, qMin(rows, rowCount() - row + 1),
                         qMin(columns, columnCount() - column + 1));
        m_hadSpans = true;
    }
    if (m_frozen)
        m_frozen->follow();
}

int Grid::columnSpan(int row, int column) const
{
    return m_hadSpans && inRange(row, column) ? m_table->columnSpan(row - 1, column - 1) : 1;
}

} // namespace grid
