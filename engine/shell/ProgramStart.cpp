#include "engine/shell/ProgramStart.h"

#include "engine/audio/sdl/SdlAudio.h"
#include "engine/core/Game.h"
#include "engine/records/RecordFile.h"
#include "engine/shell/DisplayCheck.h"
#include "engine/shell/GamepadInput.h"
#include "engine/shell/HistoryCommand.h"
#include "engine/shell/MachineWindow.h"
#include "engine/shell/PlayerSettings.h"
#include "engine/shell/PlayerLanguage.h"
#include "engine/shell/ProgramOptions.h"
#include "engine/shell/RunningCopy.h"
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
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <vector>

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
    std::printf("Usage: %.*s [--help | --version | --history [--json]] [Qt options]\n"
                "%.*s, a slot machine for the desktop, opens its machine window. The game\n"
                "is kept in ~/.config/%.*s.ini and continues at the next start; one copy\n"
                "at a time plays it.\n"
                "\n"
                "  -h, --help        show this help and exit\n"
                "  --version         show the version and exit\n"
                "  --history         print the running game's last 100 plays as a table,\n"
                "                    oldest first, and exit\n"
                "  --history --json  print them as one JSON object a line, and exit\n"
                "\n"
                "These options open no window and need no display; they answer while the\n"
                "game runs.\n"
                "\n"
                "Qt's own options, such as -platform offscreen, -display, -style or -reverse,\n"
                "are accepted too. Any other option, or a platform or display that cannot be\n"
                "opened, ends the game with one line of explanation and status 2. The manual\n"
                "page %.*s(6) lists Qt's options, the files beside the program and the\n"
                "environment variables the game reads.\n",
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

// Qt's messages while the application object is built. A platform that cannot
// start (no such plugin, a display that does not answer) ends in Qt's fatal message,
// after warnings that say why; that becomes one line on standard error naming the
// first cause, and exit status 2. Once the application stands, the messages held
// are passed on as they would have been.
class StartMessages {
public:
    explicit StartMessages(const char* programName) {
        program_ = programName;
        held_.clear();
        previous_ = qInstallMessageHandler(&StartMessages::hold);
    }
    ~StartMessages() { release(); }
    StartMessages(const StartMessages&) = delete;
    StartMessages& operator=(const StartMessages&) = delete;

    void release() {
        if (previous_ == nullptr) {
            return;
        }
        qInstallMessageHandler(previous_);
        for (const Held& message : held_) {
            const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
            previous_(message.type, context, message.text);
        }
        held_.clear();
        previous_ = nullptr;
    }

private:
    struct Held {
        QtMsgType type;
        QByteArray category;
        QString text;
    };

    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type != QtFatalMsg) {
            held_.push_back({type, QByteArray(context.category), text});
            return;
        }
        const QByteArray line = failureLine(text).toLocal8Bit();
        std::fflush(stdout);
        std::fprintf(stderr, "%s: %s\n", program_, line.constData());
        std::fflush(stderr);
        // Nothing is open yet (no record, no lock), so nothing is lost; Qt's
        // objects are half built and must not be torn down.
        std::_Exit(2);
    }

    // "cannot open the display: <the platform's first warning>", with the platforms
    // Qt has when the one asked for was not found.
    static QString failureLine(const QString& fatal) {
        const QString fatalFirst = fatal.section(QLatin1Char('\n'), 0, 0).trimmed();
        if (!fatal.contains(QLatin1String("platform plugin"))) {
            return QStringLiteral("cannot start: ") + fatalFirst;
        }
        QString cause = fatalFirst;
        for (const Held& message : held_) {
            if (message.type == QtWarningMsg && message.category.startsWith("qt.qpa")) {
                cause = message.text.section(QLatin1Char('\n'), 0, 0).trimmed();
                break;
            }
        }
        if (cause.endsWith(QLatin1String(" in \"\""))) {
            cause.chop(6);
        }
        if (!cause.isEmpty()) {
            cause[0] = cause[0].toLower();
        }
        static const QLatin1String available("Available platform plugins are: ");
        if (const qsizetype at = fatal.indexOf(available);
            at >= 0 && cause.startsWith(QLatin1String("could not find"))) {
            QString names = fatal.mid(at + available.size()).section(QLatin1Char('\n'), 0, 0).trimmed();
            if (names.endsWith(QLatin1Char('.'))) {
                names.chop(1);
            }
            cause += QStringLiteral(" (there are ") + names + QStringLiteral(")");
        }
        return QStringLiteral("cannot open the display: ") + cause;
    }

    static inline const char* program_ = "";
    static inline std::vector<Held> held_;
    static inline QtMessageHandler previous_ = nullptr;
};

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
    if (const std::optional<int> status = answerHistory(argc, argv, values)) {
        return *status;
    }
    const QString title = fromView(values.title);
    const std::string programName(values.programName);
    if (const QString problem = missingDisplayMessage(title);
        !problem.isEmpty() && !namesItsDisplay(argc, argv)) {
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        return 1;
    }
    StartMessages startMessages(programName.c_str());
    SlotApplication app(argc, argv);
    startMessages.release();
    // Qt has taken its own options out of argv; what is left is not an option of
    // this program.
    if (const char* unknown = unknownArgument(argc, argv)) {
        std::fprintf(stderr, "%s: %s '%s'; %s --help lists the options\n", programName.c_str(),
                     unknown[0] == '-' ? "unknown option" : "unexpected argument", unknown,
                     programName.c_str());
        return 2;
    }
    // The desktop's language, before any window or message is made.
    installPlayerLanguage(languageFromEnvironment());
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
    // does not stop play; the record file reports that folder in its own words. A
    // second copy asks the first to come forward, and ends.
    const QString programPath = QCoreApplication::applicationFilePath();
    const QString recordPath = recordFilePath(startupValuesFor(values, programPath).ProgramBaseName);
    QDir().mkpath(QFileInfo(recordPath).absolutePath());
    QLockFile lock(recordPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(200) && lock.error() == QLockFile::LockFailedError) {
        askRunningCopyToComeForward(recordPath);
        return 0;
    }

    // The window decides when the program ends: only after the game is stored.
    QApplication::setQuitOnLastWindowClosed(false);
    RecordFile records(recordPath, values.stock.has_value(), dateSeparatorOf(QLocale::system()));
    if (values.stock) {
        records.setStockOfAFreshGame(values.stock->atNewGame);
    }
    SdlAudio audio;
    std::unique_ptr<MachineWindow> window = MachineWindow::create(
        game, records, audio.outputs(), programPath, nullptr,
        playerSettingsPath(startupValuesFor(values, programPath).ProgramBaseName));
    if (!window) {
        return 1;
    }
    // Pads play as the keyboard does; without one this does nothing.
    const GamepadInput gamepad(window.get());
    std::optional<RaiseRequests> raiseRequests;
    if (lock.isLocked()) {
        raiseRequests.emplace(recordPath, [&window](const QString& token) { window->comeForward(token); });
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
