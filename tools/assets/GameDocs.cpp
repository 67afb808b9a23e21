#include "tools/assets/GameDocs.h"

#include "engine/shell/PlayerLanguage.h"
#include "tools/assets/manual/GamepadPicture.h"
#include "tools/assets/manual/Manual.h"
#include "tools/assets/paychart/Paychart.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

namespace slotmachine::assets {

int runGameDocsProgram(int argc, char** argv, const GameDocs& docs) {
    // The chart's text needs fonts, which need a GUI application; offscreen keeps
    // the build free of any display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    // "--language de", anywhere: the words and numbers drawn and written in that
    // language, which the program's translations must have.
    if (const qsizetype at = args.indexOf(QStringLiteral("--language")); at >= 0) {
        const QString language = at + 1 < args.size() ? args[at + 1] : QString();
        args.remove(at, std::min<qsizetype>(2, args.size() - at));
        if (!translatedLanguages().contains(language) || installPlayerLanguage(language) != language) {
            std::fprintf(stderr, "%s-docs: no translation into '%s'\n", std::string(docs.game.name).c_str(),
                         language.toLocal8Bit().constData());
            return 1;
        }
    }
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    if (command == QLatin1String("paychart")) {
        const std::unique_ptr<Game> game = docs.game.make();
        return paychart::runPaychartCommand(
            *game, docs.chartExtras != nullptr ? &docs.chartExtras() : nullptr, args);
    }
    if (command == QLatin1String("manual")) {
        return manual::runManualCommand(docs.game, args);
    }
    if (command == QLatin1String("gamepad")) {
        return manual::runGamepadCommand(*docs.game.make(), args);
    }
    const std::string name(docs.game.name);
    std::fprintf(stderr,
                 "usage:\n"
                 "  %s-docs paychart SHEET OUT.bmp|OUT.png [LARGE_SHEET LARGE_OUT.png]\n"
                 "  %s-docs manual TEMPLATE.html OUT.html [RETURNS.json]\n"
                 "  %s-docs gamepad OUT.png\n"
                 "each in a translated language with --language LANGUAGE\n",
                 name.c_str(), name.c_str(), name.c_str());
    return 1;
}

} // namespace slotmachine::assets
