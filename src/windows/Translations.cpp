#include "windows/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Installs the translation `name` for the system's language from `folder`, if there is one.
void installTranslation(QCoreApplication& app, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void InstallTranslations(QCoreApplication& app) {
    installTranslation(app, QStringLiteral("parlanda"), QStringLiteral(":/translations"));
    installTranslation(app, QStringLiteral("qtbase"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
