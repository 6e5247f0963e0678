#include "platform/ui/date_typing.h"

#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A window with a text box before the date box, as the selection frames have.
class DateBoxWindow {
public:
    DateBoxWindow()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before = new QLineEdit);
        layout->addWidget(box = new QDateEdit(QDate(2023, 6, 15)));
        box->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        box->setCalendarPopup(true);
        ui::typeDatesWhole(box);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        before->setFocus();
    }
    // Into the box by Tab from the box before it.
    void tabIn()
    {
        QTest::keyClick(before, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }
    // Into the box by a click on its year.
    void clickIn()
    {
        QLineEdit* editor = box->findChild<QLineEdit*>();
        const int year = editor->fontMetrics().horizontalAdvance(QStringLiteral("15/06/20"));
        QTest::mouseClick(editor, Qt::LeftButton, {}, QPoint(year, editor->height() / 2));
        QCoreApplication::processEvents();
    }
    void type(const char* keys) { QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(keys)); }

    QWidget window;
    QLineEdit* before = nullptr;
    QDateEdit* box = nullptr;
};

} // namespace

TEST(DateTyping, ADateTypedFromItsDayIsTakenWhole)
{
    struct Case {
        bool click;
        const char* keys;
        QDate date;
    };
    const Case cases[] = {
        // June has 30 days: the day must not be cut before December is typed.
        {false, "31122023", QDate(2023, 12, 31)},
        {false, "31/12/2023", QDate(2023, 12, 31)},
        {true, "01012024", QDate(2024, 1, 1)},
        {true, "29022024", QDate(2024, 2, 29)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        DateBoxWindow w;
        c.click ? w.clickIn() : w.tabIn();
        ASSERT_TRUE(w.box->hasFocus());
        EXPECT_EQ(w.box->currentSection(), QDateTimeEdit::DaySection);
        w.type(c.keys);
        EXPECT_EQ(w.box->date(), c.date);
    }
}

TEST(DateTyping, OtherTypingKeepsTheBoxsOwnWay)
{
    DateBoxWindow w;
    w.tabIn();
    // Typed into the month alone, only the month changes.
    w.box->setCurrentSection(QDateTimeEdit::MonthSection);
    w.box->setSelectedSection(QDateTimeEdit::MonthSection);
    w.type("02");
    EXPECT_EQ(w.box->date(), QDate(2023, 2, 15));
}
