#pragma once

#include <QDate>
#include <QIcon>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <limits>
#include <memory>
#include <optional>

namespace grid {

// What a cell holds and how it shows it.
enum class CellType {
    Text,        // free text
    StaticText,  // text that is never edited
    Integer,     // a whole number
    Number,      // a number with a fixed count of decimals
    Currency,    // an amount: "$", thousands separators, decimals
    Percent,     // the number written into it followed by "%"
    Date,        // day/month/year
    Time,        // hours:minutes:seconds
    CheckBox,    // 1 ticked, 0 cleared, with an optional caption beside the box
    Combo,       // a drop-down list; the value is the position picked (0 the first, -1 none)
    Button,      // a push button; pressing it raises Grid::buttonClicked
};

// A cell's type with the settings of that type. Build one with the factories.
struct CellFormat {
    CellType type = CellType::Text;
    int decimals = 0;                 // Number, Currency, Percent
    double minimum = std::numeric_limits<double>::lowest();  // Integer, Number, Currency, Percent
    double maximum = std::numeric_limits<double>::max();
    QDate minimumDate;                // Date; null: no bound
    QDate maximumDate;
    int maxLength = 0;                // Text: the most characters the user may type, 0 for no limit
    bool thousandsSeparator = false;  // Number: "1,234.50" in place of "1234.50" (Currency always has it)
    QString currencySymbol = QStringLiteral("$");
    QStringList items;                // Combo: the list, in order
    QString caption;                  // CheckBox: the text beside the box; Button: the button's text
    QIcon icon;                       // Button: the picture

    static CellFormat text(int maxLength = 0);
    static CellFormat staticText();
    static CellFormat integer(double minimum = std::numeric_limits<double>::lowest(),
                              double maximum = std::numeric_limits<double>::max());
    static CellFormat number(int decimals = 2, double minimum = std::numeric_limits<double>::lowest(),
                             double maximum = std::numeric_limits<double>::max());
    static CellFormat currency(int decimals = 2, double minimum = std::numeric_limits<double>::lowest(),
                               double maximum = std::numeric_limits<double>::max());
    static CellFormat percent(int decimals = 2, double minimum = std::numeric_limits<double>::lowest(),
                              double maximum = std::numeric_limits<double>::max());
    static CellFormat date(const QDate& minimum = QDate(), const QDate& maximum = QDate());
    static CellFormat time();
    static CellFormat checkBox(const QString& caption = QString());
    static CellFormat combo(const QStringList& items);
    static CellFormat button(const QString& caption = QString(), const QIcon& icon = QIcon());

    // The same type and settings (the icon compared by its image).
    bool operator==(const CellFormat& other) const;

    bool isNumeric() const;   // Integer, Number, Currency, Percent, CheckBox: sorted and summed by value
    bool opensEditor() const; // the types the user types into or picks from (not check boxes, buttons, static text)
};

using FormatPtr = std::shared_ptr<const CellFormat>;

// Reads a text written into a cell of the format: the value it stands for, or a null variant when
// the text is empty or is not of the type (the text is then kept as written).
//   numbers: "1234.5", " 12", "$1,234.50", "12.5%";  dates: "5/7/2021", "2021-07-05[ hh:mm:ss]";
//   times: "14:03", "14:03:22", "140322", "2021-07-05 14:03:22";  check boxes: "1"/"0", "True"/"False";
//   combos: an entry of the list, or its position.
QVariant parseCellText(const CellFormat& format, const QString& text);

// Turns a value given to a cell of the format into the value stored (a number for numeric cells,
// a QDate, a QTime, 1/0, a combo position); null when it does not fit the type.
QVariant normalizeCellValue(const CellFormat& format, const QVariant& value);

// The text a value shows in a cell of the format ("" for null). Check boxes give "1" or "0".
QString formatCellValue(const CellFormat& format, const QVariant& value);

// The text an editor starts from: numbers without symbols or separators.
QString editCellValue(const CellFormat& format, const QVariant& value);

// Whether a typed text is a complete, in-range entry for the format ("" is: it empties the cell).
bool acceptsTypedText(const CellFormat& format, const QString& text);

// Fixed, locale-free number text: "1234.50", or "1,234.50" with separators.
QString formatNumber(double value, int decimals, bool thousandsSeparator);

// What a numeric format's text of a value is made of, but for which figures: whether it shows a
// sign and how many figures its whole part has. Two values of one shape show texts that differ in
// their figures alone. None where rounding the value could go either way, or for a value that is
// not a number.
struct NumberShape {
    bool negative = false;
    int wholeFigures = 0;
    bool operator==(const NumberShape&) const = default;
};
std::optional<NumberShape> numberShape(const CellFormat& format, const QVariant& value);

} // namespace grid
