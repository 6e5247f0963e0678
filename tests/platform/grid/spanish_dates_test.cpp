#include "platform/grid/spanish_dates.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kMoment(QDate(2021, 7, 5), QTime(14, 3, 22));  // a Monday

TEST(SpanishDates, NamesComeFromOurOwnTables)
{
    EXPECT_EQ(spanish::monthName(1), "enero");
    EXPECT_EQ(spanish::monthName(9), "septiembre");
    EXPECT_EQ(spanish::monthName(12), "diciembre");
    EXPECT_EQ(spanish::monthName(13), "");
    EXPECT_EQ(spanish::dayName(1), "lunes");
    EXPECT_EQ(spanish::dayName(3), QString::fromUtf8("miércoles"));
    EXPECT_EQ(spanish::dayName(7), "domingo");
    EXPECT_EQ(spanish::dayAbbreviation(6), QString::fromUtf8("sáb"));
}

TEST(SpanishDates, PatternsAsThePrintOutsWriteThem)
{
    const struct {
        const char* pattern;
        const char* expected;
    } cases[] = {
        {"dd//mmmm//yyyy hh:mm:ss", "05//julio//2021 14:03:22"},
        {"dd/mm/yyyy", "05/07/2021"},
        {"d/m/yy", "5/7/21"},
        {"dddd d \"de\" mmmm", "lunes 5 de julio"},
        {"d \\de mmmm", "5 de julio"},
        {"ddd dd-mmm-yyyy", "lun 05-jul-2021"},
        {"hh:nn", "14:03"},
        {"h:mm", "14:03"},
        {"h:m", "14:3"},
        {"mm:ss", "03:22"},
        {"ddmmyyyy", "05072021"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spanish::formatDateTime(kMoment, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected))
            << c.pattern;
}

} // namespace
