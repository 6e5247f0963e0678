#include "platform/ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

namespace {

// The few texts where the program's users know another word than Qt's translation: the file
// dialog's folder box reads as in every other program they use.
class SpanishOverrides : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "QFileDialog") == 0 && qstrcmp(source, "Look in:") == 0)
            return QStringLiteral("Buscar en:");
        return QString();
    }
};

} // namespace

void useSpanishSystemDates()
{
    // The user's own LC_ALL wins; otherwise only the dates change, never the numbers.
    if (qEnvironmentVariableIsEmpty("LC_ALL"))
        qputenv("LC_TIME", "es_MX.UTF-8");
}

bool installSpanishTranslations()
{
    // Mexican Spanish: the decimal point and the thousands comma stay as the program writes them.
    const QLocale spanish(QLocale::Spanish, QLocale::Mexico);
    QLocale::setDefault(spanish);
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(spanish, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    // Installed last, so asked first.
    return QCoreApplication::installTranslator(translator)
        && QCoreApplication::installTranslator(new SpanishOverrides(QCoreApplication::instance()));
}

} // namespace ui
