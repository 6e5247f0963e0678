#include "foundation/cipher/base64.h"

#include "foundation/cipher/cipher_error.h"

#include <array>

namespace base64 {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr qsizetype kLineLength = 76;

constexpr std::array<quint8, 256> makeReverse()
{
    std::array<quint8, 256> table{};
    for (int v = 0; v < 64; ++v)
        table[static_cast<unsigned char>(kAlphabet[v])] = static_cast<quint8>(v);
    return table;
}

constexpr std::array<quint8, 256> kReverse = makeReverse();

QString encodeOneLine(const QByteArray& bytes)
{
    QString out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    for (; i + 3 <= n; i += 3) {
        out += QLatin1Char(kAlphabet[b[i] >> 2]);
        out += QLatin1Char(kAlphabet[((b[i] & 0x03) << 4) | (b[i + 1] >> 4)]);
        out += QLatin1Char(kAlphabet[((b[i + 1] & 0x0F) << 2) | (b[i + 2] >> 6)]);
        out += QLatin1Char(kAlphabet[b[i + 2] & 0x3F]);
    }
    if (n - i == 1) {
        out += QLatin1Char(kAlphabet[b[i] >> 2]);
        out += QLatin1Char(kAlphabet[(b[i] & 0x03) << 4]);
        out += QLatin1String("==");
    } else if (n - i == 2) {
        out += QLatin1Char(kAlphabet[b[i] >> 2]);
        out += QLatin1Char(kAlphabet[((b[i] & 0x03) << 4) | (b[i + 1] >> 4)]);
        out += QLatin1Char(kAlphabet[(b[i + 1] & 0x0F) << 2]);
        out += QLatin1Char('=');
    }
    return out;
}

} // namespace

QString encode(const QByteArray& bytes)
{
    const QString flat = encodeOneLine(bytes);
    if (flat.size() <= kLineLength)
        return flat;
    QString out;
    out.reserve(flat.size() + flat.size() / kLineLength * 2);
    for (qsizetype i = 0; i < flat.size(); i += kLineLength) {
        const QStringView line = QStringView(flat).mid(i, kLineLength);
        out += line;
        if (line.size() == kLineLength)
            out += QLatin1String("\r\n");
    }
    return out;
}

QByteArray decode(const QString& text)
{
    QString s = text;
    s.remove(QLatin1String("\r\n"));
    s.remove(QLatin1Char('='));
    if (s.isEmpty())
        throw CipherError(CipherError::InvalidArgument, QStringLiteral("Nothing to decode in Base64 text"));

    QByteArray out;
    out.reserve(s.size() / 4 * 3 + 3);
    quint8 v[4];
    int count = 0;
    const auto flush = [&out, &v](int values) {
        out.append(static_cast<char>((v[0] << 2) | (v[1] >> 4)));
        if (values > 2)
            out.append(static_cast<char>(((v[1] & 0x0F) << 4) | (v[2] >> 2)));
        if (values > 3)
            out.append(static_cast<char>(((v[2] & 0x03) << 6) | v[3]));
    };
    for (const QChar c : std::as_const(s)) {
        v[count++] = kReverse[c.unicode() & 0xFF];
        if (count == 4) {
            flush(4);
            count = 0;
        }
    }
    if (count == 1)
        out.append('\0');
    else if (count > 1)
        flush(count);
    return out;
}

} // namespace base64
