#include "foundation/log/bitacora.h"
#include "foundation/log/cls_bitacora.h"
#include "log_fixture.h"

#include "platform/clock/clock.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

namespace {

using Writer = std::function<bool(const QString&)>;

// The module's routine and the class's twin write the same files from different folder names.
class DailyLogTest : public LogFixture {
protected:
    struct Twin {
        const char* name;
        Writer write;
        QString folderError;
    };

    QList<Twin> twins()
    {
        return {
            {"EscribeBitacora", [](const QString& m) { return EscribeBitacora(m); },
             "Error en bitacora al crear el directorio C:\\plimo\\log !"},
            {"Mandar_Log", [this](const QString& m) { return log.Mandar_Log(m); },
             "Error en bitacora al crear el directorio \\plimo\\log !"},
        };
    }

    ClsBitacora log;
};

TEST_F(DailyLogTest, MessagesOfOneDayShareAFileAndMidnightStartsTheNext)
{
    for (const Twin& twin : twins()) {
        SCOPED_TRACE(twin.name);
        QDir(local("plimo")).removeRecursively();
        appclock::setNow(QDateTime(QDate(2021, 12, 10), QTime(23, 59, 58)));
        EXPECT_TRUE(twin.write("Imprimir ticket 5 uno"));
        EXPECT_TRUE(twin.write("Imprimir ticket 5 dos"));
        appclock::setNow(QDateTime(QDate(2021, 12, 11), QTime(0, 0, 1)));
        EXPECT_TRUE(twin.write("Imprimir ticket 5 tres"));

        EXPECT_EQ(content("plimo/ZorvaComTra10122021.log"),
                  "10/12/2021 23:59:58 - Imprimir ticket 5 uno\r\n"
                  "10/12/2021 23:59:58 - Imprimir ticket 5 dos\r\n");
        EXPECT_EQ(content("plimo/ZorvaComTra11122021.log"),
                  "11/12/2021 00:00:01 - Imprimir ticket 5 tres\r\n");
        EXPECT_TRUE(QFileInfo(local("plimo/log")).isDir());
        EXPECT_TRUE(QDir(local("plimo/log")).isEmpty());
    }
    EXPECT_EQ(log.sArchivo, "/ZorvaComTra");
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(DailyLogTest, FolderThatCannotBeMadeIsReportedOnEveryWrite)
{
    write("plimo", "un archivo, no una carpeta");
    for (const Twin& twin : twins()) {
        SCOPED_TRACE(twin.name);
        boxes.clear();
        EXPECT_FALSE(twin.write("uno"));
        EXPECT_FALSE(twin.write("dos"));
        EXPECT_EQ(boxes.texts(), QStringList({twin.folderError, twin.folderError}));
        EXPECT_EQ(boxes.boxes().first().style, ui::Critical);
        EXPECT_EQ(boxes.boxes().first().caption, ui::applicationTitle());
    }
}

TEST_F(DailyLogTest, ClassStemNamesItsFile)
{
    log.sArchivo = "/Caja";
    EXPECT_TRUE(log.Mandar_Log("uno"));
    EXPECT_EQ(content("plimo/Caja05032021.log"), "05/03/2021 14:03:09 - uno\r\n");
}

TEST_F(DailyLogTest, DirectoryWalkCreatesEveryMissingLevel)
{
    QDir().mkpath(local("a"));
    write("a/archivo", "x");
    QDir().mkpath(local("shares/caja1/zorva"));
    const struct {
        QString path;
        bool made;
        QString folder;
    } cases[] = {
        {"C:\\a\\b\\c", true, "a/b/c"},
        {"\\x\\y\\", true, "x/y"},
        {"C:\\a\\archivo\\d", false, ""},
        {"\\\\caja1\\zorva\\sub\\dir", true, "shares/caja1/zorva/sub/dir"},
        {"\\\\caja2\\zorva\\sub", false, ""},
        {"\\\\caja1\\otra\\sub", false, ""},
        {"", false, ""},
    };
    const QList<Writer> walks{[](const QString& p) { return Crea_Directorio(p); },
                              [this](const QString& p) { return log.CrearDirectorio(p); }};
    for (const auto& c : cases) {
        for (const Writer& walk : walks) {
            SCOPED_TRACE(c.path.toStdString());
            EXPECT_EQ(walk(c.path), c.made);
            if (c.made) {
                EXPECT_TRUE(QFileInfo(local(c.folder)).isDir());
            }
        }
    }
    EXPECT_FALSE(QFileInfo::exists(local("shares/caja2")));
    EXPECT_FALSE(QFileInfo::exists(local("shares/caja1/otra")));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

} // namespace
