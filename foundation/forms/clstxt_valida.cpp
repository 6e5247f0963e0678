#include "foundation/forms/clstxt_valida.h"
#include "foundation/cipher/ansi.h"
#include "foundation/forms/controls.h"
#include "platform/ui/msgbox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace {

constexpr char16_t kBackspace = 8;

bool esDigito(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool esLetraSimple(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

// The capital of a letter as the system's code page has it: "ñ" gives "Ñ", "ÿ" gives "Ÿ"; a letter
// whose capital the code page lacks stays as it is.
QChar mayuscula(QChar c)
{
    const QChar upper = c.toUpper();
    if (upper == c || toAnsi(QString(upper)) == QByteArrayLiteral("?"))
        return c;
    return upper;
}

// Keys that move the focus or edit without typing a character never reach the character rules.
bool escribeCaracter(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return false;
    default:
        return !event->text().isEmpty();
    }
}

} // namespace

Clstxt_valida::Clstxt_valida(QObject* parent) : QObject(parent) {}

void Clstxt_valida::Asigna(QWidget* PtxtCampo)
{
    if (m_txtAny)
        m_txtAny->removeEventFilter(this);
    m_txtAny = PtxtCampo;
    if (!PtxtCampo)
        return;
    const QString tag = forms::tag(PtxtCampo);
    m_noVacio = tag.contains(QLatin1String("NoVacio"));
    m_numerico = tag.contains(QLatin1String("Numerico"));
    m_mayusculas = tag.contains(QLatin1String("Mayusculas"));
    m_noSignos = tag.contains(QLatin1String("NoSignos"));
    m_ip = tag.contains(QLatin1String("IP"));
    PtxtCampo->installEventFilter(this);
}

QChar Clstxt_valida::filtraCaracter(QChar typed) const
{
    if (typed.unicode() == kBackspace)
        return typed;
    if (m_ip)
        return esDigito(typed) || typed == QLatin1Char('.') ? typed : QChar();
    QChar c = typed;
    if (m_mayusculas)
        c = mayuscula(c);
    if (m_numerico && !esDigito(c) && c != QLatin1Char('.'))
        return QChar();
    if (m_noSignos && !esLetraSimple(c) && !esDigito(c) && c != QLatin1Char(' '))
        return QChar();
    return c;
}

bool Clstxt_valida::direccionIpValida(const QString& text)
{
    int grupos = 1;
    QString grupo;
    for (const QChar c : text) {
        if (c == QLatin1Char('.')) {
            if (grupo.isEmpty())
                return false;  // "10..0.1": an empty group is no group
            ++grupos;
            grupo.clear();
            continue;
        }
        grupo.append(c);
        // The group's value is the number its leading digits make.
        int valor = 0;
        for (const QChar d : grupo) {
            if (!esDigito(d))
                break;
            valor = valor * 10 + (d.unicode() - '0');
            if (valor > 255)
                return false;
        }
    }
    return !grupo.isEmpty() && grupos == 4;
}

bool Clstxt_valida::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_txtAny)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return txtAny_KeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
        return txtAny_InputMethod(static_cast<QInputMethodEvent*>(event));
    case QEvent::FocusIn:
        txtAny_GotFocus(event);
        return true;
    case QEvent::FocusOut:
        txtAny_LostFocus(static_cast<QFocusEvent*>(event)->reason());
        return false;
    default:
        return false;
    }
}

QString Clstxt_valida::filtraTexto(const QString& typed) const
{
    QString allowed;
    for (const QChar c : typed) {
        const QChar kept = filtraCaracter(c);
        if (!kept.isNull())
            allowed.append(kept);
    }
    return allowed;
}

bool Clstxt_valida::txtAny_KeyPress(QKeyEvent* event)
{
    if (m_resending || !escribeCaracter(event))
        return false;
    const QString allowed = filtraTexto(event->text());
    if (allowed == event->text())
        return false;
    if (!allowed.isEmpty()) {
        // The box receives the changed character instead of the typed one.
        QKeyEvent changed(QEvent::KeyPress, event->key(), event->modifiers(), allowed, event->isAutoRepeat(),
                          ushort(event->count()));
        reenvia(&changed);
    }
    return true;
}

// Accented letters typed with a dead key arrive composed, through the input method.
bool Clstxt_valida::txtAny_InputMethod(QInputMethodEvent* event)
{
    if (m_resending || event->commitString().isEmpty())
        return false;
    const QString allowed = filtraTexto(event->commitString());
    if (allowed == event->commitString())
        return false;
    QInputMethodEvent changed(event->preeditString(), event->attributes());
    changed.setCommitString(allowed, event->replacementStart(), event->replacementLength());
    reenvia(&changed);
    return true;
}

void Clstxt_valida::reenvia(QEvent* changed)
{
    m_resending = true;
    QCoreApplication::sendEvent(m_txtAny, changed);
    m_resending = false;
}

void Clstxt_valida::txtAny_GotFocus(QEvent* event)
{
    // The box handles its focus first (a one-line box selects all on Tab); then the rule decides.
    static_cast<QObject*>(m_txtAny.data())->event(event);
    if (forms::text(m_txtAny).trimmed().isEmpty())
        forms::deselect(m_txtAny);
    else
        forms::selectAll(m_txtAny);
}

void Clstxt_valida::txtAny_LostFocus(Qt::FocusReason reason)
{
    // Only the user leaving the box for another control of the same window asks for validation; a
    // message box, a menu or another window taking the focus does not, and neither does the
    // program moving the focus itself (a new record, a cancel) nor a box the user cannot type in.
    const bool usuario = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
        || reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
    if (!usuario || forms::isLocked(m_txtAny))
        return;
    QWidget* nuevo = QApplication::focusWidget();
    if (!nuevo || nuevo == m_txtAny || forms::windowOf(nuevo) != forms::windowOf(m_txtAny))
        return;
    QPointer<QWidget> caja = m_txtAny;
    QTimer::singleShot(0, this, [this, caja] {
        if (caja && caja == m_txtAny && !forms::isLocked(caja) && !txtAny_Validate())
            caja->setFocus(Qt::OtherFocusReason);
    });
}

bool Clstxt_valida::txtAny_Validate()
{
    const QString texto = forms::text(m_txtAny);
    if (m_noVacio && texto.isEmpty())
        ui::msgBox(QStringLiteral("Este campo no puede estar vacío"), ui::Exclamation);
    if (m_ip && !texto.isEmpty() && !direccionIpValida(texto)) {
        ui::msgBox(QStringLiteral("La direcciòn IP no es válida"), ui::Exclamation);
        return false;
    }
    return true;
}
