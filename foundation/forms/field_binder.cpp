#include "foundation/forms/field_binder.h"
#include "foundation/forms/controls.h"

#include "foundation/routines/zorva_funciones.h"

#include <QCheckBox>
#include <QRegularExpression>

namespace {

QList<FieldBinder*>& liveBinders()
{
    static QList<FieldBinder*> binders;
    return binders;
}

bool isNumeric(adodb::DataType type)
{
    return FieldBinder::numberKind(type) != FieldBinder::Numero::Ninguno;
}

void show(QWidget* control, const QVariant& value)
{
    if (auto* check = qobject_cast<QCheckBox*>(control))
        check->setChecked(!value.isNull() && value.toLongLong() != 0);
    else
        forms::setText(control, value.toString());
}

} // namespace

FieldBinder::FieldBinder(QObject* parent) : QObject(parent)
{
    liveBinders().append(this);
}

FieldBinder::~FieldBinder()
{
    liveBinders().removeOne(this);
}

void FieldBinder::add(QWidget* control)
{
    m_bindings.append({control, forms::dataField(control)});
}

QList<QWidget*> FieldBinder::controls() const
{
    QList<QWidget*> out;
    for (const Binding& b : m_bindings)
        if (b.control)
            out.append(b.control);
    return out;
}

QWidget* FieldBinder::controlFor(const QString& column) const
{
    for (const Binding& b : m_bindings)
        if (b.control && b.column.compare(column, Qt::CaseInsensitive) == 0)
            return b.control;
    return nullptr;
}

void FieldBinder::attach()
{
    m_attached = true;
    fill();
}

void FieldBinder::detach()
{
    m_attached = false;
}

bool FieldBinder::onRow() const
{
    return m_recordset.isOpen() && !m_recordset.bof() && !m_recordset.eof();
}

void FieldBinder::fill()
{
    if (!m_attached)
        return;
    const bool row = onRow();
    for (const Binding& b : m_bindings) {
        if (!b.control)
            continue;
        const bool known = row && m_recordset.hasField(b.column);
        show(b.control, known ? m_recordset.value(b.column) : QVariant());
    }
    emit rowShown();
}

void FieldBinder::writeBack()
{
    if (!m_attached || !onRow())
        return;
    for (const Binding& b : m_bindings) {
        if (!b.control || !m_recordset.hasField(b.column))
            continue;
        adodb::Field field = m_recordset.field(b.column);
        if (auto* check = qobject_cast<QCheckBox*>(b.control.data())) {
            field.setValue(check->isChecked() ? 1 : 0);
            continue;
        }
        const QString text = forms::text(b.control);
        if (text == field.text())
            continue;  // untouched: a new row keeps the column's default
        if (!isNumeric(field.type()))
            field.setValue(text);
        else if (text.trimmed().isEmpty())
            field.setValue(QVariant(QMetaType::fromType<QString>()));  // an empty number is NULL
        else
            field.setValue(text.trimmed());
    }
}

QString FieldBinder::assignments(const QString& except) const
{
    QStringList out;
    for (const Binding& b : m_bindings) {
        if (!b.control || b.column.compare(except, Qt::CaseInsensitive) == 0 || !m_recordset.hasField(b.column))
            continue;
        QString value;
        if (auto* check = qobject_cast<QCheckBox*>(b.control.data()))
            value = check->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        else
            value = sqlValue(forms::text(b.control), m_recordset.field(b.column).type());
        out << b.column + QLatin1Char('=') + value;
    }
    return out.join(QLatin1Char(','));
}

QString FieldBinder::sqlValue(const QString& text, adodb::DataType type)
{
    const Numero numero = numberKind(type);
    if (numero != Numero::Ninguno) {
        const QString trimmed = text.trimmed();
        if (trimmed.isEmpty())
            return QStringLiteral("NULL");
        if (isNumber(trimmed, Numero::Decimal))
            return trimmed;
    }
    return QLatin1Char('\'') + DuplicaComillas(text) + QLatin1Char('\'');
}

FieldBinder::Numero FieldBinder::numberKind(adodb::DataType type)
{
    switch (type) {
    case adodb::DataType::Integer:
    case adodb::DataType::BigInt:
    case adodb::DataType::Boolean:
        return Numero::Entero;
    case adodb::DataType::Double:
    case adodb::DataType::Currency:
        return Numero::Decimal;
    default:
        return Numero::Ninguno;
    }
}

bool FieldBinder::isNumber(const QString& text, Numero kind)
{
    static const QRegularExpression entero(QStringLiteral("^[+-]?[0-9]+$"));
    static const QRegularExpression decimal(QStringLiteral("^[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)$"));
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || kind == Numero::Ninguno)
        return true;
    return (kind == Numero::Entero ? entero : decimal).match(trimmed).hasMatch();
}

void FieldBinder::rowMoved(const adodb::Recordset& recordset)
{
    const QList<FieldBinder*> binders = liveBinders();
    for (FieldBinder* binder : binders)
        if (binder->m_recordset == recordset)
            binder->fill();
}
