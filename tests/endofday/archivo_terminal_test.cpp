#include "fin_dia_fixture.h"

#include "endofday/archivo_terminal.h"
#include "endofday/falla_paso.h"
#include "endofday/punto_falla.h"
#include "platform/paths/paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDateTime>
#include <QFile>

#include <unistd.h>

using namespace findia;

namespace {

int failureOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const FallaPaso& f) {
        return f.numero();
    }
    return 0;
}

// A terminal's own program in the middle of a change: it holds the writer's lock.
class Writer {
public:
    explicit Writer(const QString& path)
    {
        m_db.openFile(path, false, false);
        m_db.execute(QStringLiteral("BEGIN IMMEDIATE"));
        m_db.execute(QStringLiteral("INSERT INTO Comanda (ID_Comanda) VALUES (99)"));
    }
    ~Writer()
    {
        m_db.execute(QStringLiteral("ROLLBACK"));
        m_db.close();
    }

private:
    adodb::Connection m_db;
};

} // namespace

TEST(NombresTerminal, RefuseNamesAndFoldersThatLeaveTheirPlace)
{
    for (const char* good : {"CAJA1", "Caja 2", "barra-3"})
        EXPECT_TRUE(MotivoNombreTerminal(QString::fromUtf8(good)).isEmpty()) << good;
    for (const char* bad : {"", " ", ".", "..", "..\\x", "a/b", "C:", "\\\\srv"})
        EXPECT_FALSE(MotivoNombreTerminal(QString::fromUtf8(bad)).isEmpty()) << bad;

    for (const char* good : {"", "Datos", "zorva\\datos"})
        EXPECT_TRUE(MotivoDirTermBD(QString::fromUtf8(good)).isEmpty()) << good;
    for (const char* bad : {".", "..", "Datos\\..\\x", "a/b", "C:\\x", "\\Datos", "Datos\\", "a\\\\b", "a\\.\\b"})
        EXPECT_FALSE(MotivoDirTermBD(QString::fromUtf8(bad)).isEmpty()) << bad;
}

TEST_F(FinDiaTest, SharePathsAsTheSystemComposesThem)
{
    EXPECT_EQ(RutaCompartida(QStringLiteral("CAJA1"), QStringLiteral("Datos")), shareFile(QStringLiteral("CAJA1")));
    EXPECT_EQ(RutaCompartida(QStringLiteral("CAJA1"), QString()), shareFile(QStringLiteral("CAJA1"), QString()));
    EXPECT_EQ(RutaCompartida(QStringLiteral("CAJA1"), QStringLiteral("zorva\\datos")),
              shareFile(QStringLiteral("CAJA1"), QStringLiteral("zorva/datos")));
    EXPECT_EQ(CarpetaLocalTerminal(QStringLiteral("CAJA1")), root.filePath(QStringLiteral("CAJA1")));
}

TEST_F(FinDiaTest, AFetchCopiesTheWholeFileAndGivesItsDigest)
{
    giveShare(QStringLiteral("CAJA1"));
    const QString share = shareFile(QStringLiteral("CAJA1"));
    const QString local = root.filePath(QStringLiteral("CAJA1"));
    const QString digest = TraeBaseTerminal(share, local);
    EXPECT_EQ(bytes(localCopy(QStringLiteral("CAJA1"))), bytes(share));
    EXPECT_EQ(digest, QString::fromLatin1(QCryptographicHash::hash(bytes(share), QCryptographicHash::Sha256).toHex()));
    EXPECT_EQ(QDir(local).entryList(QDir::Files | QDir::Hidden), QStringList({"Zorva_Terminal.mdb"}))
        << "no temporary file left";

    // No database on the share: nothing to copy, but the terminal's folder is made.
    QDir().mkpath(QFileInfo(shareFile(QStringLiteral("CAJA2"))).absolutePath());
    EXPECT_EQ(TraeBaseTerminal(shareFile(QStringLiteral("CAJA2")), root.filePath(QStringLiteral("CAJA2"))), QString());
    EXPECT_TRUE(QDir(root.filePath(QStringLiteral("CAJA2"))).exists());
}

