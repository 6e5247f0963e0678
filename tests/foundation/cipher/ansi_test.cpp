#include "foundation/cipher/ansi.h"

#include <gtest/gtest.h>

TEST(Ansi, EveryByteSurvivesATripThroughText)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = fromAnsi(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toAnsi(text), all);
}

TEST(Ansi, UsesWindows1252NotTheLocale)
{
    EXPECT_EQ(toAnsi(QStringLiteral("MUÑOZ €5 “x” Œ")),
              QByteArray("MU\xD1OZ \x80" "5 \x93x\x94 \x8C"));
    EXPECT_EQ(fromAnsi(QByteArray("\xF1\x80\x9F\x81")), QStringLiteral("ñ€Ÿ\u0081"));
}

TEST(Ansi, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(toAnsi(QStringLiteral("Ł")), QByteArray("?"));
    EXPECT_EQ(toAnsi(QStringLiteral("\u0080")), QByteArray("?"));  // 0x80 is the euro sign
    EXPECT_EQ(toAnsi(QString::fromUtf8("a\xF0\x9F\x98\x80" "b")), QByteArray("a?b"));
    EXPECT_EQ(toAnsi(QString(QChar(0xD800)) + QLatin1Char('x')), QByteArray("?x"));
}
