#pragma once

#include <QLineEdit>

// A one-line box that shows its value formatted (a price as "$1,234.50", an address) while the
// column it is bound to holds the plain value ("1234.5"). The binder reads and writes the plain
// value; each window's subclass says how the two convert.
class FormattedBox : public QLineEdit {
    Q_OBJECT
public:
    explicit FormattedBox(QWidget* parent = nullptr) : QLineEdit(parent) {}

    // The value as the column holds it; empty for nothing.
    virtual QString plainValue() const { return text(); }
    // Shows the column's value formatted; empty shows nothing.
    virtual void setPlainValue(const QString& value) { setText(value); }
};
