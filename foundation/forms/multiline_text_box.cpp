#include "foundation/forms/multiline_text_box.h"

#include <QTextCursor>

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &MultiLineTextBox::trimToMaxLength);
}

void MultiLineTextBox::setMaxLength(int length)
{
    m_maxLength = qMax(0, length);
    trimToMaxLength();
}

void MultiLineTextBox::trimToMaxLength()
{
    const QString text = toPlainText();
    if (m_maxLength == 0 || text.size() <= m_maxLength)
        return;
    // Typed or pasted text beyond the limit is dropped where it went in, as a one-line box does;
    // a text set whole is cut at the limit.
    QTextCursor cursor = textCursor();
    const int excess = int(text.size()) - m_maxLength;
    const int end = cursor.position();
    const QSignalBlocker block(this);
    if (end >= excess) {
        cursor.setPosition(end - excess);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        setTextCursor(cursor);
    } else {
        setPlainText(text.left(m_maxLength));
    }
}
