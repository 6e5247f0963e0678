#include "foundation/cipher/cipher_error.h"
#include "foundation/cipher/clsdes.h"
#include "foundation/cipher/des_block_cipher.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray sampleData(int n)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes.append(static_cast<char>(0xA0 + i));
    return bytes;
}

// Undoes the chaining with the bare block cipher, to look at the container itself.
QByteArray decipherContainer(const QByteArray& cipher, quint64 key)
{
    const DesBlockCipher des(key);
    QByteArray plain(cipher.size(), '\0');
    quint64 previous = 0;
    for (qsizetype o = 0; o < cipher.size(); o += 8) {
        const quint64 block = DesBlockCipher::fromBytes(reinterpret_cast<const quint8*>(cipher.constData() + o));
        DesBlockCipher::toBytes(des.decrypt(block) ^ previous, reinterpret_cast<quint8*>(plain.data() + o));
        previous = block;
    }
    return plain;
}

QList<int> progressOf(CipherBase& cipher, const std::function<void()>& run)
{
    QList<int> seen;
    QObject::connect(&cipher, &CipherBase::Progress, [&seen](int percent) { seen.append(percent); });
    run();
    return seen;
}

void expectSizeError(const std::function<void()>& run)
{
    try {
        run();
        ADD_FAILURE() << "no size error";
    } catch (const CipherError& e) {
        EXPECT_EQ(e.number(), CipherError::SizeDescriptor);
        EXPECT_EQ(e.description(), QStringLiteral("Incorrect size descriptor in DES decryption"));
    }
}

} // namespace

TEST(DesBlock, MatchesTheStandardsVectors)
{
    const DesBlockCipher des(0x133457799BBCDFF1ULL);
    EXPECT_EQ(des.encrypt(0x0123456789ABCDEFULL), 0x85E813540F0AB405ULL);
    EXPECT_EQ(des.decrypt(0x85E813540F0AB405ULL), 0x0123456789ABCDEFULL);
    EXPECT_EQ(DesBlockCipher(0).encrypt(0), 0x8CA64DE9C1B123A7ULL);
}

TEST(Des, ContainerSizesAndRoundTrip)
{
    const QList<QPair<int, int>> cases = {{0, 16}, {4, 16}, {5, 24}, {12, 24}, {13, 32}, {20, 32}, {100, 112}};
    for (const auto& [dataSize, containerSize] : cases) {
        clsDES des;
        const QByteArray data = sampleData(dataSize);
        QByteArray bytes = data;
        des.EncryptByte(bytes, QStringLiteral("clave"));
        EXPECT_EQ(bytes.size(), containerSize) << dataSize;
        des.DecryptByte(bytes);
        EXPECT_EQ(bytes, data) << dataSize;
    }
}

TEST(Des, ContainerLayout)
{
    clsDES des;
    const QByteArray data = sampleData(13);
    QByteArray bytes = data;
    des.EncryptByte(bytes, QStringLiteral("\x01\x02\x03\x04\x05\x06\x07\x08"));
    const QByteArray plain = decipherContainer(bytes, 0x0102030405060708ULL);
    const auto* p = reinterpret_cast<const uchar*>(plain.constData());
    EXPECT_GE(qFromLittleEndian<qint32>(p), 0);
    EXPECT_GE(qFromLittleEndian<qint32>(p + 4), 0);
    EXPECT_EQ(qFromLittleEndian<qint32>(p + 8), 13);
    EXPECT_EQ(plain.mid(12, 13), data);
    EXPECT_EQ(plain.mid(25), QByteArray(7, '\0'));
}

TEST(Des, RandomPrefixMakesEqualDataEncipherDifferently)
{
    clsDES des;
    des.Key(QStringLiteral("clave"));
    QByteArray first("mismo texto");
    QByteArray second("mismo texto");
    des.EncryptByte(first);
    des.EncryptByte(second);
    EXPECT_NE(first, second);
    des.DecryptByte(first);
    des.DecryptByte(second);
    EXPECT_EQ(first, QByteArray("mismo texto"));
    EXPECT_EQ(second, QByteArray("mismo texto"));
}

