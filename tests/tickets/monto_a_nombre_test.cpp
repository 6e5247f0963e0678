#include "tickets/monto_a_nombre.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
    const char* monto;
    const char* espanol;
    const char* ingles;  // "" when not checked
};

// "[2]" in the texts below marks two blanks in a row, which are part of the result.
QString conBlancos(const char* t)
{
    return QString::fromUtf8(t).replace(QStringLiteral("[2]"), QStringLiteral("  "));
}

TEST(MontoANombre, SpanishAndEnglishWordsWithTheirCents)
{
    const Caso casos[] = {
        {"0", "Cero pesos 00/100", "Zero Dollars and zero Cents"},
        {"1", "Un peso 00/100", "One Dollar and zero Cents"},
        {"1.5", "Un peso 50/100", "One Dollar and 50 Cents"},
        {"0.05", "Cero pesos 05/100", "Zero Dollars and 05 Cents"},
        {"0.5", "Cero pesos 50/100", "Zero Dollars and 50 Cents"},
        {"15", "Quince pesos 00/100", "Fifteen Dollars and zero Cents"},
        {"16", "Dieciseis pesos 00/100", ""},
        {"20", "Veinte pesos 00/100", "Twenty[2]Dollars and zero Cents"},
        {"21", "Veinte y un pesos 00/100", "Twenty One Dollars and zero Cents"},
        {"100", "Cien pesos 00/100", "One hundred[2]Dollars and zero Cents"},
        {"101", "Ciento un pesos 00/100", ""},
        {"115", "Ciento quince pesos 00/100", ""},
        {"125.05", "Ciento veinte y cinco pesos 05/100", "One hundred Twenty Five Dollars and 05 Cents"},
        {"234", "Doscientos treinta y cuatro pesos 00/100", ""},
        {"579", "Quinientos setenta y nueve pesos 00/100", ""},
        {"1000", "Un mil pesos 00/100", "One Thousand[2]Dollars and zero Cents"},
        {"1001", "Un mil un pesos 00/100", ""},
        {"1234.5", "Un mil doscientos treinta y cuatro pesos 50/100", ""},
        {"500000", "Quinientos[2]mil pesos 00/100", ""},
        {"1000000", "Un millón pesos 00/100", "One Million[2]Dollars and zero Cents"},
        // The thousands of millions go with the millions.
        {"1000000000", "Mil millones pesos 00/100", "One Billion[2]Dollars and zero Cents"},
        {"1000000001", "Mil millones un pesos 00/100", ""},
        {"2000000000", "Dos mil millones pesos 00/100", ""},
        {"2500000000", "Dos mil quinientos[2]millones pesos 00/100", ""},
        {"21001000000", "Veinte y un mil un millones pesos 00/100", ""},
        {"999999999999", "Novecientos noventa y nueve mil novecientos noventa y nueve millones novecientos noventa y nueve "
                         "mil novecientos noventa y nueve pesos 00/100", ""},
        {"1000000000000", "Un billón pesos 00/100", ""},
        {"1001000000000", "Un billón mil millones pesos 00/100", ""},
        {"2000000.5", "Dos millón pesos 50/100", ""},
        {"2500000", "Dos millón quinientos[2]mil pesos 00/100", ""},
        // More than two decimals go to the cent first, ties to even.
        {"1.125", "Un peso 12/100", ""},
        {"1.135", "Un peso 14/100", ""},
        {"0.999", "Un peso 00/100", ""},
    };
    for (const Caso& c : casos) {
        const Moneda monto = Moneda::deVariant(QString::fromLatin1(c.monto));
        EXPECT_EQ(MontoANombre(monto, QStringLiteral("ESPAÑOL"), QStringLiteral("pesos")), conBlancos(c.espanol)) << c.monto;
        if (*c.ingles) {
            EXPECT_EQ(MontoANombre(monto, QStringLiteral("INGLES"), QStringLiteral("pesos")), conBlancos(c.ingles)) << c.monto;
        }
    }
}

TEST(MontoANombre, LanguageInAnyCaseAndUnknownLanguages)
{
    EXPECT_EQ(MontoANombre(Moneda::deVariant(21), QStringLiteral("español"), QStringLiteral("pesos")),
              QStringLiteral("Veinte y un pesos 00/100"));
    EXPECT_EQ(MontoANombre(Moneda::deVariant(21), QStringLiteral("FRANCAIS"), QStringLiteral("pesos")), QString());
}

TEST(MontoANombre, GroupsTensAndDigits)
{
    EXPECT_EQ(NombreCientos(QStringLiteral("000"), QStringLiteral("ESPAÑOL")), QString());
    EXPECT_EQ(NombreCientos(QStringLiteral("100"), QStringLiteral("ESPAÑOL")), QStringLiteral("cien "));
    EXPECT_EQ(NombreCientos(QStringLiteral("7"), QStringLiteral("ESPAÑOL")), QStringLiteral("siete"));
    EXPECT_EQ(NombreCientos(QStringLiteral("910"), QStringLiteral("ESPAÑOL")), QStringLiteral("novecientos diez"));
    EXPECT_EQ(NombreDecenas(QStringLiteral("20"), QStringLiteral("ESPAÑOL")), QStringLiteral("veinte "));
    EXPECT_EQ(NombreDecenas(QStringLiteral("35"), QStringLiteral("INGLES")), QStringLiteral("Thirty Five"));
    EXPECT_EQ(NombreDigito(QStringLiteral("0"), QStringLiteral("ESPAÑOL")), QString());
}

} // namespace
