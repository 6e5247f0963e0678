#pragma once

#include <QHash>
#include <QObject>
#include <QSet>

class QTableView;

namespace grid {

// Widens a view's columns for the texts that do not fit them as the view paints them (a number
// never shows cut): asked while painting, it widens once the paint is over. A column the user has
// sized by hand keeps that size; its texts shrink to fit instead.
class ColumnFitter : public QObject {
    Q_OBJECT
public:
    explicit ColumnFitter(QTableView* view);

    // The column (0-based) needs `pixels` of width; false when it keeps its width (sized by hand).
    bool widen(int column, int pixels);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();

    QTableView* m_view;
    QHash<int, int> m_pending;
    QSet<int> m_sizedByHand;
    bool m_dragging = false;
    bool m_applying = false;
};

} // namespace grid
