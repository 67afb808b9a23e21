// Orevein Slots, the program.
#include "engine/game/GameValues.h"
#include "engine/shell/DisplayCheck.h"
#include "engine/shell/QtDialogs.h"
#include "games/orevein/OreveinGame.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    const slotmachine::GameValues& values = slotmachine::orevein::oreveinValues();
    const QString title = QString::fromUtf8(values.title.data(), static_cast<qsizetype>(values.title.size()));
    if (const QString problem = slotmachine::missingDisplayMessage(title); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(title);

    // The machine window is still being built; until it exists the program says
    // so plainly instead of pretending to be a game.
    slotmachine::QtDialogs dialogs(title);
    dialogs.information(
        title + QStringLiteral(" ") + QString::fromUtf8(values.versionText.data()) +
        QStringLiteral("\n\nThe slot engine of this build plays complete games without a window; the "
                       "machine window comes with the next build. Meanwhile the simulator (slots-sim) "
                       "plays the game through the same engine."));
    return 0;
}
