// What storing the running game costs: the program writes it after every spin.
#include "engine/records/RecordFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace slotmachine;

namespace {

// A full recall log: 100 spins of three lines, each with a held reel.
RecallLog fullLog() {
    RecallLog log;
    for (std::int32_t spin = 1; spin <= static_cast<std::int32_t>(RecallLog::Capacity); ++spin) {
        PlayRecord play;
        play.time = 1'800'000'000 + spin;
        play.spin = spin;
        play.coins = 3;
        play.lines = {1, 0, 2};
        play.stops = {spin % 30 + 1, 7, 19};
        play.moves = {ReelMove{1, 7, 7, ReelMover::Held}};
        for (const int row : play.lines) {
            play.paylines.push_back(LineResult{row, {1, 2, 3}, 0});
        }
        play.creditsBefore = 1000 - spin;
        play.creditsAfter = 999 - spin;
        log.add(play);
    }
    return log;
}

// A record file with all eight slots filled, each with a full recall log, as a
// player's file grows to be.
struct FullRecordFile {
    QTemporaryDir dir;
    RecordFile file{dir.filePath(QStringLiteral("orevein-slots.ini")), false, QStringLiteral("/")};
    GameState game;
    RecallLog log = fullLog();
    FullRecordFile() {
        game.Credits = 123456;
        game.Spins = 4321;
        game.TotalBets = 20000;
        for (int slot = 0; slot < GameSlotCount; ++slot) {
            file.writeGame(slot, game, log, QStringLiteral("Saved game %1").arg(slot + 1));
        }
        file.storeCurrentGame(game, log);
    }
};

// Read the whole file, set the section, replace the file atomically (with its sync to disk).
void BM_StoreRunningGame(benchmark::State& state) {
    FullRecordFile records;
    for (auto _ : state) {
        records.game.Spins += 1;
        records.file.storeCurrentGame(records.game, records.log);
    }
}
BENCHMARK(BM_StoreRunningGame)->Unit(benchmark::kMicrosecond);

void BM_ReadSavedGame(benchmark::State& state) {
    FullRecordFile records;
    GameState game;
    RecallLog log;
    for (auto _ : state) {
        records.file.readGame(4, game, log);
        benchmark::DoNotOptimize(game.Credits);
    }
}
BENCHMARK(BM_ReadSavedGame)->Unit(benchmark::kMicrosecond);

} // namespace
