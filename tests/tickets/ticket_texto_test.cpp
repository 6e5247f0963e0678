#include "platform/adodb/adodb.h"
#include "tickets/ticket.h"

#include <gtest/gtest.h>

namespace {

QString b(int n)
{
    return QString(n, QLatin1Char(' '));
}

Moneda m(const char* t)
{
    return Moneda::deVariant(QString::fromLatin1(t));
}

TEST(AlinearTexto, FitsCutsAndWraps)
{
    struct Caso {
        QString texto;
        int ancho, alineacion;
        bool cortar;
        QString esperado;
    };
    const Caso casos[] = {
        {QStringLiteral("IVA:"), 11, 1, false, b(7) + QStringLiteral("IVA:")},
        {QStringLiteral("IVA:"), 11, 0, false, QStringLiteral("IVA:") + b(7)},
        // Centred: half the free room on each side, ties to even (7 -> 4, 5 -> 2).
        {QStringLiteral("ABCD"), 11, 2, false, b(4) + QStringLiteral("ABCD") + b(4)},
        {QStringLiteral("ABCDEF"), 11, 2, false, b(2) + QStringLiteral("ABCDEF") + b(2)},
        {QStringLiteral("ABCDEFGHIJKLM"), 11, 1, true, QStringLiteral("ABCDEFGHIJK")},
        {QStringLiteral("ABCDEFGHIJKLM"), 11, 0, false, QStringLiteral("ABCDEFGHIJK<N>LM")},
        {QStringLiteral("ABCDEFGHIJKLM"), 11, 1, false, QStringLiteral("ABCDEFGHIJK<N>") + b(9) + QStringLiteral("LM")},
        {QStringLiteral("ABCDEFGHIJKLM"), 11, 2, false, QStringLiteral("ABCDEFGHIJK<N>") + b(4) + QStringLiteral("LM") + b(4)},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(AlinearTexto(c.texto, c.ancho, c.alineacion, c.cortar), c.esperado) << c.texto.toStdString();
    EXPECT_THROW(AlinearTexto(QString(25, QLatin1Char('X')), 11, 1, false), adodb::ComError);
}

TEST(LineaArticulo, NameFieldOf25AndAmountOf7)
{
    struct Caso {
        QString nombre;
        const char *cantidad, *unitario, *importe;
        QString esperado;
    };
    const QString treinta = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234");
    const Caso casos[] = {
        {treinta, "1", "10", "10", treinta.left(25) + b(2) + QStringLiteral("10.00")},
        {QStringLiteral("REFRESCO"), "2", "29", "58", QStringLiteral("REFRESCO(2@29)") + b(11) + b(2) + QStringLiteral("58.00")},
        // 24 characters with an 8-character suffix: the name keeps 17.
        {treinta.left(24), "3", "12.5", "37.5", treinta.left(17) + QStringLiteral("(3@12.5)") + b(2) + QStringLiteral("37.50")},
        {QStringLiteral("PASTEL"), "1", "12345.678", "12345.678", QStringLiteral("PASTEL") + b(19) + QStringLiteral("12345.68")},
        // A suffix longer than the field prints alone, and the line grows.
        {QStringLiteral("CAFE"), "1000000000", "1234567890.1234", "5",
         QStringLiteral("(1000000000@1234567890.1234)") + b(3) + QStringLiteral("5.00")},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(LineaArticulo(c.nombre, m(c.cantidad), m(c.unitario), m(c.importe)), c.esperado) << c.nombre.toStdString();
    EXPECT_EQ(LineaArticulo(treinta, m("1"), m("10"), m("10")).size(), 32);
}

TEST(EncabezadoTicket, CentredAndCentredWithWrap)
{
    const QString x40(40, QLatin1Char('X'));
    const QString x70 = QString(32, QLatin1Char('A')) + QString(32, QLatin1Char('B')) + QStringLiteral("CCCCCC");
    struct Caso {
        QString texto;
        QString centrado, conCorte;
    };
    const Caso casos[] = {
        {QString(20, QLatin1Char('N')), b(6) + QString(20, QLatin1Char('N')), b(6) + QString(20, QLatin1Char('N'))},
        {QString(19, QLatin1Char('N')), b(6) + QString(19, QLatin1Char('N')), b(6) + QString(19, QLatin1Char('N'))},
        {QString(21, QLatin1Char('N')), b(6) + QString(21, QLatin1Char('N')), b(6) + QString(21, QLatin1Char('N'))},
        {QString(23, QLatin1Char('N')), b(4) + QString(23, QLatin1Char('N')), b(4) + QString(23, QLatin1Char('N'))},
        {QStringLiteral("MI RESTAURANTE"), b(9) + QStringLiteral("MI RESTAURANTE"), b(9) + QStringLiteral("MI RESTAURANTE")},
        {x40, x40, x40.left(32) + QStringLiteral("\r\n") + b(12) + x40.left(8) + b(12)},
        // Past 64 characters the text goes on over a third line.
        {x70, x70,
         QString(32, QLatin1Char('A')) + QStringLiteral("\r\n") + QString(32, QLatin1Char('B')) + QStringLiteral("\r\n") + b(13)
             + QStringLiteral("CCCCCC") + b(13)},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(Centrado(c.texto), c.centrado) << c.texto.toStdString();
        EXPECT_EQ(CentradoConCorte(c.texto), c.conCorte) << c.texto.toStdString();
    }
}

} // namespace
