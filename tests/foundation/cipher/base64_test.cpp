#include "foundation/cipher/cipher_error.h"
#include "foundation/cipher/clsdes.h"
#include "foundation/cipher/clsrc4.h"

#include <gtest/gtest.h>

namespace {

QByteArray countingBytes(int n)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes.append(static_cast<char>(i * 7 + 1));
    return bytes;
}

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

TEST(Base64, EmptyTextStaysEmpty)
{
    clsRC4 codec;
    EXPECT_EQ(codec.Encode64(QString()), QString());
    EXPECT_EQ(codec.Decode64(QString()), QString());
    EXPECT_EQ(codec.EncodeArray64(QByteArray()), QString());
}

TEST(Base64, LastGroupIsPadded)
{
    clsRC4 codec;
    EXPECT_EQ(codec.EncodeArray64(QByteArray("\x01", 1)), QStringLiteral("AQ=="));
    EXPECT_EQ(codec.EncodeArray64(QByteArray("\x01\x02", 2)), QStringLiteral("AQI="));
    EXPECT_EQ(codec.EncodeArray64(QByteArray("\x01\x02\x03", 3)), QStringLiteral("AQID"));
}

TEST(Base64, TextGoesThroughTheAnsiCodePage)
{
    clsRC4 codec;
    EXPECT_EQ(codec.Encode64(QStringLiteral("Ñ")), QStringLiteral("0Q=="));
    EXPECT_EQ(codec.Decode64(QStringLiteral("0Q==")), QStringLiteral("Ñ"));
}

TEST(Base64, LinesBreakAfterEvery76CharactersOnlyWhenLonger)
{
    struct Case { int bytes; QString shape; };
    // "L" stands for a full line of 76 characters.
    const Case cases[] = {
        {57, QStringLiteral("L")},
        {58, QStringLiteral("L\r\n4")},
        {114, QStringLiteral("L\r\nL\r\n")},
        {115, QStringLiteral("L\r\nL\r\n4")},
    };
    clsRC4 codec;
    for (const Case& c : cases) {
        const QByteArray bytes = countingBytes(c.bytes);
        const QString encoded = codec.EncodeArray64(bytes);
        QStringList parts = encoded.split(kCrLf);
        for (QString& part : parts)
            part = part.size() == 76 ? QStringLiteral("L") : part.isEmpty() ? QString() : QString::number(part.size());
        EXPECT_EQ(parts.join(kCrLf), c.shape) << c.bytes << " bytes";
        EXPECT_EQ(codec.DecodeArray64(encoded), bytes) << c.bytes << " bytes";
    }
}

TEST(Base64, DecodingIgnoresPaddingAndLineBreaks)
{
    clsRC4 codec;
    const QByteArray one("\x01", 1);
    const QByteArray two("\x01\x02", 2);
    EXPECT_EQ(codec.DecodeArray64(QStringLiteral("AQ")), one);
    EXPECT_EQ(codec.DecodeArray64(QStringLiteral("AQI")), two);
    EXPECT_EQ(codec.DecodeArray64(QStringLiteral("A=Q===")), one);

    const QByteArray bytes = countingBytes(10);
    const QString encoded = codec.EncodeArray64(bytes);
    for (int at = 0; at <= encoded.size(); ++at) {
        QString broken = encoded;
        broken.insert(at, kCrLf);
        EXPECT_EQ(codec.DecodeArray64(broken), bytes) << "CR LF at " << at;
    }
}

TEST(Base64, StrayCharactersCountAsZeroValues)
{
    clsRC4 codec;
    // A lone LF is not a line break: it decodes like an "A".
    EXPECT_EQ(codec.DecodeArray64(QStringLiteral("AQ\nID")), codec.DecodeArray64(QStringLiteral("AQAID")));
    EXPECT_NE(codec.DecodeArray64(QStringLiteral("AQ\nID")), codec.DecodeArray64(QStringLiteral("AQID")));
    EXPECT_EQ(codec.DecodeArray64(QStringLiteral(" Q==")), QByteArray("\x01", 1));
    // A lone final character adds a byte 0.
    EXPECT_EQ(codec.DecodeArray64(QStringLiteral("AQIDB")), QByteArray("\x01\x02\x03\x00", 4));
}

TEST(Base64, NothingToDecodeRaises)
{
    clsRC4 codec;
    for (const QString& text : {QStringLiteral("=="), QStringLiteral("\r\n"), QStringLiteral("\r\n=\r\n")}) {
        EXPECT_THROW(codec.DecodeArray64(text), CipherError);
        EXPECT_THROW(codec.Decode64(text), CipherError);
    }
}

TEST(Base64, BothCiphersShareTheCodec)
{
    clsRC4 rc4;
    clsDES des;
    const QByteArray bytes = countingBytes(100);
    EXPECT_EQ(des.EncodeArray64(bytes), rc4.EncodeArray64(bytes));
    EXPECT_EQ(des.Decode64(QStringLiteral("0Q")), QStringLiteral("Ñ"));
}
