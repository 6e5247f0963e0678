#include "platform/adodb/adodb.h"
#include "platform/printqueue/ticket_layout.h"
#include "tickets/monto_a_nombre.h"
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
        // An amount of 8 characters or more takes its room from the name, suffix and all.
        {QStringLiteral("PASTEL"), "1", "12345.678", "12345.678", QStringLiteral("PASTEL") + b(18) + QStringLiteral("12345.68")},
        {treinta, "1", "12345.67", "12345.67", treinta.left(24) + QStringLiteral("12345.67")},
        {treinta, "2", "6172.835", "12345.67", treinta.left(12) + QStringLiteral("(2@6172.835)") + QStringLiteral("12345.67")},
        {QStringLiteral("PASTEL"), "1", "1", "1234567.89", QStringLiteral("PASTEL") + b(16) + QStringLiteral("1234567.89")},
        // A suffix longer than the field prints alone, and the line grows; a blank before a wide
        // amount keeps it one word.
        {QStringLiteral("CAFE"), "1000000000", "1234567890.1234", "5",
         QStringLiteral("(1000000000@1234567890.1234)") + b(3) + QStringLiteral("5.00")},
        {QStringLiteral("CAFE"), "1000000000", "1234567890.1234", "12345.67",
         QStringLiteral("(1000000000@1234567890.1234) 12345.67")},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(LineaArticulo(c.nombre, m(c.cantidad), m(c.unitario), m(c.importe)), c.esperado) << c.nombre.toStdString();
    for (const char* importe : {"10", "9999.99", "10000", "12345.67", "9999999.99"})
        EXPECT_EQ(LineaArticulo(treinta, m("1"), m(importe), m(importe)).size(), 32) << importe;
}

// The total in words as the ticket prints it, laid out on the roll: every line within 32 columns and
// every word, the cents' fraction included, whole on one line.
TEST(TotalEnPalabras, NeverBreaksInsideAWord)
{
    QList<qint64> totales;
    for (qint64 t = 0; t <= 5000; ++t)
        totales << t;
    totales << 17777 << 77777 << 377777 << 1777777 << 7777777 << 9999999;
    for (const qint64 total : totales) {
        const QString pieza = MontoANombre(Moneda::deVariant(total), QStringLiteral("ESPAÑOL"), QStringLiteral("pesos"))
            + QStringLiteral(" M.N. \r\n");
        QStringList palabras;
        for (const ticketlayout::Renglon& r : ticketlayout::compone({pieza})) {
            ASSERT_LE(r.texto().size(), ticketlayout::kColumnas) << total;
            palabras << r.texto().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        }
        ASSERT_EQ(palabras, pieza.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts)) << total;
    }
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
