#pragma once

#include <QString>
#include <stdexcept>

// An error that a cipher or the Base64 codec raises to its caller, with the number and text that
// the caller may show or log.
class CipherError : public std::runtime_error {
public:
    // Deciphered data whose length field does not fit the container, or input that cannot be a
    // container at all.
    static constexpr long SizeDescriptor = -2147221504;
    // An argument the operation cannot work with (nothing to decode, an empty RC4 key).
    static constexpr long InvalidArgument = 5;

    CipherError(long number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}

    long number() const { return m_number; }
    const QString& description() const { return m_description; }

private:
    long m_number;
    QString m_description;
};
