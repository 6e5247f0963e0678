// Texts wider than their cells, on the screen and on paper: a text runs over its empty
// neighbours, a number is never cut; nothing ends in "..." or is clipped.
#include "platform/grid/grid.h"
#include "platform/grid/page_composer.h"
#include "platform/grid/text_runs.h"
#include "tests/support/text_recorder.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <utility>
#include <vector>
#include <gtest/gtest.h>

using grid::CellFormat;
using grid::Grid;

namespace {

const QString kTitulo = QStringLiteral("INFORME DE VENTAS DEL PERIODO");
const QString kPeriodo = QStringLiteral("01/03/2024 - 02/03/2024");
const QString kCentrado = QStringLiteral("CENTRADO Y LARGO");
const QString kEtiqueta = QStringLiteral("VENTAS BRUTAS DEL DIA");
const QString kMonto = QStringLiteral("$18,075,712.50");

// A cell-built design: no headers, every column of the same width in characters.
void disena(Grid& g, int columnas, int renglones, double ancho)
{
    g.setColumnCount(columnas);
    g.setRowCount(renglones);
    g.setColumnHeaderVisible(false);
    g.setRowHeaderVisible(false);
    for (int c = 1; c <= columnas; ++c)
        g.setColumnWidth(c, ancho);
}

// Five narrow columns: a bold title over empty cells, a right-aligned period, a centred text, and a
// label beside an amount, neither of which has room.
void llena(Grid& g)
{
    disena(g, 5, 4, 6);
    g.setText(1, 2, kTitulo);
    g.setCellBold(1, 2, true);
    g.setText(2, 4, kPeriodo);
    g.setCellAlignment(2, 4, Qt::AlignRight);
    g.setText(3, 3, kCentrado);
    g.setCellAlignment(3, 3, Qt::AlignHCenter);
    g.setText(4, 1, kEtiqueta);
    g.setCellFormat(4, 2, CellFormat::currency());
    g.setValue(4, 2, 18075712.5);
}

// The pages of a print-out as they land on paper: a letter page at 300 dpi, each page's texts.
QList<TextRecorder*> imprime(const Grid& g, grid::PageComposer& composer, std::vector<std::unique_ptr<TextRecorder>>& guardadas)
{
    QList<TextRecorder*> paginas;
    const QSize carta(8 * 300, 10 * 300);
    auto primera = std::make_unique<TextRecorder>(carta, 300);
    composer.layout(*primera, carta);
    for (int p = 1; p <= composer.pageCount(); ++p) {
        auto pagina = std::make_unique<TextRecorder>(carta, 300);
        QPainter painter(pagina.get());
        composer.paintPage(painter, p);
        painter.end();
        paginas.append(pagina.get());
        guardadas.push_back(std::move(pagina));
    }
    return paginas;
}

struct Caso {
    const char* nombre;
    QList<grid::RunCell> celdas;
    QList<QPair<int, int>> tramos;  // first and last cell of each cell's run
    QList<bool> caben;
};

grid::RunCell vacia(double ancho = 10)
{
    return grid::RunCell{ancho, 0, Qt::AlignLeft, true, false};
}

grid::RunCell texto(double necesita, Qt::Alignment alineacion = Qt::AlignLeft, bool sale = true)
{
    return grid::RunCell{10, necesita, alineacion, false, sale};
}

TEST(TextRuns, ATextTakesTheEmptyCellsItNeedsOnTheSideItIsAlignedTo)
{
    const QList<Caso> casos{
        {"fits its cell", {texto(8), vacia()}, {{0, 0}, {1, 1}}, {true, true}},
        {"left runs right as far as it needs", {texto(25), vacia(), vacia(), vacia()}, {{0, 2}, {1, 1}, {2, 2}, {3, 3}},
         {true, true, true, true}},
        {"right runs left", {vacia(), vacia(), texto(25, Qt::AlignRight)}, {{0, 0}, {1, 1}, {0, 2}}, {true, true, true}},
        {"centred grows to both sides", {vacia(), texto(28, Qt::AlignHCenter), vacia(), vacia()},
         {{0, 0}, {0, 2}, {2, 2}, {3, 3}}, {true, true, true, true}},
        {"a full neighbour stops it", {texto(25), texto(5)}, {{0, 0}, {1, 1}}, {false, true}},
        {"a number stays", {vacia(), texto(25, Qt::AlignRight, false)}, {{0, 0}, {1, 1}}, {true, false}},
        {"a cell run over is taken", {texto(15), vacia(), texto(15, Qt::AlignRight)}, {{0, 1}, {1, 1}, {2, 2}},
         {true, true, false}},
        {"the row's end stops it", {vacia(), texto(25)}, {{0, 0}, {1, 1}}, {true, false}},
    };
    for (const Caso& caso : casos) {
        const QList<grid::TextRun> tramos = grid::layTextRuns(caso.celdas);
        ASSERT_EQ(tramos.size(), caso.celdas.size()) << caso.nombre;
        for (int i = 0; i < tramos.size(); ++i) {
            EXPECT_EQ(tramos.at(i).first, caso.tramos.at(i).first) << caso.nombre << " cell " << i;
            EXPECT_EQ(tramos.at(i).last, caso.tramos.at(i).second) << caso.nombre << " cell " << i;
            EXPECT_EQ(tramos.at(i).fits, caso.caben.at(i)) << caso.nombre << " cell " << i;
        }
    }
}

TEST(TextRuns, NumbersDatesAndNumberTextsStayInTheirCells)
{
    EXPECT_TRUE(grid::staysInCell(grid::CellType::Currency, QStringLiteral("$1.00")));
    EXPECT_TRUE(grid::staysInCell(grid::CellType::Date, QStringLiteral("01/03/2024")));
    for (const char* numero : {"1971000.00", " 12", "-3.5", "$1,004,628.00", "12.5%"})
        EXPECT_TRUE(grid::staysInCell(grid::CellType::Text, QString::fromLatin1(numero))) << numero;
    for (const char* texto : {"INFORME", "01/03/2024 - 02/03/2024", "_____________________", "1X2"})
        EXPECT_FALSE(grid::staysInCell(grid::CellType::Text, QString::fromLatin1(texto))) << texto;
}

TEST(GridTexts, OnScreenNothingIsCutToDots)
{
    QWidget ventana;
    auto* g = new Grid(&ventana);
    llena(*g);
    ventana.resize(600, 300);
    g->resize(600, 300);
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));

    // The cells as the table's viewport paints them, in its own coordinates.
    QWidget* celdas = g->table()->viewport();
    TextRecorder pantalla(celdas->size(), g->logicalDpiX());
    celdas->render(&pantalla);
    for (const QString& texto : {kTitulo, kPeriodo, kCentrado, kEtiqueta, kMonto})
        EXPECT_EQ(pantalla.find(texto).size(), 1) << texto.toStdString();
    EXPECT_TRUE(pantalla.faults().isEmpty()) << pantalla.faults().join(QLatin1Char('\n')).toStdString();
    // The title lies over the empty cells to its right; the period over those to its left.
    const QTableWidget* tabla = g->table();
    ASSERT_EQ(pantalla.find(kTitulo).size(), 1);
    EXPECT_GT(pantalla.find(kTitulo).first().bounds.right(), tabla->columnViewportPosition(3));
    EXPECT_LT(pantalla.find(kPeriodo).first().bounds.left(), tabla->columnViewportPosition(2));

    // The amount lacked room: its column widens once the paint is over, and it shows at full size.
    const int ancho = tabla->columnWidth(1);
    QApplication::processEvents();
    EXPECT_GT(tabla->columnWidth(1), ancho);
    pantalla.clear();
    celdas->render(&pantalla);
    ASSERT_EQ(pantalla.find(kMonto).size(), 1);
    EXPECT_NEAR(pantalla.find(kMonto).first().pointSize, g->font().pointSizeF(), 0.01);
    EXPECT_TRUE(pantalla.faults().isEmpty()) << pantalla.faults().join(QLatin1Char('\n')).toStdString();

    // The rows held at the top show the same.
    g->setFrozenRows(1);
    QApplication::processEvents();
    ASSERT_NE(g->frozenView(), nullptr);
    TextRecorder fijas(g->frozenView()->viewport()->size(), g->logicalDpiX());
    g->frozenView()->viewport()->render(&fijas);
    EXPECT_EQ(fijas.find(kTitulo).size(), 1);
    EXPECT_TRUE(fijas.faults().isEmpty()) << fijas.faults().join(QLatin1Char('\n')).toStdString();
}

