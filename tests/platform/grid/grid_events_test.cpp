#include "platform/grid/grid.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using grid::CellFormat;
using grid::Grid;

namespace {

// A shown 3 x 4 grid: column 1 a key (integer), 2 a name, 3 a button, 4 a check box.
class GridEvents : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.setColumnCount(4);
        g.setRowCount(3);
        g.setColumnFormat(1, CellFormat::integer(0, 99999999));
        g.setColumnFormat(3, CellFormat::button(QStringLiteral("...")));
        g.setColumnFormat(4, CellFormat::checkBox());
        g.resize(500, 300);
        g.show();
        QApplication::setActiveWindow(&g);
        g.setFocus();
    }

    QPoint centre(int row, int column) const
    {
        return g.table()->visualRect(g.table()->model()->index(row - 1, column - 1)).center();
    }
    void click(int row, int column)
    {
        QTest::mouseClick(g.table()->viewport(), Qt::LeftButton, {}, centre(row, column));
    }
    // Opens the cell's editor as a double click would.
    template <typename Editor>
    Editor* openEditor(int row, int column)
    {
        g.setActiveCell(row, column);
        g.table()->edit(g.table()->model()->index(row - 1, column - 1));
        return g.table()->viewport()->findChild<Editor*>();
    }
    // Enter, as the user presses it; the view commits once events are processed.
    static void commit(QWidget* editor)
    {
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
    }

    Grid g;
};

// Freed while the user types in a cell of the shown window: the editor goes with the grid and
// writes nothing into cells that are being freed (the sanitizer build reads freed memory otherwise).
TEST(GridTeardown, AGridFreedWithAnEditorOpenCommitsNothing)
{
    auto* g = new Grid;
    g->setColumnCount(2);
    g->setRowCount(2);
    g->setColumnFormat(1, CellFormat::integer());
    g->resize(300, 200);
    g->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(g));
    QApplication::setActiveWindow(g);
    g->setFocus();
    QSignalSpy finished(g, &Grid::editFinished);
    g->setActiveCell(1, 1);
    g->table()->edit(g->table()->model()->index(0, 0));
    auto* editor = g->table()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("12"));
    QPointer<QLineEdit> watched(editor);
    delete g;
    EXPECT_TRUE(watched.isNull());
    EXPECT_EQ(finished.count(), 0);
}

TEST_F(GridEvents, ClicksReportOneBasedCells)
{
    QSignalSpy clicks(&g, &Grid::clicked);
    QSignalSpy doubles(&g, &Grid::doubleClicked);
    click(2, 2);
    click(3, 2);
    QTest::mouseDClick(g.table()->viewport(), Qt::LeftButton, {}, centre(3, 2));
    ASSERT_GE(clicks.count(), 1);
    EXPECT_EQ(clicks.first(), QVariantList({2, 2}));
    ASSERT_EQ(doubles.count(), 1);
    EXPECT_EQ(doubles.first(), QVariantList({3, 2}));
}

TEST_F(GridEvents, TypingReportsEachChangeAndCommitsWhatTheTypeHolds)
{
    QSignalSpy edits(&g, &Grid::edited);
    auto* editor = openEditor<QLineEdit>(2, 1);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("4x5"));  // the letter is refused
    EXPECT_EQ(editor->text(), "45");
    EXPECT_EQ(edits.count(), 2);
    EXPECT_EQ(edits.last(), QVariantList({2, 1}));
    commit(editor);
    EXPECT_EQ(g.value(2, 1), QVariant(qlonglong(45)));
}

TEST_F(GridEvents, AnEntryOutsideTheRangeIsDropped)
{
    g.setText(1, 1, QStringLiteral("7"));
    auto* editor = openEditor<QLineEdit>(1, 1);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("123456789"));
    commit(editor);
    g.table()->setCurrentCell(2, 0);  // leaving the cell commits what the editor holds
    EXPECT_EQ(g.text(1, 1), "7");
}

