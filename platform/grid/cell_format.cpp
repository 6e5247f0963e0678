#include "platform/grid/cell_format.h"

#include <QDateTime>
#include <QTime>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace grid {

namespace {

const QString kDateFormat = QStringLiteral("dd/MM/yyyy");
const QString kTimeFormat = QStringLiteral("HH:mm:ss");

// Drops what a number's text may carry besides the number: blanks (a positive number written by
// the system keeps a blank in place of its sign), the currency symbol, thousands separators, "%".
QString bareNumber(const CellFormat& format, QString text)
{
    text.remove(QLatin1Char(' '));
    if (!format.currencySymbol.isEmpty())
        text.remove(format.currencySymbol);
    text.remove(QLatin1Char(','));
    if (text.endsWith(QLatin1Char('%')))
        text.chop(1);
    return text;
}

QVariant parseNumber(const CellFormat& format, const QString& text)
{
    bool ok = false;
    const QString bare = bareNumber(format, text);
    if (format.type == CellType::Integer) {
        const qlonglong whole = bare.toLongLong(&ok);
        if (ok)
            return whole;
    }
    const double number = bare.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return QVariant();
    if (format.type == CellType::Integer)
        return qlonglong(std::llround(number));
    return number;
}

QVariant parseDate(const QString& text)
{
    const QString t = text.trimmed();
    for (const char* pattern : {"d/M/yyyy", "yyyy-MM-dd", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss",
                                "yyyy-MM-dd HH:mm:ss.zzz"}) {
        const QDateTime dt = QDateTime::fromString(t, QString::fromLatin1(pattern));
        if (dt.isValid())
            return dt.date();
    }
    return QVariant();
}

QVariant parseTime(const QString& text)
{
    const QString t = text.trimmed();
    for (const char* pattern : {"H:mm", "H:mm:ss", "HHmmss", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss"}) {
        const QDateTime dt = QDateTime::fromString(t, QString::fromLatin1(pattern));
        if (dt.isValid())
            return dt.time();
        const QTime time = QTime::fromString(t, QString::fromLatin1(pattern));
        if (time.isValid())
            return time;
    }
    return QVariant();
}

QVariant parseCheck(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return 1;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return 0;
    bool ok = false;
    const double number = t.toDouble(&ok);
    return ok ? QVariant(number != 0 ? 1 : 0) : QVariant();
}

QString groupThousands(const QString& digits)
{
    QString out;
    const int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits.at(i);
    }
    return out;
}

} // namespace

CellFormat CellFormat::text(int maxLength)
{
    CellFormat f;
    f.maxLength = maxLength;
    return f;
}

CellFormat CellFormat::staticText()
{
    CellFormat f;
    f.type = CellType::StaticText;
    return f;
}

CellFormat CellFormat::integer(double minimum, double maximum)
{
    CellFormat f;
    f.type = CellType::Integer;
    f.minimum = minimum;
    f.maximum = maximum;
    return f;
}

CellFormat CellFormat::number(int decimals, double minimum, double maximum)
{
    CellFormat f = integer(minimum, maximum);
    f.type = CellType::Number;
    f.decimals = decimals;
    return f;
}

CellFormat CellFormat::currency(int decimals, double minimum, double maximum)
{
    CellFormat f = number(decimals, minimum, maximum);
    f.type = CellType::Currency;
    f.thousandsSeparator = true;
    return f;
}

CellFormat CellFormat::percent(int decimals, double minimum, double maximum)
{
    CellFormat f = number(decimals, minimum, maximum);
    f.type = CellType::Percent;
    return f;
}

CellFormat CellFormat::date(const QDate& minimum, const QDate& maximum)
{
    CellFormat f;
    f.type = CellType::Date;
    f.minimumDate = minimum;
    f.maximumDate = maximum;
    return f;
}

CellFormat CellFormat::time()
{
    CellFormat f;
    f.type = CellType::Time;
    return f;
}

CellFormat CellFormat::checkBox(const QString& caption)
{
    CellFormat f;
    f.type = CellType::CheckBox;
    f.caption = caption;
    return f;
}

CellFormat CellFormat::combo(const QStringList& items)
{
    CellFormat f;
    f.type = CellType::Combo;
    f.items = items;
    return f;
}

CellFormat CellFormat::button(const QString& caption, const QIcon& icon)
{
    CellFormat f;
    f.type = CellType::Button;
    f.caption = caption;
    f.icon = icon;
    return f;
}

bool CellFormat::operator==(const CellFormat& other) const
{
    return type == other.type && decimals == other.decimals && minimum == other.minimum && maximum == other.maximum
        && minimumDate == other.minimumDate && maximumDate == other.maximumDate && maxLength == other.maxLength
        && thousandsSeparator == other.thousandsSeparator && currencySymbol == other.currencySymbol && items == other.items
        && caption == other.caption && icon.cacheKey() == other.icon.cacheKey();
}

