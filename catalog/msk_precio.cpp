#include "catalog/msk_precio.h"
#include "foundation/forms/controls.h"
#include "platform/grid/cell_format.h"
#include "platform/ui/msgbox.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

namespace {

bool esNumeral(const QString& texto)
{
    static const QRegularExpression numeral(QStringLiteral("^([0-9]+[.]?[0-9]*|[.][0-9]+)$"));
    return numeral.match(texto).hasMatch();
}

bool esCaracterDePrecio(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
}

} // namespace

MskPrecio::MskPrecio(QWidget* parent) : FormattedBox(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this](const QString& texto) { m_valor = texto; });
}

QString MskPrecio::Quitar_Formato(const QString& PsValor)
{
    QString limpio;
    for (const QChar c : PsValor)
        if (esCaracterDePrecio(c))
            limpio.append(c);
    return limpio;
}

QString MskPrecio::plainValue() const
{
    const QString limpio = Quitar_Formato(m_valor);
    if (!esNumeral(limpio))
        return limpio;
    return grid::formatNumber(limpio.toDouble(), 2, false);
}

void MskPrecio::setPlainValue(const QString& value)
{
    m_valor = value.trimmed();
    // A stored amount may come written with an exponent ("1e-05"), which has no place in a price.
    bool numero = false;
    const double importe = m_valor.toDouble(&numero);
    if (numero && m_valor.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        m_valor = grid::formatNumber(importe, 2, false);
    muestra();
}

bool MskPrecio::esNumero() const
{
    const QString limpio = Quitar_Formato(m_valor);
    return limpio.isEmpty() || esNumeral(limpio);
}

bool MskPrecio::largoValido() const
{
    return Quitar_Formato(m_valor).size() <= kLargoMaximo;
}

void MskPrecio::rechazaLargo()
{
    ui::msgBox(QStringLiteral("El precio es demasiado grande"), ui::Exclamation);
    setPlainValue(QString());
}

void MskPrecio::muestra()
{
    const QString limpio = Quitar_Formato(m_valor);
    // Typed into, it shows what is typed; browsing or elsewhere, the amount.
    if ((hasFocus() && !isReadOnly()) || !esNumeral(limpio))
        setText(m_valor);
    else
        setText(QLatin1Char('$') + grid::formatNumber(limpio.toDouble(), 2, true));
}

void MskPrecio::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        if (!isReadOnly()) {
            insert(Quitar_Formato(QApplication::clipboard()->text()));
            m_valor = text();
        }
        return;
    }
    // Letters, signs and backspace do not edit a price; moves, Delete and shortcuts do.
    const QString texto = event->text();
    if (event->key() == Qt::Key_Backspace)
        return;
    if (!texto.isEmpty() && texto.front().isPrint() && !std::all_of(texto.cbegin(), texto.cend(), esCaracterDePrecio))
        return;
    FormattedBox::keyPressEvent(event);
}

void MskPrecio::focusInEvent(QFocusEvent* event)
{
    muestra();
    FormattedBox::focusInEvent(event);
}

void MskPrecio::changeEvent(QEvent* event)
{
    FormattedBox::changeEvent(event);
    if (event->type() == QEvent::ReadOnlyChange)
        muestra();
}

void MskPrecio::focusOutEvent(QFocusEvent* event)
{
    FormattedBox::focusOutEvent(event);
    muestra();
    // Only a move to another control of the window checks the length; a message box or another
    // window taking the focus does not.
    QWidget* nuevo = QApplication::focusWidget();
    if (!nuevo || nuevo == this || forms::windowOf(nuevo) != forms::windowOf(this))
        return;
    QPointer<MskPrecio> caja = this;
    QTimer::singleShot(0, this, [caja] {
        if (caja && !caja->largoValido()) {
            caja->rechazaLargo();
            caja->setFocus(Qt::OtherFocusReason);
        }
    });
}
