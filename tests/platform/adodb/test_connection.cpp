#include "sample_db.h"

#include <QFile>

using namespace adodb;

TEST_F(SampleDb, OpensTheCentralDatabaseByServerAndName)
{
    EXPECT_TRUE(db.isOpen());
    EXPECT_EQ(db.filePath(), root.filePath(QStringLiteral("central.db")));
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA foreign_keys")), 1);
}

TEST_F(SampleDb, MissingDatabaseIsAFailedOpenAndNoFileIsCreated)
{
    Connection other;
    try {
        other.open(QStringLiteral("server=(local);driver={SQL Server};database=nada"));
        FAIL() << "opened a missing database";
    } catch (const ComError& e) {
        EXPECT_EQ(e.number(), err::ProviderGeneric);
        ASSERT_EQ(other.errors().size(), 1);
        EXPECT_NE(other.errors().first().NativeError, 0);
    }
    EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("nada.db"))));
    EXPECT_FALSE(other.isOpen());
}

TEST_F(SampleDb, TerminalDatabaseOpensByItsFilePathWithoutWal)
{
    Connection make;
    make.openFile(root.filePath(QStringLiteral("Zorva_Terminal.mdb")), true, false);
    make.execute(QStringLiteral("CREATE TABLE Parametros (ID_Parametro VARCHAR(20))"));
    make.close();
    Connection term;
    term.open(QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};Dbq=C:\\Zorva_Terminal.mdb;Uid=u;Pwd=p"));
    EXPECT_EQ(term.execute(QStringLiteral("PRAGMA journal_mode")).field(0).text(), QStringLiteral("delete"));
}

TEST_F(SampleDb, ScriptRunsEveryStatementAndTheFirstRowsMakeTheRecordset)
{
    long affected = 0;
    Recordset rs = db.execute(QStringLiteral(
        "INSERT INTO Terminal VALUES (1, 'a;b'); CREATE TRIGGER t AFTER INSERT ON Terminal BEGIN "
        "UPDATE Terminal SET Nombre = upper(Nombre) WHERE ID_Terminal = new.ID_Terminal; END; "
        "INSERT INTO Terminal VALUES (2, 'ñandú'); SELECT Nombre FROM Terminal ORDER BY 1; SELECT 5"), &affected);
    ASSERT_FALSE(rs.isNull());
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.field(0).text(), QStringLiteral("a;b"));
    rs.moveNext();
    EXPECT_EQ(rs.field(0).text(), QStringLiteral("ÑANDÚ"));  // upper() folds beyond ASCII
    EXPECT_EQ(affected, 2);
    EXPECT_TRUE(db.execute(QStringLiteral("UPDATE Terminal SET Nombre = Nombre")).isNull());
}

TEST_F(SampleDb, DuplicateKeysCarryTheServersNativeNumbers)
{
    db.execute(QStringLiteral("INSERT INTO Departamentos (Nombre) VALUES ('COCINA')"));
    db.execute(QStringLiteral("INSERT INTO Terminal VALUES (1, 'CAJA')"));
    struct Case { const char* sql; long native; };
    const Case cases[] = {
        {"INSERT INTO Departamentos (Nombre) VALUES ('cocina')", native::DuplicateKey},      // UNIQUE, NOCASE
        {"INSERT INTO Grupo_Impresoras VALUES (1, 'X')", native::DuplicateKey},               // primary key
        {"INSERT INTO Terminal VALUES (2, 'CAJA')", native::DuplicateIndex},                   // named index
    };
    for (const Case& c : cases) {
        db.errors().clear();
        try {
            db.execute(QString::fromUtf8(c.sql));
            ADD_FAILURE() << c.sql;
        } catch (const ComError& e) {
            EXPECT_EQ(e.number(), err::ProviderIntegrity) << c.sql;
            ASSERT_EQ(db.errors().size(), 1);
            EXPECT_EQ(db.errors().first().NativeError, c.native) << c.sql;
            EXPECT_EQ(db.errors().first().SQLState, QStringLiteral("23000"));
        }
    }
}

