#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

class QKeySequence;
class QPrinter;
class QPrintPreviewWidget;

namespace grid {

class Grid;

// The print preview of a grid: its pages as they would print with the settings the grid holds
// when the preview is refreshed, fitted to the width at first and zoomed with Ctrl and the wheel,
// Ctrl++ and Ctrl+-.
class GridPreview : public QWidget {
    Q_OBJECT
public:
    explicit GridPreview(QWidget* parent = nullptr);
    ~GridPreview() override;

    // Shows the grid's print-out, composed now from its rows and print settings.
    void attach(Grid* grid);
    Grid* grid() const { return m_grid; }
    // Composes the pages again (after the grid or its settings changed).
    void refresh();
    int pageCount() const;
    // Null until the preview is first shown.
    QPrintPreviewWidget* view() const { return m_view; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ensureView();
    void paintPages(QPrinter* printer);
    void addZoomShortcut(const QKeySequence& keys, void (GridPreview::*zoom)());
    void zoomIn();
    void zoomOut();

    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget* m_view = nullptr;
    QPointer<Grid> m_grid;
};

} // namespace grid
