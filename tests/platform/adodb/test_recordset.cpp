#include "sample_db.h"

using namespace adodb;

namespace {
Recordset departamentos(Connection& db)
{
    return Recordset::open(db, QStringLiteral("SELECT * FROM Departamentos ORDER BY ID_Departamento"));
}
}

TEST_F(SampleDb, AddNewCommitsWhenTheCursorMovesOffAndShowsTheGeneratedKey)
{
    db.execute(QStringLiteral("INSERT INTO Departamentos (Nombre) VALUES ('BARRA')"));
    Recordset rs = departamentos(db);
    rs.addNew();
    EXPECT_EQ(rs.editMode(), EditMode::Add);
    EXPECT_EQ(rs.recordCount(), 2);
    rs.field(QStringLiteral("nombre")).setValue(QStringLiteral("COCINA"));
    rs.field(QStringLiteral("Descripcion")).setValue(QStringLiteral("Área de cocina"));
    rs.moveLast();
    EXPECT_EQ(rs.editMode(), EditMode::None);
    EXPECT_EQ(rs.value(QStringLiteral("ID_Departamento")).toInt(), 2);
    EXPECT_EQ(rs.value(QStringLiteral("Activo")), QVariant(true));  // the column's default shows
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Departamentos WHERE Nombre = 'COCINA' AND Activo = 1")), 1);
}

TEST_F(SampleDb, CancelUpdateLeavesTheTableUnchanged)
{
    Recordset rs = departamentos(db);
    rs.addNew();
    rs.field(QStringLiteral("Nombre")).setValue(QStringLiteral("X"));
    rs.cancelUpdate();
    EXPECT_EQ(rs.recordCount(), 0);
    EXPECT_TRUE(rs.eof() && rs.bof());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Departamentos")), 0);
}

TEST_F(SampleDb, RefusedNewRowRaisesAndStaysPending)
{
    db.execute(QStringLiteral("INSERT INTO Departamentos (Nombre) VALUES ('BARRA')"));
    Recordset rs = departamentos(db);
    rs.addNew();
    rs.field(QStringLiteral("Nombre")).setValue(QStringLiteral("barra"));
    EXPECT_THROW(rs.moveLast(), ComError);
    EXPECT_EQ(db.errors().first().NativeError, native::DuplicateKey);
    EXPECT_EQ(rs.editMode(), EditMode::Add);
    rs.cancelUpdate();
    EXPECT_EQ(rs.recordCount(), 1);
}

