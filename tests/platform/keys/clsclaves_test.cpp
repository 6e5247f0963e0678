#include "platform/keys/clsclaves.h"
#include "platform/keys/key_file_error.h"
#include "tests/support/temp_data_root.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct Values {
    QString clave, usuario, contrasena;
    bool operator==(const Values&) const = default;
};

Values readAll(const ClsClaves& claves)
{
    return {claves.ClaveCifrado(), claves.UsuarioTerminal(), claves.ContrasenaTerminal()};
}

// Every read must fail with the file named, never hand back a value.
void expectKeyFileError(const QString& path)
{
    const std::function<QString()> reads[] = {
        [] { return g_ClsClaves.ClaveCifrado(); },
        [] { return g_ClsClaves.UsuarioTerminal(); },
        [] { return g_ClsClaves.ContrasenaTerminal(); },
    };
    for (const auto& read : reads) {
        try {
            const QString got = read();
            ADD_FAILURE() << "read gave \"" << got.toStdString() << "\"";
        } catch (const KeyFileError& e) {
            EXPECT_EQ(e.path(), path);
            EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
        }
    }
}

} // namespace

TEST(ClsClaves, KeyFileIsCreatedOnceAndReadAlike)
{
    TempDataRoot root;
    QString error;
    ASSERT_TRUE(ClsClaves::CreaArchivo(&error)) << error.toStdString();
    EXPECT_EQ(ClsClaves::RutaArchivo(), root.filePath(QStringLiteral("claves.ini")));

    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(ClsClaves::RutaArchivo()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const Values first = readAll(g_ClsClaves);
    // They go unquoted into connection strings and through the ANSI code page.
    const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9_]{8,}$"));
    for (const QString& v : {first.clave, first.usuario, first.contrasena})
        EXPECT_TRUE(safe.match(v).hasMatch()) << v.toStdString();
    EXPECT_EQ(readAll(ClsClaves()), first);

    EXPECT_FALSE(ClsClaves::CreaArchivo(&error));
    EXPECT_TRUE(error.contains(ClsClaves::RutaArchivo())) << error.toStdString();
    EXPECT_EQ(readAll(g_ClsClaves), first);
    EXPECT_EQ(QDir(root.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);  // no temporary left behind
}

TEST(ClsClaves, EachSetUpDrawsItsOwnValuesAndItsOwnCheckValue)
{
    Values a, b;
    QString checkA, checkB;
    {
        TempDataRoot root;
        ASSERT_TRUE(ClsClaves::CreaArchivo());
        a = readAll(g_ClsClaves);
        checkA = g_ClsClaves.Verificacion();
        EXPECT_EQ(ClsClaves().Verificacion(), checkA);
    }
    {
        TempDataRoot root;
        ASSERT_TRUE(ClsClaves::CreaArchivo());
        b = readAll(g_ClsClaves);
        checkB = g_ClsClaves.Verificacion();
    }
    EXPECT_NE(a.clave, b.clave);
    EXPECT_NE(a.contrasena, b.contrasena);
    // The check value tells the files apart without giving the key away.
    EXPECT_NE(checkA, checkB);
    EXPECT_FALSE(checkA.contains(a.clave));
    EXPECT_EQ(checkA.size(), 64);
}

TEST(ClsClaves, MissingUnreadableOrIncompleteFileIsAnError)
{
    TempDataRoot root;
    const QString path = ClsClaves::RutaArchivo();
    EXPECT_FALSE(ClsClaves::ExisteArchivo());
    expectKeyFileError(path);

    ASSERT_TRUE(QDir().mkpath(path));  // a folder in its place cannot be read
    expectKeyFileError(path);
    ASSERT_TRUE(QDir().rmdir(path));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Claves]\nClaveCifrado=\n# UsuarioTerminal=zorva\n");
    file.close();
    expectKeyFileError(path);
    EXPECT_THROW(g_ClsClaves.Verificacion(), KeyFileError);
}
