#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace slotmachine {

// The languages the player's desktop asks for, most wanted first, as gettext reads
// them: every entry of LANGUAGE (a colon-separated list), else LC_ALL, else
// LC_MESSAGES, else LANG. Encodings and modifiers are dropped ("de_DE.UTF-8@euro"
// gives "de_DE"); "C" and "POSIX" stand for English. `environment` returns a
// variable's value, empty when it is not set.
QStringList desktopLanguages(const std::function<QString(const char*)>& environment);

// The languages the games are translated into, beside their own English.
QStringList translatedLanguages();

// The first of `wanted` the games speak: a translated language's code ("de", "es"),
// or empty for English, which is also the answer when English comes first or
// nothing wanted is translated.
QString chooseLanguage(const QStringList& wanted);

// Installs the translations of the player's language into the application: the
// games' own texts and Qt's (its dialog buttons, the text fields' menus), and makes
// that language's locale the default one, so numbers and dates shown read in its
// form. English installs nothing and leaves every text and number as it always was.
// Installing another language (or English, "") takes the earlier one out first.
// Returns the language chosen, as `playerLanguage()` does from then on.
QString installPlayerLanguage(const QString& language);

// The language installed by installPlayerLanguage: "de", "es", or empty for English.
QString playerLanguage();

// The language the desktop asks for and the games speak (chooseLanguage of the
// environment's desktopLanguages).
QString languageFromEnvironment();

} // namespace slotmachine