TEST_F(SampleDb, RefusedDeleteNamesTheReferencingTableBetweenCommas)
{
    db.beginTrans();
    try {
        db.execute(QStringLiteral("DELETE FROM Grupo_Impresoras WHERE ID_Grupo_Impresora = 1"));
        FAIL();
    } catch (const ComError&) {
        const Error& e = db.errors().first();
        EXPECT_EQ(e.NativeError, native::ReferenceConflict);
        // The gateway cuts the table out from 8 characters after the first comma to the next one.
        const QString tail = e.Description.mid(e.Description.indexOf(QLatin1Char(',')) + 8);
        EXPECT_EQ(tail.left(tail.indexOf(QLatin1Char(','))), QStringLiteral("'Producto'"));
    }
    // The probe left the caller's transaction as it was, and nothing was deleted.
    EXPECT_TRUE(db.inTransaction());
    db.rollbackTrans();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Grupo_Impresoras")), 2);
    // Unreferenced rows still go.
    db.execute(QStringLiteral("DELETE FROM Grupo_Impresoras WHERE ID_Grupo_Impresora = 2"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Grupo_Impresoras")), 1);
}

TEST_F(SampleDb, InsertWithAMissingParentNamesTheParent)
{
    try {
        db.execute(QStringLiteral("INSERT INTO Producto (ID_Producto, ID_Grupo_Impresora) VALUES (20, 9)"));
        FAIL();
    } catch (const ComError&) {
        EXPECT_EQ(db.errors().first().NativeError, native::ReferenceConflict);
        EXPECT_TRUE(db.errors().first().Description.contains(QStringLiteral("tabla 'Grupo_Impresoras'")));
    }
}

TEST_F(SampleDb, OpeningTheCentralDatabaseWritesNothingToTheFile)
{
    const auto bytesOf = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const auto write = [](const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    // An empty file opens (it is checked by whoever opened it), a copy put back from a backup keeps
    // the rollback journal, and a file that is no database fails at once.
    write(root.filePath(QStringLiteral("vacia.db")), QByteArray());
    {
        Connection restored;
        restored.openFile(root.filePath(QStringLiteral("copia.db")), true, false);
        restored.execute(QStringLiteral("CREATE TABLE t (x)"));
    }
    write(root.filePath(QStringLiteral("texto.db")), QByteArray("esto no es una base de datos, ni lo parece\n").repeated(20));
    struct Case {
        const char* name;
        bool opens;
    };
    for (const Case c : {Case{"vacia", true}, Case{"copia", true}, Case{"texto", false}}) {
        SCOPED_TRACE(c.name);
        const QString path = root.filePath(QString::fromLatin1(c.name) + QStringLiteral(".db"));
        const QByteArray before = bytesOf(path);
        Connection other;
        if (c.opens) {
            other.open(QStringLiteral("server=.;driver={SQL Server};database=") + QString::fromLatin1(c.name));
            EXPECT_EQ(other.execute(QStringLiteral("SELECT count(*) FROM sqlite_master")).field(0).value().toInt(),
                      c.name == QByteArray("copia") ? 1 : 0);
            other.close();
        } else {
            EXPECT_THROW(other.open(QStringLiteral("server=.;driver={SQL Server};database=texto")), ComError);
            EXPECT_EQ(other.errors().first().Number, err::ProviderGeneric);
        }
        EXPECT_EQ(bytesOf(path), before);
    }
}

TEST_F(SampleDb, ALockHeldByAnotherProcessPastTheTimeOutIsInUseAndNothingIsWritten)
{
    Connection holder;
    holder.openFile(root.filePath(QStringLiteral("central.db")));
    holder.execute(QStringLiteral("BEGIN IMMEDIATE"));
    db.setCommandTimeout(1);
    try {
        db.execute(QStringLiteral("INSERT INTO Terminal VALUES (5, 'T5')"));
        FAIL() << "wrote past another writer's lock";
    } catch (const ComError& e) {
        EXPECT_EQ(e.number(), err::ProviderTimeout);
        EXPECT_EQ(e.description(), busyDescription());
        ASSERT_EQ(db.errors().size(), 1);
        EXPECT_EQ(db.errors().first().SQLState, sqlstate::Busy);
        EXPECT_EQ(db.errors().first().NativeError, native::LostConnection);
    }
    EXPECT_FALSE(db.inTransaction());
    holder.rollbackTrans();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Terminal")), 0);
}

TEST_F(SampleDb, TransactionsCommitAndRollBack)
{
    db.beginTrans();
    db.execute(QStringLiteral("INSERT INTO Terminal VALUES (5, 'T5')"));
    db.rollbackTrans();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Terminal")), 0);
    db.beginTrans();
    EXPECT_THROW(db.beginTrans(), ComError);
    db.execute(QStringLiteral("INSERT INTO Terminal VALUES (5, 'T5')"));
    db.commitTrans();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Terminal")), 1);
    EXPECT_THROW(db.commitTrans(), ComError);
}

TEST_F(SampleDb, ErrorsOfBadStatements)
{
    struct Case { const char* sql; long native; };
    const Case cases[] = {
        {"SELECT * FROM NoExiste", native::InvalidObject},
        {"SELECT Nada FROM Terminal", native::InvalidColumn},
        {"SELEC 1", native::SyntaxError},
    };
    for (const Case& c : cases) {
        EXPECT_THROW(db.execute(QString::fromUtf8(c.sql)), ComError);
        EXPECT_EQ(db.errors().first().NativeError, c.native) << c.sql;
        EXPECT_EQ(db.errors().first().Number, err::ProviderSyntax);
    }
}

TEST_F(SampleDb, RedondearTiesToEvenAndLikeFoldsSpanishLetters)
{
    Recordset rs = db.execute(QStringLiteral(
        "SELECT Redondear(2.675, 2), Redondear(2.665, 2), Redondear(-1.005, 2), Redondear(1.2349, 2), "
        "'Ñandú' LIKE 'ñan%', 'CAFÉ' LIKE '%é', 'abc' LIKE 'a_c', 'a%c' LIKE 'a\\%c' ESCAPE '\\'"));
    EXPECT_DOUBLE_EQ(rs.field(0).value().toDouble(), 2.68);
    EXPECT_DOUBLE_EQ(rs.field(1).value().toDouble(), 2.66);
    EXPECT_DOUBLE_EQ(rs.field(2).value().toDouble(), -1.0);
    EXPECT_DOUBLE_EQ(rs.field(3).value().toDouble(), 1.23);
    for (int i = 4; i < 8; ++i)
        EXPECT_EQ(rs.field(i).value().toInt(), 1) << i;
}

TEST(SplitStatements, KeepsQuotedSemicolonsAndTriggerBodies)
{
    const QStringList parts = splitStatements(QStringLiteral(
        "SELECT 'a;b';\n-- comentario; con punto y coma\nCREATE TRIGGER x AFTER INSERT ON t BEGIN SELECT 1; SELECT 2; END;\nSELECT 3"));
    ASSERT_EQ(parts.size(), 3);
    EXPECT_EQ(parts.at(0), QStringLiteral("SELECT 'a;b';"));
    EXPECT_TRUE(parts.at(1).endsWith(QStringLiteral("END;")));
    EXPECT_EQ(parts.at(2), QStringLiteral("SELECT 3"));
}

// A statement prepared once takes new values on every run; a refused run says why as any other
// statement does and leaves the statement ready for the next one.
TEST_F(SampleDb, APreparedStatementRunsWithNewValuesAndSurvivesARefusal)
{
    adodb::PreparedStatement alta(db, QStringLiteral("INSERT INTO Terminal (ID_Terminal, Nombre) VALUES (?, ?)"));
    EXPECT_EQ(alta.run({1, QStringLiteral("CAJA1")}), 1);
    EXPECT_EQ(alta.run({2, QStringLiteral("CAJA2")}), 1);
    try {
        alta.run({3, QStringLiteral("CAJA1")});
        FAIL() << "the repeated name was stored";
    } catch (const adodb::ComError&) {
        ASSERT_FALSE(db.errors().isEmpty());
        EXPECT_EQ(db.errors().first().NativeError, adodb::native::DuplicateIndex);
    }
    EXPECT_EQ(alta.run({3, QVariant()}), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Terminal")), 3);

    // A refused run inside a transaction leaves it to be committed.
    db.beginTrans();
    EXPECT_THROW(alta.run({1, QStringLiteral("OTRA")}), adodb::ComError);
    EXPECT_EQ(alta.run({4, QStringLiteral("CAJA4")}), 1);
    db.commitTrans();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Terminal")), 4);

    adodb::PreparedStatement lee(db, QStringLiteral("SELECT Nombre, Precio, Alta FROM Producto WHERE ID_Producto=?"));
    EXPECT_EQ(lee.firstRow({10}), (QVariantList{QStringLiteral("Café"), 12.5, QStringLiteral("2021-07-05 14:03:22")}));
    EXPECT_EQ(lee.firstRow({11}).value(2), QVariant());
    EXPECT_TRUE(lee.firstRow({99}).isEmpty());
}

// A window trusts what it read while the stamp stays the same: any commit, here or by another
// connection, must change it, and reading or a rolled-back nothing must not.
TEST_F(SampleDb, TheContentStampChangesWithEveryCommitAndOnlyThen)
{
    Connection other;
    other.open(QStringLiteral("server=(local);driver={SQL Server};database=central"));
    ContentStamp stamp = db.contentStamp();
    EXPECT_TRUE(stamp == db.contentStamp());
    db.execute(QStringLiteral("SELECT * FROM Terminal"));
    other.execute(QStringLiteral("SELECT * FROM Terminal"));
    EXPECT_TRUE(stamp == db.contentStamp()) << "reading changed the stamp";

    db.execute(QStringLiteral("INSERT INTO Terminal VALUES (1, 'CAJA')"));
    EXPECT_FALSE(stamp == db.contentStamp()) << "its own commit";
    stamp = db.contentStamp();
    other.execute(QStringLiteral("UPDATE Terminal SET Nombre = 'BARRA'"));
    EXPECT_FALSE(stamp == db.contentStamp()) << "another connection's commit";
    stamp = db.contentStamp();

    // The same counts from another opening say nothing about what it saw.
    Connection reopened;
    reopened.open(QStringLiteral("server=(local);driver={SQL Server};database=central"));
    EXPECT_FALSE(reopened.contentStamp() == stamp);
    EXPECT_FALSE(Connection().contentStamp() == Connection().contentStamp()) << "a closed connection";
}
