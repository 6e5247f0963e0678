#include "platform/grid/grid.h"

#include <QTableWidget>
#include <cmath>
#include <limits>
#include <vector>
#include <gtest/gtest.h>

using grid::CellFormat;
using grid::Grid;

namespace {

struct CellCase {
    const char* name;
    CellFormat format;
    QString written;
    QString shown;
    QVariant value;
};

void PrintTo(const CellCase& c, std::ostream* os)
{
    *os << c.name;
}

class CellTextTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellTextTest, WrittenTextIsReadByTheCellType)
{
    const CellCase& c = GetParam();
    Grid g;
    g.setColumnCount(1);
    g.setRowCount(1);
    g.setColumnFormat(1, c.format);
    g.setText(1, 1, c.written);
    EXPECT_EQ(g.text(1, 1), c.shown);
    EXPECT_EQ(g.value(1, 1), c.value);
}

const QStringList kMenus = {QStringLiteral("Comida"), QStringLiteral("Bebida")};

INSTANTIATE_TEST_SUITE_P(
    Types, CellTextTest,
    ::testing::Values(
        CellCase{"IntegerKeepsWholeNumber", CellFormat::integer(0, 99999999), "42", "42", qlonglong(42)},
        CellCase{"IntegerWithSignBlank", CellFormat::integer(), " 7", "7", qlonglong(7)},
        CellCase{"IntegerRoundsDecimals", CellFormat::integer(), "5.6", "6", qlonglong(6)},
        CellCase{"IntegerKeepsUnreadableTextWithoutValue", CellFormat::integer(), "abc", "abc", QVariant()},
        CellCase{"EmptyIntegerHasNoValue", CellFormat::integer(), "", "", QVariant()},
        CellCase{"NumberShowsItsDecimals", CellFormat::number(2), "1234.5", "1234.50", 1234.5},
        CellCase{"NumberNeverShowsMinusZero", CellFormat::number(2), "-0.001", "0.00", -0.001},
        CellCase{"CurrencyShowsSymbolAndSeparators", CellFormat::currency(2), "1234567.5", "$1,234,567.50",
                 1234567.5},
        CellCase{"NegativeCurrency", CellFormat::currency(2), "-3", "-$3.00", -3.0},
        CellCase{"CurrencyReadsItsOwnText", CellFormat::currency(2), "$1,234.50", "$1,234.50", 1234.5},
        CellCase{"PercentShowsTheNumberAndSign", CellFormat::percent(2), "12.5", "12.50%", 12.5},
        CellCase{"PercentReadsItsOwnText", CellFormat::percent(2), "12.5%", "12.50%", 12.5},
        CellCase{"DateDayFirst", CellFormat::date(), "5/7/2021", "05/07/2021", QDate(2021, 7, 5)},
        CellCase{"DateFromStoredText", CellFormat::date(), "2021-07-05 14:03:22", "05/07/2021", QDate(2021, 7, 5)},
        CellCase{"TimeFromSixDigits", CellFormat::time(), "140322", "14:03:22", QTime(14, 3, 22)},
        CellCase{"TimeWithoutSeconds", CellFormat::time(), "9:05", "09:05:00", QTime(9, 5)},
        CellCase{"CheckBoxTicked", CellFormat::checkBox(), "1", "1", 1},
        CellCase{"CheckBoxFromTrue", CellFormat::checkBox(), "True", "1", 1},
        CellCase{"CheckBoxCleared", CellFormat::checkBox(), "0", "0", 0},
        CellCase{"ComboEntryGivesItsPosition", CellFormat::combo(kMenus), "Bebida", "Bebida", 1},
        CellCase{"ComboFirstEntryIsPositionZero", CellFormat::combo(kMenus), "Comida", "Comida", 0},
        CellCase{"ComboTextOutsideTheList", CellFormat::combo(kMenus), "Otro", "Otro", QVariant()},
        CellCase{"TextKeepsABlank", CellFormat::text(), " ", " ", QStringLiteral(" ")}),
    [](const ::testing::TestParamInfo<CellCase>& info) { return std::string(info.param.name); });

