#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

#include <optional>

namespace grid {

class Grid;
class GridItem;

// Edits, draws and presses cells by their type: line editors that accept only what the type can
// hold, drop-down lists for combos, check boxes that toggle, push buttons, and border lines.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridDelegate(Grid* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // What a line editor that is closing leaves: its cell and its text, when the edit ends (not
    // Esc) with a text other than the cell's at the start, taken by the cell or refused by its type.
    struct FinishedEdit {
        QPersistentModelIndex index;
        QString typed;
    };
    static std::optional<FinishedEdit> finishedEdit(QWidget* editor, QAbstractItemDelegate::EndEditHint hint);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    const GridItem* cellAt(const QModelIndex& index) const;
    bool paintWideText(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    QWidget* createCombo(QWidget* parent, const QModelIndex& index) const;
    bool toggleCheck(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index);
    bool pressButton(QEvent* event, const QStyleOptionViewItem& option, const QModelIndex& index);

    Grid* m_grid;
    mutable bool m_popupOnOpen = false;
};

} // namespace grid
