#include "schema/upgrade.h"
#include "fin_dia_fixture.h"

#include "endofday/candado_fin_dia.h"
#include "endofday/fin_dia_entrada.h"
#include "foundation/log/log_files.h"
#include "platform/paths/paths.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using findia::DesenlaceFinDia;

class FinDia : public FinDiaTest {
protected:
    QStringList texts() const { return answers.texts(); }
    // A file where the terminal's local folder should be: its fetch fails with a path error.
    void blockLocalFolder(const QString& name)
    {
        QFile blocker(root.filePath(name));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    int runs() { return scalar(QStringLiteral("SELECT COUNT(*) FROM EndOfDayRun")).toInt(); }
};

TEST_F(FinDia, TheWorkingDateAdvancesToTheNextCalendarDay)
{
    const QPair<const char*, const char*> cases[] = {
        {"31122024", "01012025"}, {"30042024", "01052024"}, {"30052024", "31052024"}, {"28022024", "29022024"},
        {"28022025", "01032025"}, {"29022024", "01032024"}, {"15072024", "16072024"},
    };
    for (const auto& [from, to] : cases) {
        setParam(QStringLiteral("FECHA_TRABAJO"), QString::fromLatin1(from));
        answers.clear();
        EXPECT_EQ(run().desenlace, DesenlaceFinDia::Terminado) << from;
        EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QString::fromLatin1(to)) << from;
        EXPECT_EQ(texts(), QStringList({"Proceso terminado"})) << from;
    }
    // No sales: both folios start again at 1; otherwise they follow the largest keys.
    EXPECT_EQ(param(QStringLiteral("FOLIOPAGO"), QStringLiteral("Valor_Num")), QStringLiteral("1"));
    EXPECT_EQ(param(QStringLiteral("FOLIOCOMANDA"), QStringLiteral("Valor_Num")), QStringLiteral("1"));
    db.execute(QStringLiteral("INSERT INTO Comanda (ID_Comanda) VALUES (41); INSERT INTO Pago (ID_Pago) VALUES (70000)"));
    run();
    EXPECT_EQ(param(QStringLiteral("FOLIOCOMANDA"), QStringLiteral("Valor_Num")), QStringLiteral("42"));
    EXPECT_EQ(param(QStringLiteral("FOLIOPAGO"), QStringLiteral("Valor_Num")), QStringLiteral("70001"));
}

TEST_F(FinDia, ParametersThatCannotBeTrustedChangeNothing)
{
    struct Case {
        const char* key;
        QVariant value;
        const char* number;
    };
    const Case cases[] = {
        {"FECHA_TRABAJO", QStringLiteral("31042024"), "13 "},
        {"FECHA_TRABAJO", QStringLiteral("15a32024"), "13 "},
        {"FECHA_TRABAJO", QVariant(), "13 "},
        {"DIRTERMBD", QVariant(), "94 "},
        {"DIRTERMBD", QStringLiteral("..\\otra"), "52 "},
        {"DIRTERMBD", QStringLiteral("C:\\Datos"), "52 "},
    };
    addTerminal(QStringLiteral("CAJA1"));
    giveShare(QStringLiteral("CAJA1"));
    db.execute(QStringLiteral("INSERT INTO Transacciones (Transaccion, Escribiendo) VALUES ('!ON', 0)"));
    for (const Case& c : cases) {
        setParam(QStringLiteral("FECHA_TRABAJO"), QStringLiteral("15032024"));
        setParam(QStringLiteral("DIRTERMBD"), QStringLiteral("Datos"));
        setParam(QString::fromLatin1(c.key), c.value);
        answers.clear();
        EXPECT_EQ(run(true).desenlace, DesenlaceFinDia::NoIniciado) << c.key;
        ASSERT_EQ(answers.boxes().size(), 1) << c.key;
        EXPECT_TRUE(answers.boxes().at(0).text.startsWith(QLatin1String(c.number))) << answers.boxes().at(0).text.toStdString();
        EXPECT_EQ(answers.boxes().at(0).icon(), 0);
        EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")),
                  QString::fromLatin1(c.key) == QLatin1String("FECHA_TRABAJO") ? c.value.toString() : QStringLiteral("15032024"));
    }
    EXPECT_EQ(runs(), 0);
    EXPECT_EQ(commands(), QStringList({"!ON:"}));
    EXPECT_FALSE(QFile::exists(localCopy(QStringLiteral("CAJA1"))));
}

