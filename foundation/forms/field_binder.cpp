#include "foundation/forms/field_binder.h"
#include "foundation/forms/controls.h"

#include "foundation/routines/zorva_funciones.h"

#include "foundation/forms/formatted_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QRegularExpression>

namespace {

const QString kFormatoFecha = QStringLiteral("yyyy-MM-dd");

QList<FieldBinder*>& liveBinders()
{
    static QList<FieldBinder*> binders;
    return binders;
}

bool isNumeric(adodb::DataType type)
{
    return FieldBinder::numberKind(type) != FieldBinder::Numero::Ninguno;
}

bool isOptional(const QDateEdit* picker)
{
    return picker->property("Opcional").toBool();
}

// The date part of a column's value: a date-time, or ISO text.
QDate dateOf(const QVariant& value)
{
    if (value.isNull())
        return QDate();
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().date();
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate();
    return QDate::fromString(value.toString().left(10), Qt::ISODate);
}

// What a picker holds: no date for an empty optional one.
QDate pickedDate(const QDateEdit* picker)
{
    if (isOptional(picker) && picker->date() == picker->minimumDate())
        return QDate();
    return picker->date();
}

QVariant dateValue(const QDate& date)
{
    if (!date.isValid())
        return QVariant(QMetaType::fromType<QString>());
    return date.toString(kFormatoFecha) + QStringLiteral(" 00:00:00");
}

void showDate(QDateEdit* picker, const QVariant& value)
{
    if (isOptional(picker) && picker->specialValueText().isEmpty())
        picker->setSpecialValueText(QStringLiteral(" "));
    const QDate date = dateOf(value);
    if (date.isValid())
        picker->setDate(date);
    else
        picker->setDate(isOptional(picker) ? picker->minimumDate() : QDate::currentDate());
}

void showCombo(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text, Qt::MatchFixedString);
    combo->setCurrentIndex(index);
    if (index < 0 && combo->isEditable())
        combo->setEditText(text);
}

void show(QWidget* control, const QVariant& value)
{
    if (auto* check = qobject_cast<QCheckBox*>(control))
        check->setChecked(!value.isNull() && value.toLongLong() != 0);
    else if (auto* formatted = qobject_cast<FormattedBox*>(control))
        formatted->setPlainValue(value.toString());
    else if (auto* picker = qobject_cast<QDateEdit*>(control))
        showDate(picker, value);
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        showCombo(combo, value.toString());
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(value.toString());
    else
        forms::showStored(control, value.toString());
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

QString FieldBinder::valueText(const QWidget* control)
{
    if (auto* formatted = qobject_cast<const FormattedBox*>(control))
        return formatted->plainValue();
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    return forms::text(control);
}

bool FieldBinder::canBind(const QWidget* control)
{
    return qobject_cast<const QCheckBox*>(control) || qobject_cast<const QDateEdit*>(control)
           || qobject_cast<const QComboBox*>(control) || qobject_cast<const QLabel*>(control)
           || forms::isTextBox(control);
}

void FieldBinder::add(QWidget* control)
{
    // A control the binder cannot show would have its column written as ''.
    if (!canBind(control))
        qFatal("FieldBinder: %s (%s) cannot be bound to a column", qPrintable(control->objectName()),
               control->metaObject()->className());
    m_bindings.append({control, forms::dataField(control), QString()});
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
    // Once every control is shown: a control that follows another (a combo's key box) holds its
    // final value now.
    for (Binding& b : m_bindings)
        if (b.control)
            b.shown = held(b.control);
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
        if (qobject_cast<QLabel*>(b.control.data()))
            continue;  // shows the column only
        if (auto* picker = qobject_cast<QDateEdit*>(b.control.data())) {
            const QDate date = pickedDate(picker);
            if (date != dateOf(field.value()))
                field.setValue(dateValue(date));
            continue;
        }
        const QString text = valueText(b.control);
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

QString FieldBinder::held(const QWidget* control)
{
    if (auto* check = qobject_cast<const QCheckBox*>(control))
        return check->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* picker = qobject_cast<const QDateEdit*>(control))
        return pickedDate(picker).toString(Qt::ISODate);
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return valueText(control);
}

bool FieldBinder::changed(const QWidget* control) const
{
    for (const Binding& b : m_bindings)
        if (b.control == control)
            return held(control) != b.shown;
    return false;
}

QString FieldBinder::assignments(const QString& except) const
{
    QStringList out;
    for (const Binding& b : m_bindings) {
        if (!b.control || b.column.compare(except, Qt::CaseInsensitive) == 0 || !m_recordset.hasField(b.column))
            continue;
        if (held(b.control) == b.shown)
            continue;
        if (qobject_cast<QLabel*>(b.control.data()))
            continue;
        QString value;
        if (auto* check = qobject_cast<QCheckBox*>(b.control.data())) {
            value = check->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        } else if (auto* picker = qobject_cast<QDateEdit*>(b.control.data())) {
            // An unchanged date keeps the column as stored, its time of day included.
            const QDate date = pickedDate(picker);
            if (onRow() && date == dateOf(m_recordset.value(b.column)))
                continue;
            value = date.isValid() ? QLatin1Char('\'') + dateValue(date).toString() + QLatin1Char('\'')
                                   : QStringLiteral("NULL");
        } else {
            value = sqlValue(valueText(b.control), m_recordset.field(b.column).type());
        }
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
