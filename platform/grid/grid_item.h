#pragma once

#include "platform/grid/cell_format.h"

#include <QColor>
#include <QTableWidgetItem>

#include <memory>

namespace grid {

// Where a cell keeps what the grid knows of it. Every cell of the grid has one. The shown text is
// derived from the value and the format, so changing the type re-reads the same text.
class GridItem : public QTableWidgetItem {
public:
    static constexpr int kType = QTableWidgetItem::UserType + 1;
    static constexpr int kValueRole = Qt::UserRole + 1;

    GridItem(FormatPtr format, bool locked);
    QTableWidgetItem* clone() const override;
    // Makes an item out of any view as new: no text, value, formula, look or selection.
    void reset(FormatPtr format, bool locked);

    // What a cell of the format holds once given `input`: as typed when asWritten and the input is
    // a text, else as a value. `raw` is the text kept as written when the type cannot read it.
    struct Content {
        QVariant value;
        QString raw;
    };
    static Content contentOf(const CellFormat& format, const QVariant& input, bool asWritten);
    static QString textOf(const CellFormat& format, const Content& content);

    // Numbers align right, everything else left; vertically centred.
    static int defaultAlignment(const CellFormat& format);

    QVariant data(int role) const override;
    void setData(int role, const QVariant& value) override;

    const CellFormat& format() const { return *m_format; }
    const FormatPtr& formatPtr() const { return m_format; }
    void setFormat(FormatPtr format);

    // The cell's own text and value; a formula cell's are computed by the grid.
    QString cellText() const;
    QVariant cellValue() const { return m_value; }
    void setCellText(const QString& text);
    void setCellValue(const QVariant& value);
    bool holdsData() const { return !m_value.isNull() || !m_raw.isEmpty() || !m_formula.isEmpty(); }

    bool isLocked() const { return m_locked; }
    void setLocked(bool locked) { m_locked = locked; }

    QString formula() const { return m_formula; }
    void setFormula(const QString& formula);

    Qt::Edges borderEdges() const { return m_borderEdges; }
    QColor borderColor() const { return m_borderColor; }
    Qt::PenStyle borderStyle() const { return m_borderStyle; }
    void setBorder(Qt::Edges edges, const QColor& color, Qt::PenStyle style);

    quint64 selectionStamp() const { return m_selectionStamp; }
    void setSelectionStamp(quint64 stamp) { m_selectionStamp = stamp; }

private:
    void changed();
    QVariant computedValue() const;
    QString shownText() const;

    FormatPtr m_format;
    QVariant m_value;   // normalized for the format; null when empty or unreadable
    QString m_raw;      // the text as written when it could not be read as the format's type
    QString m_formula;
    bool m_locked = false;
    Qt::Edges m_borderEdges;
    QColor m_borderColor;
    Qt::PenStyle m_borderStyle = Qt::NoPen;
    quint64 m_selectionStamp = 0;
};

} // namespace grid
