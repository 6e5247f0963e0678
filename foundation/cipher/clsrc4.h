#pragma once

#include "foundation/cipher/cipher_base.h"

#include <array>

// The RC4 stream cipher, as published, over byte arrays, with the text, file and Base64 members of
// CipherBase. It enciphers the employees' passwords (foundation/cipher/contrasena.h).
//
// Every EncryptByte starts the keystream afresh from the keyed state, so enciphering two texts in
// two calls uses the same keystream for both. A new object without a key has an all-zero state and
// leaves data unchanged.
class clsRC4 : public CipherBase {
    Q_OBJECT

public:
    explicit clsRC4(QObject* parent = nullptr);

    // Runs the key schedule when New_Value differs from the key held. Throws CipherError for ""
    // while a key is held, leaving that key in place.
    void Key(const QString& New_Value) override;

    // XOR with the keystream, from its start; Progress reports 0 .. 100 on the way.
    void EncryptByte(QByteArray& byteArray, const QString& key = QString()) override;
    void DecryptByte(QByteArray& byteArray, const QString& key = QString()) override;

private:
    QString m_key;
    std::array<quint8, 256> m_state{};
};
