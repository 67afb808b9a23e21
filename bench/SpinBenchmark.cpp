// How long one spin takes through the engine, without a window: the spin
// command, the stops, the evaluation and the count-up on a virtual clock.
#include "engine/bonus/RandomPickBonus.h"
#include "engine/core/Audio.h"
#include "engine/core/Dialogs.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/MachineTimers.h"
#include "engine/core/Random.h"
#include "engine/machine/SlotMachine.h"
#include "engine/machine/VirtualClock.h"
#include "engine/state/LoanDesk.h"
#include "games/Catalog.h"

#include <benchmark/benchmark.h>

using namespace slotmachine;

namespace {

class NoDialogs final : public Dialogs {
public:
    void information(const QString&) override {}
    void plain(const QString&) override {}
    void error(const QString&) override {}
};

void spinRepeatedly(benchmark::State& bench, const char* gameName, std::int32_t coins) {
    auto game = makeGame(gameName);
    GameState state;
    Random random(12345);
    VirtualClock clock;
    SilentAudio audio;
    NoDialogs dialogs;
    BlankDisplay display;
    TimerFlags timers;
    RandomPickBonus bonus;
    SlotMachine machine({state, *game, random, clock, audio, dialogs, display, timers, bonus});
    machine.setAnimated(false);
    machine.powerOn();
    for (std::int32_t i = 0; i < coins; ++i) {
        machine.betOne();
    }
    if (state.Coins > 0) {
        machine.spin();
    }
    for (auto _ : bench) {
        if (state.Credits < coins) {
            borrow(state, 1000);
        }
        machine.spin();
        benchmark::DoNotOptimize(state.Credits);
    }
    bench.SetItemsProcessed(bench.iterations());
}

void BM_OreveinSpinOneCoin(benchmark::State& bench) {
    spinRepeatedly(bench, "orevein", 1);
}
void BM_OreveinSpinFiveCoins(benchmark::State& bench) {
    spinRepeatedly(bench, "orevein", 5);
}

void BM_OreveinPaytableLookup(benchmark::State& bench) {
    auto game = makeGame("orevein");
    const Paytable& table = game->paytable();
    int c = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(table.pay(c % 11, (c / 11) % 11, (c / 121) % 11));
        ++c;
    }
}

} // namespace

BENCHMARK(BM_OreveinSpinOneCoin);
BENCHMARK(BM_OreveinSpinFiveCoins);
BENCHMARK(BM_OreveinPaytableLookup);
BENCHMARK_MAIN();
