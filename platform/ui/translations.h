#pragma once

// Qt's own dialogs, context menus and dates in Spanish: Qt's translations ("qtbase_es", from the
// system's Qt translation folder) installed on the application and Spanish made the default locale.
// The program's own texts are Spanish already and never pass through a translator.
namespace ui {

// Spanish dates where Qt writes them with the system's locale (the file dialog's list); called
// before the application object is created, since the system locale is read once.
void useSpanishSystemDates();

// Returns whether Qt's Spanish translations were found and installed; the locale is set either way.
bool installSpanishTranslations();

} // namespace ui
