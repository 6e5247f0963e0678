#include "platform/grid/print_codes.h"

#include <gtest/gtest.h>

using grid::PrintLine;
using grid::PrintRun;

namespace {

PrintRun run(const QString& text, bool bold = false, double size = 0)
{
    return PrintRun{text, bold, size};
}

PrintLine left(QList<PrintRun> runs)
{
    return PrintLine{runs, {}, {}};
}

PrintLine centre(QList<PrintRun> runs)
{
    return PrintLine{{}, runs, {}};
}

PrintLine right(QList<PrintRun> runs)
{
    return PrintLine{{}, {}, runs};
}

struct CodeCase {
    const char* name;
    QString codes;
    QList<PrintLine> lines;
};

void PrintTo(const CodeCase& c, std::ostream* os)
{
    *os << c.name;
}

class PrintCodesTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(PrintCodesTest, CodesBecomeAlignedStyledLines)
{
    EXPECT_EQ(grid::parsePrintCodes(GetParam().codes, 1, 3), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, PrintCodesTest,
    ::testing::Values(
        CodeCase{"Empty", "", {}},
        CodeCase{"PlainTextIsLeftAligned", "Hola", {left({run("Hola")})}},
        CodeCase{"TitleCode", "/c/fb1ZORVA VEREDUDA/fb0", {centre({run("ZORVA VEREDUDA", true)})}},
        CodeCase{"StandardFooter", QString::fromUtf8("/r05//julio//2021 14:03:22 página /p de /pc"),
                 {right({run(QString::fromUtf8("05/julio/2021 14:03:22 página 1 de 3"))})}},
        CodeCase{"TitledHeader", "/c/fb1ZORVA VEREDUDA/fb0/n/n/c/fz\"18\"/fb1Ventas/fb0/n",
                 {centre({run("ZORVA VEREDUDA", true)}), PrintLine{}, centre({run("Ventas", true, 18)}),
                  PrintLine{}}},
        CodeCase{"EachLineStartsAtTheLeft", "/rA/nB", {right({run("A")}), left({run("B")})}},
        CodeCase{"ThreePartsOnOneLine", "L/cC/rR", {PrintLine{{run("L")}, {run("C")}, {run("R")}}}},
        CodeCase{"BoldAndSizeCarryToTheNextLine", "/fz\"14\"/fb1A/nB/fb0C",
                 {left({run("A", true, 14)}), left({run("B", true, 14), run("C", false, 14)})}},
        CodeCase{"PageCountIsNotPageNumberThenC", "/p/pc/pcx", {left({run("133x")})}},
        CodeCase{"DoubledSlashBeforeACode", "a///n", {left({run("a/")}), PrintLine{}}},
        CodeCase{"UnknownCodesPrintAsWritten", "/x/fb2/l", {left({run("/x/fb2/l")})}},
        CodeCase{"SizeWithoutClosingQuotePrintsAsWritten", "/fz\"18A", {left({run("/fz\"18A")})}},
        CodeCase{"SizeThatIsNoNumberPrintsAsWritten", "/fz\"big\"A", {left({run("/fz\"big\"A")})}},
        CodeCase{"TrailingSlash", "50/", {left({run("50/")})}}),
    [](const ::testing::TestParamInfo<CodeCase>& info) { return std::string(info.param.name); });

} // namespace
