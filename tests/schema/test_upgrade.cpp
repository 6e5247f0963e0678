#include "../support/central_db.h"
#include "platform/keys/clsclaves.h"
#include "schema/key_file_check.h"
#include "schema/upgrade.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <functional>

using namespace adodb;
using schema::UpgradeResult;

namespace {

// SQL text as SQLite keeps it, without what a step cannot help writing differently from
// central.sql: comments, layout, and the quotes that ALTER TABLE RENAME puts around a name.
QString normalised(const QString& sql)
{
    QString out;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'')) {
            const int end = sql.indexOf(QLatin1Char('\''), i + 1);
            const int stop = end < 0 ? sql.size() : end + 1;
            out += sql.mid(i, stop - i);
            i = stop - 1;
        } else if (sql.mid(i, 2) == QLatin1String("--")) {
            const int end = sql.indexOf(QLatin1Char('\n'), i);
            i = end < 0 ? sql.size() : end - 1;
            out += QLatin1Char(' ');
        } else if (c == QLatin1Char('"')) {
            continue;
        } else {
            out += c.isSpace() ? QChar(QLatin1Char(' ')) : c;
        }
    }
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    static const QRegularExpression aroundPunctuation(QStringLiteral("\\s*([(),])\\s*"));
    return out.replace(spaces, QStringLiteral(" ")).replace(aroundPunctuation, QStringLiteral("\\1")).trimmed();
}

QStringList column(Connection& c, const QString& sql)
{
    QStringList out;
    for (Recordset rs = c.execute(sql); !rs.eof(); rs.moveNext())
        out << rs.field(0).text();
    return out;
}

int userVersion(Connection& c)
{
    return c.execute(QStringLiteral("PRAGMA user_version")).field(0).value().toInt();
}

