// Frozen rows, blocks made bold or bordered, cell backgrounds and row heights: on screen and on paper.
#include "platform/grid/grid.h"
#include "platform/grid/grid_printer.h"
#include "platform/grid/page_composer.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor kBanda(192, 192, 192);

// The first page of the grid's print-out, painted on an image without header or footer.
QImage pagina(const grid::Grid& g)
{
    QImage imagen(800, 1000, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    grid::PrintSettings s;
    s.printBorder = false;
    grid::PageComposer composer(g, s);
    composer.layout(imagen, imagen.size());
    QPainter painter(&imagen);
    composer.paintPage(painter, 1);
    return imagen;
}

int cuenta(const QImage& imagen, const QColor& color, int* primeraFila = nullptr)
{
    int n = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            if (imagen.pixelColor(x, y) == color) {
                if (n++ == 0 && primeraFila)
                    *primeraFila = y;
            }
    return n;
}

TEST(GridBlocks, ABlockTakesBoldAndItsOuterEdgesOnly)
{
    grid::Grid g;
    g.setColumnCount(4);
    g.setRowCount(5);
    g.setRangeBold(grid::CellRange{2, 2, 3, 3}, true);
    g.setRangeBorder(grid::CellRange{2, 2, 3, 3}, Qt::TopEdge | Qt::BottomEdge | Qt::LeftEdge | Qt::RightEdge);
    EXPECT_TRUE(g.cellFont(2, 2).bold() && g.cellFont(3, 3).bold());
    EXPECT_FALSE(g.cellFont(1, 2).bold() || g.cellFont(2, 4).bold());
    EXPECT_EQ(g.cellBorder(2, 2).edges, Qt::TopEdge | Qt::LeftEdge);
    EXPECT_EQ(g.cellBorder(2, 3).edges, Qt::TopEdge | Qt::RightEdge);
    EXPECT_EQ(g.cellBorder(3, 2).edges, Qt::BottomEdge | Qt::LeftEdge);
    EXPECT_EQ(g.cellBorder(3, 3).edges, Qt::BottomEdge | Qt::RightEdge);
    EXPECT_FALSE(g.cellBorder(1, 2).edges);
    // A block reaching past the grid touches only its cells; a line already there stays.
    g.setCellBorder(5, 1, Qt::TopEdge);
    g.setRangeBorder(grid::CellRange{4, 1, 9, 1}, Qt::BottomEdge);
    EXPECT_EQ(g.cellBorder(5, 1).edges, Qt::TopEdge);
    g.setRangeBorder(grid::CellRange{5, 1, 5, 1}, Qt::BottomEdge);
    EXPECT_EQ(g.cellBorder(5, 1).edges, Qt::TopEdge | Qt::BottomEdge);
}

TEST(GridBlocks, ABorderAndAGreyBandPrint)
{
    grid::Grid g;
    g.setColumnCount(3);
    g.setRowCount(6);
    const int sinNada = cuenta(pagina(g), Qt::black);
    g.setRangeBorder(grid::CellRange{2, 1, 3, 2}, Qt::TopEdge | Qt::BottomEdge | Qt::LeftEdge | Qt::RightEdge);
    const QImage conBorde = pagina(g);
    EXPECT_GT(cuenta(conBorde, Qt::black), sinNada + 100);
    EXPECT_EQ(cuenta(conBorde, kBanda), 0);

    g.setRangeBackground(grid::CellRange{5, 1, 5, 3}, kBanda);
    EXPECT_EQ(g.cellBackground(5, 2), kBanda);
    EXPECT_FALSE(g.cellBackground(4, 2).isValid());
    EXPECT_EQ(g.table()->item(4, 1)->background().color(), kBanda);  // shown on screen
    int arriba = 0;
    EXPECT_GT(cuenta(pagina(g), kBanda, &arriba), 1000);

    // A taller first row pushes the band down on paper as on screen.
    g.setRowHeight(1, 40);
    EXPECT_NEAR(g.rowHeight(1), 40, 1);
    int abajo = 0;
    cuenta(pagina(g), kBanda, &abajo);
    EXPECT_GT(abajo, arriba + 20);
    g.setRowHeight(1, 0);
    EXPECT_EQ(g.table()->rowHeight(0), g.table()->verticalHeader()->defaultSectionSize());
}

TEST(GridBlocks, FrozenRowsStayInViewAfterScrollingToTheEnd)
{
    grid::Grid g;
    g.setColumnCount(3);
    g.setRowCount(60);
    for (int r = 1; r <= 60; ++r)
        g.setText(r, 1, QStringLiteral("Fila %1").arg(r));
    g.setSpan(1, 1, 1, 3);
    g.setFrozenRows(2);
    g.resize(400, 300);
    g.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
    QTableView* fijas = g.frozenView();
    ASSERT_NE(fijas, nullptr);

    g.table()->scrollToBottom();
    QApplication::processEvents();
    EXPECT_LT(g.table()->rowViewportPosition(0), 0);  // the table's own first row has scrolled away
    EXPECT_TRUE(fijas->isVisible());
    EXPECT_EQ(fijas->rowViewportPosition(0), 0);
    EXPECT_FALSE(fijas->isRowHidden(0) || fijas->isRowHidden(1));
    EXPECT_TRUE(fijas->isRowHidden(2));
    EXPECT_EQ(fijas->columnSpan(0, 0), 3);
    EXPECT_EQ(fijas->height(), g.table()->rowHeight(0) + g.table()->rowHeight(1));
    // It lies over the top of the table's viewport.
    const QPoint arriba = fijas->mapTo(&g, QPoint(0, 0));
    EXPECT_EQ(arriba.y(), g.table()->viewport()->mapTo(&g, QPoint(0, 0)).y());
    EXPECT_EQ(fijas->model()->index(1, 0).data().toString(), QStringLiteral("Fila 2"));

    g.setFrozenRows(0);
    EXPECT_EQ(g.frozenView(), nullptr);
    EXPECT_FALSE(fijas->isVisible());
}

// The frozen rows' view follows the model's resets; freeing the grid resets the model as the table
// goes, and the view must not follow it into freed headers.
TEST(GridBlocks, AGridWithFrozenRowsIsFreedCleanly)
{
    QWidget window;
    auto* g = new grid::Grid(&window);
    g->setColumnCount(3);
    g->setRowCount(20);
    g->setText(1, 1, QStringLiteral("TITULO"));
    g->setSpan(1, 1, 1, 3);
    g->setFrozenRows(2);
    window.resize(400, 300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QPointer<QTableView> fijas(g->frozenView());
    ASSERT_FALSE(fijas.isNull());
    delete g;
    EXPECT_TRUE(fijas.isNull());
}

TEST(GridBlocks, FrozenRowsHeadEveryPrintedPage)
{
    QTemporaryDir dir;
    grid::Grid g;
    g.setColumnCount(2);
    g.setRowCount(150);
    g.setText(1, 1, QStringLiteral("ENCABEZADO FIJO"));
    for (int r = 2; r <= 150; ++r)
        g.setText(r, 1, QStringLiteral("Renglon %1").arg(r));
    g.setFrozenRows(1);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("fijas.pdf")));
    grid::GridPrinter impresora(g);
    ASSERT_EQ(impresora.print(printer), grid::PrintResult::Printed);
    ASSERT_GT(impresora.pageCount(), 1);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), printer.outputFileName(), QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    QStringList paginas = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    paginas.removeAll(QString());
    ASSERT_EQ(paginas.size(), impresora.pageCount()) << "pdftotext (poppler-utils) read nothing";
    for (const QString& p : paginas)
        EXPECT_EQ(p.count(QStringLiteral("ENCABEZADO FIJO")), 1);
    // Every other row once.
    EXPECT_EQ(paginas.join(QString()).count(QStringLiteral("Renglon 150")), 1);
    EXPECT_EQ(paginas.join(QString()).count(QStringLiteral("Renglon 2\n")) + paginas.join(QString()).count(QStringLiteral("Renglon 2 ")), 1);
}

} // namespace
