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
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QLockFile>
#include <QMessageBox>
#include <cstdio>
#include <cstring>
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

// What --help prints: the program's name, its options and the files it uses.
void printHelp(const GameValues& values) {
    const std::string_view program = values.programName;
    const std::string_view title = values.title;
    const int programLength = static_cast<int>(program.size());
    std::printf("Usage: %.*s [--help | --version]\n"
                "%.*s, a slot machine for the desktop, opens its machine window. The game\n"
                "is kept in ~/.config/%.*s.ini and continues at the next start; one copy\n"
                "at a time plays it.\n"
                "\n"
                "  -h, --help  show this help and exit\n"
                "  --version   show the version and exit\n"
                "\n"
                "Qt's own options (such as -platform offscreen) are accepted too. The manual\n"
                "page %.*s(6) lists the files beside the program and the environment\n"
                "variables the game reads.\n",
                programLength, program.data(), static_cast<int>(title.size()), title.data(), programLength,
                program.data(), programLength, program.data());
}

// What the build files under ":/desktop/<program>/" for the desktop: the id of the
// game's desktop entry ("id") and its icon in several sizes ("*.png").
struct DesktopIdentity {
    QString id;
    QIcon icon;
};

DesktopIdentity desktopIdentity(const QString& programName) {
    const QString folder = QStringLiteral(":/desktop/") + programName;
    DesktopIdentity identity;
    QFile id(folder + QStringLiteral("/id"));
    if (id.open(QIODevice::ReadOnly)) {
        identity.id = QString::fromUtf8(id.readAll()).trimmed();
    }
    QDirIterator pictures(folder, {QStringLiteral("*.png")}, QDir::Files);
    while (pictures.hasNext()) {
        identity.icon.addFile(pictures.next());
    }
    return identity;
}

} // namespace

int runSlotProgram(int argc, char** argv, Game& game) {
    const GameValues& values = game.values();
    // --help and --version answer on standard output and end, without a window or
    // the single-instance lock, so they work while the game runs and without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            printHelp(values);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%.*s %.*s\n", static_cast<int>(values.title.size()), values.title.data(),
                        static_cast<int>(values.versionText.size()), values.versionText.data());
            return 0;
        }
    }
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
    QApplication::setApplicationVersion(fromView(values.versionText));
    // The window's class (X11) is the program's name and its application id
    // (Wayland) the name of its desktop entry, so a desktop matches the window
    // with its launcher and icon.
    const DesktopIdentity desktop = desktopIdentity(fromView(values.programName));
    QGuiApplication::setDesktopFileName(desktop.id);
    QApplication::setWindowIcon(desktop.icon);

    // One copy per record file, whichever desktop session or runtime folder it starts
    // from: two copies would each write their own game over the other's. The lock
    // sits beside the record, and one left by a copy that crashed is taken over. A
    // lock that cannot be made at all (a settings folder that cannot be written)
    // does not stop play; the record file reports that folder in its own words.
    const QString programPath = QCoreApplication::applicationFilePath();
    const QString recordPath = recordFilePath(startupValuesFor(values, programPath).ProgramBaseName);
    QDir().mkpath(QFileInfo(recordPath).absolutePath());
    QLockFile lock(recordPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(200) && lock.error() == QLockFile::LockFailedError) {
        return 0;
    }

    // The window decides when the program ends: only after the game is stored.
    QApplication::setQuitOnLastWindowClosed(false);
    RecordFile records(recordPath, values.stock, dateSeparatorOf(QLocale::system()));
    records.setStockOfAFreshGame(values.stockAtNewGame);
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