TEST_F(FinDia, ACleanRunFetchesEveryTerminalAndSendsItTheNewDatabase)
{
    for (const QString& dir : {QStringLiteral("Datos"), QString()}) {
        SCOPED_TRACE(dir.toStdString());
        db.execute(QStringLiteral("DELETE FROM Terminal; DELETE FROM sqlite_sequence WHERE name='Terminal'"));
        setParam(QStringLiteral("DIRTERMBD"), dir);
        addTerminal(QStringLiteral("CAJA1"), QStringLiteral("A"), 2);
        addTerminal(QStringLiteral("SERVIDOR"), QStringLiteral("A"), 1);
        addTerminal(QStringLiteral("CAJA2"), QStringLiteral("A"), 1);
        addTerminal(QStringLiteral("BARRA"), QStringLiteral("I"));
        setParam(QStringLiteral("TERMINAL"), 2, QStringLiteral("Valor_Num"));
        giveShare(QStringLiteral("CAJA1"), 1, dir);
        giveShare(QStringLiteral("SERVIDOR"), 2, dir);
        // CAJA2's share holds no database yet: it gets one.
        QDir().mkpath(QFileInfo(shareFile(QStringLiteral("CAJA2"), dir)).absolutePath());
        const QByteArray caja1 = bytes(shareFile(QStringLiteral("CAJA1"), dir));
        // A temporary table that an earlier run left behind does not stop this one.
        g_ClsAdo().conexion().execute(QStringLiteral("CREATE TEMP TABLE \"#Tmp_Conciliacion\" (x)"));
        answers.clear();

        const findia::ResultadoFinDia result = run(false, true);
        EXPECT_EQ(result.desenlace, DesenlaceFinDia::Terminado);
        EXPECT_TRUE(result.limpio);
        EXPECT_EQ(texts(), QStringList({"Proceso terminado"}));
        EXPECT_EQ(bytes(localCopy(QStringLiteral("CAJA1"))), caja1);
        for (const char* name : {"CAJA1", "SERVIDOR", "CAJA2"}) {
            EXPECT_TRUE(holdsNewDatabase(QString::fromLatin1(name), dir)) << name;
            EXPECT_EQ(terminalState(QString::fromLatin1(name)), QStringLiteral("pushed")) << name;
        }
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Comanda WHERE ID_Comanda IN (1, 2)")).toInt(), 2)
            << "the sales of CAJA1 and SERVIDOR are central";
        EXPECT_FALSE(QFile::exists(localCopy(QStringLiteral("BARRA"))));
        EXPECT_EQ(commands(), QStringList({"!OFF :1,3", "!ON:1,3"}));
        EXPECT_EQ(tempTables(), 0);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("17032024"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM EndOfDayRun WHERE State='finished'")).toInt(), 2);
}

TEST_F(FinDia, ATerminalNameThatWouldLeaveItsFolderIsSkipped)
{
    addTerminal(QStringLiteral("..\\x"));
    addTerminal(QStringLiteral("CAJA1"));
    giveShare(QStringLiteral("CAJA1"));
    QDir().mkpath(QDir(paths::sharesRoot()).filePath(QStringLiteral("x/Datos")));
    const findia::ResultadoFinDia result = run();
    EXPECT_EQ(result.desenlace, DesenlaceFinDia::Terminado);
    EXPECT_FALSE(result.limpio);
    EXPECT_EQ(terminalState(QStringLiteral("..\\x")), QStringLiteral("skipped"));
    EXPECT_EQ(terminalState(QStringLiteral("CAJA1")), QStringLiteral("pushed"));
    ASSERT_EQ(answers.boxes().size(), 2);
    EXPECT_TRUE(answers.boxes().at(0).text.startsWith(QStringLiteral("Error de comunicación con terminales:\r\n..\\x ")));
    EXPECT_TRUE(QDir(QDir(paths::sharesRoot()).filePath(QStringLiteral("x/Datos"))).isEmpty());
    EXPECT_FALSE(QFile::exists(QDir(paths::sharesRoot()).filePath(QStringLiteral("../x"))));
    EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("../x"))));
}

