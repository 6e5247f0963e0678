#include "foundation/cipher/cipher_base.h"

#include "foundation/cipher/ansi.h"
#include "foundation/cipher/base64.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <exception>

QString CipherBase::Encode64(const QString& sInput) const
{
    if (sInput.isEmpty())
        return QString();
    return EncodeArray64(toAnsi(sInput));
}

QString CipherBase::Decode64(const QString& sInput) const
{
    if (sInput.isEmpty())
        return QString();
    return fromAnsi(DecodeArray64(sInput));
}

QString CipherBase::EncodeArray64(const QByteArray& bytInput) const
{
    return base64::encode(bytInput);
}

QByteArray CipherBase::DecodeArray64(const QString& sInput) const
{
    return base64::decode(sInput);
}

QString CipherBase::EncryptString(const QString& Text, const QString& key, bool OutputIn64)
{
    QByteArray bytes = toAnsi(Text);
    EncryptByte(bytes, key);
    const QString cipherText = fromAnsi(bytes);
    return OutputIn64 ? Encode64(cipherText) : cipherText;
}

QString CipherBase::DecryptString(const QString& Text, const QString& key, bool IsTextIn64)
{
    QByteArray bytes = toAnsi(IsTextIn64 ? Decode64(Text) : Text);
    DecryptByte(bytes, key);
    return fromAnsi(bytes);
}

bool CipherBase::fileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool CipherBase::rewriteFile(const QString& inFile, const QString& outFile, bool overwrite,
                             const std::function<void(QByteArray&)>& transform)
{
    if (!fileExists(inFile) || (QFileInfo::exists(outFile) && !overwrite))
        return false;
    try {
        QFile in(inFile);
        if (!in.open(QIODevice::ReadOnly))
            return false;
        QByteArray bytes = in.readAll();
        in.close();
        if (bytes.isEmpty())
            return false;
        transform(bytes);
        // Written beside the target and renamed over it, so a failure never leaves half a file.
        QSaveFile out(outFile);
        return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
    } catch (const std::exception&) {
        return false;
    }
}

bool CipherBase::EncryptFile(const QString& InFile, const QString& OutFile, bool Overwrite,
                             const QString& key, bool OutputIn64)
{
    return rewriteFile(InFile, OutFile, Overwrite, [&](QByteArray& bytes) {
        EncryptByte(bytes, key);
        if (OutputIn64)
            bytes = toAnsi(EncodeArray64(bytes));
    });
}

bool CipherBase::DecryptFile(const QString& InFile, const QString& OutFile, bool Overwrite,
                             const QString& key, bool IsFileIn64)
{
    return rewriteFile(InFile, OutFile, Overwrite, [&](QByteArray& bytes) {
        if (IsFileIn64)
            bytes = DecodeArray64(fromAnsi(bytes));
        DecryptByte(bytes, key);
    });
}
