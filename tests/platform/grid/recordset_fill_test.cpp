#include "platform/adodb/adodb.h"
#include "platform/grid/grid.h"
#include "platform/grid/recordset_fill.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using grid::CellType;
using grid::Grid;

namespace {

// A database with one row of every column type the grids show, and one row of NULLs.
class RecordsetFill : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        db.openFile(dir.filePath(QStringLiteral("fill.db")), true);
        db.execute(QStringLiteral(
            "CREATE TABLE Producto (ID_Producto INTEGER, Nombre_Completo VARCHAR(40), Peso REAL,"
            " Precio MONEY, Alta DATETIME, Activo BIT);"
            "INSERT INTO Producto VALUES (7, 'Café ''americano''', 0.25, 1234.5, '2021-07-05 14:03:22', 1);"
            "INSERT INTO Producto VALUES (9, 'Té', NULL, NULL, '2021-07-06', 0);"
            "INSERT INTO Producto VALUES (NULL, NULL, NULL, NULL, NULL, NULL);"));
    }

    adodb::Recordset open(const QString& sql) { return adodb::Recordset::open(db, sql); }

    QTemporaryDir dir;
    adodb::Connection db;
    Grid g;
};

TEST_F(RecordsetFill, ColumnsComeFromTheFields)
{
    adodb::Recordset rs = open(QStringLiteral("SELECT * FROM Producto"));
    grid::fillFromRecordset(g, rs);
    ASSERT_EQ(g.rowCount(), 3);
    ASSERT_EQ(g.columnCount(), 6);
    EXPECT_EQ(g.text(0, 1), "ID_Producto");
    EXPECT_EQ(g.text(0, 6), "Activo");
    EXPECT_EQ(g.cellFormat(1, 1).type, CellType::Integer);
    EXPECT_EQ(g.cellFormat(1, 3).type, CellType::Number);
    EXPECT_EQ(g.cellFormat(1, 4).type, CellType::Currency);
    EXPECT_EQ(g.cellFormat(1, 6).type, CellType::CheckBox);

    EXPECT_EQ(g.value(1, 1), QVariant(qlonglong(7)));
    EXPECT_EQ(g.text(1, 2), QString::fromUtf8("Café 'americano'"));
    EXPECT_EQ(g.text(1, 3), "0.25");
    EXPECT_EQ(g.text(1, 4), "$1,234.50");
    EXPECT_EQ(g.text(1, 5), "05/07/2021 14:03:22");
    EXPECT_EQ(g.text(2, 5), "06/07/2021");
    EXPECT_EQ(g.value(1, 6), QVariant(1));
    EXPECT_EQ(g.value(2, 6), QVariant(0));
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(g.text(3, c), "") << c;  // NULL is an empty cell
    EXPECT_EQ(g.lastDataRow(), 2);
}

TEST_F(RecordsetFill, RowsStayAfterTheRecordsetIsGoneAndEditsDoNotReachIt)
{
    adodb::Recordset rs = open(QStringLiteral("SELECT ID_Producto, Nombre_Completo FROM Producto"));
    grid::fillFromRecordset(g, rs);
    g.setText(1, 2, QStringLiteral("Otro"));
    rs.moveFirst();
    EXPECT_EQ(rs.field(1).text(), QString::fromUtf8("Café 'americano'"));
    rs.close();
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.text(2, 2), QString::fromUtf8("Té"));
    EXPECT_EQ(db.execute(QStringLiteral("SELECT COUNT(*) FROM Producto WHERE Nombre_Completo='Otro'")).cell(0, 0),
              QVariant(0));
}

TEST_F(RecordsetFill, DesignColumnsKeepTheirHeadingsAndTypes)
{
    g.setColumnCount(3);
    g.setText(0, 1, QStringLiteral("ID"));
    g.setText(0, 2, QStringLiteral("Producto"));
    g.setText(0, 3, QStringLiteral(" "));
    g.setColumnFormat(3, grid::CellFormat::button());
    g.setColumnLocked(1, true);
    grid::FillOptions design;
    design.keepDesignColumns = true;
    grid::fillFromRecordset(g, open(QStringLiteral("SELECT ID_Producto, Nombre_Completo, ' ', Peso FROM Producto")),
                            design);
    EXPECT_EQ(g.columnCount(), 3);
    EXPECT_EQ(g.text(0, 1), "ID");
    EXPECT_EQ(g.text(0, 2), "Producto");
    EXPECT_EQ(g.cellFormat(2, 3).type, CellType::Button);
    EXPECT_TRUE(g.isCellLocked(3, 1));
    EXPECT_EQ(g.text(2, 1), "9");
    EXPECT_EQ(g.text(2, 2), QString::fromUtf8("Té"));
}

