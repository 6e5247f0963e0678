#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;
class MultiLineTextBox;

// Building blocks of the window designs: controls created with their name, the column they are
// bound to (none when empty) and their tag, as every data-entry window declares them.
namespace forms {

// A one-line text box; `rules` holds its input-rule keywords ("NoVacioMayusculas"); 0 = no length limit.
QLineEdit* textBox(QWidget* parent, const QString& name, const QString& column, const QString& rules = QString(),
                   int maxLength = 0);
MultiLineTextBox* multiLineTextBox(QWidget* parent, const QString& name, const QString& column, int maxLength = 0);
QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption, const QString& column);
// The label that captions `control`: its tag names the control, so that the find dialog and the
// required-field check find the field's caption.
QLabel* label(QWidget* parent, const QString& name, const QString& caption, QWidget* control);
// The look of a box that shows a key and is never typed into: button-face background, bold text.
void keyBoxStyle(QLineEdit* box);

} // namespace forms
