#include "foundation/forms/field_binder.h"

#include <gtest/gtest.h>

namespace {

TEST(FieldBinder, ControlTextBecomesASafeSqlValue)
{
    using adodb::DataType;
    const struct {
        const char* text;
        DataType type;
        const char* sql;
    } cases[] = {
        {"O'Brien", DataType::VarChar, "'O''Brien'"},
        {"", DataType::VarChar, "''"},
        {"12", DataType::Integer, "12"},
        {" 12.5 ", DataType::Double, "12.5"},
        {"", DataType::Currency, "NULL"},
        {"5 OR 1=1", DataType::Integer, "'5 OR 1=1'"},
        {"inf", DataType::Double, "'inf'"},
        {"1.2.3", DataType::Double, "'1.2.3'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FieldBinder::sqlValue(QString::fromUtf8(c.text), c.type), QString::fromUtf8(c.sql)) << c.text;
}

} // namespace