bool CellFormat::isNumeric() const
{
    switch (type) {
    case CellType::Integer: case CellType::Number: case CellType::Currency: case CellType::Percent:
    case CellType::CheckBox:
        return true;
    default:
        return false;
    }
}

bool CellFormat::opensEditor() const
{
    return type != CellType::StaticText && type != CellType::Button && type != CellType::CheckBox;
}

QVariant parseCellText(const CellFormat& format, const QString& text)
{
    if (text.trimmed().isEmpty() && format.type != CellType::Text && format.type != CellType::StaticText
        && format.type != CellType::Button)
        return QVariant();
    switch (format.type) {
    case CellType::Integer: case CellType::Number: case CellType::Currency: case CellType::Percent:
        return parseNumber(format, text);
    case CellType::Date:
        return parseDate(text);
    case CellType::Time:
        return parseTime(text);
    case CellType::CheckBox:
        return parseCheck(text);
    case CellType::Combo: {
        const int index = format.items.indexOf(text);
        return index >= 0 ? QVariant(index) : QVariant();
    }
    case CellType::Text: case CellType::StaticText: case CellType::Button:
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    return QVariant();
}

QVariant normalizeCellValue(const CellFormat& format, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    const int id = value.typeId();
    if (id == QMetaType::QString || id == QMetaType::QByteArray)
        return parseCellText(format, value.toString());
    bool ok = false;
    switch (format.type) {
    case CellType::Integer: {
        const double number = value.toDouble(&ok);
        return ok ? QVariant(qlonglong(std::llround(number))) : QVariant();
    }
    case CellType::Number: case CellType::Currency: case CellType::Percent: {
        const double number = value.toDouble(&ok);
        return ok && std::isfinite(number) ? QVariant(number) : QVariant();
    }
    case CellType::Date:
        if (id == QMetaType::QDateTime)
            return value.toDateTime().date();
        return id == QMetaType::QDate ? value : QVariant();
    case CellType::Time:
        if (id == QMetaType::QDateTime)
            return value.toDateTime().time();
        return id == QMetaType::QTime ? value : QVariant();
    case CellType::CheckBox: {
        const double number = value.toDouble(&ok);
        return ok ? QVariant(number != 0 ? 1 : 0) : QVariant();
    }
    case CellType::Combo: {
        const int index = value.toInt(&ok);
        return ok && index >= 0 && index < format.items.size() ? QVariant(index) : QVariant();
    }
    case CellType::Text: case CellType::StaticText: case CellType::Button: {
        const QString text = value.toString();
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    }
    return QVariant();
}

namespace {

// 2^40: below it a value and its rounding to the decimals shown are exact in a double.
constexpr double kExactBelow = 1099511627776.0;

// The value written with `decimals` decimals when it has no more than those: its shortest digits
// that read back as it, with zeros added, which is what rounding it would give. Below 2^40 two such
// numbers are further apart than the value's own precision, so none can be taken for the other.
// Signed and grouped as formatNumber() writes it.
std::optional<QString> plainNumber(double value, int decimals, bool thousandsSeparator)
{
    if (decimals > 12 || !(std::fabs(value) < kExactBelow))
        return std::nullopt;
    char digits[64];
    const auto [end, error] = std::to_chars(digits, digits + 40, value, std::chars_format::fixed);
    if (error != std::errc())
        return std::nullopt;
    const char* first = digits[0] == '-' ? digits + 1 : digits;
    const char* point = std::find(first, static_cast<const char*>(end), '.');
    const int shown = point == end ? 0 : int(end - point - 1);
    if (shown > decimals)
        return std::nullopt;
    // A value that shows as zero shows no sign.
    const bool negative = first != digits && std::any_of(first, static_cast<const char*>(end), [](char c) {
                              return c >= '1' && c <= '9';
                          });
    char text[96];
    char* out = text;
    if (negative)
        *out++ = '-';
    const int whole = int(point - first);
    for (int i = 0; i < whole; ++i) {
        if (thousandsSeparator && i > 0 && (whole - i) % 3 == 0)
            *out++ = ',';
        *out++ = first[i];
    }
    if (decimals > 0) {
        *out++ = '.';
        for (int i = 0; i < decimals; ++i)
            *out++ = i < shown ? point[1 + i] : '0';
    }
    return QString::fromLatin1(text, out - text);
}

} // namespace

QString formatNumber(double value, int decimals, bool thousandsSeparator)
{
    decimals = qMax(0, decimals);
    if (std::optional<QString> plain = plainNumber(value, decimals, thousandsSeparator))
        return *std::move(plain);
    QString text = QString::number(value, 'f', decimals);
    bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    if (negative && text.count(QLatin1Char('0')) + text.count(QLatin1Char('.')) == text.size())
        negative = false;  // no "-0.00"
    if (thousandsSeparator) {
        const int dot = text.indexOf(QLatin1Char('.'));
        const QString whole = dot < 0 ? text : text.left(dot);
        text = groupThousands(whole) + (dot < 0 ? QString() : text.mid(dot));
    }
    return negative ? QLatin1Char('-') + text : text;
}

namespace {

int figuresOf(long long whole)
{
    int figures = 1;
    while (whole >= 10) {
        whole /= 10;
        ++figures;
    }
    return figures;
}

} // namespace

std::optional<NumberShape> numberShape(const CellFormat& format, const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Int: case QMetaType::UInt:
    case QMetaType::LongLong: case QMetaType::ULongLong:
        break;
    default:
        return std::nullopt;
    }
    const double number = value.toDouble();
    switch (format.type) {
    case CellType::Integer: {
        if (!(std::fabs(number) < kExactBelow))
            return std::nullopt;
        const long long whole = std::llround(number);
        return NumberShape{whole < 0, figuresOf(whole < 0 ? -whole : whole)};
    }
    case CellType::Number: case CellType::Currency: case CellType::Percent: {
        static constexpr double kScales[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
        const int decimals = qMax(0, format.decimals);
        if (decimals > 9)
            return std::nullopt;
        const double scale = kScales[decimals];
        const double scaled = std::fabs(number) * scale;
        if (!(scaled < kExactBelow))
            return std::nullopt;
        // Rounded to the decimals shown; a value too near the middle of two is left to its text.
        const double shown = std::floor(scaled * (1 - 1e-9) + 0.5);
        if (shown != std::floor(scaled * (1 + 1e-9) + 0.5))
            return std::nullopt;
        const auto units = static_cast<long long>(shown);
        // A value that shows as zero shows no sign.
        return NumberShape{number < 0 && units != 0, figuresOf(units / static_cast<long long>(scale))};
    }
    default:
        return std::nullopt;
    }
}

QString formatCellValue(const CellFormat& format, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (format.type) {
    case CellType::Integer:
        return QString::number(value.toLongLong());
    case CellType::Number:
        return formatNumber(value.toDouble(), format.decimals, format.thousandsSeparator);
    case CellType::Currency: {
        const double amount = value.toDouble();
        const QString digits = formatNumber(std::fabs(amount), format.decimals, true);
        const bool negative = amount < 0 && formatNumber(amount, format.decimals, false).startsWith('-');
        return (negative ? QStringLiteral("-") : QString()) + format.currencySymbol + digits;
    }
    case CellType::Percent:
        return formatNumber(value.toDouble(), format.decimals, false) + QLatin1Char('%');
    case CellType::Date:
        return value.toDate().toString(kDateFormat);
    case CellType::Time:
        return value.toTime().toString(kTimeFormat);
    case CellType::CheckBox:
        return value.toInt() ? QStringLiteral("1") : QStringLiteral("0");
    case CellType::Combo:
        return format.items.value(value.toInt());
    case CellType::Text: case CellType::StaticText: case CellType::Button:
        return value.toString();
    }
    return QString();
}

QString editCellValue(const CellFormat& format, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (format.type) {
    case CellType::Number: case CellType::Currency: case CellType::Percent:
        return formatNumber(value.toDouble(), format.decimals, false);
    default:
        return formatCellValue(format, value);
    }
}

bool acceptsTypedText(const CellFormat& format, const QString& text)
{
    if (text.trimmed().isEmpty())
        return true;
    switch (format.type) {
    case CellType::Text:
        return format.maxLength <= 0 || text.size() <= format.maxLength;
    case CellType::Integer: case CellType::Number: case CellType::Currency: case CellType::Percent: {
        const QString bare = bareNumber(format, text);
        const int dot = bare.indexOf(QLatin1Char('.'));
        const int typedDecimals = dot < 0 ? 0 : int(bare.size() - dot - 1);
        const int allowed = format.type == CellType::Integer ? 0 : format.decimals;
        if (typedDecimals > allowed)
            return false;
        bool ok = false;
        const double number = bare.toDouble(&ok);
        return ok && number >= format.minimum && number <= format.maximum;
    }
    case CellType::Date: {
        const QVariant date = parseDate(text);
        if (date.isNull())
            return false;
        const QDate d = date.toDate();
        return (format.minimumDate.isNull() || d >= format.minimumDate)
            && (format.maximumDate.isNull() || d <= format.maximumDate);
    }
    case CellType::Time:
        return !parseTime(text).isNull();
    case CellType::Combo:
        return format.items.contains(text);
    case CellType::CheckBox:
        return !parseCheck(text).isNull();
    case CellType::StaticText: case CellType::Button:
        return false;
    }
    return false;
}

} // namespace grid