TEST_F(SampleDb, EditedRowIsWrittenWhenTheCursorMovesOffAndBack)
{
    db.execute(QStringLiteral("INSERT INTO Departamentos (Nombre) VALUES ('A'), ('B')"));
    Recordset rs = departamentos(db);
    rs.field(QStringLiteral("Descripcion")).setValue(QStringLiteral("primera"));
    rs.field(QStringLiteral("Activo")).setValue(false);
    rs.moveNext();
    rs.movePrevious();
    EXPECT_EQ(rs.value(QStringLiteral("Descripcion")).toString(), QStringLiteral("primera"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Departamentos WHERE Descripcion = 'primera' AND Activo = 0")), 1);
}

TEST_F(SampleDb, EditOfARowThatChangedUnderneathIsRefused)
{
    db.execute(QStringLiteral("INSERT INTO EmpleadosXGrupo VALUES (1, 1), (1, 2)"));
    Recordset rs = Recordset::open(db, QStringLiteral("SELECT * FROM EmpleadosXGrupo"));
    db.execute(QStringLiteral("DELETE FROM EmpleadosXGrupo WHERE ID_Grupo_Trabajo = 1"));
    rs.field(QStringLiteral("ID_Empleado")).setValue(3);
    EXPECT_THROW(rs.update(), ComError);
    EXPECT_EQ(db.errors().first().Number, err::RowNotFound);
    rs.cancelUpdate();
    // A table without a key is matched on every column it shows.
    rs.moveNext();
    rs.field(QStringLiteral("ID_Empleado")).setValue(4);
    rs.update();
    EXPECT_EQ(scalar(QStringLiteral("SELECT ID_Empleado FROM EmpleadosXGrupo")), 4);
}

TEST_F(SampleDb, DeleteRemovesTheRowAndMovesLikeADeletedCurrentRow)
{
    db.execute(QStringLiteral("INSERT INTO Departamentos (Nombre) VALUES ('A'), ('B'), ('C')"));
    Recordset rs = departamentos(db);
    rs.moveNext();  // B
    rs.deleteCurrent();
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_THROW(rs.field(0).value(), ComError);
    rs.movePrevious();
    EXPECT_EQ(rs.value(QStringLiteral("Nombre")).toString(), QStringLiteral("A"));
    rs.moveNext();
    EXPECT_EQ(rs.value(QStringLiteral("Nombre")).toString(), QStringLiteral("C"));
    rs.moveFirst();
    rs.deleteCurrent();
    rs.movePrevious();
    EXPECT_TRUE(rs.bof());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Departamentos")), 1);
}

TEST_F(SampleDb, RefusedDeleteKeepsTheRow)
{
    Recordset rs = Recordset::open(db, QStringLiteral("SELECT * FROM Grupo_Impresoras"));
    EXPECT_THROW(rs.deleteCurrent(), ComError);
    EXPECT_EQ(db.errors().first().NativeError, native::ReferenceConflict);
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.value(QStringLiteral("Nombre")).toString(), QStringLiteral("COCINA"));
}

TEST_F(SampleDb, MovesStopAtTheEdgesAndAnEmptyRecordsetHasNoCurrentRow)
{
    Recordset empty = departamentos(db);
    EXPECT_TRUE(empty.bof());
    EXPECT_TRUE(empty.eof());
    EXPECT_EQ(empty.recordCount(), 0);
    for (auto move : {&Recordset::moveFirst, &Recordset::moveNext, &Recordset::movePrevious, &Recordset::moveLast}) {
        try {
            (empty.*move)();
            ADD_FAILURE();
        } catch (const ComError& e) {
            EXPECT_EQ(e.number(), err::NoCurrentRecord);
        }
    }
    Recordset rs = Recordset::open(db, QStringLiteral("SELECT * FROM Producto ORDER BY ID_Producto"));
    EXPECT_EQ(rs.absolutePosition(), 1);
    rs.moveLast();
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.absolutePosition(), Recordset::PosEOF);
    EXPECT_THROW(rs.moveNext(), ComError);
    rs.moveFirst();
    rs.movePrevious();
    EXPECT_TRUE(rs.bof());
    EXPECT_THROW(rs.movePrevious(), ComError);
}

TEST_F(SampleDb, BookmarkSurvivesARequery)
{
    Recordset rs = Recordset::open(db, QStringLiteral("SELECT * FROM Producto ORDER BY ID_Producto"));
    rs.moveNext();
    const QVariant mark = rs.bookmark();
    db.execute(QStringLiteral("UPDATE Producto SET Nombre = 'TÉ VERDE' WHERE ID_Producto = 11"));
    rs.requery();
    EXPECT_EQ(rs.absolutePosition(), 1);
    rs.setBookmark(mark);
    EXPECT_EQ(rs.value(QStringLiteral("Nombre")).toString(), QStringLiteral("TÉ VERDE"));
    EXPECT_THROW(rs.setBookmark(99), ComError);
}

TEST_F(SampleDb, FieldTypesFollowTheDeclaredTypes)
{
    Recordset rs = Recordset::open(db, QStringLiteral(
        "SELECT p.ID_Producto, p.Nombre, p.Precio, p.Alta, d.Activo, COUNT(*) AS n, 1.5 AS f "
        "FROM Producto p LEFT JOIN Departamentos d ON 1 = 0 GROUP BY p.ID_Producto ORDER BY 1"));
    const DataType expected[] = {DataType::Integer, DataType::VarChar, DataType::Currency, DataType::DBTimeStamp,
                                 DataType::Boolean, DataType::Integer, DataType::Double};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(rs.field(i).type(), expected[i]) << i;
    EXPECT_EQ(rs.field(3).value().toDateTime(), QDateTime(QDate(2021, 7, 5), QTime(14, 3, 22)));
    EXPECT_DOUBLE_EQ(rs.field(2).value().toDouble(), 12.5);
    EXPECT_TRUE(rs.field(4).isNull());
    EXPECT_THROW(rs.field(QStringLiteral("NoExiste")), ComError);
}

