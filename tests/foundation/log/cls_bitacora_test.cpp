#include "foundation/log/cls_bitacora.h"
#include "log_fixture.h"

#include "platform/paths/paths.h"
#include "zorva_version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

// The line head for the settings that configure() gives.
const QString kHead = QStringLiteral("05-03-21 14:03:09\tzorva_servidor\tV1.2.3\tDesconocido\tcaja\t");

class ClsBitacoraTest : public LogFixture {
protected:
    // Writes to "C:\ZORVA.log" with known names, as the switches say.
    void configure(ClsBitacora& log, bool archivo, bool msgBox, bool crearArchivo = false)
    {
        log.inciar_log({.PArchivoLog = "C:\\ZORVA.log",
                        .PPrograma = "zorva_servidor",
                        .PVersion = "1.2.3",
                        .PUsuario = "Desconocido",
                        .PCrearArchivo = crearArchivo,
                        .Parchivo = archivo,
                        .PMsgBox = msgBox,
                        .PUsuarioApp = "caja"});
    }
};

TEST_F(ClsBitacoraTest, LoginSettingsNeitherWriteNorShowNorTouchTheFile)
{
    const LogStartArgs login{.PArchivoLog = "C:\\ZORVA.log",
                             .PSistema = "ZORVA",
                             .PPrograma = "zorva_servidor",
                             .PVersion = ZORVA_VERSION_TEXT,
                             .PUsuario = "Desconocido",
                             .PCrearArchivo = false,
                             .Parchivo = false,
                             .PMsgBox = false,
                             .PDebug = false};
    ClsBitacora log;
    log.inciar_log(login);
    EXPECT_EQ(log.sUsuario, "Desconocido");
    EXPECT_EQ(log.sUsuarioApp, "Desconocido");
    EXPECT_FALSE(log.bArchivo || log.bMsgBox || log.bCrearArchivo || log.bDebug);

    log.Manda_Log("Valor insertado en ", QStringLiteral("Categoria"), " campos: ", "ID, Nombre",
                  " valores: ", "1, 'Bebidas'");
    log.Manda_Log(QVariantList{"Valor borrado en ", "Categoria"});
    EXPECT_FALSE(QFileInfo::exists(local("ZORVA.log")));

    write("ZORVA.log", "previo\r\n");
    ClsBitacora again;
    again.inciar_log(login);
    again.Manda_Log("x");
    EXPECT_EQ(content("ZORVA.log"), "previo\r\n");
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(ClsBitacoraTest, FileLineIsAppendedWithTabAfterEveryField)
{
    write("ZORVA.log", "previo\r\n");
    ClsBitacora log;
    configure(log, true, false);
    log.Manda_Log("A", 5);
    EXPECT_EQ(content("ZORVA.log"), "previo\r\n" + kHead + "A\t5\t\r\n");
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(ClsBitacoraTest, ValuesBecomeOneFieldEach)
{
    const struct {
        QVariantList values;
        QString tail;
    } cases[] = {
        {{}, ""},
        {{"A", 5}, "A\t5\t"},
        {{QVariant(), "x", QVariant()}, "\tx\t\t"},
        {{2.5, qlonglong(-7), 1234567}, "2.5\t-7\t1234567\t"},
        {{"con\ttab"}, "con\ttab\t"},
    };
    ClsBitacora log;
    configure(log, true, false);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tail.toStdString());
        QFile::remove(local("ZORVA.log"));
        log.Manda_Log(c.values);
        EXPECT_EQ(content("ZORVA.log"), kHead + c.tail + "\r\n");
    }

    QFile::remove(local("ZORVA.log"));
    log.Manda_Log("a", nullptr, 3.0, 48u);
    EXPECT_EQ(content("ZORVA.log"), kHead + "a\t\t3\t48\t\r\n");

    QFile::remove(local("ZORVA.log"));
    log.Manda_Log();
    EXPECT_EQ(content("ZORVA.log"), kHead + "\r\n");
}

TEST_F(ClsBitacoraTest, FreshObjectShowsTheLineInAPlainBox)
{
    ClsBitacora log;
    log.Manda_Log("A");
    ASSERT_EQ(boxes.boxes().size(), 1);
    const ui::Box& box = boxes.boxes().first();
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    EXPECT_EQ(box.text, "05-03-21 14:03:09\t" + program + "\tV" ZORVA_VERSION_TEXT "\t"
                            + paths::loginName() + "\t\tA\t");
    EXPECT_EQ(box.style, ui::OkOnly);
    EXPECT_EQ(box.caption, ui::applicationTitle());
    EXPECT_FALSE(QFileInfo::exists(paths::toLocal(log.sArchivoLog)));
}

TEST_F(ClsBitacoraTest, CrearArchivoStartsTheFileAgain)
{
    write("ZORVA.log", "viejo\r\nviejo\r\n");
    ClsBitacora log;
    configure(log, true, false, true);
    EXPECT_EQ(content("ZORVA.log"), kHead + "Iniciando\t...Log Iniciado...\t\r\n");
}

