#pragma once

#include <QStyledItemDelegate>

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

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    const GridItem* cellAt(const QModelIndex& index) const;
    QWidget* createCombo(QWidget* parent, const QModelIndex& index) const;
    bool toggleCheck(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index);
    bool pressButton(QEvent* event, const QStyleOptionViewItem& option, const QModelIndex& index);

    Grid* m_grid;
    mutable bool m_popupOnOpen = false;
};

} // namespace grid
