// The player's language: which one the desktop asks for, and what installing it does.
#include "engine/shell/PlayerLanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>
#include <map>
#include <string>

using namespace slotmachine;

namespace {

struct LanguageCase {
    std::map<std::string, QString> environment;
    QString chosen;
};

} // namespace

TEST(PlayerLanguage, FollowsTheDesktopsVariablesInGettextsOrder) {
    const LanguageCase cases[] = {
        {{}, QString()},
        {{{"LANG", "de_DE.UTF-8"}}, QStringLiteral("de")},
        {{{"LANG", "es_MX.UTF-8@euro"}}, QStringLiteral("es")},
        {{{"LANG", "C.UTF-8"}}, QString()},
        {{{"LANG", "fr_FR.UTF-8"}}, QString()},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}}, QStringLiteral("es")},
        {{{"LC_MESSAGES", "es_ES"}, {"LC_ALL", "de_AT.UTF-8"}}, QStringLiteral("de")},
        {{{"LC_ALL", "C"}, {"LANGUAGE", "de"}}, QStringLiteral("de")},
        // A list: the first language the games speak, unless English comes before it.
        {{{"LANGUAGE", "fr:es:de"}}, QStringLiteral("es")},
        {{{"LANGUAGE", "en_GB:de"}}, QString()},
        {{{"LANGUAGE", ":"}, {"LANG", "es_ES.UTF-8"}}, QStringLiteral("es")},
        {{{"LANGUAGE", "pt_BR"}, {"LANG", "de_DE.UTF-8"}}, QString()},
    };
    for (const LanguageCase& c : cases) {
        const QStringList wanted = desktopLanguages([&](const char* name) {
            const auto it = c.environment.find(name);
            return it == c.environment.end() ? QString() : it->second;
        });
        EXPECT_EQ(chooseLanguage(wanted), c.chosen) << wanted.join(QLatin1Char(',')).toStdString();
    }
}

TEST(PlayerLanguage, InstallsTheGamesAndQtsTextsAndTheLocaleAndTakesThemOutAgain) {
    const QLocale before;
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    ASSERT_EQ(installPlayerLanguage(QStringLiteral("de")), QStringLiteral("de"));
    EXPECT_EQ(playerLanguage(), QStringLiteral("de"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(QLocale().language(), QLocale::German);
    EXPECT_EQ(QLocale().toString(1234567), QStringLiteral("1.234.567"));

    EXPECT_EQ(installPlayerLanguage(QStringLiteral("es")), QStringLiteral("es"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));

    EXPECT_EQ(installPlayerLanguage(QString()), QString());
    EXPECT_EQ(playerLanguage(), QString());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    EXPECT_EQ(QLocale(), before);
    EXPECT_EQ(installPlayerLanguage(QStringLiteral("xx")), QString()) << "no translation: English";
}
