#include "engine/shell/ProgramStart.h"

#include "engine/audio/sdl/SdlAudio.h"
#include "engine/game/Game.h"
#include "engine/records/RecordFile.h"
#include "engine/shell/DisplayCheck.h"
#include "engine/shell/MachineWindow.h"
#include "engine/shell/StartupValues.h"
#include "engine/shell/TerminationSignals.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QLockFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>
#include <exception>

namespace slotmachine {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Errors that no handler catches end the operation that raised them, with a
// message, and the program goes on.
class SlotApplication final : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            if (unattended) {
                std::fprintf(stderr, "%s: %s\n", title.toLocal8Bit().constData(), e.what());
            } else {
                QMessageBox::critical(activeWindow(), title, QString::fromLocal8Bit(e.what()));
            }
        }
        return false;
    }
    // Asked to end by a signal: nobody is there to answer a message box.
    bool unattended = false;
    // The caption of these messages.
    QString title;
};

} // namespace

int runSlotProgram(int argc, char** argv, Game& game) {
    const GameValues& values = game.values();
    const QString title = fromView(values.title);
    if (const QString problem = missingDisplayMessage(title); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        return 1;
    }
    SlotApplication app(argc, argv);
    QApplication::setApplicationName(fromView(values.programName));
    // No application display name: on X11 Qt would add it to every caption
    // ("Payoff Chart — Orevein Slots"), and each window's caption is its own.
    app.title = title;

    // One copy per game: a lock left by a copy that crashed is taken over.
    QString lockDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (lockDir.isEmpty()) {
        lockDir = QDir::tempPath();
    }
    QLockFile lock(QDir(lockDir).filePath(fromView(values.lockName) + QStringLiteral(".lock")));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(200)) {
        return 0;
    }

    // The window decides when the program ends: only after the game is stored.
    QApplication::setQuitOnLastWindowClosed(false);
    const QString programPath = QCoreApplication::applicationFilePath();
    RecordFile records(recordFilePath(startupValuesFor(values, programPath).ProgramBaseName), values.stock,
                       dateSeparatorOf(QLocale::system()));
    SdlAudio audio;
    std::unique_ptr<TForm1> window = TForm1::create(game, records, audio.outputs(), programPath);
    if (!window) {
        return 1;
    }
    // Asked to end (logout, kill): close as the player would, so the game is kept,
    // but without waiting for anyone to answer a message.
    TerminationSignals termination([&app, &window] {
        app.unattended = true;
        window->endUnattended();
    });
    return QApplication::exec();
}

} // namespace slotmachine
