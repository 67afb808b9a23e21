#include "tools/assets/GameDocs.h"

#include "tools/assets/manual/GamepadPicture.h"
#include "tools/assets/manual/Manual.h"
#include "tools/assets/paychart/Paychart.h"

#include <QGuiApplication>
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
                 "  %s-docs paychart SHEET OUT.bmp [LARGE_SHEET LARGE_OUT.png]\n"
                 "  %s-docs manual TEMPLATE.html OUT.html [RETURNS.json]\n"
                 "  %s-docs gamepad OUT.png\n",
                 name.c_str(), name.c_str(), name.c_str());
    return 1;
}

} // namespace slotmachine::assets