// The end of an edit, once per edit and only for a changed text: Enter, a move to another cell, or
// Tab end it; Esc and an unchanged text do not. A refused entry is reported with what was typed,
// and the cell keeps what it had.
TEST_F(GridEvents, TheEndOfAChangingEditIsReportedOnceWithWhatWasTyped)
{
    struct Case {
        const char* typed;
        int end;  // Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, or 0 for a click on another cell
        QVariantList expected;  // empty: nothing reported
        const char* cell;
    };
    const Case cases[] = {
        {"45", Qt::Key_Return, {2, 1, QStringLiteral("45")}, "45"},
        {"46", 0, {2, 1, QStringLiteral("46")}, "46"},
        {"47", Qt::Key_Tab, {2, 1, QStringLiteral("47")}, "47"},
        {"48", Qt::Key_Escape, {}, "7"},
        {"7", Qt::Key_Return, {}, "7"},
        {"123456789", 0, {2, 1, QStringLiteral("123456789")}, "7"},  // Enter keeps a refused entry open
        {"", Qt::Key_Return, {2, 1, QString()}, ""},
    };
    for (const Case& c : cases) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the last case's editor
        g.setText(2, 1, QStringLiteral("7"));
        QSignalSpy ends(&g, &Grid::editFinished);
        auto* editor = openEditor<QLineEdit>(2, 1);
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, QString::fromLatin1(c.typed));
        if (c.end)
            QTest::keyClick(editor, Qt::Key(c.end));
        else
            click(3, 2);
        QApplication::processEvents();
        if (c.expected.isEmpty()) {
            EXPECT_EQ(ends.count(), 0) << c.typed;
        } else {
            ASSERT_EQ(ends.count(), 1) << c.typed;
            EXPECT_EQ(ends.first(), c.expected) << c.typed;
        }
        EXPECT_EQ(g.text(2, 1), QString::fromLatin1(c.cell)) << c.typed;
        g.setActiveCell(1, 2);
    }
}

// With the option on, Enter and Tab end an entry the type cannot take, as a click elsewhere does:
// it is reported with what was typed, and the cell keeps what it had.
TEST_F(GridEvents, WithTheOptionEnterAndTabEndAnEntryTheTypeCannotTake)
{
    g.setKeysEndIncompleteEntries(true);
    for (const int key : {Qt::Key_Return, Qt::Key_Tab}) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        g.setText(2, 1, QStringLiteral("7"));
        QSignalSpy ends(&g, &Grid::editFinished);
        auto* editor = openEditor<QLineEdit>(2, 1);
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("123456789"));
        QTest::keyClick(editor, Qt::Key(key));
        QApplication::processEvents();
        ASSERT_EQ(ends.count(), 1) << key;
        EXPECT_EQ(ends.first(), QVariantList({2, 1, QStringLiteral("123456789")})) << key;
        EXPECT_EQ(g.text(2, 1), "7");
        EXPECT_FALSE(editor->isVisible());
        g.setActiveCell(1, 2);
    }
}

// Cells written in quiet batches, nested or not, hold what was written; the views hear nothing of
// them until the outermost batch ends, and ordinary writes are heard again after it.
TEST_F(GridEvents, QuietBatchesHoldTheirWritesAndSilenceTheViewsUntilTheOuterEnds)
{
    QSignalSpy changes(g.table()->model(), &QAbstractItemModel::dataChanged);
    {
        grid::QuietCellWrites outer(g);
        g.setText(1, 2, QStringLiteral("uno"));
        {
            grid::QuietCellWrites inner(g);
            g.setValue(2, 1, 5);
        }
        g.setText(3, 2, QStringLiteral("tres"));
        EXPECT_EQ(changes.count(), 0);
    }
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(g.text(1, 2), "uno");
    EXPECT_EQ(g.value(2, 1), QVariant(qlonglong(5)));
    EXPECT_EQ(g.text(3, 2), "tres");
    g.setText(1, 2, QStringLiteral("dos"));
    EXPECT_GE(changes.count(), 1);
}