TEST_F(FinDiaTest, FetchFailuresCarryTheFileErrorNumbers)
{
    const QString share = shareFile(QStringLiteral("CAJA1"));
    const QString local = root.filePath(QStringLiteral("CAJA1"));
    EXPECT_EQ(failureOf([&] { TraeBaseTerminal(share, local); }), FallaPaso::RutaNoEncontrada) << "no such share";

    giveShare(QStringLiteral("CAJA1"));
    const QByteArray before = bytes(share);
    {
        Writer writer(share);
        EXPECT_EQ(failureOf([&] { TraeBaseTerminal(share, local); }), FallaPaso::PermisoDenegado) << "a writer holds it";
    }
    QFile journal(share + QStringLiteral("-journal"));
    ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
    journal.write(QByteArray(512, 'x'));
    journal.close();
    EXPECT_EQ(failureOf([&] { TraeBaseTerminal(share, local); }), FallaPaso::PermisoDenegado) << "a hot journal";
    journal.remove();
    EXPECT_EQ(bytes(share), before);
    EXPECT_FALSE(QFile::exists(localCopy(QStringLiteral("CAJA1"))));

    QFile blocker(root.filePath(QStringLiteral("CAJA2")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    giveShare(QStringLiteral("CAJA2"));
    EXPECT_EQ(failureOf([&] { TraeBaseTerminal(shareFile(QStringLiteral("CAJA2")), blocker.fileName()); }),
              FallaPaso::ErrorAcceso) << "the local folder cannot be made";
}

TEST_F(FinDiaTest, APushReplacesOnlyTheDatabaseThatWasFetched)
{
    const QString copy = CopiaPlantilla();
    const QString templateCopy = QDir(copy).filePath(QStringLiteral("Zorva_Terminal.mdb"));
    EXPECT_EQ(bytes(templateCopy), bytes(templateFile()));

    giveShare(QStringLiteral("CAJA1"));
    const QString share = shareFile(QStringLiteral("CAJA1"));
    const QString digest = TraeBaseTerminal(share, root.filePath(QStringLiteral("CAJA1")));
    {
        Writer writer(share);
        EXPECT_EQ(failureOf([&] { EnviaArchivoTerminal(templateCopy, share, digest); }), FallaPaso::PermisoDenegado);
    }
    EXPECT_NE(bytes(share), bytes(templateCopy));

    // A sale recorded after the fetch would be lost by the push.
    giveShare(QStringLiteral("CAJA1"), 2);
    EXPECT_EQ(failureOf([&] { EnviaArchivoTerminal(templateCopy, share, digest); }), FallaPaso::ErrorAcceso);
    EXPECT_NE(bytes(share), bytes(templateCopy));

    const QString again = TraeBaseTerminal(share, root.filePath(QStringLiteral("CAJA1")));
    EnviaArchivoTerminal(templateCopy, share, again);
    EXPECT_EQ(bytes(share), bytes(templateCopy));
    EXPECT_EQ(QDir(QFileInfo(share).absolutePath()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"Zorva_Terminal.mdb"}));

    // A share without a database receives one; a share that is not there, nothing.
    QDir().mkpath(QFileInfo(shareFile(QStringLiteral("CAJA2"))).absolutePath());
    EnviaArchivoTerminal(templateCopy, shareFile(QStringLiteral("CAJA2")), QString());
    EXPECT_EQ(bytes(shareFile(QStringLiteral("CAJA2"))), bytes(templateCopy));
    EXPECT_EQ(failureOf([&] { EnviaArchivoTerminal(templateCopy, shareFile(QStringLiteral("CAJA3")), QString()); }),
              FallaPaso::RutaNoEncontrada);

    QFile::remove(templateFile());
    EXPECT_EQ(failureOf([] { CopiaPlantilla(); }), FallaPaso::ArchivoNoEncontrado);
}

TEST_F(FinDiaTest, ACopyWritesUnderANameOfItsOwnAndClearsLeftoversNoOneWrites)
{
    const QString copy = CopiaPlantilla();
    const QString templateCopy = QDir(copy).filePath(QStringLiteral("Zorva_Terminal.mdb"));
    QDir().mkpath(QFileInfo(shareFile(QStringLiteral("CAJA1"))).absolutePath());
    const QDir share(QFileInfo(shareFile(QStringLiteral("CAJA1"))).absolutePath());
    // What a copy killed an hour ago left, what a process that is gone left, and what one at work
    // now (this one's parent, say) is writing.
    const QString old = share.filePath(QStringLiteral(".Zorva_Terminal.mdb.%1-dead.tmp").arg(::getppid()));
    const QString gone = share.filePath(QStringLiteral(".Zorva_Terminal.mdb.999999999-cafe.tmp"));
    const QString fresh = share.filePath(QStringLiteral(".Zorva_Terminal.mdb.%1-beef.tmp").arg(::getppid()));
    for (const QString& path : {old, gone, fresh}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QFile f(old);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-7200), QFileDevice::FileModificationTime));
    f.close();

    QStringList seen;
    puntofalla::fija([&](const QString& point) {
        if (point == QLatin1String("envio:temporal"))
            seen = share.entryList({QStringLiteral(".Zorva_Terminal.mdb.*.tmp")}, QDir::Files | QDir::Hidden);
    });
    EnviaArchivoTerminal(templateCopy, shareFile(QStringLiteral("CAJA1")), QString());
    puntofalla::quita();
    ASSERT_EQ(seen.size(), 2) << seen.join(' ').toStdString();
    EXPECT_TRUE(seen.contains(QFileInfo(fresh).fileName()));
    EXPECT_TRUE(seen.filter(QStringLiteral(".%1-").arg(::getpid())).size() == 1) << "named by the writing process";
    EXPECT_EQ(share.entryList(QDir::Files | QDir::Hidden), QStringList({QFileInfo(fresh).fileName(), "Zorva_Terminal.mdb"}));
    EXPECT_EQ(bytes(shareFile(QStringLiteral("CAJA1"))), bytes(templateCopy));
}