TEST_F(RecordsetFill, ARefilledGridTakesTheNewColumnsAndAFailedQueryEmptiesIt)
{
    grid::fillFromRecordset(g, open(QStringLiteral("SELECT * FROM Producto")));
    grid::fillFromRecordset(g, open(QStringLiteral("SELECT Nombre_Completo FROM Producto WHERE ID_Producto=9")));
    EXPECT_EQ(g.columnCount(), 1);
    EXPECT_EQ(g.rowCount(), 1);
    EXPECT_EQ(g.cellFormat(1, 1).type, CellType::Text);
    EXPECT_EQ(g.text(1, 1), QString::fromUtf8("Té"));

    grid::fillFromRecordset(g, adodb::Recordset());
    EXPECT_EQ(g.rowCount(), 0);
    EXPECT_EQ(g.columnCount(), 1);
}

// Rows kept above the records for a heading: empty, typed by the fields' columns, and the records
// below them in order, whether the result is copied or handed over.
TEST_F(RecordsetFill, RecordsStartBelowTheHeadingRows)
{
    const QString sql = QStringLiteral("SELECT ID_Producto, Precio FROM Producto ORDER BY ID_Producto DESC");
    Grid copiada;
    const adodb::Recordset rs = open(sql);
    grid::fillFromRecordset(copiada, rs, {.firstRow = 3});
    grid::fillFromRecordset(g, open(sql), {.firstRow = 3});
    for (Grid* grid : {&g, &copiada}) {
        ASSERT_EQ(grid->rowCount(), 5);
        for (int c = 1; c <= 2; ++c) {
            EXPECT_EQ(grid->text(1, c), "");
            EXPECT_EQ(grid->text(2, c), "");
        }
        EXPECT_EQ(grid->cellFormat(1, 2).type, CellType::Currency);
        EXPECT_EQ(grid->text(3, 1), "9");
        EXPECT_EQ(grid->text(4, 2), "$1,234.50");
        EXPECT_EQ(grid->text(5, 1), "");
        EXPECT_EQ(grid->lastDataRow(), 4);
        grid->setText(1, 1, QStringLiteral("12"));
        EXPECT_EQ(grid->text(1, 1), "12");
        EXPECT_EQ(grid->text(3, 1), "9");
    }
}

// A query's result handed over whole is kept by the grid and read cell by cell when needed: the
// grid shows, edits and reorders the same as one filled by copying, also once the query is gone.
TEST_F(RecordsetFill, AResultHandedOverReadsAsACopiedOne)
{
    Grid copiada;
    const QString sql = QStringLiteral("SELECT * FROM Producto ORDER BY ID_Producto DESC");
    const adodb::Recordset rs = open(sql);
    grid::fillFromRecordset(copiada, rs);
    grid::fillFromRecordset(g, open(sql));
    const auto cuadro = [](const Grid& grid) {
        QStringList out;
        for (int r = 0; r <= grid.rowCount(); ++r)
            for (int c = 1; c <= grid.columnCount(); ++c)
                out << grid.text(r, c) + QLatin1Char('|') + grid.value(r, c).toString();
        return out;
    };
    ASSERT_EQ(g.rowCount(), 3);
    EXPECT_EQ(cuadro(g), cuadro(copiada));
    EXPECT_EQ(g.text(2, 5), "05/07/2021 14:03:22");
    for (Grid* grid : {&g, &copiada}) {
        grid->setText(1, 2, QStringLiteral("Agua"));
        grid->sortRows(2);
        grid->insertRows(1);
    }
    EXPECT_EQ(cuadro(g), cuadro(copiada));
    EXPECT_EQ(g.text(2, 2), "Agua");
}

} // namespace
