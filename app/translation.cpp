#include "app/translation.h"

#include "session/words.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace nablo {

namespace {
QTranslator& translator()
{
    static QTranslator instance;
    return instance;
}
} // namespace

void loadTranslation()
{
    // The core says its words through the same translation.
    setTranslator([](const char* context, const char* text) {
        return translated(context, text).toStdString();
    });
    if (translator().isEmpty())
        (void)translator().load(QLocale(), QStringLiteral("nablo"), QStringLiteral("_"),
                                QStringLiteral(":/i18n"));
}

void installTranslation()
{
    loadTranslation();
    if (!translator().isEmpty())
        QCoreApplication::installTranslator(&translator());
}

QString translated(const char* context, const char* text)
{
    if (QCoreApplication::instance())
        return QCoreApplication::translate(context, text);
    const QString translation = translator().translate(context, text);
    return translation.isEmpty() ? QString::fromUtf8(text) : translation;
}

} // namespace nablo
