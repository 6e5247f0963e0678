#include "platform/ui/date_typing.h"

#include <QDateEdit>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

namespace ui {

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.');
}

// The date that `typed` spells whole (eight digits, or day, month and a four-digit year apart); an
// invalid date when it spells none yet.
QDate wholeDate(const QString& typed)
{
    static const QRegularExpression eightDigits(QStringLiteral("^(\\d{2})(\\d{2})(\\d{4})$"));
    static const QRegularExpression apart(QStringLiteral("^(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{4})$"));
    QRegularExpressionMatch m = eightDigits.match(typed);
    if (!m.hasMatch())
        m = apart.match(typed);
    if (!m.hasMatch())
        return QDate();
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

// Whether `typed` can still grow into a whole date.
bool mayBecomeWhole(const QString& typed)
{
    static const QRegularExpression start(
        QStringLiteral("^(\\d{0,8}|\\d{1,2}[/.-]\\d{0,2}|\\d{1,2}[/.-]\\d{1,2}[/.-]\\d{0,4})$"));
    return start.match(typed).hasMatch();
}

// The box's own editor validates every key on its own: a day beyond the month on show is cut to
// the month's last before the month is typed. This filter keeps what was typed from the start of
// the day and, once it spells a whole date, puts that date in the box.
class DateTyping : public QObject {
public:
    explicit DateTyping(QDateEdit* box)
        : QObject(box), m_box(box), m_editor(box->findChild<QLineEdit*>())
    {
        box->installEventFilter(this);
        if (m_editor)
            m_editor->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (watched == m_box)
                enteredBy(static_cast<QFocusEvent*>(event)->reason());
            break;
        case QEvent::FocusOut:
        case QEvent::MouseButtonPress:
            m_typed.clear();
            break;
        case QEvent::KeyPress:
            if (watched == m_box)
                return typed(static_cast<QKeyEvent*>(event));
            break;
        default:
            break;
        }
        return false;
    }

private:
    void enteredBy(Qt::FocusReason reason)
    {
        m_typed.clear();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::MouseFocusReason
            && reason != Qt::ShortcutFocusReason)
            return;
        // After the click has placed the cursor where it landed.
        QPointer<QDateEdit> box(m_box);
        QTimer::singleShot(0, m_box, [box] {
            if (box && box->hasFocus()) {
                box->setCurrentSection(QDateTimeEdit::DaySection);
                box->setSelectedSection(QDateTimeEdit::DaySection);
            }
        });
    }

    bool atStartOfDay() const
    {
        if (!m_editor || m_box->currentSection() != QDateTimeEdit::DaySection)
            return false;
        return m_editor->hasSelectedText() ? m_editor->selectionStart() == 0 : m_editor->cursorPosition() == 0;
    }

    // True when the key was taken here.
    bool typed(QKeyEvent* key)
    {
        const QString text = key->text();
        if (text.size() != 1 || (!text.at(0).isDigit() && !isSeparator(text.at(0)))) {
            if (!text.isEmpty() || key->key() < Qt::Key_Shift || key->key() > Qt::Key_ScrollLock)
                m_typed.clear();
            return false;
        }
        if (m_typed.isEmpty() && (!text.at(0).isDigit() || !atStartOfDay()))
            return false;
        m_typed += text;
        if (!mayBecomeWhole(m_typed)) {
            m_typed.clear();
            return false;
        }
        const QDate date = wholeDate(m_typed);
        if (!date.isValid())
            return false;
        m_typed.clear();
        m_box->setDate(date);
        return true;
    }

    QDateEdit* m_box;
    QLineEdit* m_editor;
    QString m_typed;
};

} // namespace

void typeDatesWhole(QDateEdit* box)
{
    if (box)
        new DateTyping(box);
}

} // namespace ui
