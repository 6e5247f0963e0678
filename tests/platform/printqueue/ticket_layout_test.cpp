#include "platform/printqueue/ticket_layout.h"

#include <gtest/gtest.h>

namespace {

using ticketlayout::compone;

QStringList textos(const QStringList& piezas)
{
    QStringList out;
    for (const ticketlayout::Renglon& r : compone(piezas))
        out << r.texto();
    return out;
}

TEST(TicketLayout, PiecesLineEndsAndWrapping)
{
    struct Caso {
        QStringList piezas;
        QStringList lineas;
    };
    const QString x32(32, QLatin1Char('X'));
    const Caso casos[] = {
        // Every piece starts a new line; CR LF and <N> end one.
        {{QStringLiteral("uno"), QStringLiteral("dos\r\ntres")}, {QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres")}},
        {{QStringLiteral("uno"), QStringLiteral("<N>dos")}, {QStringLiteral("uno"), QString(), QStringLiteral("dos")}},
        {{QStringLiteral("uno<N>"), QStringLiteral("dos")}, {QStringLiteral("uno"), QString(), QStringLiteral("dos")}},
        {{QStringLiteral("uno<N>dos")}, {QStringLiteral("uno"), QStringLiteral("dos")}},
        {{QStringLiteral("a\r\n\r\n"), QStringLiteral("b")}, {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        // A longer line wraps at its last blank within 32, where the blanks are dropped; a blank past
        // the edge never opens a line.
        {{QStringLiteral("Doscientos treinta y cuatro pesos 00/100 M.N. \r\n")},
         {QStringLiteral("Doscientos treinta y cuatro"), QStringLiteral("pesos 00/100 M.N. ")}},
        {{QStringLiteral("Un mil novecientos  sesenta y cuatro pesos 00/100 M.N.")},
         {QStringLiteral("Un mil novecientos  sesenta y"), QStringLiteral("cuatro pesos 00/100 M.N.")}},
        {{x32.left(31) + QStringLiteral("   ab")}, {x32.left(31), QStringLiteral("ab")}},
        {{x32 + QStringLiteral(" \r\n"), QStringLiteral("b")}, {x32, QStringLiteral("b")}},
        {{x32 + QStringLiteral("   b")}, {x32, QStringLiteral("b")}},
        // A word that fits a line goes whole to the next, even from behind an indent; only a word
        // longer than a line is cut at the edge.
        {{QStringLiteral("      ") + x32.left(30)}, {QString(), x32.left(30)}},
        {{x32 + QStringLiteral("YZ")}, {x32, QStringLiteral("YZ")}},
        {{QStringLiteral("ab ") + x32 + QStringLiteral("YZ")}, {QStringLiteral("ab ") + x32.left(29), QStringLiteral("XXXYZ")}},
        // Marks inside the word take no room in it; <N> ends it.
        {{QStringLiteral("ab ") + x32.left(27) + QStringLiteral("<B>cd</B>e")}, {QStringLiteral("ab"), x32.left(27) + QStringLiteral("cde")}},
        {{QStringLiteral("ab ") + x32.left(29) + QStringLiteral("c<N>d")}, {QStringLiteral("ab"), x32.left(29) + QStringLiteral("c"), QStringLiteral("d")}},
        // Marks take no room.
        {{QStringLiteral("<B>Folio: 7</B>")}, {QStringLiteral("Folio: 7")}},
        {{QStringLiteral("a<x>b")}, {QStringLiteral("a<x>b")}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(textos(c.piezas), c.lineas) << c.piezas.join(QLatin1Char('|')).toStdString();
}

TEST(TicketLayout, AWordMovedToTheNextLineKeepsItsPrint)
{
    const QList<ticketlayout::Renglon> r =
        compone({QStringLiteral("<B>Total</B> ") + QString(24, QLatin1Char('x')) + QStringLiteral("<B>yy</B>z")});
    ASSERT_EQ(r.size(), 2);
    ASSERT_EQ(r.at(0).tramos.size(), 1);
    EXPECT_EQ(r.at(0).tramos.at(0).texto, QStringLiteral("Total"));
    EXPECT_TRUE(r.at(0).tramos.at(0).negrita);
    ASSERT_EQ(r.at(1).tramos.size(), 3);
    EXPECT_EQ(r.at(1).tramos.at(0).texto, QString(24, QLatin1Char('x')));
    EXPECT_FALSE(r.at(1).tramos.at(0).negrita);
    EXPECT_EQ(r.at(1).tramos.at(1).texto, QStringLiteral("yy"));
    EXPECT_TRUE(r.at(1).tramos.at(1).negrita);
    EXPECT_FALSE(r.at(1).tramos.at(2).negrita);
}

TEST(TicketLayout, BoldAndDoubleHeightCarryAcrossLines)
{
    const QList<ticketlayout::Renglon> r =
        compone({QStringLiteral("<N><H><B>Total     301.00</H></B>\r\n"), QStringLiteral("a<B>b\r\nc</B>d")});
    ASSERT_EQ(r.size(), 4);
    EXPECT_TRUE(r.at(0).tramos.isEmpty());
    ASSERT_EQ(r.at(1).tramos.size(), 1);
    EXPECT_TRUE(r.at(1).tramos.at(0).negrita);
    EXPECT_TRUE(r.at(1).alto());
    EXPECT_FALSE(r.at(2).alto());
    EXPECT_FALSE(r.at(2).tramos.at(0).negrita);
    EXPECT_TRUE(r.at(2).tramos.at(1).negrita);
    EXPECT_TRUE(r.at(3).tramos.at(0).negrita);
    EXPECT_FALSE(r.at(3).tramos.at(1).negrita);
}

} // namespace
