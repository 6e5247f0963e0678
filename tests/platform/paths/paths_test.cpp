#include "platform/paths/paths.h"
#include "tests/support/temp_data_root.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

mode_t modeOf(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 0777 : 0;
}

void makeFile(const QString& path, mode_t mode)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write("x");
    f.close();
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

void makeFolder(const QString& path, mode_t mode)
{
    ASSERT_TRUE(QDir().mkpath(path));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

} // namespace

TEST(Paths, SystemPathsNeverLeaveTheirRoot)
{
    TempDataRoot root;
    const QString data = root.path();
    const QString shares = paths::sharesRoot();
    struct Case {
        const char* system;
        QString local;
    };
    const Case cases[] = {
        {"C:\\plimo\\log\\", data + QStringLiteral("/plimo/log/")},
        {"C:\\..\\..\\..\\srv\\x", data + QStringLiteral("/srv/x")},
        {"C:\\plimo\\..\\..\\etc\\passwd", data + QStringLiteral("/etc/passwd")},
        {"D:\\..\\x", data + QStringLiteral("/D/x")},
        {"\\..\\..\\x", data + QStringLiteral("/x")},
        {"..\\..\\x", data + QStringLiteral("/x")},
        {"\\\\CAJA1\\..\\..\\..\\etc", shares + QStringLiteral("/etc")},
        {"\\\\CAJA1\\zorva\\.\\Zorva_Terminal.mdb", shares + QStringLiteral("/CAJA1/zorva/Zorva_Terminal.mdb")},
        {"C:\\..", data},
    };
    for (const Case& c : cases)
        EXPECT_EQ(paths::toLocal(QString::fromLatin1(c.system)), c.local) << c.system;
}

TEST(Paths, KeepPrivateClosesTheDataRootToOthersButNotTheShares)
{
    TempDataRoot root;
    QTemporaryDir outside;
    const QString data = root.path();
    // As an earlier version left them.
    makeFolder(data, 0755);
    makeFile(data + QStringLiteral("/central.db"), 0644);
    makeFolder(data + QStringLiteral("/plimo/log"), 0755);
    makeFile(data + QStringLiteral("/plimo/ZorvaComTra01012024.log"), 0664);
    makeFolder(data + QStringLiteral("/tickets"), 0775);
    makeFile(data + QStringLiteral("/tickets/.oculto.pdf"), 0644);
    makeFolder(data + QStringLiteral("/shares/CAJA1"), 0777);
    makeFile(data + QStringLiteral("/shares/CAJA1/Zorva_Terminal.mdb"), 0666);
    makeFile(outside.filePath(QStringLiteral("ajeno.txt")), 0644);
    ASSERT_TRUE(QFile::link(outside.filePath(QStringLiteral("ajeno.txt")), data + QStringLiteral("/enlace.txt")));

    const mode_t oldMask = ::umask(022);
    paths::keepPrivate();

    EXPECT_EQ(modeOf(data), 0700u);
    EXPECT_EQ(modeOf(data + QStringLiteral("/central.db")), 0600u);
    EXPECT_EQ(modeOf(data + QStringLiteral("/plimo")), 0700u);
    EXPECT_EQ(modeOf(data + QStringLiteral("/plimo/log")), 0700u);
    EXPECT_EQ(modeOf(data + QStringLiteral("/plimo/ZorvaComTra01012024.log")), 0600u);
    EXPECT_EQ(modeOf(data + QStringLiteral("/tickets")), 0700u);
    EXPECT_EQ(modeOf(data + QStringLiteral("/tickets/.oculto.pdf")), 0600u);
    // The terminals reach their shares; a link's target is somebody else's file.
    EXPECT_EQ(modeOf(data + QStringLiteral("/shares/CAJA1")), 0777u);
    EXPECT_EQ(modeOf(data + QStringLiteral("/shares/CAJA1/Zorva_Terminal.mdb")), 0666u);
    EXPECT_EQ(modeOf(outside.filePath(QStringLiteral("ajeno.txt"))), 0644u);

    // What is made from now on is private from the start.
    QFile created(data + QStringLiteral("/tickets/1.pdf"));
    ASSERT_TRUE(created.open(QIODevice::WriteOnly));
    created.close();
    ASSERT_TRUE(QDir().mkpath(data + QStringLiteral("/CAJA2")));
    ::umask(oldMask);
    EXPECT_EQ(modeOf(created.fileName()), 0600u);
    EXPECT_EQ(modeOf(data + QStringLiteral("/CAJA2")), 0700u);
}
