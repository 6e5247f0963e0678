#include "platform/ui/msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include <utility>

namespace ui {

namespace {

Answerer& currentAnswerer()
{
    static Answerer answerer;
    return answerer;
}

struct Holds {
    int depth = 0;
    QList<Box> waiting;
};

Holds& holds()
{
    static Holds h;
    return h;
}

QList<Answer> buttonsOf(int style)
{
    switch (style & kButtonsMask) {
    case OkCancel: return {Ok, Cancel};
    case AbortRetryIgnore: return {Abort, Retry, Ignore};
    case YesNoCancel: return {Yes, No, Cancel};
    case YesNo: return {Yes, No};
    case RetryCancel: return {Retry, Cancel};
    default: return {Ok};
    }
}

QString buttonText(Answer a)
{
    switch (a) {
    case Ok: return QStringLiteral("Aceptar");
    case Cancel: return QStringLiteral("Cancelar");
    case Abort: return QStringLiteral("Anular");
    case Retry: return QStringLiteral("Reintentar");
    case Ignore: return QStringLiteral("Omitir");
    case Yes: return QStringLiteral("Sí");
    case No: return QStringLiteral("No");
    }
    return QString();
}

QMessageBox::ButtonRole roleOf(Answer a)
{
    switch (a) {
    case Ok: case Yes: case Retry: return QMessageBox::AcceptRole;
    case Cancel: case Abort: return QMessageBox::RejectRole;
    case No: return QMessageBox::NoRole;
    case Ignore: return QMessageBox::ActionRole;
    }
    return QMessageBox::ActionRole;
}

QMessageBox::Icon iconOf(int style)
{
    switch (style & kIconMask) {
    case Critical: return QMessageBox::Critical;
    case Question: return QMessageBox::Question;
    case Exclamation: return QMessageBox::Warning;
    case Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

Answer showReal(const Box& box)
{
    QMessageBox mb(iconOf(box.style), box.caption, box.text, QMessageBox::NoButton,
                   QApplication::activeWindow());
    const QList<Answer> answers = buttonsOf(box.style);
    const Answer def = defaultAnswer(box.style);
    QList<QPushButton*> buttons;
    for (Answer a : answers) {
        QPushButton* b = mb.addButton(buttonText(a), roleOf(a));
        buttons.append(b);
        if (a == def)
            mb.setDefaultButton(b);
    }
    // Esc: Cancel, else No, else the only button.
    Answer escape = answers.size() == 1 ? answers.first() : def;
    if (answers.contains(Cancel)) escape = Cancel;
    else if (answers.contains(No)) escape = No;
    mb.setEscapeButton(buttons.at(answers.indexOf(escape)));
    mb.exec();
    const int index = buttons.indexOf(static_cast<QPushButton*>(mb.clickedButton()));
    return index >= 0 ? answers.at(index) : escape;
}

} // namespace

QString applicationTitle()
{
    return QStringLiteral("ZORVA_Servidor");
}

Answer defaultAnswer(int style)
{
    const QList<Answer> answers = buttonsOf(style);
    int index = 0;
    if ((style & kDefaultMask) == DefaultButton2) index = 1;
    if ((style & kDefaultMask) == DefaultButton3) index = 2;
    return answers.at(qMin(index, int(answers.size()) - 1));
}

namespace {

Answer show(const Box& box)
{
    if (currentAnswerer())
        return currentAnswerer()(box);
    return showReal(box);
}

} // namespace

Answer msgBox(const QString& text, int style, const QString& caption)
{
    Box box{text, style, caption.isEmpty() ? applicationTitle() : caption};
    if (holds().depth > 0) {
        if (box.buttons() == OkOnly) {
            holds().waiting.append(box);
            return Ok;
        }
        qWarning("ui::msgBox: a question asked while the database is held: %s", qPrintable(text));
    }
    return show(box);
}

MessageHold::MessageHold()
{
    ++holds().depth;
}

MessageHold::~MessageHold()
{
    release();
}

void MessageHold::release()
{
    if (!m_held)
        return;
    m_held = false;
    if (--holds().depth > 0)
        return;
    // A box shown here may start another hold; what it holds waits for that one.
    const QList<Box> waiting = std::exchange(holds().waiting, {});
    for (const Box& box : waiting)
        show(box);
}

void setAnswerer(Answerer answerer)
{
    currentAnswerer() = std::move(answerer);
}

void clearAnswerer()
{
    currentAnswerer() = nullptr;
}

ScriptedAnswerer::ScriptedAnswerer()
{
    setAnswerer([this](const Box& box) { return respond(box); });
}

ScriptedAnswerer::~ScriptedAnswerer()
{
    clearAnswerer();
}

QStringList ScriptedAnswerer::texts() const
{
    QStringList out;
    for (const Box& b : m_boxes)
        out << b.text;
    return out;
}

Answer ScriptedAnswerer::respond(const Box& box)
{
    m_boxes.append(box);
    if (m_witness)
        m_witness(box);
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    return defaultAnswer(box.style);
}

} // namespace ui