TEST_F(ClsBitacoraTest, OmittedArgumentsTakeTheirDefaults)
{
    ClsBitacora log;
    log.inciar_log({.PPrograma = "caja"});
    EXPECT_EQ(log.sArchivoLog, paths::appFolder() + "/caja.log");
    EXPECT_EQ(log.sSistema, "caja");
    EXPECT_EQ(log.sVersion, ZORVA_VERSION_TEXT);
    EXPECT_EQ(log.sUsuario, paths::loginName());
    EXPECT_EQ(log.sUsuarioApp, "Desconocido");
    EXPECT_TRUE(log.bCrearArchivo && log.bArchivo && log.bMsgBox && log.bDebug);

    const QString line = "05-03-21 14:03:09\tcaja\tV" ZORVA_VERSION_TEXT "\t" + paths::loginName()
        + "\tDesconocido\tIniciando\t...Log Iniciado...\t";
    EXPECT_EQ(content("caja.log"), line + "\r\n");
    EXPECT_EQ(boxes.texts(), QStringList{line});

    log.inciar_log();
    EXPECT_EQ(log.sPrograma, QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
}

TEST_F(ClsBitacoraTest, RestauraBringsBackTheEightSavedSettings)
{
    ClsBitacora log;
    const QString created = log.sArchivoLog;
    log.sArchivo = "/Otro";
    log.sArchivoLog = "C:\\otro.log";
    log.sSistema = log.sPrograma = log.sVersion = log.sUsuario = log.sUsuarioApp = "x";
    log.bCrearArchivo = log.bArchivo = true;
    log.bMsgBox = log.bDebug = false;

    log.Restaura();
    EXPECT_EQ(log.sArchivoLog, created);
    EXPECT_EQ(log.sPrograma, QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    EXPECT_EQ(log.sSistema, log.sPrograma);
    EXPECT_EQ(log.sVersion, ZORVA_VERSION_TEXT);
    EXPECT_EQ(log.sUsuario, paths::loginName());
    EXPECT_FALSE(log.bCrearArchivo);
    EXPECT_TRUE(log.bMsgBox && log.bDebug);
    // Not part of the saved copy.
    EXPECT_EQ(log.sArchivo, "/Otro");
    EXPECT_EQ(log.sUsuarioApp, "x");
    EXPECT_TRUE(log.bArchivo);

    configure(log, false, false);
    log.sUsuario = "otro";
    log.Restaura();
    EXPECT_EQ(log.sUsuario, "Desconocido");
    EXPECT_EQ(log.sArchivoLog, "C:\\ZORVA.log");
}

TEST_F(ClsBitacoraTest, FileErrorLosesTheLineAndSaysWhy)
{
    QDir().mkpath(local("carpeta"));
    const struct {
        QString file;
        QString text;
    } cases[] = {
        {"C:\\falta\\ZORVA.log", "Ruta del archivo log incorrecta"},
        {"C:\\carpeta", "Nombre del archivo log incorrecto"},
        {"", "Nombre del archivo log incorrecto"},
    };
    ClsBitacora log;
    configure(log, true, true);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        boxes.clear();
        log.sArchivoLog = c.file;
        log.Manda_Log("A");
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes().first().text, c.text);
        EXPECT_EQ(boxes.boxes().first().style, ui::Critical);
        EXPECT_EQ(boxes.boxes().first().caption, "Error_Log");
    }
    EXPECT_FALSE(QFileInfo::exists(local("falta")));
}

TEST_F(ClsBitacoraTest, FileThatCannotBeOpenedDropsTheLineSilently)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root opens read-only files";
    write("ZORVA.log", "previo\r\n");
    QFile::setPermissions(local("ZORVA.log"), QFile::ReadOwner);
    ClsBitacora log;
    configure(log, true, true);
    log.Manda_Log("A");
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(content("ZORVA.log"), "previo\r\n");
}

TEST_F(ClsBitacoraTest, CopyRenameAndShowNeedTheLogFile)
{
    ClsBitacora log;
    configure(log, false, false);
    EXPECT_FALSE(log.copia_log("C:\\copia.log"));
    EXPECT_FALSE(log.renombrar_log("C:\\nuevo.log"));
    EXPECT_EQ(log.Despliega(), "");
    ASSERT_EQ(boxes.boxes().size(), 3);
    const QStringList texts{"No existe el archivo log a copiar", "No existe el archivo log a renombrar",
                            "No se encontro el archivo log"};
    const QStringList captions{"Error Bitácora", "Error_Log", "Error_Log"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(boxes.boxes().at(i).text, texts.at(i));
        EXPECT_EQ(boxes.boxes().at(i).style, ui::Critical);
        EXPECT_EQ(boxes.boxes().at(i).caption, captions.at(i));
    }
    EXPECT_FALSE(QFileInfo::exists(local("copia.log")));
}

TEST_F(ClsBitacoraTest, CopyRenameAndShowWorkOnTheLogFile)
{
    ClsBitacora log;
    configure(log, true, false);
    log.Manda_Log("A");
    const QString text = content("ZORVA.log");
    EXPECT_EQ(log.Despliega(), text);

    write("copia.log", "se reemplaza");
    EXPECT_TRUE(log.copia_log("C:\\copia.log"));
    EXPECT_EQ(content("copia.log"), text);

    write("ocupado.log", "no se toca");
    EXPECT_FALSE(log.renombrar_log("C:\\ocupado.log"));
    ASSERT_EQ(boxes.texts(), QStringList{"El archivo destino ya existe"});
    EXPECT_EQ(boxes.boxes().first().caption, "Error_Log");
    EXPECT_EQ(content("ocupado.log"), "no se toca");

    EXPECT_TRUE(log.renombrar_log("C:\\nuevo.log"));
    EXPECT_EQ(content("nuevo.log"), text);
    EXPECT_FALSE(QFileInfo::exists(local("ZORVA.log")));
    EXPECT_EQ(log.sArchivoLog, "C:\\ZORVA.log");
}

} // namespace