TEST_F(FinDia, AbortLeavesTheDayOpenAndTheNextStartFinishesIt)
{
    addTerminal(QStringLiteral("CAJA1"));
    addTerminal(QStringLiteral("CAJA2"));
    giveShare(QStringLiteral("CAJA2"));
    answers.answer(ui::Abort);
    EXPECT_EQ(run(false, true).desenlace, DesenlaceFinDia::Abortado);
    ASSERT_EQ(answers.boxes().size(), 2);
    EXPECT_EQ(answers.boxes().at(0).text, QStringLiteral("Falla de comunicación con CAJA1"));
    EXPECT_EQ(answers.boxes().at(0).style, ui::AbortRetryIgnore | ui::Exclamation);
    EXPECT_EQ(answers.boxes().at(1).text, QStringLiteral("Abortado"));
    EXPECT_EQ(answers.boxes().at(1).icon(), ui::Information);
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("15032024"));
    EXPECT_EQ(commands(), QStringList({"!OFF :1,2"}));
    EXPECT_EQ(tempTables(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(g_ClsAdo().CbNoMensaje);
    EXPECT_FALSE(QFile::exists(localCopy(QStringLiteral("CAJA2")))) << "nothing after the abort";

    giveShare(QStringLiteral("CAJA1"));
    answers.clear();
    answers.answer(ui::Yes);
    EXPECT_EQ(run(true, true).desenlace, DesenlaceFinDia::Terminado);
    ASSERT_FALSE(answers.boxes().isEmpty());
    EXPECT_EQ(answers.boxes().first().text, QStringLiteral("¿Desea terminar el fin de día del 15/03/2024?"));
    EXPECT_EQ(answers.boxes().first().style, ui::YesNo | ui::Question | ui::DefaultButton2);
    EXPECT_EQ(answers.boxes().last().text, QStringLiteral("Proceso terminado"));
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("16032024"));
    EXPECT_EQ(runs(), 1);
    EXPECT_EQ(commands(), QStringList({"!OFF :1,2", "!ON:1,2"}));

    // The next day is asked about afresh, and No changes nothing.
    answers.clear();
    EXPECT_EQ(run(true).desenlace, DesenlaceFinDia::Cancelado);
    EXPECT_EQ(texts(), QStringList({"¿Desea cerrar el día 16/03/2024?"}));
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("16032024"));
    EXPECT_EQ(runs(), 1);
}

TEST_F(FinDia, AnIgnoredTerminalKeepsItsDatabaseAndIsListed)
{
    int order = 0;
    for (const char* name : {"CAJA1", "CAJA2", "CAJA3"}) {
        addTerminal(QString::fromLatin1(name));
        giveShare(QString::fromLatin1(name), ++order);
    }
    blockLocalFolder(QStringLiteral("CAJA2"));
    const QByteArray caja2 = bytes(shareFile(QStringLiteral("CAJA2")));
    answers.answer(ui::Ignore);
    const findia::ResultadoFinDia result = run();
    EXPECT_FALSE(result.limpio);
    ASSERT_EQ(answers.boxes().size(), 3);
    EXPECT_EQ(answers.boxes().at(0).text, QStringLiteral("Falla de comunicación con CAJA2"));
    EXPECT_EQ(answers.boxes().at(1).text,
              QStringLiteral("Error de comunicación con terminales:\r\nCAJA2 Error de acceso a la ruta o el archivo"));
    EXPECT_EQ(answers.boxes().at(1).caption, QStringLiteral("Error fin día"));
    EXPECT_EQ(answers.boxes().at(1).icon(), ui::Critical);
    EXPECT_EQ(answers.boxes().at(2).text, QStringLiteral("Proceso terminado"));
    EXPECT_EQ(bytes(shareFile(QStringLiteral("CAJA2"))), caja2);
    EXPECT_EQ(terminalState(QStringLiteral("CAJA2")), QStringLiteral("skipped"));
    for (const char* name : {"CAJA1", "CAJA3"}) {
        EXPECT_EQ(terminalState(QString::fromLatin1(name)), QStringLiteral("pushed")) << name;
        EXPECT_TRUE(holdsNewDatabase(QString::fromLatin1(name))) << name;
    }
}

