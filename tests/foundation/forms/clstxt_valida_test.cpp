#include "foundation/forms/clstxt_valida.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "platform/ui/msgbox.h"
#include "typing.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A window with one rule-bearing box and a plain box to move the focus to.
struct Caja {
    explicit Caja(const QString& rules)
    {
        box = forms::textBox(&window, QStringLiteral("txtCampo"), QString(), rules);
        other = forms::textBox(&window, QStringLiteral("txtOtro"), QString());
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(box);
        layout->addWidget(other);
        reglas.Asigna(box);
    }
    QWidget window;
    QLineEdit* box;
    QLineEdit* other;
    Clstxt_valida reglas;
};

struct TypingCase {
    const char* tag;
    const char* typed;
    const char* shown;
};

class TypingRules : public ::testing::TestWithParam<TypingCase> {};

TEST_P(TypingRules, LetsInChangesOrRefusesEachCharacter)
{
    const TypingCase& c = GetParam();
    Caja caja(QString::fromUtf8(c.tag));
    teclea(caja.box, QString::fromUtf8(c.typed));
    EXPECT_EQ(caja.box->text(), QString::fromUtf8(c.shown)) << c.tag;
}

INSTANTIATE_TEST_SUITE_P(
    Clstxt_valida, TypingRules,
    ::testing::Values(
        TypingCase{"NoVacioMayusculas", "café ñu", "CAFÉ ÑU"},
        // Capitals of the code page only: ß and µ have none there and stay.
        TypingCase{"Mayusculas", "œšžÿ ßµ 1,-", "ŒŠŽŸ ßµ 1,-"},
        TypingCase{"Numerico", "12.5-,a", "12.5"},
        TypingCase{"NumericoNoSignos", "12.5", "125"},
        TypingCase{"NumericoNoSignosNoVacio", "7a.8", "78"},
        TypingCase{"NoVacioNoSignos", "juan 2_-.ñé", "juan 2"},
        TypingCase{"IP", "192.168.a1- ", "192.168.1"},
        TypingCase{"NoVacio", "O'Brien-ñ", "O'Brien-ñ"},
        TypingCase{"", "a.b", "a.b"}));

TEST(Clstxt_valida, ComposedCharactersFollowTheSameRules)
{
    // A dead key and a letter reach the box through the input method, as one composed character.
    const auto compone = [](QWidget* box, const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(box, &event);
    };
    Caja mayusculas(QStringLiteral("NoVacioMayusculas"));
    compone(mayusculas.box, QStringLiteral("é"));
    compone(mayusculas.box, QStringLiteral("ñ"));
    EXPECT_EQ(mayusculas.box->text(), QStringLiteral("ÉÑ"));
    Caja sinSignos(QStringLiteral("NoVacioNoSignos"));
    compone(sinSignos.box, QStringLiteral("é"));
    EXPECT_TRUE(sinSignos.box->text().isEmpty());
}

TEST(Clstxt_valida, KeywordsCombineInAnyOrderWithExactCase)
{
    Caja caja(QStringLiteral("NumericoNoSignosNoVacio"));
    EXPECT_TRUE(caja.reglas.numerico());
    EXPECT_TRUE(caja.reglas.noSignos());
    EXPECT_TRUE(caja.reglas.noVacio());
    EXPECT_FALSE(caja.reglas.mayusculas());
    EXPECT_FALSE(caja.reglas.ip());
    Caja minusculas(QStringLiteral("novacionumerico"));
    EXPECT_FALSE(minusculas.reglas.noVacio());
    EXPECT_FALSE(minusculas.reglas.numerico());
}

TEST(Clstxt_valida, BackspaceWorksInEveryBox)
{
    for (const char* tag : {"NumericoNoSignos", "IP", "NoVacioMayusculas"}) {
        Caja caja{QLatin1String(tag)};
        teclea(caja.box, QStringLiteral("12"));
        QTest::keyClick(caja.box, Qt::Key_Backspace);
        EXPECT_EQ(caja.box->text(), QStringLiteral("1")) << tag;
    }
}

TEST(Clstxt_valida, EnterIsRefusedOnlyByTheCharacterRules)
{
    Caja numerico(QStringLiteral("Numerico"));
    QSignalSpy refused(numerico.box, &QLineEdit::returnPressed);
    QTest::keyClick(numerico.box, Qt::Key_Return);
    EXPECT_EQ(refused.count(), 0);

    Caja mayusculas(QStringLiteral("Mayusculas"));
    QSignalSpy passed(mayusculas.box, &QLineEdit::returnPressed);
    QTest::keyClick(mayusculas.box, Qt::Key_Return);
    EXPECT_EQ(passed.count(), 1);
}