// One line per object of sqlite_master and per column of every table.
QSet<QString> schemaOf(Connection& c)
{
    QSet<QString> lines;
    for (Recordset rs = c.execute(QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master")); !rs.eof();
         rs.moveNext())
        lines << QStringList{rs.field(0).text(), rs.field(1).text(), rs.field(2).text(), normalised(rs.field(3).text())}
                     .join(QLatin1Char('|'));
    for (const QString& table : column(c, QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"))) {
        for (Recordset rs = c.execute(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)); !rs.eof(); rs.moveNext()) {
            QStringList fields{table};
            for (int i = 0; i < rs.fieldCount(); ++i)
                fields << (rs.field(i).isNull() ? QStringLiteral("<null>") : rs.field(i).text());
            lines << fields.join(QLatin1Char('|'));
        }
    }
    return lines;
}

// What differs between two schemas, one line each; empty when they are the same.
QString schemaDifferences(Connection& upgraded, Connection& fresh)
{
    const QSet<QString> a = schemaOf(upgraded);
    const QSet<QString> b = schemaOf(fresh);
    QStringList out;
    for (const QString& line : a)
        if (!b.contains(line))
            out << QStringLiteral("only upgraded: ") + line;
    for (const QString& line : b)
        if (!a.contains(line))
            out << QStringLiteral("only fresh:    ") + line;
    out.sort();
    return out.join(QLatin1Char('\n'));
}

QMap<QString, int> rowCounts(Connection& c)
{
    QMap<QString, int> counts;
    for (const QString& table : column(c, QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'")))
        counts.insert(table, c.execute(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(table)).field(0).value().toInt());
    return counts;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Rows that a restaurant has by the time it upgrades.
const char* kRows = R"(
    INSERT INTO Departamentos (Nombre) VALUES ('COCINA');
    INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Estado_Empleado, Intentos, Admin_Usuarios)
        VALUES (5, 'ANA', 'ANA', 'A', 0, 0);
    INSERT INTO Categoria VALUES (1, 'BEBIDAS', 'V');
)";

class Upgrade : public ::testing::Test {
protected:
    // A database as the program left it at `version`: the first set-up's script, the rows, then
    // the steps of `folder` up to that version.
    QString buildAt(int version, const QString& folder = schema::upgradeFolder(), const QString& name = QStringLiteral("central"))
    {
        const QString path = testsupport::createLandedCentralDb(root.path(), name);
        Connection c;
        c.openFile(path);
        c.execute(QString::fromLatin1(kRows));
        for (const schema::UpgradeStep& step : schema::upgradeSteps(folder)) {
            if (step.version <= version)
                c.execute(step.script);
        }
        if (version > 1)
            c.execute(QStringLiteral("PRAGMA user_version = %1").arg(version));
        return path;
    }
    // Test-only steps in a folder of their own.
    QString stepsFolder(const QMap<QString, QString>& files)
    {
        const QString folder = root.filePath(QStringLiteral("pasos%1").arg(++folders));
        QDir().mkpath(folder);
        for (auto it = files.begin(); it != files.end(); ++it) {
            QFile file(QDir(folder).filePath(it.key()));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(it.value().toUtf8());
        }
        return folder;
    }
    Connection open(const QString& name = QStringLiteral("central"))
    {
        Connection c;
        c.open(testsupport::centralConnectionString(name));
        return c;
    }
    // The database "central", its copies and journals, for the next case.
    void removeCentral()
    {
        for (const QString& file : QDir(root.path()).entryList({QStringLiteral("central.db*")}, QDir::Files))
            QFile::remove(root.filePath(file));
    }
    // The version of the program's step whose script holds `text` (steps are renumbered at merges).
    static int stepThatWrites(const QString& text)
    {
        for (const schema::UpgradeStep& step : schema::upgradeSteps(schema::upgradeFolder()))
            if (step.script.contains(text))
                return step.version;
        return 0;
    }
    QStringList backups() const
    {
        return QDir(root.path()).entryList({QStringLiteral("*.bak*")}, QDir::Files);
    }

    TempDataRoot root;
    int folders = 0;
};

// Two steps as other changes would write them: a column added at the end of a table, a new table
// with its index, and the rows that a new column needs.
const QMap<QString, QString> kTwoSteps = {
    {QStringLiteral("002.sql"), QStringLiteral("ALTER TABLE Categoria ADD COLUMN Orden INTEGER DEFAULT 0;\n"
                                               "UPDATE Categoria SET Orden = ID_Categoria;")},
    {QStringLiteral("003.sql"), QStringLiteral("CREATE TABLE Bitacora_Dia (ID INTEGER PRIMARY KEY, Paso INTEGER NOT NULL);\n"
                                               "CREATE INDEX IX_Bitacora_Paso ON Bitacora_Dia (Paso);")},
};

} // namespace

TEST_F(Upgrade, EveryPastVersionReachesTheSchemaOfANewDatabaseAndKeepsItsRows)
{
    const QString fresh = testsupport::createCentralDb(root.path(), QStringLiteral("nueva"));
    Connection freshDb = open(QStringLiteral("nueva"));
    const int current = schema::schemaVersion();
    EXPECT_EQ(userVersion(freshDb), current);

    for (int version = 1; version <= current; ++version) {
        SCOPED_TRACE(version);
        const QString path = buildAt(version);
        Connection db = open();
        const QMap<QString, int> before = rowCounts(db);

        const schema::UpgradeOutcome outcome = schema::upgradeCentral(db);
        // The first set-up's databases say 0: they are stamped even when no step is missing.
        EXPECT_EQ(outcome.result, version < current || version == 1 ? UpgradeResult::Upgraded : UpgradeResult::UpToDate)
            << qPrintable(outcome.message);
        EXPECT_EQ(userVersion(db), current);
        EXPECT_EQ(schemaDifferences(db, freshDb), QString());
        const QMap<QString, int> after = rowCounts(db);
        for (auto it = before.begin(); it != before.end(); ++it)
            EXPECT_EQ(after.value(it.key(), -1), it.value()) << qPrintable(it.key());
        EXPECT_EQ(db.execute(QStringLiteral("PRAGMA foreign_keys")).field(0).value().toInt(), 1);
        db.close();

        const QString backup = path + QStringLiteral(".v%1.bak").arg(version);
        if (version < current || version == 1) {
            EXPECT_EQ(backups(), QStringList{QFileInfo(backup).fileName()});
            Connection copy;
            copy.openFile(backup);
            EXPECT_EQ(rowCounts(copy), before);
            EXPECT_EQ(userVersion(copy), version == 1 ? 0 : version);
        }

        // A second start makes no copy and changes nothing.
        const QByteArray file = bytesOf(path);
        const QByteArray copy = bytesOf(backup);
        db = open();
        EXPECT_EQ(schema::upgradeCentral(db).result, UpgradeResult::UpToDate);
        db.close();
        EXPECT_EQ(bytesOf(path), file);
        EXPECT_EQ(bytesOf(backup), copy);
        EXPECT_LE(backups().size(), 1);

        removeCentral();
    }
}

TEST_F(Upgrade, RunsOnlyTheMissingStepsInOrder)
{
    const QString folder = stepsFolder(kTwoSteps);
    for (int version : {1, 2, 3}) {
        SCOPED_TRACE(version);
        buildAt(version, folder);
        Connection db = open();
        const schema::UpgradeOutcome outcome = schema::upgradeCentral(db, folder);
        EXPECT_EQ(outcome.result, version == 3 ? UpgradeResult::UpToDate : UpgradeResult::Upgraded)
            << qPrintable(outcome.message);
        EXPECT_EQ(outcome.to, 3);
        EXPECT_EQ(userVersion(db), 3);
        EXPECT_EQ(column(db, QStringLiteral("SELECT Nombre_Categoria || ':' || Orden FROM Categoria")),
                  QStringList{QStringLiteral("BEBIDAS:1")});
        EXPECT_EQ(column(db, QStringLiteral("SELECT name FROM sqlite_master WHERE tbl_name='Bitacora_Dia' ORDER BY name")),
                  QStringList({QStringLiteral("Bitacora_Dia"), QStringLiteral("IX_Bitacora_Paso")}));
        db.close();
        removeCentral();
    }
}

// The comparison is what stops a step that does not write what central.sql writes: it must see a
// real difference and forgive only layout.
TEST_F(Upgrade, TheSchemaComparisonSeesWhatAStepGotWrong)
{
    // As central.sql would write the change.
    const QString central = QStringLiteral(
        "CREATE TABLE Bitacora_Dia (\n"
        "    ID    INTEGER PRIMARY KEY,   -- the run\n"
        "    Paso  INTEGER NOT NULL,\n"
        "    Nota  VARCHAR(50) DEFAULT ''\n"
        ");");
    struct Case {
        const char* step;
        bool same;
    } cases[] = {
        // A table rebuilt under another name, then a column added at its end.
        {"CREATE TABLE Nueva (ID INTEGER PRIMARY KEY, Paso INTEGER NOT NULL);"
         "ALTER TABLE Nueva RENAME TO Bitacora_Dia;"
         "ALTER TABLE Bitacora_Dia ADD COLUMN Nota VARCHAR(50) DEFAULT '';",
         true},
        {"CREATE TABLE Bitacora_Dia (ID INTEGER PRIMARY KEY, Paso INTEGER NOT NULL, Nota VARCHAR(50));", false},
        {"CREATE TABLE Bitacora_Dia (ID INTEGER PRIMARY KEY, Paso INTEGER, Nota VARCHAR(50) DEFAULT '');", false},
        {"CREATE TABLE Bitacora_Dia (ID INTEGER PRIMARY KEY, Nota VARCHAR(50) DEFAULT '', Paso INTEGER NOT NULL);", false},
        {"CREATE TABLE Bitacora_Dia (ID INTEGER PRIMARY KEY, Paso INTEGER NOT NULL, Nota VARCHAR(50) DEFAULT '');"
         "CREATE INDEX IX_Sobra ON Bitacora_Dia (Paso);",
         false},
        {"CREATE TABLE Bitacora_Dia (ID INTEGER PRIMARY KEY, Paso INTEGER NOT NULL, Nota VARCHAR(50) DEFAULT 'x');", false},
    };
    // The reference is the first version with the change: the shipped steps play no part here.
    testsupport::createLandedCentralDb(root.path(), QStringLiteral("nueva"));
    Connection fresh = open(QStringLiteral("nueva"));
    fresh.execute(central);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        buildAt(1);
        Connection db = open();
        const schema::UpgradeOutcome outcome
            = schema::upgradeCentral(db, stepsFolder({{QStringLiteral("002.sql"), QString::fromLatin1(c.step)}}));
        ASSERT_EQ(outcome.result, UpgradeResult::Upgraded) << qPrintable(outcome.message);
        EXPECT_EQ(schemaDifferences(db, fresh).isEmpty(), c.same) << qPrintable(schemaDifferences(db, fresh));
        db.close();
        removeCentral();
    }
}

