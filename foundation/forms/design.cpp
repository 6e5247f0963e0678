#include "foundation/forms/design.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/multiline_text_box.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace forms {

namespace {

template <typename Control>
Control* named(Control* control, const QString& name, const QString& column)
{
    control->setObjectName(name);
    if (!column.isEmpty())
        setDataField(control, column);
    return control;
}

} // namespace

QLineEdit* textBox(QWidget* parent, const QString& name, const QString& column, const QString& rules, int maxLength)
{
    auto* box = named(new QLineEdit(parent), name, column);
    if (!rules.isEmpty())
        setTag(box, rules);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    return box;
}

MultiLineTextBox* multiLineTextBox(QWidget* parent, const QString& name, const QString& column, int maxLength)
{
    auto* box = named(new MultiLineTextBox(parent), name, column);
    box->setMaxLength(maxLength);
    // Three lines high: a description, not a document.
    box->setFixedHeight(box->fontMetrics().lineSpacing() * 3 + 2 * box->frameWidth()
                        + int(box->document()->documentMargin() * 2));
    return box;
}

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption, const QString& column)
{
    return named(new QCheckBox(caption, parent), name, column);
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, QWidget* control)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    setTag(l, control->objectName());
    l->setBuddy(control);
    return l;
}

void keyBoxStyle(QLineEdit* box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    box->setPalette(palette);
    QFont font = box->font();
    font.setBold(true);
    box->setFont(font);
}

} // namespace forms
