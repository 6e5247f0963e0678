#pragma once

#include "foundation/cipher/cipher_base.h"
#include "foundation/cipher/des_block_cipher.h"

// DES in cipher block chaining mode with an all-zero initial block, over a container of its own:
//
//   offset 0   two random 32-bit integers (0 .. 2^31-1), little-endian: equal data enciphers
//              differently from call to call
//   offset 8   N, the data length, signed 32-bit little-endian
//   offset 12  the N data bytes, then zero bytes up to a multiple of 8
//
// so N bytes give 12 + N rounded up to a multiple of 8 (0..4 -> 16, 5..12 -> 24, 13..20 -> 32).
// The key is the first 8 ANSI bytes of the key text, filled with zero bytes; a new object and the
// key "" both use the all-zero key.
class clsDES : public CipherBase {
    Q_OBJECT

public:
    explicit clsDES(QObject* parent = nullptr);

    // Derives the round keys when New_Value differs from the key held; any text, "" included.
    void Key(const QString& New_Value) override;

    // byteArray becomes the enciphered container of its former contents.
    void EncryptByte(QByteArray& byteArray, const QString& key = QString()) override;
    // byteArray, a container made by EncryptByte, is deciphered and cut back to the data. Throws
    // CipherError(SizeDescriptor, "Incorrect size descriptor in DES decryption") when it is shorter
    // than 16 bytes or not a multiple of 8 (the array is left as it was), or when the deciphered
    // length field does not fit (the array then holds the whole deciphered container).
    void DecryptByte(QByteArray& byteArray, const QString& key = QString()) override;

private:
    QString m_key;
    DesBlockCipher m_cipher;
};
