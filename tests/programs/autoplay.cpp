// slots-autoplay: plays a game of the catalog by itself, as a player pressing keys
// would, storing its games in a given record file; and checks a record file that
// such a game left behind. The kill-during-play test kills it at random moments.
//
//   slots-autoplay GAME PROGRAM-PATH RECORD-FILE        play until killed
//   slots-autoplay --check GAME RECORD-FILE MIN-SPINS   exit 0 when the file holds a whole game
#include "engine/audio/sdl/SdlAudio.h"
#include "engine/bonus/BonusWindow.h"
#include "engine/records/IniFile.h"
#include "engine/records/RecordFile.h"
#include "engine/shell/MachineWindow.h"
#include "games/Catalog.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

using namespace slotmachine;

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "slots-autoplay: %s\n", message.c_str());
    return 1;
}

void press(QWidget* target, Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

int play(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const std::unique_ptr<Game> game = makeGame(argv[1]);
    if (!game) {
        return fail(std::string("no game is called ") + argv[1]);
    }
    const std::int32_t coinLimit = game->values().coinLimit;
    RecordFile records(QString::fromLocal8Bit(argv[3]), false, QStringLiteral("/"));
    SdlAudio audio;
    std::unique_ptr<MachineWindow> window =
        MachineWindow::create(*game, records, audio.outputs(), QString::fromLocal8Bit(argv[2]));
    if (!window) {
        return fail("the machine window did not open");
    }
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, [&] {
        // A bonus game waits for a box to be picked.
        if (auto* bonus = dynamic_cast<BonusWindow*>(QApplication::activeModalWidget())) {
            press(bonus, Qt::Key_Return);
            return;
        }
        const GameState& state = window->machine().state();
        if (state.Busy || state.Credits < coinLimit) {
            return;
        }
        const quint32 roll = QRandomGenerator::global()->bounded(10);
        press(window.get(), roll < 7 ? Qt::Key_M : roll < 9 ? Qt::Key_B : Qt::Key_Return);
    });
    player.start(30);
    return QApplication::exec();
}

// The running game's recall log must agree with its meters: each play starts with
// the credits the one before left, the last leaves the record's credits, and the
// last spin is the record's.
std::optional<std::string> recallDisagrees(const char* path, std::int32_t credits, std::int32_t spins) {
    const RecallReading<RecallLog> read = readRecallLog(QString::fromLocal8Bit(path), CurrentGameIndex);
    if (!read.value) {
        return "the recall log does not read: " + read.error.toStdString();
    }
    const RecallLog& log = *read.value;
    if (log.empty()) {
        return spins == 0 ? std::nullopt : std::optional<std::string>("the recall log is empty after spins");
    }
    for (std::size_t i = 1; i < log.size(); ++i) {
        if (log[i].creditsBefore != log[i - 1].creditsAfter) {
            return "play " + std::to_string(i + 1) + " of the recall log does not start where the one before ended";
        }
    }
    const PlayRecord& last = log[log.size() - 1];
    if (last.creditsAfter != credits || last.spin != spins) {
        return "the recall log's last play left " + std::to_string(last.creditsAfter) + " credits after spin " +
               std::to_string(last.spin) + ", the record holds " + std::to_string(credits) + " after spin " +
               std::to_string(spins);
    }
    return std::nullopt;
}

// The file must hold exactly one whole running game, with its recall log, that has
// not lost any spins.
int check(const Game& game, const char* path, long minimumSpins) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.exists()) {
        return minimumSpins == 0 ? 0 : fail("the record file is gone");
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return fail("the record file cannot be read");
    }
    const QByteArray text = file.readAll();
    if (!text.endsWith('\n')) {
        return fail("the record file ends in the middle of a line");
    }
    CSimpleIniA ini;
    if (ini.LoadData(text.constData(), static_cast<std::size_t>(text.size())) < 0) {
        return fail("the record file does not parse");
    }
    CSimpleIniA::TNamesDepend sections;
    ini.GetAllSections(sections);
    for (const auto& section : sections) {
        if (std::string(section.pItem) != "CurrentGame" && std::string(section.pItem) != "CurrentGame.Recall") {
            return fail("the record file holds other sections than CurrentGame and its recall log");
        }
    }
    if (std::string(ini.GetValue("CurrentGame", "GameName", "")) != "CurrentGame") {
        return fail("the running game is not named CurrentGame");
    }
    std::map<std::string, std::int32_t> values;
    for (const char* key : {"Credits", "Borrowed", "Spins", "TotalBets", "BonusWon", "BonusPts"}) {
        const std::optional<std::int32_t> value = parseRecordInteger(ini.GetValue("CurrentGame", key, ""));
        if (!value || *value < 0) {
            return fail(std::string("the value of ") + key + " is missing or damaged");
        }
        values[key] = *value;
    }
    const std::int64_t spins = values["Spins"];
    const std::int64_t bets = values["TotalBets"];
    if (spins < minimumSpins) {
        return fail("spins were lost: " + std::to_string(spins) + " after " + std::to_string(minimumSpins));
    }
    if (bets < spins || bets > game.values().coinLimit * spins || values["BonusPts"] > 12 ||
        values["Borrowed"] != NewGameCredits ||
        std::int64_t{values["Credits"]} - values["Borrowed"] + bets < 0) {
        return fail("the totals do not belong to one game");
    }
    if (const std::optional<std::string> disagreement = recallDisagrees(path, values["Credits"], values["Spins"])) {
        return fail(*disagreement);
    }
    std::printf("%lld\n", static_cast<long long>(spins));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--check") {
        const std::unique_ptr<Game> game = makeGame(argv[2]);
        if (!game) {
            return fail(std::string("no game is called ") + argv[2]);
        }
        return check(*game, argv[3], std::strtol(argv[4], nullptr, 10));
    }
    if (argc == 4) {
        return play(argc, argv);
    }
    std::fprintf(stderr, "usage: slots-autoplay GAME PROGRAM-PATH RECORD-FILE | --check GAME RECORD-FILE MIN-SPINS\n");
    return 2;
}
