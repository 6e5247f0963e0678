#include "platform/ui/translations.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>

// Qt's standard dialogs and context menus speak Spanish, dates are written in Spanish, and numbers
// keep the decimal point.
TEST(Translations, QtsOwnTextsAndDatesAreSpanish)
{
    ASSERT_TRUE(ui::installSpanishTranslations()) << "qt6-translations-l10n is missing (scripts/deps.sh)";
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Buscar en:"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("&Nombre de fichero:"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("&Abrir"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
    EXPECT_EQ(QCoreApplication::translate("QWidgetTextControl", "Select All"), QStringLiteral("Seleccionar todo"));
    EXPECT_EQ(QLocale().monthName(7), QStringLiteral("julio"));
    EXPECT_EQ(QLocale().toString(1234.5, 'f', 2), QStringLiteral("1,234.50"));
    QLocale::setDefault(QLocale::c());
}