TEST(GridTexts, AColumnSizedByHandKeepsItsWidthAndItsNumbersShrink)
{
    QWidget ventana;
    auto* g = new Grid(&ventana);
    llena(*g);
    g->setColumnHeaderVisible(true);
    ventana.resize(600, 300);
    g->resize(600, 300);
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    QHeaderView* encabezado = g->table()->horizontalHeader();
    const int borde = encabezado->sectionViewportPosition(1) + encabezado->sectionSize(1) - 1;
    QTest::mousePress(encabezado->viewport(), Qt::LeftButton, {}, QPoint(borde, 5));
    encabezado->resizeSection(1, 40);
    QTest::mouseRelease(encabezado->viewport(), Qt::LeftButton, {}, QPoint(borde - 20, 5));
    QApplication::processEvents();
    TextRecorder pantalla(g->table()->viewport()->size(), g->logicalDpiX());
    g->table()->viewport()->render(&pantalla);
    QApplication::processEvents();
    EXPECT_EQ(g->table()->columnWidth(1), 40);
    ASSERT_EQ(pantalla.find(kMonto).size(), 1);
    EXPECT_LT(pantalla.find(kMonto).first().pointSize, g->font().pointSizeF());
    EXPECT_TRUE(pantalla.faults().isEmpty()) << pantalla.faults().join(QLatin1Char('\n')).toStdString();
}

