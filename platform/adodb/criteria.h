#pragma once

#include <QString>
#include <QVariant>

namespace adodb {

// One condition of a Find: "column op value", op one of = <> != < > <= >= LIKE; the value a quoted
// text ('' for an apostrophe), a #date#, a number or NULL. Texts compare without regard to case;
// LIKE takes % or * for any run and _ for one character.
struct Criteria {
    QString column;
    QString op;  // upper-cased
    QVariant value;

    static Criteria parse(const QString& text);  // raises ComError 3001 on a malformed text
    bool matches(const QVariant& fieldValue) const;
};

// Case folding for the whole Spanish alphabet: upper case, accents kept.
QString foldCase(const QString& text);

// LIKE matching: % any run, _ one character, an optional escape character; case folded.
bool likeMatch(const QString& pattern, const QString& text, QChar escape = QChar());

} // namespace adodb