TEST(Clstxt_valida, GotFocusSelectsAFilledBoxAndLeavesABlankOne)
{
    for (const auto& [text, selected] : {std::pair{"ABC", "ABC"}, std::pair{"   ", ""}}) {
        Caja caja(QString{});
        caja.box->setText(QLatin1String(text));
        ASSERT_TRUE(muestraActiva(&caja.window));
        caja.other->setFocus();
        QTest::keyClick(caja.other, Qt::Key_Backtab);
        ASSERT_TRUE(caja.box->hasFocus());
        EXPECT_EQ(caja.box->selectedText(), QLatin1String(selected)) << text;
    }
}

TEST(Clstxt_valida, LeavingAnEmptyRequiredBoxWarnsEveryTimeAndLetsTheFocusGo)
{
    ui::ScriptedAnswerer boxes;
    Caja caja(QStringLiteral("NoVacioMayusculas"));
    ASSERT_TRUE(muestraActiva(&caja.window));
    for (int vez = 0; vez < 2; ++vez) {
        caja.box->setFocus();
        QTest::keyClick(caja.box, Qt::Key_Tab);
        QCoreApplication::processEvents();
        EXPECT_TRUE(caja.other->hasFocus());
    }
    EXPECT_EQ(boxes.texts(), QStringList(2, QStringLiteral("Este campo no puede estar vacío")));
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);

    boxes.clear();
    caja.box->setText(QStringLiteral("   "));  // blanks count as text
    caja.box->setFocus();
    QTest::keyClick(caja.box, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST(Clstxt_valida, OnlyTheUserLeavingAnEditableBoxValidatesIt)
{
    ui::ScriptedAnswerer boxes;
    Caja caja(QStringLiteral("NoVacioIP"));
    ASSERT_TRUE(muestraActiva(&caja.window));
    // The program moves the focus itself (a new record, a cancel): nothing is checked.
    caja.box->setFocus();
    caja.other->setFocus(Qt::OtherFocusReason);
    caja.box->setFocus();
    caja.box->setText(QStringLiteral("300.1.1.1"));
    caja.other->setFocus(Qt::ActiveWindowFocusReason);
    QCoreApplication::processEvents();
    EXPECT_TRUE(caja.other->hasFocus());
    // A box locked for browsing is never checked, even when the user tabs out of it.
    caja.box->clear();
    forms::setLocked(caja.box, true);
    caja.box->setFocus();
    QTest::keyClick(caja.box, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_TRUE(caja.other->hasFocus());
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    // Typing fast right after the program emptied the box goes into the box, never into a message.
    forms::setLocked(caja.box, false);
    caja.box->setFocus();
    caja.box->clear();
    caja.other->setFocus(Qt::OtherFocusReason);
    teclea(caja.other, QStringLiteral("bien cocido"));
    QCoreApplication::processEvents();
    EXPECT_EQ(caja.other->text(), QStringLiteral("bien cocido"));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST(Clstxt_valida, AnAddressBoxKeepsTheFocusUntilTheAddressIsValidOrEmpty)
{
    ui::ScriptedAnswerer boxes;
    Caja caja(QStringLiteral("IP"));
    ASSERT_TRUE(muestraActiva(&caja.window));
    for (const char* text : {"300.1.1.1", "10..0.1"}) {
        caja.box->setText(QLatin1String(text));
        caja.box->setFocus();
        QTest::keyClick(caja.box, Qt::Key_Tab);
        QCoreApplication::processEvents();
        EXPECT_TRUE(caja.box->hasFocus()) << text;
    }
    EXPECT_EQ(boxes.texts(), QStringList(2, QStringLiteral("La direcciòn IP no es válida")));

    boxes.clear();
    caja.box->clear();
    QTest::keyClick(caja.box, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_TRUE(caja.other->hasFocus());
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST(Clstxt_valida, AddressCheck)
{
    for (const char* valid : {"192.168.0.1", "0.0.0.0", "010.001.000.001", "255.255.255.255"})
        EXPECT_TRUE(Clstxt_valida::direccionIpValida(QLatin1String(valid))) << valid;
    for (const char* invalid : {"256.1.1.1", "1.2.3", "1.2.3.4.", "1.2.3.4.5", "10..0.1", ".1.2.3", "1.2.3.999",
                                "1.2.3.0000000000000000000000256"})
        EXPECT_FALSE(Clstxt_valida::direccionIpValida(QLatin1String(invalid))) << invalid;
}

} // namespace
