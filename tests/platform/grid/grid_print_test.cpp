#include "platform/clock/clock.h"
#include "platform/grid/abort_box.h"
#include "platform/grid/grid.h"
#include "platform/grid/grid_preview.h"
#include "platform/grid/grid_printer.h"
#include "platform/grid/grid_stack.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QWheelEvent>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using grid::Grid;
using grid::PrintResult;

namespace {

const QString kFooterDate = QString::fromUtf8("05/julio/2021 14:03:22 página");

// A 200-row grid of products, printed to PDF files with the clock fixed at 5 July 2021 14:03:22.
class GridPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        appclock::setNow(QDateTime(QDate(2021, 7, 5), QTime(14, 3, 22)));
        ASSERT_TRUE(dir.isValid());
        g.setColumnCount(3);
        g.setRowCount(200);
        g.setText(0, 1, QStringLiteral("Clave"));
        g.setText(0, 2, QStringLiteral("Nombre"));
        g.setText(0, 3, QStringLiteral("Precio"));
        g.setColumnFormat(1, grid::CellFormat::integer());
        g.setColumnFormat(3, grid::CellFormat::currency());
        g.setColumnWidth(2, 24);
        for (int r = 1; r <= 200; ++r) {
            g.setValue(r, 1, r);
            g.setText(r, 2, QStringLiteral("P-%1").arg(r, 3, 10, QLatin1Char('0')));
            g.setValue(r, 3, r * 1.5);
        }
    }
    void TearDown() override { appclock::reset(); }

    // The settings as the filter dialog applies them before every print and preview.
    void applyDialogSettings(grid::Orientation orientation = grid::Orientation::Portrait)
    {
        grid::PrintSettings settings = grid::standardPrintSettings();
        settings.setMargins(100);
        settings.orientation = orientation;
        g.setPrintSettings(settings);
    }

    QString pdfPath(const QString& name) const { return dir.filePath(name); }

    std::unique_ptr<QPrinter> pdfPrinter(const QString& name) const
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageSize(QPageSize(QPageSize::Letter));
        printer->setOutputFileName(pdfPath(name));
        return printer;
    }

    static QString runTool(const QString& tool, const QStringList& arguments)
    {
        QProcess process;
        process.start(tool, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return QString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // The text of each page, as pdftotext reads it.
    QStringList pages(const QString& name) const
    {
        const QString text = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfPath(name),
                                                                    QStringLiteral("-")});
        QStringList out = text.split(QLatin1Char('\f'));
        if (!out.isEmpty() && out.last().trimmed().isEmpty())
            out.removeLast();
        return out;
    }

    QTemporaryDir dir;
    Grid g;
};

TEST_F(GridPrint, EveryPageCarriesTitleColumnHeadersAndFooter)
{
    // Printing twice, and previewing in between, must not add a second title line.
    applyDialogSettings();
    auto first = pdfPrinter(QStringLiteral("first.pdf"));
    ASSERT_EQ(grid::GridPrinter(g).print(*first), PrintResult::Printed);
    grid::GridPreview preview;
    applyDialogSettings();
    preview.attach(&g);
    applyDialogSettings();
    auto printer = pdfPrinter(QStringLiteral("grid.pdf"));
    grid::GridPrinter gridPrinter(g);
    ASSERT_EQ(gridPrinter.print(*printer), PrintResult::Printed);

    const QStringList text = pages(QStringLiteral("grid.pdf"));
    ASSERT_FALSE(text.isEmpty()) << "pdftotext (poppler-utils) read nothing";
    const int count = int(text.size());
    EXPECT_GT(count, 1);
    EXPECT_EQ(count, gridPrinter.pageCount());
    for (int p = 0; p < count; ++p) {
        const QString& page = text.at(p);
        EXPECT_EQ(page.count(QStringLiteral("ZORVA VEREDUDA")), 1) << "page " << p + 1;
        EXPECT_TRUE(page.contains(kFooterDate + QStringLiteral(" %1 de %2").arg(p + 1).arg(count)))
            << "page " << p + 1 << ":\n" << page.toStdString();
        EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("Clave\\s+Nombre\\s+Precio"))))
            << "page " << p + 1;
    }
    // Every row once, in order.
    const QString all = text.join(QString());
    int at = 0;
    for (int r = 1; r <= 200; ++r) {
        const QString name = QStringLiteral("P-%1").arg(r, 3, 10, QLatin1Char('0'));
        EXPECT_EQ(all.count(name), 1) << name.toStdString();
        const int found = int(all.indexOf(name, at));
        EXPECT_GT(found, at - 1) << name.toStdString();
        at = qMax(at, found);
    }
    EXPECT_TRUE(all.contains(QStringLiteral("$300.00")));
}