// A handler may rebuild the grid: the editor has closed by then.
TEST_F(GridEvents, AHandlerOfTheEndOfAnEditMayDropTheRows)
{
    QObject::connect(&g, &Grid::editFinished, &g, [this] { g.setRowCount(0); g.setRowCount(3); });
    QPointer<QLineEdit> editor = openEditor<QLineEdit>(2, 1);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("5"));
    commit(editor);
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.text(2, 1), "");
    EXPECT_TRUE(!editor || !editor->isVisible());
}

TEST_F(GridEvents, LockedCellsOfAProtectedGridRefuseEveryChange)
{
    g.setAllLocked(true);
    QSignalSpy buttons(&g, &Grid::buttonClicked);
    QSignalSpy edits(&g, &Grid::edited);
    EXPECT_EQ(openEditor<QLineEdit>(1, 2), nullptr);
    click(1, 3);
    g.setActiveCell(1, 4);
    QTest::keyClick(g.table(), Qt::Key_Space);
    EXPECT_EQ(buttons.count(), 0);
    EXPECT_EQ(edits.count(), 0);
    EXPECT_EQ(g.value(1, 4), QVariant());

    g.setProtected(false);
    click(1, 3);
    QTest::keyClick(g.table(), Qt::Key_Space);
    ASSERT_EQ(buttons.count(), 1);
    EXPECT_EQ(buttons.first(), QVariantList({1, 3}));
    EXPECT_EQ(g.value(1, 4), QVariant(1));
    EXPECT_EQ(edits.last(), QVariantList({1, 4}));
}

TEST_F(GridEvents, LeavingACellCanBeRefused)
{
    g.setActiveCell(1, 1);
    g.setText(1, 1, QStringLiteral("5"));
    QList<QList<int>> left;
    bool refuse = false;
    QObject::connect(&g, &Grid::leaveCell, &g, [&](int row, int col, int newRow, int newCol, bool* cancel) {
        left.append({row, col, newRow, newCol});
        *cancel = refuse;
    });
    QTest::keyClick(g.table(), Qt::Key_Down);
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left.first(), QList<int>({1, 1, 2, 1}));
    EXPECT_EQ(g.activeRow(), 2);

    refuse = true;
    QTest::keyClick(g.table(), Qt::Key_Right);
    EXPECT_EQ(left.last(), QList<int>({2, 1, 2, 2}));
    EXPECT_EQ(g.activeRow(), 2);
    EXPECT_EQ(g.activeColumn(), 1);

    g.setActiveCell(3, 3);  // the program's own moves are not reported
    EXPECT_EQ(left.size(), 2);
}

TEST_F(GridEvents, TheLeftCellIsCommittedBeforeTheHandlerReadsIt)
{
    QString seen;
    QObject::connect(&g, &Grid::leaveCell, &g, [&](int row, int col, int, int, bool*) { seen = g.text(row, col); });
    auto* editor = openEditor<QLineEdit>(1, 1);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("12"));
    g.table()->setCurrentCell(1, 0);
    EXPECT_EQ(seen, "12");
}

