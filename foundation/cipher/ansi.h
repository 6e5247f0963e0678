#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1252 code page, by a table of our own so that the bytes never depend on the machine's
// locale. Stored passwords and cipher texts were made with these bytes, one byte per character.

// One byte per character; a character that the code page lacks (a surrogate pair counts as one
// character) becomes "?".
QByteArray toAnsi(const QString& text);

// One character per byte. Every byte has its own character, so toAnsi(fromAnsi(b)) == b for any
// bytes: cipher bytes survive a trip through text.
QString fromAnsi(const QByteArray& bytes);