TEST_F(FinDia, ARetryThatSucceedsTakesTheTerminalThroughTheRun)
{
    addTerminal(QStringLiteral("CAJA1"));
    giveShare(QStringLiteral("CAJA1"));
    blockLocalFolder(QStringLiteral("CAJA1"));
    QStringList shown;
    ui::setAnswerer([&](const ui::Box& box) {
        shown << box.text;
        if (box.buttons() != ui::AbortRetryIgnore)
            return ui::Ok;
        QFile::remove(root.filePath(QStringLiteral("CAJA1")));
        return ui::Retry;
    });
    EXPECT_TRUE(run().limpio);
    EXPECT_EQ(shown, QStringList({"Falla de comunicación con CAJA1", "Proceso terminado"}));
    EXPECT_EQ(terminalState(QStringLiteral("CAJA1")), QStringLiteral("pushed"));
}

TEST_F(FinDia, ADatabaseStillInUseIsNeitherReadNorReplaced)
{
    addTerminal(QStringLiteral("CAJA1"));
    addTerminal(QStringLiteral("CAJA2"));
    giveShare(QStringLiteral("CAJA1"));
    giveShare(QStringLiteral("CAJA2"));
    // The copy an earlier run took stays as it was.
    QDir().mkpath(root.filePath(QStringLiteral("CAJA2")));
    QFile earlier(localCopy(QStringLiteral("CAJA2")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("copia de ayer");
    earlier.close();

    adodb::Connection terminal;
    terminal.openFile(shareFile(QStringLiteral("CAJA2")), false, false);
    terminal.execute(QStringLiteral("BEGIN IMMEDIATE"));
    terminal.execute(QStringLiteral("INSERT INTO Comanda (ID_Comanda) VALUES (7)"));
    run();
    terminal.execute(QStringLiteral("ROLLBACK"));
    terminal.close();

    EXPECT_EQ(answers.boxes().at(0).text, QStringLiteral("La terminal CAJA2 no se cerro"));
    EXPECT_EQ(answers.boxes().at(0).icon(), ui::Critical);
    EXPECT_EQ(bytes(localCopy(QStringLiteral("CAJA2"))), QByteArray("copia de ayer"));
    EXPECT_EQ(terminalState(QStringLiteral("CAJA2")), QStringLiteral("skipped"));
    EXPECT_TRUE(scalar(QStringLiteral("SELECT Measures IS NULL AND Digest IS NULL FROM EndOfDayTerminal "
                                      "WHERE TerminalName='CAJA2'")).toBool());
    EXPECT_FALSE(holdsNewDatabase(QStringLiteral("CAJA2")));
    EXPECT_EQ(terminalState(QStringLiteral("CAJA1")), QStringLiteral("pushed"));
}

TEST_F(FinDia, SomethingButADatabaseInItsPlaceSkipsTheTerminalAndItIsListed)
{
    for (const char* name : {"CAJA1", "CAJA2"}) {
        addTerminal(QString::fromLatin1(name));
        // The database's place on the share is taken by a folder.
        QDir().mkpath(shareFile(QString::fromLatin1(name)));
    }
    answers.answer(ui::Ignore);
    answers.answer(ui::Ignore);
    const findia::ResultadoFinDia result = run();
    EXPECT_EQ(result.desenlace, DesenlaceFinDia::Terminado);
    EXPECT_FALSE(result.limpio);
    ASSERT_EQ(answers.boxes().size(), 4);
    const QStringList lines = answers.boxes().at(2).text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3) << answers.boxes().at(2).text.toStdString();
    EXPECT_EQ(lines.at(0), QStringLiteral("Error de comunicación con terminales:"));
    EXPECT_TRUE(lines.at(1).startsWith(QStringLiteral("CAJA1 La base de la terminal no es un archivo: "))) << lines.at(1).toStdString();
    EXPECT_TRUE(lines.at(2).startsWith(QStringLiteral("CAJA2 "))) << lines.at(2).toStdString();
    EXPECT_EQ(answers.boxes().at(3).text, QStringLiteral("Proceso terminado"));
    EXPECT_TRUE(QFileInfo(shareFile(QStringLiteral("CAJA1"))).isDir());
    EXPECT_EQ(terminalState(QStringLiteral("CAJA1")), QStringLiteral("skipped"));
    EXPECT_EQ(commands(), QStringList({"!OFF :1,2", "!ON:1,2"}));
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("16032024"));
}