TEST_F(GridPrint, HiddenRowsAndColumnsAreNotPrinted)
{
    applyDialogSettings();
    g.setRowCount(3);
    g.setRowHidden(2, true);
    g.setColumnHidden(3, true);
    auto printer = pdfPrinter(QStringLiteral("hidden.pdf"));
    ASSERT_EQ(grid::GridPrinter(g).print(*printer), PrintResult::Printed);
    const QString page = pages(QStringLiteral("hidden.pdf")).join(QString());
    EXPECT_TRUE(page.contains(QStringLiteral("P-001")));
    EXPECT_FALSE(page.contains(QStringLiteral("P-002")));
    EXPECT_FALSE(page.contains(QStringLiteral("Precio")));
    EXPECT_TRUE(page.contains(kFooterDate + QStringLiteral(" 1 de 1")));
}

TEST_F(GridPrint, AnEmptyGridPrintsOnePage)
{
    applyDialogSettings();
    g.setRowCount(0);
    auto printer = pdfPrinter(QStringLiteral("empty.pdf"));
    ASSERT_EQ(grid::GridPrinter(g).print(*printer), PrintResult::Printed);
    const QStringList text = pages(QStringLiteral("empty.pdf"));
    ASSERT_EQ(text.size(), 1);
    EXPECT_TRUE(text.first().contains(kFooterDate + QStringLiteral(" 1 de 1")));
    EXPECT_TRUE(text.first().contains(QStringLiteral("Clave")));
}

TEST_F(GridPrint, HorizontalIsLandscapeAndMarginsAreTwips)
{
    grid::PrintSettings settings = grid::standardPrintSettings();
    settings.orientation = grid::Orientation::Landscape;
    settings.marginLeft = 1440;
    settings.marginTop = 720;
    g.setPrintSettings(settings);
    auto printer = pdfPrinter(QStringLiteral("landscape.pdf"));
    ASSERT_EQ(grid::GridPrinter(g).print(*printer), PrintResult::Printed);
    const QMarginsF margins = printer->pageLayout().margins(QPageLayout::Point);
    EXPECT_DOUBLE_EQ(margins.left(), 72.0);
    EXPECT_DOUBLE_EQ(margins.top(), 36.0);
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdfPath(QStringLiteral("landscape.pdf"))});
    EXPECT_TRUE(info.contains(QStringLiteral("792 x 612 pts"))) << info.toStdString();
}

TEST_F(GridPrint, CancelInTheAbortBoxStopsThePrint)
{
    applyDialogSettings();
    auto printer = pdfPrinter(QStringLiteral("cancelled.pdf"));
    grid::GridPrinter gridPrinter(g);
    QString shownText;
    int lastPage = 0;
    QObject::connect(&gridPrinter, &grid::GridPrinter::pagePrinted, [&](int page, int) {
        lastPage = page;
        grid::AbortBox* box = gridPrinter.abortBox();
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(box->isVisible());
        shownText = box->findChild<QLabel*>()->text();
        if (page == 2)
            QTest::mouseClick(box->cancelButton(), Qt::LeftButton);
    });
    EXPECT_EQ(gridPrinter.print(*printer), PrintResult::Cancelled);
    EXPECT_EQ(shownText, QStringLiteral("Imprimiendo - Presionar Cancel para salir"));
    EXPECT_EQ(lastPage, 2);
    EXPECT_GT(gridPrinter.pageCount(), 2);
    EXPECT_FALSE(QFile::exists(pdfPath(QStringLiteral("cancelled.pdf"))));
    EXPECT_EQ(gridPrinter.abortBox(), nullptr);
}

