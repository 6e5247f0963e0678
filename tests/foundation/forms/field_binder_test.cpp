#include "foundation/forms/controls.h"
#include "foundation/forms/field_binder.h"
#include "foundation/forms/formatted_box.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QSpinBox>

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

TEST(FieldBinder, AControlItCannotShowIsAProgrammingError)
{
    QWidget ventana;
    const QList<QWidget*> admitidos = {new QLineEdit(&ventana), new FormattedBox(&ventana), new QPlainTextEdit(&ventana),
                                       new QCheckBox(&ventana),  new QComboBox(&ventana),    new QDateEdit(&ventana),
                                       new QLabel(&ventana)};
    for (QWidget* control : admitidos)
        EXPECT_TRUE(FieldBinder::canBind(control)) << control->metaObject()->className();
    for (QWidget* control : {static_cast<QWidget*>(new QSpinBox(&ventana)), static_cast<QWidget*>(new QSlider(&ventana))})
        EXPECT_FALSE(FieldBinder::canBind(control)) << control->metaObject()->className();

    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            FieldBinder enlace;
            auto* cantidad = new QSpinBox(&ventana);
            cantidad->setObjectName(QStringLiteral("txtCantidad"));
            forms::setDataField(cantidad, QStringLiteral("Cantidad"));
            enlace.add(cantidad);
        },
        "txtCantidad");
}

} // namespace
