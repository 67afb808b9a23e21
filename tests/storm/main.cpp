// slots-storm: a long random run of keys, pointer presses and menu commands against
// a game's real machine window, offscreen, with every window that opens answered by
// script and the game's invariants checked after every step; on the first broken
// invariant it reports the seed, the event and the events before it, and exits 1.
//
//   slots-storm --game G --events N --seed S [--media DIR]
//
// DIR is the folder of the game's program and its files (the symbol sheet, pay
// chart, manual); by default the game's folder in this build.
#include "engine/records/RecordFile.h"
#include "engine/shell/MachineWindow.h"
#include "games/Catalog.h"
#include "tests/storm/Storm.h"
#include "tests/storm/StormParts.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>

using namespace slotmachine;

namespace {

storm::Storm* running = nullptr;

// An error that no handler catches is a fault the storm reports, with its events.
class StormApplication final : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            if (running != nullptr) {
                running->fail(std::string("an error reached the event loop: ") + e.what());
            }
            throw;
        }
    }
};

// The offscreen platform remarks on what it cannot do (open a web page, which the
// player then hears about in a message box) and Qt on a session without a runtime
// folder; the storm's output stays its own.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || message.contains(QLatin1String("QPlatformServices")) ||
        message.contains(QLatin1String("This plugin does not support")) ||
        message.contains(QLatin1String("XDG_RUNTIME_DIR"))) {
        return;
    }
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

int usage(const std::string& why) {
    std::string games;
    for (const std::string_view name : gameNames()) {
        games += (games.empty() ? "" : ", ") + std::string(name);
    }
    std::fprintf(stderr,
                 "slots-storm: %s\nusage: slots-storm --game G --events N --seed S [--media DIR]\n  games: %s\n",
                 why.c_str(), games.c_str());
    return 2;
}

std::optional<long long> number(const std::string& text, long long lowest, long long highest) {
    if (text.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

// Each game's folder in this build: "name=folder;name=folder".
std::map<std::string, std::string> builtFolders() {
    std::map<std::string, std::string> folders;
    const std::string table = SLOTS_STORM_MEDIA;
    std::size_t start = 0;
    while (start < table.size()) {
        const std::size_t end = std::min(table.find(';', start), table.size());
        const std::string entry = table.substr(start, end - start);
        if (const std::size_t eq = entry.find('='); eq != std::string::npos) {
            folders[entry.substr(0, eq)] = entry.substr(eq + 1);
        }
        start = end + 1;
    }
    return folders;
}

} // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::string> options;
    for (int i = 1; i < argc; i += 2) {
        const std::string option = argv[i];
        if (option != "--game" && option != "--events" && option != "--seed" && option != "--media") {
            return usage("unknown option " + option);
        }
        if (i + 1 >= argc) {
            return usage(option + " needs a value");
        }
        options[option.substr(2)] = argv[i + 1];
    }
    storm::StormSettings settings;
    settings.game = options["game"];
    std::unique_ptr<Game> game = makeGame(settings.game);
    if (!game) {
        return usage(settings.game.empty() ? "no game given" : "no game is called " + settings.game);
    }
    const std::optional<long long> events = number(options["events"], 1, std::numeric_limits<long>::max());
    const std::optional<long long> seed = number(options["seed"], 0, std::numeric_limits<std::uint32_t>::max());
    if (!events || !seed) {
        return usage("--events takes a count from 1 and --seed a number from 0 to 4294967295");
    }
    settings.events = static_cast<long>(*events);
    settings.seed = static_cast<std::uint32_t>(*seed);
    const std::string media = options.contains("media") ? options["media"] : builtFolders()[settings.game];

    // The window is shown on no screen, and nothing is heard.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    StormApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/slots-storm-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "slots-storm: no temporary folder for the record file\n");
        return 1;
    }
    const QString recordPath = folder.filePath(QStringLiteral("records.ini"));
    const auto& stock = game->values().stock;
    RecordFile records(recordPath, stock.has_value(), QStringLiteral("/"));
    RecordFile storedGames(recordPath, stock.has_value(), QStringLiteral("/"));
    // As the programs do: a game that was never stored starts with a new game's stock.
    if (stock) {
        records.setStockOfAFreshGame(stock->atNewGame);
        storedGames.setStockOfAFreshGame(stock->atNewGame);
    }
    storm::StormClock clock;
    storm::SilentEffects effects(clock);
    storm::SilentMusic music;
    const GameValues& values = game->values();
    const QString programPath = QDir(QString::fromStdString(media))
                                    .filePath(QString::fromUtf8(values.programName.data(),
                                                                static_cast<qsizetype>(values.programName.size())));
    std::unique_ptr<MachineWindow> window = MachineWindow::create(*game, records, {effects, music}, programPath, &clock);
    if (!window) {
        std::fprintf(stderr, "slots-storm: the machine window of %s did not open (files in %s)\n",
                     settings.game.c_str(), media.c_str());
        return 1;
    }
    storm::Storm storm(*window, *game, storedGames, settings, recordPath);
    running = &storm;
    const int status = storm.run();
    running = nullptr;
    return status;
}