struct TypedCase {
    const char* name;
    CellFormat format;
    QString typed;
    bool accepted;
};

void PrintTo(const TypedCase& c, std::ostream* os)
{
    *os << c.name;
}

class TypedTextTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedTextTest, TypedEntryMustFitTheType)
{
    EXPECT_EQ(grid::acceptsTypedText(GetParam().format, GetParam().typed), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, TypedTextTest,
    ::testing::Values(
        TypedCase{"KeyInRange", CellFormat::integer(0, 99999999), "99999999", true},
        TypedCase{"KeyAboveRange", CellFormat::integer(0, 99999999), "100000000", false},
        TypedCase{"KeyWithDecimals", CellFormat::integer(0, 99999999), "5.5", false},
        TypedCase{"NegativeKey", CellFormat::integer(0, 99999999), "-1", false},
        TypedCase{"PriceWithTwoDecimals", CellFormat::currency(2, 0, 99999999.99), "10.25", true},
        TypedCase{"PriceWithThreeDecimals", CellFormat::currency(2, 0, 99999999.99), "10.255", false},
        TypedCase{"PercentageAbove100", CellFormat::number(2, 0, 100), "100.01", false},
        TypedCase{"CostMayBeNegative", CellFormat::number(2, -9999999.99, 9999999.99), "-9999999.99", true},
        TypedCase{"DateInRange", CellFormat::date(QDate(1990, 1, 1), QDate(2100, 12, 31)), "31/12/2100", true},
        TypedCase{"DateBeforeRange", CellFormat::date(QDate(1990, 1, 1), QDate(2100, 12, 31)), "31/12/1989", false},
        TypedCase{"ImpossibleDate", CellFormat::date(), "31/02/2021", false},
        TypedCase{"TextAtItsLimit", CellFormat::text(90), QString(90, 'x'), true},
        TypedCase{"TextBeyondItsLimit", CellFormat::text(90), QString(91, 'x'), false},
        TypedCase{"EmptyEmptiesAnyCell", CellFormat::integer(1, 5), "", true}),
    [](const ::testing::TestParamInfo<TypedCase>& info) { return std::string(info.param.name); });

TEST(GridCells, HeadersLiveInRowAndColumnZero)
{
    Grid g;
    g.setColumnCount(2);
    g.setRowCount(3);
    g.setText(0, 2, QStringLiteral("Nombre"));
    g.setText(3, 0, QStringLiteral("Total"));
    EXPECT_EQ(g.text(0, 2), "Nombre");
    EXPECT_EQ(g.table()->horizontalHeaderItem(1)->text(), "Nombre");
    EXPECT_EQ(g.text(3, 0), "Total");
    EXPECT_EQ(g.text(1, 1), "");
}

TEST(GridCells, CellsOutsideTheGridReadEmptyAndIgnoreWrites)
{
    Grid g;
    g.setColumnCount(2);
    g.setRowCount(2);
    g.setText(3, 1, QStringLiteral("x"));
    g.setText(1, 3, QStringLiteral("x"));
    g.setValue(-1, 1, 5);
    EXPECT_EQ(g.text(3, 1), "");
    EXPECT_FALSE(g.value(1, 3).isValid());
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.columnCount(), 2);
}

TEST(GridCells, ValuesAreReadBackInTheTypeOfTheCell)
{
    Grid g;
    g.setColumnCount(3);
    g.setRowCount(1);
    g.setColumnFormat(1, CellFormat::currency(2));
    g.setColumnFormat(2, CellFormat::checkBox(QStringLiteral("Activar Función")));
    g.setColumnFormat(3, CellFormat::combo({QStringLiteral("A"), QStringLiteral("B")}));
    g.setValue(1, 1, 19.9);
    g.setValue(1, 2, true);
    g.setValue(1, 3, 1);
    EXPECT_EQ(g.text(1, 1), "$19.90");
    EXPECT_EQ(g.value(1, 2), QVariant(1));
    EXPECT_EQ(g.comboIndex(1, 3), 1);
    EXPECT_EQ(g.text(1, 3), "B");
    g.setValue(1, 3, 7);  // no such entry
    EXPECT_EQ(g.comboIndex(1, 3), -1);
}

