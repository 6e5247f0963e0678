#include "foundation/cipher/clsdes.h"

#include "foundation/cipher/ansi.h"
#include "foundation/cipher/cipher_error.h"
#include "foundation/cipher/progress_meter.h"

#include <QRandomGenerator>
#include <QtEndian>

#include <cstring>
#include <limits>

namespace {

constexpr qsizetype kHeader = 12;
constexpr qsizetype kBlock = 8;
constexpr qsizetype kSmallest = 16;

CipherError sizeError()
{
    return CipherError(CipherError::SizeDescriptor, QStringLiteral("Incorrect size descriptor in DES decryption"));
}

} // namespace

clsDES::clsDES(QObject* parent)
    : CipherBase(parent)
{
}

void clsDES::Key(const QString& New_Value)
{
    if (New_Value == m_key)
        return;
    quint8 keyBytes[8] = {};
    const QByteArray ansi = toAnsi(New_Value);
    std::memcpy(keyBytes, ansi.constData(), std::min<qsizetype>(ansi.size(), 8));
    m_cipher = DesBlockCipher(DesBlockCipher::fromBytes(keyBytes));
    m_key = New_Value;
}

void clsDES::EncryptByte(QByteArray& byteArray, const QString& key)
{
    if (!key.isEmpty())
        Key(key);

    const qsizetype n = byteArray.size();
    // The length field is a signed 32-bit number.
    if (n > std::numeric_limits<qint32>::max() - kHeader - kBlock)
        throw CipherError(CipherError::InvalidArgument, QStringLiteral("Data too large for DES encryption"));
    qsizetype length = n + kHeader;
    if (length % kBlock != 0)
        length += kBlock - length % kBlock;

    QByteArray container(length, '\0');
    auto* c = reinterpret_cast<quint8*>(container.data());
    std::memcpy(c + kHeader, byteArray.constData(), static_cast<std::size_t>(n));
    QRandomGenerator* random = QRandomGenerator::global();
    qToLittleEndian<qint32>(static_cast<qint32>(random->bounded(quint32(1) << 31)), c);
    qToLittleEndian<qint32>(static_cast<qint32>(random->bounded(quint32(1) << 31)), c + 4);
    qToLittleEndian<qint32>(static_cast<qint32>(n), c + 8);

    ProgressMeter meter(length);
    int percent = 0;
    quint64 previous = 0;
    for (qsizetype offset = 0; offset < length; offset += kBlock) {
        previous = m_cipher.encrypt(DesBlockCipher::fromBytes(c + offset) ^ previous);
        DesBlockCipher::toBytes(previous, c + offset);
        if (meter.done(offset, &percent))
            emit Progress(percent);
    }
    byteArray = container;
    if (meter.finish(&percent))
        emit Progress(percent);
}

void clsDES::DecryptByte(QByteArray& byteArray, const QString& key)
{
    if (!key.isEmpty())
        Key(key);

    const qsizetype length = byteArray.size();
    if (length < kSmallest || length % kBlock != 0)
        throw sizeError();

    auto* c = reinterpret_cast<quint8*>(byteArray.data());
    ProgressMeter meter(length);
    int percent = 0;
    quint64 previous = 0;
    for (qsizetype offset = 0; offset < length; offset += kBlock) {
        const quint64 cipherBlock = DesBlockCipher::fromBytes(c + offset);
        DesBlockCipher::toBytes(m_cipher.decrypt(cipherBlock) ^ previous, c + offset);
        previous = cipherBlock;
        if (meter.done(offset, &percent))
            emit Progress(percent);
    }

    const qint64 n = qFromLittleEndian<qint32>(c + 8);
    if (length - n < kHeader || length - n > kHeader + kBlock - 1)
        throw sizeError();
    byteArray = byteArray.mid(kHeader, n);
    if (meter.finish(&percent))
        emit Progress(percent);
}