TEST(GridTexts, OnPaperNothingIsCutAndNumbersWidenTheirColumns)
{
    Grid g;
    llena(g);
    grid::PrintSettings ajustes;
    ajustes.header = grid::titledHeader(QStringLiteral("UN TITULO"));
    grid::PageComposer composer(g, ajustes);
    std::vector<std::unique_ptr<TextRecorder>> guardadas;
    const QList<TextRecorder*> paginas = imprime(g, composer, guardadas);
    ASSERT_EQ(paginas.size(), 1);
    const TextRecorder& pagina = *paginas.first();
    for (const QString& texto : {kTitulo, kPeriodo, kCentrado, kEtiqueta, kMonto})
        EXPECT_EQ(pagina.find(texto).size(), 1) << texto.toStdString();
    EXPECT_TRUE(pagina.faults().isEmpty()) << pagina.faults().join(QLatin1Char('\n')).toStdString();
    // The amount prints at the body's size: its column widened instead.
    ASSERT_EQ(pagina.find(kMonto).size(), 1);
    EXPECT_NEAR(pagina.find(kMonto).first().pointSize, g.table()->font().pointSizeF(), 0.01);
}

// A design of 20 columns of which 7 hold anything, and a cross-tab too wide for a page.
TEST(GridTexts, OnPaperOnlyTheColumnsInUsePrintAtAReadableSizeAcrossPagesIfTheyMust)
{
    Grid g;
    disena(g, 20, 3, 12);
    for (int c = 1; c <= 7; ++c)
        g.setText(2, c, QStringLiteral("C%1").arg(c));
    g.setRangeBackground(grid::CellRange{3, 1, 3, 20}, Qt::gray);
    grid::PageComposer angosta(g, grid::PrintSettings());
    std::vector<std::unique_ptr<TextRecorder>> guardadas;
    ASSERT_EQ(imprime(g, angosta, guardadas).size(), 1);
    EXPECT_EQ(angosta.printedColumns(), QList<int>({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(angosta.scale(), 1.0);

    // Twenty columns in use: at 8 points they still do not fit one page.
    g.setRowCount(120);
    for (int r = 1; r <= 120; ++r) {
        g.setText(r, 1, QStringLiteral("RENGLON %1").arg(r));
        for (int c = 2; c <= 20; ++c) {
            g.setCellFormat(r, c, CellFormat::currency());
            g.setValue(r, c, 1000000.0 * c + r);
        }
    }
    grid::PageComposer ancha(g, grid::PrintSettings());
    const QList<TextRecorder*> paginas = imprime(g, ancha, guardadas);
    ASSERT_GT(ancha.bandCount(), 1);
    EXPECT_EQ(paginas.size() % ancha.bandCount(), 0);
    EXPECT_GT(paginas.size(), ancha.bandCount());
    QHash<QString, int> vistos;
    for (int p = 0; p < paginas.size(); ++p) {
        const TextRecorder& pagina = *paginas.at(p);
        EXPECT_TRUE(pagina.faults().isEmpty()) << "page " << p + 1 << ": "
                                               << pagina.faults().join(QLatin1Char('\n')).toStdString();
        for (const TextRecorder::Text& t : pagina.texts()) {
            EXPECT_GE(t.pointSize, grid::PageComposer::kLeastPointSize - 0.01) << t.text.toStdString();
            ++vistos[t.text];
        }
    }
    // Every amount once; the row names head every band of their rows.
    for (int r = 1; r <= 120; ++r) {
        EXPECT_EQ(vistos.value(QStringLiteral("RENGLON %1").arg(r)), ancha.bandCount()) << r;
        for (int c = 2; c <= 20; ++c)
            EXPECT_EQ(vistos.value(g.text(r, c)), 1) << g.text(r, c).toStdString();
    }
}

// Two grids filled alike: the widths of the one that fits its columns, and of the one the view
// measures, column by column.
std::vector<std::pair<int, int>> anchosAjustadoYMedido(const std::function<void(Grid&)>& llena)
{
    Grid ajustado;
    llena(ajustado);
    ajustado.fitColumnWidths();
    Grid medido;
    llena(medido);
    medido.table()->resizeColumnsToContents();
    std::vector<std::pair<int, int>> anchos;
    for (int c = 0; c < ajustado.columnCount(); ++c)
        anchos.emplace_back(ajustado.table()->columnWidth(c), medido.table()->columnWidth(c));
    return anchos;
}

} // namespace

// Every kind of cell text: a column fitted to its contents is as wide as the view's own measure
// of them makes it.
TEST(GridTexts, FittedColumnsAreAsWideAsTheViewMeasuresThem)
{
    const auto llenaTextos = [](Grid& g) {
        g.setColumnCount(7);
        g.setRowCount(5);
        const QList<QStringList> columnas{
            {QStringLiteral("HAMBURGUESA DOBLE"), QStringLiteral("CAFÉ"), QStringLiteral("OSTRES D'ANTAÑO Y CAFÉ"), QString(),
             QStringLiteral("x")},
            {QStringLiteral("con blancos al final      "), QStringLiteral("   y al principio"), QStringLiteral("a"),
             QStringLiteral("b"), QStringLiteral("c")},
            {QStringLiteral("dos\nrenglones muy largos"), QStringLiteral("uno"), QString(), QString(), QString()},
            {QStringLiteral("ÑÑÑÑ ✓ €"), QStringLiteral("اختبار"), QStringLiteral("漢字テスト"), QStringLiteral("🍔🍟"),
             QStringLiteral("iiiiiii")},
            // The most characters are not always the widest; kerned pairs; a tab.
            {QStringLiteral("iiiiiiiiiiiiiiiiiiii"), QStringLiteral("WWWWWWW"), QStringLiteral("AVAVAVAVTeToTaWAWA"),
             QStringLiteral("tab\tulador"), QStringLiteral("x")},
        };
        for (int c = 1; c <= columnas.size(); ++c)
            for (int r = 1; r <= 5; ++r)
                g.setText(r, c, columnas.at(c - 1).at(r - 1));
        // Numbers as their formats show them, a bold cell, and check boxes.
        g.setColumnFormat(6, CellFormat::currency());
        for (int r = 1; r <= 5; ++r)
            g.setValue(r, 6, 1004.5 * r * r * r * r);
        g.setCellBold(5, 6, true);
        g.setColumnFormat(7, CellFormat::checkBox());
        g.setValue(1, 7, 1);
    };
    const auto compara = [](const std::function<void(Grid&)>& llena, const char* caso) {
        const std::vector<std::pair<int, int>> anchos = anchosAjustadoYMedido(llena);
        for (std::size_t c = 0; c < anchos.size(); ++c)
            EXPECT_EQ(anchos[c].first, anchos[c].second) << caso << " column " << c + 1;
    };
    compara(llenaTextos, "typed");

    // Rows loaded from a query, measured before any of their cells has been shown.
    const auto carga = [](Grid& g) {
        g.setColumnCount(4);
        g.setColumnFormat(2, CellFormat::currency());
        g.setColumnFormat(3, CellFormat::checkBox(QStringLiteral("Activo")));
        g.setColumnFormat(4, CellFormat::integer());
        g.loadRowsOnDemand(
            4,
            [](int row, int column) -> QVariant {
                switch (column) {
                case 1: return QStringList{QStringLiteral("AGUA"), QStringLiteral("OSTRES D'ANTAÑO Y CAFÉ"), QString(),
                                           QStringLiteral("dos\nrenglones")}.at(row - 1);
                case 2: return row == 3 ? QVariant() : QVariant(1004612.5 / row);
                case 3: return row % 2;
                default: return qlonglong(row) * 1000003;
                }
            },
            true);
    };
    compara(carga, "loaded");

    // Loaded numbers, one measured for many of one shape: the roundings that carry a figure or drop
    // the sign, halves, and a widest figure that is not the first of its shape.
    const QList<double> numeros{12.5,    10.01,    -0.001, -0.004, 99.999,  9.995,  0.125, -12.5,
                                1000000, 999999.995, 88.88, 11.11,  -88.885, 2.5,    -0.5,  7};
    const auto cargaNumeros = [&numeros](Grid& g) {
        g.setColumnCount(5);
        g.setColumnFormat(1, CellFormat::number(2));
        g.setColumnFormat(2, CellFormat::currency());
        g.setColumnFormat(3, CellFormat::integer());
        g.setColumnFormat(4, CellFormat::percent(1));
        CellFormat agrupado = CellFormat::number(3);
        agrupado.thousandsSeparator = true;
        g.setColumnFormat(5, agrupado);
        g.loadRowsOnDemand(int(numeros.size()), [&numeros](int row, int) { return QVariant(numeros.at(row - 1)); });
    };
    compara(cargaNumeros, "loaded numbers");
}

// A column of many texts of about one width is fitted without laying each one out: never narrower
// than the view's measure, and at most a few pixels wider.
TEST(GridTexts, AColumnOfManyLikeTextsIsFittedToTheirWidestOrALittleMore)
{
    const auto llena = [](Grid& g) {
        g.setColumnCount(1);
        g.setRowCount(60);
        for (int r = 1; r <= 60; ++r)
            g.setText(r, 1, QStringLiteral("PRODUCTO %1").arg(r));
        g.setText(37, 1, QStringLiteral("PRODUCTO WAVE"));
    };
    const auto [ajustado, medida] = anchosAjustadoYMedido(llena).at(0);
    EXPECT_GE(ajustado, medida);
    EXPECT_LE(ajustado, medida * 1.02 + 3);
}
