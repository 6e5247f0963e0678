#include "foundation/cipher/cipher_error.h"
#include "foundation/cipher/contrasena.h"
#include "platform/keys/clsclaves.h"
#include "platform/keys/key_file_error.h"
#include "tests/support/temp_data_root.h"

#include <gtest/gtest.h>

TEST(Contrasena, StoredFormIsBase64OfTheRc4CipherOfTheAnsiBytes)
{
    EXPECT_EQ(CifraContrasena(QStringLiteral("Plaintext"), QStringLiteral("Key")), QStringLiteral("u/MW6NlArwrT"));
    EXPECT_EQ(CifraContrasena(QStringLiteral("MUÑOZ"), QStringLiteral("CLAVE")), QStringLiteral("mbl15s8="));
    EXPECT_EQ(CifraContrasena(QString(), QStringLiteral("CLAVE")), QString());
}

TEST(Contrasena, RoundTripsAndEqualPasswordsStoreAlike)
{
    const QString clave = QStringLiteral("CLAVE");
    const QString stored = CifraContrasena(QStringLiteral("PEÑA"), clave);
    EXPECT_EQ(DescifraContrasena(stored, clave), QStringLiteral("PEÑA"));
    EXPECT_EQ(CifraContrasena(QStringLiteral("PEÑA"), clave), stored);
    EXPECT_NE(CifraContrasena(QStringLiteral("PEÑB"), clave), stored);
    // Case is the caller's business.
    EXPECT_NE(CifraContrasena(QStringLiteral("peña"), clave), stored);
    EXPECT_EQ(DescifraContrasena(CifraContrasena(QStringLiteral("peña"), clave), clave), QStringLiteral("peña"));
}

TEST(Contrasena, RefusesAnEmptyKeyAndEmptyStoredText)
{
    EXPECT_THROW(CifraContrasena(QStringLiteral("PEÑA"), QString()), CipherError);
    EXPECT_THROW(DescifraContrasena(QStringLiteral("u/MW6NlArwrT"), QString()), CipherError);
    EXPECT_THROW(DescifraContrasena(QStringLiteral("=="), QStringLiteral("CLAVE")), CipherError);
}

TEST(Contrasena, UsesTheKeyFile)
{
    TempDataRoot root;
    EXPECT_THROW(CifraContrasena(QStringLiteral("PEÑA")), KeyFileError);
    EXPECT_THROW(DescifraContrasena(QStringLiteral("u/MW6NlArwrT")), KeyFileError);

    ASSERT_TRUE(ClsClaves::CreaArchivo());
    const QString stored = CifraContrasena(QStringLiteral("PEÑA"));
    EXPECT_EQ(stored, CifraContrasena(QStringLiteral("PEÑA"), g_ClsClaves.ClaveCifrado()));
    EXPECT_EQ(DescifraContrasena(stored), QStringLiteral("PEÑA"));
}
