// SPDX-License-Identifier: GPL-3.0-or-later
#include "languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace velmora {
namespace {

const QString kKey = QStringLiteral("Editor/Language");

bool known(const QString& code) {
    for (const Language& l : kLanguages)
        if (code == QLatin1String(l.code)) return true;
    return false;
}

// Where the compiled translations are: beside the build tree's binary, or
// in the installed share folder (bin/../share/velmoraedit/translations).
QStringList translationDirs() {
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.filePath(QStringLiteral("../translations")), bin.filePath(QStringLiteral("translations")),
            bin.filePath(QStringLiteral("../share/velmoraedit/translations"))};
}

bool install(const QString& file, const QStringList& dirs) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& dir : dirs) {
        if (translator->load(file, dir)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

}  // namespace

QString languageSetting(const QSettings& settings) {
    const QString code = settings.value(kKey).toString();
    return known(code) ? code : QString();
}

void storeLanguageSetting(QSettings& settings, const QString& code) {
    if (code.isEmpty())
        settings.remove(kKey);
    else
        settings.setValue(kKey, code);
}

QStringList wantedLanguages(const QString& choice) {
    const QString forced = qEnvironmentVariable("VELMORA_LANGUAGE");
    if (!forced.isEmpty()) return {forced};
    if (!choice.isEmpty()) return {choice};
    return QLocale::system().uiLanguages();
}

QString installTranslations(const QString& choice) {
    const QStringList dirs = translationDirs();
    for (const QString& wanted : wantedLanguages(choice)) {
        // "de-AT", "de_AT.UTF-8" and "de" all mean the German translation.
        const QString code = wanted.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        // English is the source: nothing to install, and no later choice counts.
        if (code == QLatin1String("en") || code == QLatin1String("c")) return QString();
        if (!known(code) || !install(QStringLiteral("velmoraedit_") + code, dirs)) continue;
        // Qt's own dialogs and buttons; Debian ships them apart.
        install(QStringLiteral("qtbase_") + code, {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
        return code;
    }
    return QString();
}

}  // namespace velmora
