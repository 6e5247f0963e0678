#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

// What clsRC4 and clsDES share: the Base64 members, the Progress event, and the text and file
// members built on each cipher's EncryptByte and DecryptByte. Text and key text become bytes
// through Windows-1252 (foundation/cipher/ansi.h), one byte per character.
class CipherBase : public QObject {
    Q_OBJECT

public:
    // Base64 of the ANSI bytes of sInput; "" for "".
    QString Encode64(const QString& sInput) const;
    // The decoded bytes as ANSI text; "" for "". Throws CipherError when a non-empty text holds
    // nothing to decode (only CR LF pairs and "=").
    QString Decode64(const QString& sInput) const;
    // Base64 of the bytes, in lines of 76 characters joined by CR LF; never throws.
    QString EncodeArray64(const QByteArray& bytInput) const;
    // Lenient decoding; throws CipherError when nothing is left after dropping CR LF and "=".
    QByteArray DecodeArray64(const QString& sInput) const;

    // Sets the key; a text equal to the one held changes nothing.
    virtual void Key(const QString& New_Value) = 0;
    // In place. A non-empty key is first set through Key() and stays the object's key.
    virtual void EncryptByte(QByteArray& byteArray, const QString& key = QString()) = 0;
    virtual void DecryptByte(QByteArray& byteArray, const QString& key = QString()) = 0;

    // The cipher of the ANSI bytes of Text, as one character per byte or as Base64.
    QString EncryptString(const QString& Text, const QString& key = QString(), bool OutputIn64 = false);
    // Text, Base64-decoded first when IsTextIn64, deciphered to ANSI text. Errors of the decoding and
    // of DecryptByte reach the caller.
    QString DecryptString(const QString& Text, const QString& key = QString(), bool IsTextIn64 = false);

    // Whole-file versions. False when InFile is missing or empty, when OutFile exists and Overwrite is
    // false, or on any failure; OutFile is replaced only once the new contents are complete.
    bool EncryptFile(const QString& InFile, const QString& OutFile, bool Overwrite,
                     const QString& key = QString(), bool OutputIn64 = false);
    bool DecryptFile(const QString& InFile, const QString& OutFile, bool Overwrite,
                     const QString& key = QString(), bool IsFileIn64 = false);

signals:
    void Progress(int Percent);

protected:
    explicit CipherBase(QObject* parent = nullptr) : QObject(parent) {}

private:
    static bool fileExists(const QString& path);
    // Reads inFile, transforms its bytes and writes them to outFile; false on any failure.
    static bool rewriteFile(const QString& inFile, const QString& outFile, bool overwrite,
                            const std::function<void(QByteArray&)>& transform);
};