TEST(Des, KeyTextGivesTheFirstEightBytesPaddedWithZeros)
{
    clsDES fresh;
    clsDES emptyKey;
    emptyKey.Key(QStringLiteral("x"));
    emptyKey.Key(QString());
    clsDES zeros;
    zeros.Key(QString(8, QChar(0)));
    QByteArray bytes("dato");
    fresh.EncryptByte(bytes);
    QByteArray copy = bytes;
    emptyKey.DecryptByte(copy);
    EXPECT_EQ(copy, QByteArray("dato"));
    zeros.DecryptByte(bytes);
    EXPECT_EQ(bytes, QByteArray("dato"));

    clsDES des;
    bytes = "dato";
    des.EncryptByte(bytes, QStringLiteral("ABCDEFGH1"));
    copy = bytes;
    des.DecryptByte(copy, QStringLiteral("ABCDEFGH2"));
    EXPECT_EQ(copy, QByteArray("dato"));
    // Short keys are filled with zero bytes; the ANSI bytes are the key bytes.
    bytes = "dato";
    des.EncryptByte(bytes, QStringLiteral("Ñ"));
    EXPECT_EQ(decipherContainer(bytes, 0xD100000000000000ULL).mid(8, 8), QByteArray("\x04\0\0\0dato", 8));
    expectSizeError([&] { des.DecryptByte(bytes, QStringLiteral("ABCDEFGX")); });
    EXPECT_EQ(bytes.size(), 16);  // the whole deciphered container stays
}

TEST(Des, DecryptRefusesWhatCannotBeAContainer)
{
    for (const int size : {0, 1, 8, 15, 17, 23, 31}) {
        clsDES des;
        QByteArray bytes = sampleData(size);
        expectSizeError([&] { des.DecryptByte(bytes); });
        EXPECT_EQ(bytes, sampleData(size)) << size;
    }
}

TEST(Des, Text)
{
    clsDES des;
    const QString empty = des.EncryptString(QString(), QStringLiteral("k"), true);
    EXPECT_EQ(empty.size(), 24);
    EXPECT_EQ(des.DecryptString(empty, QStringLiteral("k"), true), QString());

    const QString text = QStringLiteral("Añejo € 100, “especial” del día");
    EXPECT_EQ(des.DecryptString(des.EncryptString(text, QStringLiteral("k"), true), QString(), true), text);
    EXPECT_EQ(des.DecryptString(des.EncryptString(text)), text);
    expectSizeError([&] { des.DecryptString(QStringLiteral("AAAA"), QString(), true); });
    EXPECT_THROW(des.DecryptString(QStringLiteral("=="), QString(), true), CipherError);
}

TEST(Des, ReportsProgressPerBlock)
{
    struct Case { int dataSize; QList<int> expected; };
    const Case cases[] = {
        {16, {0, 25, 50, 75, 100}},
        {0, {0, 50, 100}},
    };
    for (const Case& c : cases) {
        clsDES des;
        QByteArray bytes = sampleData(c.dataSize);
        EXPECT_EQ(progressOf(des, [&] { des.EncryptByte(bytes); }), c.expected) << c.dataSize;
        clsDES reader;
        EXPECT_EQ(progressOf(reader, [&] { reader.DecryptByte(bytes); }), c.expected) << c.dataSize;
    }
}

TEST(Des, FailedFileDecryptionLeavesTheOutputAlone)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain.bin"));
    const QString ciphered = dir.filePath(QStringLiteral("ciphered.bin"));
    const QString out = dir.filePath(QStringLiteral("out.bin"));
    {
        QFile f(plain);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(sampleData(40));
        QFile o(out);
        ASSERT_TRUE(o.open(QIODevice::WriteOnly));
        o.write("previo");
    }
    clsDES des;
    ASSERT_TRUE(des.EncryptFile(plain, ciphered, false, QStringLiteral("uno")));
    EXPECT_FALSE(des.DecryptFile(ciphered, out, true, QStringLiteral("otro")));
    QFile o(out);
    ASSERT_TRUE(o.open(QIODevice::ReadOnly));
    EXPECT_EQ(o.readAll(), QByteArray("previo"));
    o.close();
    ASSERT_TRUE(des.DecryptFile(ciphered, out, true, QStringLiteral("uno")));
    ASSERT_TRUE(o.open(QIODevice::ReadOnly));
    EXPECT_EQ(o.readAll(), sampleData(40));
}
