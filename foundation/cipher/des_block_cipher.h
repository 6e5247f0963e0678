#pragma once

#include <QtGlobal>

#include <array>

// One DES block (FIPS 46-3) under one 64-bit key. A block is a 64-bit number whose most significant
// bit is bit 1 of the standard, the first byte's top bit. Parity bits of the key are ignored.
class DesBlockCipher {
public:
    explicit DesBlockCipher(quint64 key = 0);

    quint64 encrypt(quint64 block) const;
    quint64 decrypt(quint64 block) const;

    // Eight bytes, the first one most significant.
    static quint64 fromBytes(const quint8* bytes);
    static void toBytes(quint64 block, quint8* bytes);

private:
    quint64 crypt(quint64 block, bool decipher) const;

    std::array<quint64, 16> m_roundKeys{};  // K1 .. K16, 48 bits each
};