TEST_F(Upgrade, AFailureLeavesTheFileByteForByte)
{
    const QString good = kTwoSteps.value(QStringLiteral("002.sql"));
    const QMap<QString, QString> cases[] = {
        // A step that raises after one that changed the database.
        {{QStringLiteral("002.sql"), good}, {QStringLiteral("003.sql"), QStringLiteral("INSERT INTO Categoria VALUES (1, 'OTRA', 'V');")}},
        {{QStringLiteral("002.sql"), good}, {QStringLiteral("003.sql"), QStringLiteral("DROP TABLE NoExiste;")}},
        // A row that points nowhere: the check before the commit refuses it.
        {{QStringLiteral("002.sql"), good + QStringLiteral("INSERT INTO EmpleadosXGrupo VALUES (5, 77);")}},
        // Steps that cannot be run in order.
        {{QStringLiteral("002.sql"), good}, {QStringLiteral("004.sql"), good}},
        {{QStringLiteral("002.sql"), good}, {QStringLiteral("03.sql"), good}},
    };
    for (const QMap<QString, QString>& steps : cases) {
        SCOPED_TRACE(steps.lastKey().toStdString() + ": " + steps.last().toStdString());
        const QString path = buildAt(1);
        const QByteArray before = bytesOf(path);
        Connection db = open();
        const schema::UpgradeOutcome outcome = schema::upgradeCentral(db, stepsFolder(steps));
        EXPECT_EQ(outcome.result, UpgradeResult::Failed);
        EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("No se pudo actualizar la base de datos")))
            << qPrintable(outcome.message);
        EXPECT_FALSE(db.inTransaction());
        EXPECT_EQ(db.execute(QStringLiteral("PRAGMA foreign_keys")).field(0).value().toInt(), 1);
        db.close();
        EXPECT_EQ(bytesOf(path), before);
        EXPECT_FALSE(QFile::exists(path + QStringLiteral("-wal")));
        removeCentral();
    }
}