TEST_F(FinDia, AResumeNeitherAdvancesTheDateAgainNorRepeatsATerminal)
{
    addTerminal(QStringLiteral("CAJA1"));
    addTerminal(QStringLiteral("CAJA2"));
    giveShare(QStringLiteral("CAJA1"));
    giveShare(QStringLiteral("CAJA2"));
    QFile::rename(templateFile(), templateFile() + QStringLiteral(".aparte"));
    EXPECT_EQ(run().desenlace, DesenlaceFinDia::Fallido);
    EXPECT_EQ(texts(), QStringList({"53 No se encontró el archivo Plantilla.mdb"}));
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("16032024"));
    EXPECT_EQ(commands(), QStringList({"!OFF :1,2"}));
    EXPECT_EQ(terminalState(QStringLiteral("CAJA1")), QStringLiteral("collected"));

    // As if CAJA1 had been sent its database just before a power cut.
    db.execute(QStringLiteral("UPDATE EndOfDayTerminal SET State='pushed' WHERE TerminalName='CAJA1'"));
    const QByteArray caja1 = bytes(shareFile(QStringLiteral("CAJA1")));
    QFile::remove(localCopy(QStringLiteral("CAJA2")));
    QFile::rename(templateFile() + QStringLiteral(".aparte"), templateFile());
    answers.clear();
    EXPECT_EQ(run().desenlace, DesenlaceFinDia::Terminado);
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("16032024"));
    EXPECT_EQ(bytes(shareFile(QStringLiteral("CAJA1"))), caja1);
    EXPECT_TRUE(holdsNewDatabase(QStringLiteral("CAJA2")));
    EXPECT_FALSE(QFile::exists(localCopy(QStringLiteral("CAJA2")))) << "a collected terminal is not fetched again";
    EXPECT_EQ(runs(), 1);
    EXPECT_EQ(commands(), QStringList({"!OFF :1,2", "!ON:1,2"}));
}

TEST_F(FinDia, OneRunAtATimeAndAKilledRunBlocksNothing)
{
    const QString base = db.filePath();
    {
        findia::CandadoFinDia other(base);
        ASSERT_TRUE(other.tomado());
        EXPECT_EQ(run().desenlace, DesenlaceFinDia::NoIniciado);
        EXPECT_EQ(texts(), QStringList({"Ya hay un fin de día en curso"}));
        EXPECT_EQ(runs(), 0);
    }
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        findia::CandadoFinDia held(base);
        const char ok = held.tomado() ? '1' : '0';
        (void)!::write(ready[1], &ok, 1);
        for (;;)
            ::pause();
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    EXPECT_EQ(ok, '1');
    EXPECT_FALSE(findia::CandadoFinDia(base).tomado());
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(findia::CandadoFinDia(base).tomado());
}

TEST_F(FinDia, TheLockBelongsToTheDatabaseNotToTheDataRoot)
{
    addTerminal(QStringLiteral("CAJA1"));
    giveShare(QStringLiteral("CAJA1"));
    const QByteArray share = bytes(shareFile(QStringLiteral("CAJA1")));
    // A run from another data root holds this database.
    QTemporaryDir otherRoot;
    const QByteArray ownRoot = qgetenv("ZORVA_DATA");
    qputenv("ZORVA_DATA", QFile::encodeName(otherRoot.path()));
    findia::CandadoFinDia other(db.filePath());
    qputenv("ZORVA_DATA", ownRoot);
    ASSERT_TRUE(other.tomado());
    EXPECT_EQ(run().desenlace, DesenlaceFinDia::NoIniciado);
    EXPECT_EQ(texts(), QStringList({"Ya hay un fin de día en curso"}));
    EXPECT_EQ(runs(), 0);
    EXPECT_EQ(bytes(shareFile(QStringLiteral("CAJA1"))), share);
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("15032024"));
}

