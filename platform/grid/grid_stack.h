#pragma once

#include <QStackedWidget>

namespace grid {

class Grid;
class GridPreview;

// A grid and its preview in one place: the preview stands in the grid's place while shown.
class GridStack : public QStackedWidget {
    Q_OBJECT
public:
    explicit GridStack(QWidget* parent = nullptr);

    Grid* grid() const { return m_grid; }
    GridPreview* preview() const { return m_preview; }

    // Shows the preview of the grid's print-out (composed now) in the grid's place, or, when the
    // preview is showing, the grid again. Returns whether the preview is showing.
    bool togglePreview();
    void showGrid();
    bool isPreviewShown() const;

private:
    Grid* m_grid;
    GridPreview* m_preview;
};

} // namespace grid