TEST_F(Upgrade, ANewerDatabaseIsRefusedUntouched)
{
    const QString path = testsupport::createCentralDb(root.path());
    {
        Connection db = open();
        db.execute(QStringLiteral("PRAGMA user_version = 999"));
    }
    const QByteArray before = bytesOf(path);
    Connection db = open();
    const schema::UpgradeOutcome outcome = schema::upgradeCentral(db);
    EXPECT_EQ(outcome.result, UpgradeResult::Newer);
    EXPECT_EQ(outcome.message, QStringLiteral("La base de datos es de una versión más nueva que este programa"));
    db.close();
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_TRUE(backups().isEmpty());
}

TEST_F(Upgrade, NoCopyNoUpgrade)
{
    const QString path = buildAt(1);
    // A folder where the copy should go.
    ASSERT_TRUE(QDir().mkpath(path + QStringLiteral(".v1.bak/x")));
    const QByteArray before = bytesOf(path);
    Connection db = open();
    const schema::UpgradeOutcome outcome = schema::upgradeCentral(db, stepsFolder(kTwoSteps));
    EXPECT_EQ(outcome.result, UpgradeResult::Failed);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("copia de seguridad"))) << qPrintable(outcome.message);
    db.close();
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".v1.bak.nuevo")));
}

// The step that makes submenus, packages, courtesy types and promotional and gift groups refer to
// their products keeps every row of a product that exists, drops the rows of products deleted
// before (and the sections of a deleted package), and from then on a held product cannot go.
TEST_F(Upgrade, ProductReferencesKeepTheRowsOfExistingProductsOnly)
{
    const int paso = stepThatWrites(QStringLiteral("ProductosXSubmenu_nueva"));
    ASSERT_GT(paso, 1);
    buildAt(paso - 1);
    {
        Connection c = open();
        c.execute(QStringLiteral(
            "PRAGMA foreign_keys = OFF;"
            "INSERT INTO Producto (ID_Producto, Nombre_Completo, Paquete) VALUES (1, 'CAFE', 0), (2, 'DESAYUNO', 1);"
            "INSERT INTO ProductosXSubmenu VALUES (1, 1, 3), (9, 1, 4);"
            "INSERT INTO Secciones_Paquete VALUES (1, 'BEBIDA', 2, 1), (2, 'POSTRE', 9, 1), (3, 'LIBRE', NULL, 0);"
            "INSERT INTO ProductosXSeccion VALUES (1, 1), (1, 9), (2, 1);"
            "INSERT INTO ProductoXTipo_Cortesia VALUES (1, 1), (1, 9);"
            "INSERT INTO Detalle_Gpo_Promocional VALUES (1, 1), (1, 9);"
            "INSERT INTO Detalle_Gpo_Obsequios VALUES (1, 1), (2, 9);"));
    }
    Connection db = open();
    QString nota;
    ASSERT_EQ(schema::bringUpToDate(db, &nota), QString());
    // The log names every table that lost rows, and how many.
    for (const QString& removed : {QStringLiteral("1 fila de ProductosXSubmenu"), QStringLiteral("1 fila de Secciones_Paquete"),
                                   QStringLiteral("2 filas de ProductosXSeccion"), QStringLiteral("1 fila de ProductoXTipo_Cortesia"),
                                   QStringLiteral("1 fila de Detalle_Gpo_Promocional"),
                                   QStringLiteral("1 fila de Detalle_Gpo_Obsequios")})
        EXPECT_TRUE(nota.contains(QStringLiteral("paso %1: %2").arg(paso).arg(removed))) << qPrintable(nota);
    EXPECT_EQ(nota.count(QStringLiteral("paso ")), 6) << qPrintable(nota);
    const auto filas = [&db](const char* sql) { return column(db, QLatin1String(sql)); };
    EXPECT_EQ(filas("SELECT ID_Producto || ':' || ID_SubMenu || ':' || Orden FROM ProductosXSubmenu"),
              QStringList{QStringLiteral("1:1:3")});
    EXPECT_EQ(filas("SELECT ID_Seccion_Paquete || ':' || Nombre_Seccion || ':' || IFNULL(ID_Producto, '-') "
                    "FROM Secciones_Paquete ORDER BY 1"),
              (QStringList{QStringLiteral("1:BEBIDA:2"), QStringLiteral("3:LIBRE:-")}));
    EXPECT_EQ(filas("SELECT ID_Seccion_Paquete || ':' || ID_Producto FROM ProductosXSeccion"),
              QStringList{QStringLiteral("1:1")});
    for (const char* tabla : {"ProductoXTipo_Cortesia", "Detalle_Gpo_Promocional", "Detalle_Gpo_Obsequios"})
        EXPECT_EQ(column(db, QStringLiteral("SELECT ID_Producto FROM %1").arg(QLatin1String(tabla))),
                  QStringList{QStringLiteral("1")})
            << tabla;

    for (const char* sql : {"DELETE FROM Producto WHERE ID_Producto=1", "DELETE FROM Producto WHERE ID_Producto=2"}) {
        EXPECT_THROW(db.execute(QLatin1String(sql)), ComError) << sql;
        ASSERT_FALSE(db.errors().isEmpty()) << sql;
        EXPECT_EQ(db.errors().first().NativeError, native::ReferenceConflict) << sql;
    }
}