TEST_F(SampleDb, FindWalksFromTheCurrentRow)
{
    db.execute(QStringLiteral("INSERT INTO Departamentos (Nombre, Descripcion) VALUES "
                              "('COCINA', 'uno'), ('BARRA', 'dos'), ('CAJA', 'tres'), ('Ñ', NULL)"));
    Recordset rs = departamentos(db);
    struct Case { const char* criteria; int skip; SearchDirection dir; int startAt; const char* expected; };
    const Case cases[] = {
        {"Nombre = 'barra'", 0, SearchDirection::Forward, 1, "BARRA"},
        {"Nombre LIKE '%aj%'", 0, SearchDirection::Forward, 1, "CAJA"},
        {"Nombre LIKE 'c*'", 1, SearchDirection::Forward, 1, "CAJA"},      // skips the current row
        {"ID_Departamento = 2", 0, SearchDirection::Forward, 1, "BARRA"},
        {"ID_Departamento >= 3", 0, SearchDirection::Forward, 1, "CAJA"},
        {"Nombre = 'ñ'", 0, SearchDirection::Forward, 1, "Ñ"},
        {"Nombre LIKE 'C%'", 1, SearchDirection::Backward, 3, "COCINA"},
        {"[Descripcion] = NULL", 0, SearchDirection::Forward, 1, "Ñ"},
        {"Nombre = 'ZZZ'", 0, SearchDirection::Forward, 1, nullptr},
    };
    for (const Case& c : cases) {
        rs.setAbsolutePosition(c.startAt);
        rs.find(QString::fromUtf8(c.criteria), c.skip, c.dir);
        if (c.expected)
            EXPECT_EQ(rs.value(QStringLiteral("Nombre")).toString(), QString::fromUtf8(c.expected)) << c.criteria;
        else
            EXPECT_TRUE(rs.eof()) << c.criteria;
    }
    EXPECT_THROW(rs.find(QStringLiteral("Nombre ~ 3")), ComError);
}

TEST_F(SampleDb, ARecordsetOpenedOnAScriptRunsEveryStatement)
{
    Recordset rs = Recordset::open(db, QStringLiteral(
        "INSERT INTO Terminal VALUES (1, 'A'); SELECT Nombre FROM Terminal; INSERT INTO Terminal VALUES (2, 'B')"));
    ASSERT_TRUE(rs.isOpen());
    EXPECT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Terminal")), 2);
}

TEST_F(SampleDb, EveryRowKeepsItsOwnTextAmongThousandsOfRepeatedAndDifferentOnes)
{
    // Texts that repeat down a column are read once and shared; each row must still read its own,
    // also past the texts a column remembers, for long texts and for time stamps.
    db.execute(QStringLiteral(
        "CREATE TABLE Muestra (Corto VARCHAR(10), Largo VARCHAR(200), Alta DATETIME TEXT);"
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 2999)"
        " INSERT INTO Muestra SELECT 'T' || (i % 1500), printf('%.80c', 'x') || (i % 3),"
        " '2021-07-' || printf('%02d', i % 28 + 1) || ' 14:03:22' FROM n;"));
    const Recordset rs = Recordset::open(db, QStringLiteral("SELECT Corto, Largo, Alta, rowid - 1 FROM Muestra ORDER BY rowid"));
    ASSERT_EQ(rs.recordCount(), 3000);
    for (int r = 0; r < rs.recordCount(); ++r) {
        const int i = rs.cell(r, 3).toInt();
        ASSERT_EQ(rs.cell(r, 0).toString(), QStringLiteral("T%1").arg(i % 1500)) << r;
        ASSERT_EQ(rs.cell(r, 1).toString(), QString(80, QLatin1Char('x')) + QString::number(i % 3)) << r;
        ASSERT_EQ(rs.cell(r, 2).toDateTime(), QDateTime(QDate(2021, 7, i % 28 + 1), QTime(14, 3, 22))) << r;
    }
}
