#include "base/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

namespace qv {

bool installGermanQtTranslations(QCoreApplication &app, const QString &ownFolder)
{
    // Owned by the application, so it lives as long as the texts are asked for.
    auto *translator = new QTranslator(&app);
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    const auto laden = [&](const QString &ordner) {
        return !ordner.isEmpty() && translator->load(deutsch, QStringLiteral("qtbase"), QStringLiteral("_"), ordner);
    };
    if (!laden(ownFolder) && !laden(QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace qv
