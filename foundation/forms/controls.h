#pragma once

#include <QString>
#include <QWidgetList>

class QLineEdit;
class QObject;
class QWidget;

// What the windows' designs carry on their controls, and the few operations that the data-entry
// behaviour applies to every control of a window whatever its kind.
namespace forms {

// A control's tag: the name of the control that a label captions, or a text box's input rules.
QString tag(const QObject* control);
void setTag(QObject* control, const QString& tag);

// The recordset column that a control is bound to; empty for an unbound control.
QString dataField(const QObject* control);
void setDataField(QObject* control, const QString& column);

// Text boxes are one-line (QLineEdit) and multi-line (QPlainTextEdit) boxes. text and setText also
// read and write a label, which some windows show their key in.
bool isTextBox(const QWidget* control);
QString text(const QWidget* textBox);
void setText(QWidget* textBox, const QString& text);
// Shows a stored text whole: a box whose designed limit is shorter takes the text's length as its
// limit while it shows it, so that nothing stored is cut by showing it; the design's limit holds
// again for a shorter text.
void showStored(QWidget* textBox, const QString& text);
// A locked box shows its text and takes the focus, but cannot be typed into.
void setLocked(QWidget* textBox, bool locked);
bool isLocked(const QWidget* textBox);
void selectAll(QWidget* textBox);
void deselect(QWidget* textBox);

// Makes a one-line box at least wide enough to show `letters` capitals whole ("OSTRES D'ANTAÑO Y
// CAFÉ"): the names of the catalogs are typed in capitals, which are wider than the average letter.
void setWidthInLetters(QLineEdit* box, int letters);

// Frames (group boxes, plain frames, tab pages' holders) and the plain widgets that layouts use:
// they hold controls and are never disabled themselves.
bool isContainer(const QWidget* widget);

// The designed controls of a window, in the order in which the window created them. Frames and
// plain containers are listed and looked into; a control that is made of inner widgets (a combo
// box, a grid, a date picker, a multi-line box) is listed once, without its inner widgets.
QWidgetList controls(QWidget* window);

// Brings forward every tab page that holds the control, so that it can be seen: before a message
// about it and before it takes the focus.
void revealField(QWidget* control);
// Reveals the control and puts the focus there.
void focusField(QWidget* control);

// The caption of the label whose tag names the control (ignoring case), without its closing colon;
// empty when no label names it.
QString captionOf(QWidget* control);

// The window that a control belongs to: the child window inside the main window's document area, or
// the top-level window.
QWidget* windowOf(QWidget* control);

} // namespace forms
