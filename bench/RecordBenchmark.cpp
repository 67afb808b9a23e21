// What storing the running game costs: the program writes it after every spin.
#include "engine/records/RecordFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace slotmachine;

namespace {

// A record file with all eight slots filled, as a player's file grows to be.
struct FullRecordFile {
    QTemporaryDir dir;
    RecordFile file{dir.filePath(QStringLiteral("orevein-slots.ini")), false, QStringLiteral("/")};
    GameState game;
    FullRecordFile() {
        game.Credits = 123456;
        game.Spins = 4321;
        game.TotalBets = 20000;
        for (int slot = 0; slot < GameSlotCount; ++slot) {
            file.writeGame(slot, game, QStringLiteral("Saved game %1").arg(slot + 1));
        }
    }
};

// Read the whole file, set the section, replace the file atomically (with its sync to disk).
void BM_StoreRunningGame(benchmark::State& state) {
    FullRecordFile records;
    for (auto _ : state) {
        records.game.Spins += 1;
        records.file.storeCurrentGame(records.game);
    }
}
BENCHMARK(BM_StoreRunningGame)->Unit(benchmark::kMicrosecond);

void BM_ReadSavedGame(benchmark::State& state) {
    FullRecordFile records;
    GameState game;
    for (auto _ : state) {
        records.file.readGame(4, game);
        benchmark::DoNotOptimize(game.Credits);
    }
}
BENCHMARK(BM_ReadSavedGame)->Unit(benchmark::kMicrosecond);

} // namespace
