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
        {{QStringLiteral("a\r\n\r\n"), QStringLiteral("b")}, {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        // A longer line wraps at 32; a blank past the edge never opens a line.
        {{x32 + QStringLiteral("YZ")}, {x32, QStringLiteral("YZ")}},
        {{x32 + QStringLiteral(" \r\n"), QStringLiteral("b")}, {x32, QStringLiteral("b")}},
        // Marks take no room.
        {{QStringLiteral("<B>Folio: 7</B>")}, {QStringLiteral("Folio: 7")}},
        {{QStringLiteral("a<x>b")}, {QStringLiteral("a<x>b")}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(textos(c.piezas), c.lineas) << c.piezas.join(QLatin1Char('|')).toStdString();
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
