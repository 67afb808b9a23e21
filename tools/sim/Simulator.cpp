#include "tools/sim/Simulator.h"

#include "engine/bonus/RandomPickBonus.h"
#include "engine/core/Audio.h"
#include "engine/core/Dialogs.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/MachineTimers.h"
#include "engine/core/Random.h"
#include "engine/machine/SlotMachine.h"
#include "engine/machine/VirtualClock.h"
#include "engine/state/LoanDesk.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace slotmachine::sim {

namespace {

constexpr std::int32_t LoanChip = 1000;

// The simulator never expects a message box: one means the engine refused a spin.
class UnexpectedDialogs final : public Dialogs {
public:
    void information(const QString& text) override { throw std::runtime_error(text.toStdString()); }
    void plain(const QString& text) override { throw std::runtime_error(text.toStdString()); }
    void error(const QString& text) override { throw std::runtime_error(text.toStdString()); }
};

std::string formatFraction(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6f", value);
    return buffer;
}

} // namespace

Figures simulate(const PlayableGame& game, const Options& options) {
    const std::optional<SimStrategy> strategy = findSimStrategy(game, options.strategy);
    if (!strategy) {
        throw std::invalid_argument("unknown strategy '" + options.strategy + "' for '" +
                                    std::string(game.name) + "'");
    }
    return simulate(game, options, *strategy);
}

Figures simulate(const PlayableGame& playable, const Options& options, const SimStrategy& strategy) {
    const std::unique_ptr<Game> game = playable.make();
    GameState state;
    Random random(options.seed);
    VirtualClock clock;
    SilentAudio audio;
    UnexpectedDialogs dialogs;
    BlankDisplay display;
    TimerFlags timers;
    RandomPickBonus bonus;
    SlotMachine machine({state, *game, random, clock, audio, dialogs, display, timers, bonus});
    machine.setAnimated(false);
    machine.powerOn();

    Figures figures;
    if (game->values().stock) {
        figures.stockUsed = 0;
        figures.stockName = stockName(game->values());
    }
    const auto started = std::chrono::steady_clock::now();
    for (std::int64_t spin = 0; spin < options.spins; ++spin) {
        if (state.Credits < options.coins) {
            if (!borrow(state, std::max(LoanChip, options.coins)).done) {
                // The loan desk is full after billions of credits lost: start afresh.
                machine.newGame();
            }
            ++figures.loans;
        }
        if (spin == 0) {
            // The first bet is placed coin by coin; every later spin repeats it.
            for (std::int32_t coin = 0; coin < options.coins; ++coin) {
                machine.betOne();
            }
            if (state.Coins > 0) {
                machine.spin();
            }
        } else {
            machine.spin();
        }
        const SpinOutcome& outcome = machine.lastSpin();
        if (outcome.coins != options.coins) {
            throw std::runtime_error("the engine played a spin of " + std::to_string(outcome.coins) +
                                     " coins");
        }
        figures.totalBet += outcome.coins;
        figures.totalWon += outcome.lineWin + outcome.bonusPrize;
        figures.lineHits += outcome.lineWin > 0 ? 1 : 0;
        figures.bonusGames += outcome.bonusPlayed ? 1 : 0;
        ++figures.spins;
        if (strategy.afterSpin != nullptr) {
            const std::int64_t before = state.Credits;
            const std::int64_t spent = strategy.afterSpin(machine, *game);
            figures.totalWon += state.Credits - before;
            if (figures.stockUsed) {
                *figures.stockUsed += spent;
            }
        }
    }
    figures.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return figures;
}

std::string toJson(const Options& options, const Figures& figures) {
    const double spins = static_cast<double>(figures.spins);
    const double rtp = figures.totalBet > 0 ? static_cast<double>(figures.totalWon) / figures.totalBet : 0.0;
    const double hitFrequency = figures.spins > 0 ? figures.lineHits / spins : 0.0;
    const double perSecond = figures.seconds > 0 ? spins / figures.seconds : 0.0;
    // Game and strategy names are short names of letters and digits, which need no
    // escaping.
    return "{\"game\":\"" + options.game + "\",\"coins\":" + std::to_string(options.coins) +
           ",\"spins\":" + std::to_string(figures.spins) + ",\"seed\":" + std::to_string(options.seed) +
           ",\"total_bet\":" + std::to_string(figures.totalBet) +
           ",\"total_won\":" + std::to_string(figures.totalWon) + ",\"rtp\":" + formatFraction(rtp) +
           ",\"hit_frequency\":" + formatFraction(hitFrequency) +
           ",\"bonus_games\":" + std::to_string(figures.bonusGames) +
           ",\"spins_per_second\":" + std::to_string(static_cast<std::int64_t>(perSecond + 0.5)) +
           (figures.stockUsed
                ? ",\"" + std::string(figures.stockName) + "_used\":" + std::to_string(*figures.stockUsed)
                : std::string()) +
           ",\"strategy\":\"" + options.strategy + "\"}";
}

} // namespace slotmachine::sim