TEST_F(GridEvents, KeysAreReported)
{
    QSignalSpy down(&g, &Grid::keyPressed);
    QSignalSpy up(&g, &Grid::keyReleased);
    g.setActiveCell(1, 2);
    QTest::keyClick(g.table(), Qt::Key_Insert);
    QTest::keyClick(g.table(), Qt::Key_Delete, Qt::ShiftModifier);
    ASSERT_EQ(down.count(), 3);  // Insert, Shift, Delete
    EXPECT_EQ(down.at(0).at(0).toInt(), int(Qt::Key_Insert));
    EXPECT_EQ(down.at(1).at(0).toInt(), int(Qt::Key_Shift));
    EXPECT_EQ(down.at(2).at(0).toInt(), int(Qt::Key_Delete));
    EXPECT_EQ(down.at(2).at(1).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(up.count(), 3);
}

TEST_F(GridEvents, PickingInAComboWritesThePositionAndReportsIt)
{
    g.setColumnFormat(2, CellFormat::combo({QStringLiteral("Comida"), QStringLiteral("Bebida")}));
    QSignalSpy picks(&g, &Grid::comboSelectionChanged);
    auto* combo = openEditor<QComboBox>(3, 2);
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(0);
    QTest::keyClick(combo, Qt::Key_Down);
    ASSERT_EQ(picks.count(), 1);
    EXPECT_EQ(picks.first(), QVariantList({3, 2}));
    EXPECT_EQ(g.comboIndex(3, 2), 1);
    EXPECT_EQ(g.text(3, 2), "Bebida");
}

// Tab in a window: a box before the grid and one after it.
TEST(GridTab, GoesFromCellToCellTheUserCanChangeAndLeavesAfterTheLast)
{
    QWidget ventana;
    auto* antes = new QLineEdit(&ventana);
    auto* g = new Grid(&ventana);
    auto* despues = new QLineEdit(&ventana);
    auto* capas = new QVBoxLayout(&ventana);
    capas->addWidget(antes);
    capas->addWidget(g);
    capas->addWidget(despues);
    // 1 a locked key, 2 a name, 3 a button, 4 a check box, 5 hidden; row 2 hidden.
    g->setColumnCount(5);
    g->setRowCount(3);
    g->setColumnFormat(1, CellFormat::integer());
    g->setColumnFormat(3, CellFormat::button(QStringLiteral("...")));
    g->setColumnFormat(4, CellFormat::checkBox());
    g->setColumnLocked(1, true);
    g->setColumnHidden(5, true);
    g->setRowHidden(2, true);
    ventana.show();
    QApplication::setActiveWindow(&ventana);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    const auto celda = [g] { return QPoint(g->activeColumn(), g->activeRow()); };

    // By default Tab leaves the grid at once.
    g->setFocus();
    g->setActiveCell(1, 2);
    QTest::keyClick(g->table(), Qt::Key_Tab);
    EXPECT_TRUE(despues->hasFocus());

    g->setTabThroughCells(true);
    QSignalSpy dejadas(g, &Grid::leaveCell);
    g->setFocus();
    g->setActiveCell(1, 2);
    const QList<QPoint> camino{{4, 1}, {2, 3}, {4, 3}};
    for (const QPoint& siguiente : camino) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(celda(), siguiente);
        EXPECT_TRUE(g->table()->hasFocus());
    }
    EXPECT_EQ(dejadas.count(), 3);
    QTest::keyClick(g->table(), Qt::Key_Tab);
    EXPECT_TRUE(despues->hasFocus());

    // Backwards, and out of an open editor as from its cell.
    g->setFocus();
    QTest::keyClick(g->table(), Qt::Key_Backtab);
    EXPECT_EQ(celda(), QPoint(2, 3));
    g->table()->edit(g->table()->model()->index(2, 1));
    auto* editor = g->table()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("PAN"));
    QTest::keyClick(editor, Qt::Key_Backtab);
    QApplication::processEvents();
    EXPECT_EQ(g->text(3, 2), QStringLiteral("PAN"));
    EXPECT_EQ(celda(), QPoint(4, 1));
    QTest::keyClick(g->table(), Qt::Key_Backtab);
    EXPECT_EQ(celda(), QPoint(2, 1));
    QTest::keyClick(g->table(), Qt::Key_Backtab);
    EXPECT_TRUE(antes->hasFocus());

    // A grid with nothing to change lets Tab through at once.
    g->setProtected(true);
    g->setAllLocked(true);
    g->setFocus();
    QTest::keyClick(g->table(), Qt::Key_Tab);
    EXPECT_TRUE(despues->hasFocus());
}

TEST_F(GridEvents, RightClickNamesTheCellUnderThePointer)
{
    QSignalSpy right(&g, &Grid::rightClicked);
    const QPoint at = centre(2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, g.table()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(g.table()->viewport(), &event);
    ASSERT_EQ(right.count(), 1);
    EXPECT_EQ(right.first().at(0).toInt(), 2);
    EXPECT_EQ(right.first().at(1).toInt(), 2);
}

} // namespace
