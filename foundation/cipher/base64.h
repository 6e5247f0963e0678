#pragma once

#include <QByteArray>
#include <QString>

// The Base64 codec that both ciphers offer. For well-formed input it is RFC 2045 base64; the
// decoder is lenient so that stored texts keep decoding as they always did.
namespace base64 {

// Lines of 76 characters joined by CR LF. A text of at most 76 characters has no line break;
// a longer one has CR LF after every full line, the last included.
QString encode(const QByteArray& bytes);

// CR LF pairs and every "=" are dropped, wherever they stand; any other character outside the
// alphabet counts as "A". A lone final character adds one byte 0.
// Throws CipherError when nothing is left to decode.
QByteArray decode(const QString& text);

} // namespace base64