TEST(GridCells, ChangingTheTypeReadsTheSameTextAgain)
{
    Grid g;
    g.setColumnCount(1);
    g.setRowCount(2);
    g.setText(1, 1, QStringLiteral("12.5"));
    g.setText(2, 1, QStringLiteral("abc"));
    g.setColumnFormat(1, CellFormat::number(1));
    EXPECT_EQ(g.value(1, 1), QVariant(12.5));
    EXPECT_EQ(g.text(2, 1), "abc");
    g.setCellFormat(1, 1, CellFormat::currency(2));
    EXPECT_EQ(g.text(1, 1), "$12.50");
    EXPECT_EQ(g.cellFormat(2, 1).type, grid::CellType::Number);
}

// A number is shown rounded to its decimals as its exact value rounds, the halves that binary
// fractions hold exactly included, at any size.
TEST(GridCells, NumbersShowTheirExactValueRoundedToTheirDecimals)
{
    // Qt's rounding, no sign on a zero, a comma every three figures of the whole part.
    const auto esperado = [](double v, int decimales, bool miles) {
        QString digitos = QString::number(v, 'f', decimales);
        const bool negativo = digitos.startsWith(QLatin1Char('-'));
        if (negativo)
            digitos.remove(0, 1);
        const bool cero = digitos.count(QLatin1Char('0')) + digitos.count(QLatin1Char('.')) == digitos.size();
        const int punto = digitos.contains(QLatin1Char('.')) ? int(digitos.indexOf(QLatin1Char('.'))) : int(digitos.size());
        for (int i = punto - 3; miles && i > 0; i -= 3)
            digitos.insert(i, QLatin1Char(','));
        return (negativo && !cero ? QStringLiteral("-") : QString()) + digitos;
    };
    std::vector<double> valores{0.0,     -0.0,   0.005,  -1234567.5, 999999.995, 100000,  0.015,  0.125, 2.675,     1.005,    89.5,   103.82,  0.16125,
                                12.345,  -12.345, 1e-7,   5e-324, 1e15,  1e15 + 0.125, 4503599627370495.5, 1099511627775.995,
                                1099511627776.125, 9.995, 1e22, -0.004, std::nan(""), std::numeric_limits<double>::infinity()};
    quint64 semilla = 88172645463325252ull;
    for (int i = 0; i < 20000; ++i) {
        semilla ^= semilla << 13;
        semilla ^= semilla >> 7;
        semilla ^= semilla << 17;
        const double centavos = double(semilla % 200000001) - 100000000.0;
        valores.push_back(centavos / std::pow(10.0, double(semilla % 5)));
    }
    for (const double v : valores)
        for (const int decimales : {0, 1, 2, 4})
            for (const bool miles : {false, true})
                ASSERT_EQ(grid::formatNumber(v, decimales, miles).toStdString(), esperado(v, decimales, miles).toStdString())
                    << v << " " << decimales;
}

