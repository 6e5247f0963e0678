#include "foundation/cipher/clsrc4.h"

#include "foundation/cipher/ansi.h"
#include "foundation/cipher/cipher_error.h"
#include "foundation/cipher/progress_meter.h"

#include <utility>

clsRC4::clsRC4(QObject* parent)
    : CipherBase(parent)
{
}

void clsRC4::Key(const QString& New_Value)
{
    if (New_Value == m_key)
        return;
    const QByteArray keyBytes = toAnsi(New_Value);
    if (keyBytes.isEmpty())
        throw CipherError(CipherError::InvalidArgument, QStringLiteral("Empty key for the RC4 cipher"));

    std::array<quint8, 256> state;
    for (int i = 0; i < 256; ++i)
        state[i] = static_cast<quint8>(i);
    const auto* k = reinterpret_cast<const quint8*>(keyBytes.constData());
    const qsizetype length = keyBytes.size();
    int j = 0;
    for (int i = 0; i < 256; ++i) {
        j = (j + state[i] + k[i % length]) & 0xFF;
        std::swap(state[i], state[j]);
    }
    m_state = state;
    m_key = New_Value;
}

void clsRC4::EncryptByte(QByteArray& byteArray, const QString& key)
{
    if (!key.isEmpty())
        Key(key);

    std::array<quint8, 256> s = m_state;
    auto* data = reinterpret_cast<quint8*>(byteArray.data());
    const qsizetype n = byteArray.size();
    ProgressMeter meter(n);
    int percent = 0;
    quint8 x = 0;
    quint8 y = 0;
    for (qsizetype i = 0; i < n; ++i) {
        x = static_cast<quint8>(x + 1);
        y = static_cast<quint8>(y + s[x]);
        std::swap(s[x], s[y]);
        data[i] ^= s[static_cast<quint8>(s[x] + s[y])];
        if (meter.done(i, &percent))
            emit Progress(percent);
    }
    if (meter.finish(&percent))
        emit Progress(percent);
}

void clsRC4::DecryptByte(QByteArray& byteArray, const QString& key)
{
    EncryptByte(byteArray, key);
}
