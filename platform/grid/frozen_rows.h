#pragma once

#include <QTableView>

namespace grid {

class GridTable;

// The top rows of a grid held in place: a second view over the same cells, laid over the top of
// the table's viewport, showing only those rows and following the table's columns, horizontal
// scroll, spans and row heights. The rows of the table scroll beneath it.
class FrozenRows : public QTableView {
    Q_OBJECT
public:
    FrozenRows(GridTable* table, int rows);

    void setRows(int rows);
    int rows() const { return m_rows; }
    // Places the view over the table's first rows and copies their spans and heights.
    void follow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    GridTable* m_table;
    int m_rows = 0;
};

} // namespace grid