// A number's shape is what its shown text has of sign and whole figures, for every numeric format;
// a value whose rounding is in doubt gets none.
TEST(GridCells, ANumbersShapeIsThatOfItsText)
{
    CellFormat agrupado = CellFormat::number(3);
    agrupado.thousandsSeparator = true;
    const QList<CellFormat> formatos{CellFormat::integer(), CellFormat::number(0), CellFormat::number(2), agrupado,
                                     CellFormat::currency(), CellFormat::percent(1)};
    std::vector<double> valores{0.0,   -0.0,  0.005,   -0.004, -0.005, 9.995,  99.999, 999999.995, 0.125, 2.5, -2.5,
                                -0.5,  0.4999, 1e-7,   1099511627775.9, 1099511627776.0, 1e15, 89.5, 103.82, 12.345, -1234567.5};
    quint64 semilla = 2463534242ull;
    for (int i = 0; i < 20000; ++i) {
        semilla ^= semilla << 13;
        semilla ^= semilla >> 7;
        semilla ^= semilla << 17;
        valores.push_back((double(semilla % 2000000001) - 1000000000.0) / std::pow(10.0, double(semilla % 7)));
    }
    int conForma = 0;
    for (const CellFormat& formato : formatos) {
        for (const double v : valores) {
            const std::optional<grid::NumberShape> forma = grid::numberShape(formato, v);
            if (!forma)
                continue;
            ++conForma;
            const QString texto = grid::formatCellValue(formato, v);
            const QString entero = texto.section(QLatin1Char('.'), 0, 0);
            const auto cifras = std::count_if(entero.cbegin(), entero.cend(), [](QChar c) { return c.isDigit(); });
            ASSERT_EQ(forma->negative, texto.startsWith(QLatin1Char('-'))) << texto.toStdString();
            ASSERT_EQ(forma->wholeFigures, cifras) << texto.toStdString() << " " << v;
        }
        // Text values and values beyond exact rounding are measured by their text.
        EXPECT_FALSE(grid::numberShape(formato, QStringLiteral("12.5")));
        EXPECT_FALSE(grid::numberShape(formato, 1e15));
    }
    // Halves and values just short of a carry are in doubt; whole values are not.
    EXPECT_FALSE(grid::numberShape(CellFormat::number(2), 0.125));
    EXPECT_FALSE(grid::numberShape(CellFormat::number(2), 9.995));
    EXPECT_TRUE(grid::numberShape(CellFormat::number(2), 99.999));
    // Most values have one.
    EXPECT_GT(conForma, 60000);
}

TEST(GridCells, SumFormulaFollowsItsBlock)
{
    Grid g;
    g.setColumnCount(3);
    g.setRowCount(4);
    g.setColumnFormat(3, CellFormat::integer());
    for (int r = 1; r <= 3; ++r)
        g.setValue(r, 3, r * 10);
    g.setFormula(4, 3, QStringLiteral("SUM(C1:C3)"));
    EXPECT_EQ(g.text(4, 3), "60");
    g.setValue(2, 3, 5);
    EXPECT_EQ(g.value(4, 3), QVariant(qlonglong(45)));
    g.setFormula(4, 3, QStringLiteral("SUM(C1:C0)"));  // a week without products
    EXPECT_EQ(g.text(4, 3), "0");
    g.setText(4, 3, QStringLiteral("7"));
    EXPECT_TRUE(g.formula(4, 3).isEmpty());
}

TEST(GridLocks, ProtectionDecidesWhetherLocksCount)
{
    Grid g;
    g.setColumnCount(3);
    g.setRowCount(2);
    g.setColumnLocked(1, true);
    g.setCellLocked(2, 2, true);
    g.setCellFormat(1, 3, CellFormat::staticText());
    EXPECT_TRUE(g.isProtected());
    EXPECT_FALSE(g.isCellEditable(1, 1));
    EXPECT_FALSE(g.isCellEditable(2, 2));
    EXPECT_TRUE(g.isCellEditable(1, 2));
    EXPECT_FALSE(g.isCellEditable(1, 3));  // static text, whatever the protection
    g.setProtected(false);
    EXPECT_TRUE(g.isCellEditable(1, 1));
    EXPECT_TRUE(g.isCellEditable(2, 2));
    EXPECT_FALSE(g.isCellEditable(1, 3));
}

TEST(GridLocks, ColumnAndGridLocksReachRowsAddedLater)
{
    Grid g;
    g.setColumnCount(2);
    g.setColumnLocked(2, true);
    g.setRowCount(1);
    EXPECT_TRUE(g.isCellLocked(1, 2));
    EXPECT_FALSE(g.isCellLocked(1, 1));
    g.setAllLocked(true);
    g.setColumnCount(3);
    g.insertRows(1);
    EXPECT_TRUE(g.isCellLocked(1, 1));
    EXPECT_TRUE(g.isCellLocked(2, 3));
    g.setRowLocked(1, false);
    EXPECT_FALSE(g.isCellLocked(1, 3));
    EXPECT_TRUE(g.isCellLocked(2, 1));
}

} // namespace