TEST_F(FinDia, TheCommandLineRunPrintsEveryBoxAndSaysWhetherAllWentWell)
{
    EXPECT_EQ(FinDiaSinPantalla({"zorva_servidor", "--fin-dia", "."}), 2);

    addTerminal(QStringLiteral("CAJA1"));
    giveShare(QStringLiteral("CAJA1"));
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    EXPECT_EQ(CorreFinDiaSinPantalla(QStringLiteral("."), QStringLiteral("central"), out, err), 0);
    EXPECT_EQ(readAll(out), QStringLiteral("Proceso terminado\n"));
    EXPECT_EQ(readAll(err), QString());
    std::fclose(out);
    std::fclose(err);

    addTerminal(QStringLiteral("CAJA2"));
    giveShare(QStringLiteral("CAJA2"));
    blockLocalFolder(QStringLiteral("CAJA2"));
    out = std::tmpfile();
    err = std::tmpfile();
    EXPECT_EQ(CorreFinDiaSinPantalla(QStringLiteral("."), QStringLiteral("central"), out, err), 1);
    EXPECT_EQ(readAll(out), QStringLiteral("Proceso terminado\n"));
    EXPECT_EQ(readAll(err), QStringLiteral("Falla de comunicación con CAJA2\nError de comunicación con terminales:\n"
                                           "CAJA2 Error de acceso a la ruta o el archivo\n"));
    EXPECT_EQ(terminalState(QStringLiteral("CAJA1")), QStringLiteral("pushed"));
    std::fclose(out);
    std::fclose(err);
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("17032024"));
}

TEST_F(FinDia, TheCommandLineRunRefusesADatabaseOfANewerProgram)
{
    addTerminal(QStringLiteral("CAJA1"));
    giveShare(QStringLiteral("CAJA1"));
    db.execute(QStringLiteral("PRAGMA user_version=999"));
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    EXPECT_EQ(CorreFinDiaSinPantalla(QStringLiteral("."), QStringLiteral("central"), out, err), 1);
    EXPECT_EQ(readAll(out), QString());
    EXPECT_EQ(readAll(err), schema::kNewerDatabase + QLatin1Char('\n'));
    std::fclose(out);
    std::fclose(err);
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("15032024"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM EndOfDayRun")).toInt(), 0);
}

TEST_F(FinDia, AResumedRunDoesNotFetchACollectedTerminalAgain)
{
    addTerminal(QStringLiteral("CAJA1"));
    addTerminal(QStringLiteral("CAJA2"));
    giveShare(QStringLiteral("CAJA1"));
    answers.answer(ui::Abort);
    EXPECT_EQ(run().desenlace, DesenlaceFinDia::Abortado);
    EXPECT_EQ(terminalState(QStringLiteral("CAJA1")), QStringLiteral("fetched"));

    // As if the run had stopped right after collecting CAJA1.
    db.execute(QStringLiteral("UPDATE EndOfDayTerminal SET State='collected' WHERE TerminalName='CAJA1'"));
    QFile::remove(localCopy(QStringLiteral("CAJA1")));
    giveShare(QStringLiteral("CAJA2"));
    answers.clear();
    EXPECT_TRUE(run().limpio);
    EXPECT_FALSE(QFile::exists(localCopy(QStringLiteral("CAJA1"))));
    EXPECT_TRUE(QFile::exists(localCopy(QStringLiteral("CAJA2"))));
    EXPECT_EQ(terminalState(QStringLiteral("CAJA1")), QStringLiteral("pushed"));
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("16032024"));
}

