#include "engine/shell/PlayerLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace slotmachine {

namespace {

// "de_DE.UTF-8@euro" → "de_DE"; "C", "POSIX" and "C.UTF-8" → "en".
QString languageTag(QString value) {
    value = value.trimmed();
    value.truncate(value.indexOf(QLatin1Char('@')) < 0 ? value.size() : value.indexOf(QLatin1Char('@')));
    value.truncate(value.indexOf(QLatin1Char('.')) < 0 ? value.size() : value.indexOf(QLatin1Char('.')));
    if (value == QLatin1String("C") || value == QLatin1String("POSIX")) {
        return QStringLiteral("en");
    }
    return value;
}

QString& installedLanguage() {
    static QString language;
    return language;
}

// The translators installed for the player's language, taken out again when another
// language is installed.
QList<QTranslator*>& installedTranslators() {
    static QList<QTranslator*> translators;
    return translators;
}

void removeInstalledLanguage() {
    for (QTranslator* translator : installedTranslators()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installedTranslators().clear();
    QLocale::setDefault(QLocale::system());
    installedLanguage().clear();
}

} // namespace

QStringList desktopLanguages(const std::function<QString(const char*)>& environment) {
    QStringList wanted;
    for (const QString& entry : environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (const QString tag = languageTag(entry); !tag.isEmpty()) {
            wanted.append(tag);
        }
    }
    if (!wanted.isEmpty()) {
        return wanted;
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const QString tag = languageTag(environment(variable)); !tag.isEmpty()) {
            return {tag};
        }
    }
    return {};
}

QStringList translatedLanguages() {
    return {QStringLiteral("de"), QStringLiteral("es")};
}

QString chooseLanguage(const QStringList& wanted) {
    for (const QString& tag : wanted) {
        const QString language = tag.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
        if (language == QLatin1String("en")) {
            return {};
        }
        if (translatedLanguages().contains(language)) {
            return language;
        }
    }
    return {};
}

QString installPlayerLanguage(const QString& language) {
    removeInstalledLanguage();
    if (language.isEmpty() || QCoreApplication::instance() == nullptr) {
        return {};
    }
    // Owned by the application, so they last as long as it does.
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(QStringLiteral(":/i18n/slots_%1.qm").arg(language))) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    installedTranslators().append(own);
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_%1").arg(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        installedTranslators().append(qt);
    } else {
        delete qt;
    }
    // The desktop's own territory when it speaks the same language (de_AT, es_MX),
    // else the language's main one. The locale is made afresh from the territory's
    // name: Qt's system locale takes its language from LANGUAGE but formats as LANG
    // does, so under LANGUAGE=de with LANG=C it would still write "1,000".
    const QLocale system(QLocale::system().name());
    QLocale::setDefault(QLocale::languageToCode(system.language()) == language ? system : QLocale(language));
    installedLanguage() = language;
    return language;
}

QString playerLanguage() {
    return installedLanguage();
}

QString languageFromEnvironment() {
    return chooseLanguage(desktopLanguages([](const char* name) { return qEnvironmentVariable(name); }));
}

} // namespace slotmachine
