#include "foundation/cipher/cipher_error.h"
#include "foundation/cipher/clsrc4.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QList<int> progressOf(CipherBase& cipher, const std::function<void()>& run)
{
    QList<int> seen;
    QObject::connect(&cipher, &CipherBase::Progress, [&seen](int percent) { seen.append(percent); });
    run();
    return seen;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(Rc4, MatchesThePublishedVectors)
{
    struct Case { const char* key; QByteArray plain; QByteArray cipher; };
    const Case cases[] = {
        {"Key", "Plaintext", QByteArray::fromHex("BBF316E8D940AF0AD3")},
        {"Wiki", "pedia", QByteArray::fromHex("1021BF0420")},
        {"Secret", "Attack at dawn", QByteArray::fromHex("45A01F645FC35B383552544B9BF5")},
    };
    for (const Case& c : cases) {
        clsRC4 rc4;
        QByteArray bytes = c.plain;
        rc4.EncryptByte(bytes, QString::fromLatin1(c.key));
        EXPECT_EQ(bytes.toHex(), c.cipher.toHex()) << c.key;
        rc4.DecryptByte(bytes);
        EXPECT_EQ(bytes, c.plain) << c.key;
    }
}

TEST(Rc4, KeystreamRestartsOnEveryCall)
{
    clsRC4 rc4;
    rc4.Key(QStringLiteral("Key"));
    const QString first = rc4.EncryptString(QStringLiteral("Plaintext"));
    EXPECT_EQ(rc4.EncryptString(QStringLiteral("Plaintext")), first);
    // An empty key argument keeps the key held.
    QByteArray bytes("Plaintext");
    rc4.EncryptByte(bytes, QString());
    EXPECT_EQ(bytes, QByteArray::fromHex("BBF316E8D940AF0AD3"));
}

TEST(Rc4, NewObjectWithoutKeyLeavesDataUnchanged)
{
    clsRC4 rc4;
    rc4.Key(QString());  // equal to the key held: nothing happens
    QByteArray bytes("datos");
    rc4.EncryptByte(bytes);
    EXPECT_EQ(bytes, QByteArray("datos"));
}

TEST(Rc4, EmptyKeyIsRefusedAndTheKeyHeldStays)
{
    clsRC4 rc4;
    rc4.Key(QStringLiteral("Key"));
    try {
        rc4.Key(QString());
        FAIL() << "an empty key was accepted";
    } catch (const CipherError& e) {
        EXPECT_EQ(e.number(), CipherError::InvalidArgument);
    }
    QByteArray bytes("Plaintext");
    rc4.EncryptByte(bytes);
    EXPECT_EQ(bytes, QByteArray::fromHex("BBF316E8D940AF0AD3"));
}

TEST(Rc4, TextRoundTrips)
{
    clsRC4 rc4;
    EXPECT_EQ(rc4.EncryptString(QString(), QStringLiteral("k")), QString());
    EXPECT_EQ(rc4.EncryptString(QString(), QStringLiteral("k"), true), QString());

    // Long enough for the Base64 text to carry line breaks.
    const QString text = QStringLiteral("Añejo € 100, “especial” del día; ").repeated(4);
    const QString stored = rc4.EncryptString(text, QStringLiteral("clave"), true);
    EXPECT_TRUE(stored.contains(QStringLiteral("\r\n")));
    clsRC4 reader;
    EXPECT_EQ(reader.DecryptString(stored, QStringLiteral("clave"), true), text);
    EXPECT_EQ(reader.DecryptString(rc4.EncryptString(text), QStringLiteral("clave")), text);
    EXPECT_THROW(reader.DecryptString(QStringLiteral("=="), QString(), true), CipherError);
}

TEST(Rc4, ReportsProgress)
{
    struct Case { int size; QList<int> expected; };
    const Case cases[] = {
        {0, {100}},
        {1, {0, 100}},
        {8, {0, 12, 25, 37, 50, 62, 75, 87, 100}},
    };
    for (const Case& c : cases) {
        clsRC4 rc4;
        QByteArray bytes(c.size, 'x');
        EXPECT_EQ(progressOf(rc4, [&] { rc4.EncryptByte(bytes, QStringLiteral("k")); }), c.expected) << c.size;
    }

    clsRC4 rc4;
    QByteArray bytes(1000, 'x');
    const QList<int> seen = progressOf(rc4, [&] { rc4.DecryptByte(bytes, QStringLiteral("k")); });
    ASSERT_EQ(seen.size(), 101);
    for (int i = 0; i <= 100; ++i)
        EXPECT_EQ(seen[i], i);
}

TEST(Rc4, FilesRoundTripAndRefuseWhatTheyMust)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain.txt"));
    const QString ciphered = dir.filePath(QStringLiteral("ciphered.txt"));
    const QString back = dir.filePath(QStringLiteral("back.txt"));
    const QByteArray content = QByteArray("linea 1\r\nlinea 2 \xD1\x00\xFF", 19).repeated(10);
    ASSERT_TRUE(writeFile(plain, content));

    clsRC4 rc4;
    QByteArray cipherBytes = content;
    rc4.EncryptByte(cipherBytes, QStringLiteral("k"));
    ASSERT_TRUE(rc4.EncryptFile(plain, ciphered, false, QStringLiteral("k"), true));
    EXPECT_EQ(readFile(ciphered), rc4.EncodeArray64(cipherBytes).toLatin1());
    ASSERT_TRUE(rc4.DecryptFile(ciphered, back, false, QStringLiteral("k"), true));
    EXPECT_EQ(readFile(back), content);

    // An existing output is kept unless overwriting is asked for.
    ASSERT_TRUE(writeFile(back, "keep"));
    EXPECT_FALSE(rc4.DecryptFile(ciphered, back, false, QStringLiteral("k"), true));
    EXPECT_EQ(readFile(back), QByteArray("keep"));
    EXPECT_TRUE(rc4.DecryptFile(ciphered, back, true, QStringLiteral("k"), true));
    EXPECT_EQ(readFile(back), content);

    const QString empty = dir.filePath(QStringLiteral("empty.txt"));
    ASSERT_TRUE(writeFile(empty, QByteArray()));
    EXPECT_FALSE(rc4.EncryptFile(empty, dir.filePath(QStringLiteral("x")), false, QStringLiteral("k")));
    EXPECT_FALSE(rc4.EncryptFile(dir.filePath(QStringLiteral("missing")), dir.filePath(QStringLiteral("y")), false));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("y"))));
}