TEST_F(GridPrint, PreviewStandsInThePlaceOfTheGrid)
{
    grid::GridStack stack;
    Grid* shown = stack.grid();
    shown->setColumnCount(1);
    shown->setRowCount(150);
    for (int r = 1; r <= 150; ++r)
        shown->setValue(r, 1, r);
    shown->setPrintSettings(grid::standardPrintSettings());
    stack.show();
    // No printer is made (and no print system asked) until the preview is wanted.
    EXPECT_EQ(stack.preview()->view(), nullptr);
    EXPECT_TRUE(stack.togglePreview());
    EXPECT_EQ(stack.currentWidget(), stack.preview());
    EXPECT_GT(stack.preview()->pageCount(), 1);
    EXPECT_FALSE(stack.togglePreview());
    EXPECT_EQ(stack.currentWidget(), shown);
}

TEST_F(GridPrint, ThePreviewFitsTheWidthAndZoomsWithCtrlAndTheWheelOrPlusAndMinus)
{
    grid::GridStack stack;
    stack.grid()->setColumnCount(1);
    stack.grid()->setRowCount(3);
    stack.grid()->setPrintSettings(grid::standardPrintSettings());
    stack.resize(700, 500);
    stack.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&stack));
    stack.togglePreview();
    QPrintPreviewWidget* view = stack.preview()->view();
    EXPECT_EQ(view->zoomMode(), QPrintPreviewWidget::FitToWidth);
    QWidget* pages = nullptr;
    for (QAbstractScrollArea* area : view->findChildren<QAbstractScrollArea*>())
        pages = area->viewport();
    ASSERT_NE(pages, nullptr);

    const qreal fitted = view->zoomFactor();
    const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
        const QPointF at(50, 50);
        QWheelEvent event(at, pages->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(pages, &event);
    };
    wheel(120, Qt::ControlModifier);
    const qreal larger = view->zoomFactor();
    EXPECT_GT(larger, fitted);
    wheel(-120, Qt::NoModifier);  // a plain wheel scrolls
    EXPECT_EQ(view->zoomFactor(), larger);
    wheel(-120, Qt::ControlModifier);
    EXPECT_LT(view->zoomFactor(), larger);

    pages->setFocus();
    const qreal before = view->zoomFactor();
    QTest::keyClick(pages, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_GT(view->zoomFactor(), before);
    QTest::keyClick(pages, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(pages, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_LT(view->zoomFactor(), before);
}

TEST(PrintSettings, StandardTextsAndHeaders)
{
    EXPECT_EQ(grid::standardFooter(QDateTime(QDate(2021, 7, 5), QTime(14, 3, 22))),
              QString::fromUtf8("/r05//julio//2021 14:03:22 página /p de /pc"));
    EXPECT_EQ(grid::companyLineHeader(), "/c/fb1ZORVA VEREDUDA/fb0");
    EXPECT_EQ(grid::companyLineHeader(QStringLiteral("/lDiseño")), QString::fromUtf8("/lDiseño/c/fb1ZORVA VEREDUDA/fb0"));
    EXPECT_EQ(grid::titledHeader(QStringLiteral("Ventas")),
              "/c/fb1ZORVA VEREDUDA/fb0/n/n/c/fz\"18\"/fb1Ventas/fb0/n");
    appclock::setNow(QDateTime(QDate(2022, 12, 31), QTime(23, 59, 1)));
    const grid::PrintSettings settings = grid::standardPrintSettings(QStringLiteral("X"));
    appclock::reset();
    EXPECT_EQ(settings.abortText, "Imprimiendo - Presionar Cancel para salir");
    EXPECT_EQ(settings.header, "X/c/fb1ZORVA VEREDUDA/fb0");
    EXPECT_TRUE(settings.footer.startsWith(QStringLiteral("/r31//diciembre//2022 23:59:01")));
}

} // namespace