// The step that adds the key file's check value: the upgrade writes it from the key file present
// then, and goes on without one.
TEST_F(Upgrade, TheUpgradeRecordsTheKeyFilePresentThen)
{
    const int paso = stepThatWrites(QStringLiteral("CREATE TABLE KeyFileCheck"));
    ASSERT_GT(paso, 1);
    for (const bool withKeyFile : {true, false}) {
        SCOPED_TRACE(withKeyFile ? "with a key file" : "without");
        QFile::remove(ClsClaves::RutaArchivo());
        if (withKeyFile) {
            ASSERT_TRUE(ClsClaves::CreaArchivo());
        }
        buildAt(paso - 1);
        Connection db = open();
        ASSERT_EQ(schema::upgradeCentral(db).result, UpgradeResult::Upgraded);
        EXPECT_EQ(column(db, QStringLiteral("SELECT Digest FROM KeyFileCheck")),
                  withKeyFile ? QStringList{g_ClsClaves.Verificacion()} : QStringList());
        if (withKeyFile) {
            EXPECT_EQ(schema::matchKeyFile(db), schema::KeyFileMatch::Matches);
        }
        db.close();
        removeCentral();
    }
}

// Refused before the upgrade, its copy or the journal mode could touch the file.
TEST_F(Upgrade, TheStartRefusesADatabaseItCannotWorkOnAndChangesNothing)
{
    struct Case {
        const char* what;
        std::function<void(const QString& path)> make;
        std::function<void(Connection& db)> meanwhile;
        QString said;
    };
    const auto write = [](const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    Connection holder;
    const Case cases[] = {
        {"empty file", [&](const QString& path) { write(path, QByteArray()); }, {}, QStringLiteral("es un archivo vacío")},
        {"another program's database",
         [](const QString& path) {
             Connection other;
             other.openFile(path, true, false);
             other.execute(QStringLiteral("CREATE TABLE Agenda (Nombre TEXT); INSERT INTO Agenda VALUES ('x')"));
         },
         {}, QStringLiteral("no es una base de datos de este programa")},
        {"held by another process",
         [&](const QString& path) {
             testsupport::createLandedCentralDb(root.path(), QStringLiteral("central"));
             holder.openFile(path, false, false);
             holder.execute(QStringLiteral("BEGIN IMMEDIATE"));
         },
         [](Connection& db) { db.setCommandTimeout(1); }, QStringLiteral("está en uso por otro proceso")},
        {"read only",
         [&](const QString&) { testsupport::createLandedCentralDb(root.path(), QStringLiteral("central")); },
         [](Connection& db) { db.execute(QStringLiteral("PRAGMA query_only = 1")); },
         QStringLiteral("es de solo lectura para este usuario")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = root.filePath(QStringLiteral("central.db"));
        c.make(path);
        const QByteArray before = bytesOf(path);
        Connection db = open();
        if (c.meanwhile)
            c.meanwhile(db);
        QString nota;
        const QString said = schema::bringUpToDate(db, &nota);
        EXPECT_TRUE(said.contains(c.said)) << qPrintable(said);
        EXPECT_TRUE(said.contains(path)) << qPrintable(said);
        EXPECT_TRUE(nota.isEmpty());
        EXPECT_FALSE(db.inTransaction());
        db.close();
        if (holder.isOpen())
            holder.close();
        EXPECT_EQ(bytesOf(path), before);
        EXPECT_TRUE(backups().isEmpty());
        removeCentral();
    }
}
