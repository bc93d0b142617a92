// SPDX-License-Identifier: GPL-3.0-or-later
// The languages the editor speaks: the choice in the profile settings, and
// the translations (the editor's own and Qt's) installed at start-up.
#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace velmora {

struct Language {
    const char* code;  // as in the translation files' names
    const char* name;  // in the language itself, as the menu shows it
};

inline constexpr Language kLanguages[] = {
    {"en", "English"}, {"de", "Deutsch"}, {"fr", "Fran\u00e7ais"}, {"es", "Espa\u00f1ol"},
    {"it", "Italiano"}, {"pl", "Polski"}, {"ru", "\u0420\u0443\u0441\u0441\u043a\u0438\u0439"},
    {"tr", "T\u00fcrk\u00e7e"},
};

// The chosen language's code; empty for the desktop's language.
QString languageSetting(const QSettings& settings);
void storeLanguageSetting(QSettings& settings, const QString& code);

// The codes to try, best first: VELMORA_LANGUAGE, else `choice`, else the
// desktop's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
QStringList wantedLanguages(const QString& choice);

// Installs the translations of the first wanted language the editor has;
// English (or none found) installs nothing. Returns the code installed.
QString installTranslations(const QString& choice);

}  // namespace velmora
