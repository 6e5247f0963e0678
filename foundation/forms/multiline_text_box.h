#pragma once

#include <QPlainTextEdit>

// The multi-line text box of the window designs: Tab moves on to the next control, as in every
// other box, and the text never grows past the box's maximum length.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineTextBox(QWidget* parent = nullptr);

    int maxLength() const { return m_maxLength; }
    void setMaxLength(int length);

private:
    void trimToMaxLength();

    int m_maxLength = 0;  // 0: no limit
};