TEST_F(FinDia, AFailedStopTouchesNoFileAndAFailedStartStillEndsTheRun)
{
    addTerminal(QStringLiteral("CAJA1"));
    giveShare(QStringLiteral("CAJA1"));
    const QByteArray share = bytes(shareFile(QStringLiteral("CAJA1")));
    db.execute(QStringLiteral("CREATE TRIGGER Rechaza BEFORE INSERT ON Transacciones WHEN NEW.Transaccion='!OFF ' "
                              "BEGIN SELECT RAISE(ABORT, 'comando rechazado'); END"));
    EXPECT_EQ(run(false, true).desenlace, DesenlaceFinDia::Fallido);
    ASSERT_EQ(answers.boxes().size(), 1);
    EXPECT_TRUE(answers.boxes().at(0).text.contains(QStringLiteral("comando rechazado")));
    EXPECT_FALSE(QFile::exists(localCopy(QStringLiteral("CAJA1"))));
    EXPECT_EQ(bytes(shareFile(QStringLiteral("CAJA1"))), share);
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("15032024"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    db.execute(QStringLiteral("DROP TRIGGER Rechaza"));
    db.execute(QStringLiteral("CREATE TRIGGER Rechaza BEFORE INSERT ON Transacciones WHEN NEW.Transaccion='!ON' "
                              "BEGIN SELECT RAISE(ABORT, 'comando rechazado'); END"));
    answers.clear();
    const findia::ResultadoFinDia result = run();
    EXPECT_EQ(result.desenlace, DesenlaceFinDia::Terminado);
    EXPECT_FALSE(result.limpio);
    ASSERT_EQ(answers.boxes().size(), 2);
    EXPECT_TRUE(answers.boxes().at(0).text.contains(QStringLiteral("comando rechazado")));
    EXPECT_EQ(answers.boxes().at(1).text, QStringLiteral("Proceso terminado"));
    EXPECT_EQ(commands(), QStringList({"!OFF :1"}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT State FROM EndOfDayRun")).toString(), QStringLiteral("finished"));
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("16032024"));
}

TEST_F(FinDia, IgnoreGetsPastADamagedDatabase)
{
    addTerminal(QStringLiteral("CAJA1"));
    addTerminal(QStringLiteral("CAJA2"));
    QDir().mkpath(QFileInfo(shareFile(QStringLiteral("CAJA1"))).absolutePath());
    QFile damaged(shareFile(QStringLiteral("CAJA1")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(4096, '\x5a'));
    damaged.close();
    giveShare(QStringLiteral("CAJA2"));
    answers.answer(ui::Ignore);
    EXPECT_EQ(run().desenlace, DesenlaceFinDia::Terminado);
    EXPECT_EQ(texts().first(), QStringLiteral("Falla de comunicación con CAJA1"));
    EXPECT_EQ(bytes(shareFile(QStringLiteral("CAJA1"))), QByteArray(4096, '\x5a'));
    EXPECT_EQ(terminalState(QStringLiteral("CAJA1")), QStringLiteral("skipped"));
    EXPECT_EQ(terminalState(QStringLiteral("CAJA2")), QStringLiteral("pushed"));
    EXPECT_TRUE(holdsNewDatabase(QStringLiteral("CAJA2")));
}

TEST_F(FinDia, ALogThatCannotBeWrittenIsSaidOnceAndOpensNoBox)
{
    addTerminal(QStringLiteral("CAJA1"));
    addTerminal(QStringLiteral("CAJA2"));
    giveShare(QStringLiteral("CAJA1"));
    giveShare(QStringLiteral("CAJA2"));
    blockLocalFolder(QStringLiteral("CAJA2"));
    // The daily log's folder cannot be made: every line of the run, and every box it prints, fails to log.
    QFile blocker(root.filePath(QStringLiteral("plimo")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    EXPECT_EQ(CorreFinDiaSinPantalla(QStringLiteral("."), QStringLiteral("central"), out, err), 1);
    const QStringList lines = readAll(err).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.count(QStringLiteral("Error en bitacora al crear el directorio C:\\plimo\\log !")), 1) << lines.join('|').toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("CAJA2 Error de acceso a la ruta o el archivo")));
    EXPECT_EQ(readAll(out), QStringLiteral("Proceso terminado\n"));
    std::fclose(out);
    std::fclose(err);
    EXPECT_EQ(param(QStringLiteral("FECHA_TRABAJO")), QStringLiteral("16032024"));

    // Before the run, Qt's notes go to the same place: no box, said once.
    ui::ScriptedAnswerer none;
    PreparaFinDiaSinPantalla();
    qWarning("QStandardPaths: XDG_RUNTIME_DIR not set");
    qWarning("otra nota");
    qInstallMessageHandler(nullptr);
    logfiles::setFailureReporter(nullptr);
    EXPECT_TRUE(none.boxes().isEmpty());
}
