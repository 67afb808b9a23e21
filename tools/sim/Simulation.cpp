#include "tools/sim/Simulation.h"

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
#include "tools/sim/CommandLine.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <ostream>
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

std::string usage() {
    std::string text = "usage: slots-sim --game NAME --coins N --spins M [--seed S] [--strategy NAME]\n"
                       "Plays M spins of N coins each through the slot engine and prints the figures\n"
                       "as one line of JSON.\n"
                       "  --game NAME      the game to play: " +
                       joinedGameNames() +
                       "\n"
                       "  --coins N        coins per spin, from 1 to the game's coin limit\n"
                       "  --spins M        how many spins to play, at least 1\n"
                       "  --seed S         seed of the random generator, 0 to 4294967295\n"
                       "                   (default: the time of day, as the games seed it)\n"
                       "  --strategy NAME  how to spend the game's holds or nudges between spins\n"
                       "                   (default none, which spends nothing):\n";
    for (const std::string_view game : gameNames()) {
        text += "                   " + std::string(game) + ": " + joinedStrategyNames(game) + "\n";
    }
    return text;
}

ParsedArguments parseArguments(const std::vector<std::string>& arguments) {
    ParsedArguments result;
    const CommandLine line = readCommandLine(arguments, {"--game", "--coins", "--spins", "--seed", "--strategy"}, {});
    result.helpAsked = line.helpAsked;
    if (line.helpAsked || !line.error.empty()) {
        result.error = line.error;
        return result;
    }
    const std::optional<std::string> game = line.value("--game");
    const std::optional<std::string> coins = line.value("--coins");
    const std::optional<std::string> spins = line.value("--spins");
    const std::optional<std::string> seed = line.value("--seed");
    if (!game || !coins || !spins) {
        result.error = "--game, --coins and --spins are required";
        return result;
    }
    Options options;
    options.game = *game;
    options.strategy = line.value("--strategy").value_or(options.strategy);
    if (!parseNumber(*coins, options.coins) || options.coins < 1) {
        result.error = "--coins must be a whole number of at least 1, not '" + *coins + "'";
        return result;
    }
    if (!parseNumber(*spins, options.spins) || options.spins < 1) {
        result.error = "--spins must be a whole number of at least 1, not '" + *spins + "'";
        return result;
    }
    if (seed && !parseNumber(*seed, options.seed)) {
        result.error = "--seed must be a whole number from 0 to 4294967295, not '" + *seed + "'";
        return result;
    }
    if (const std::optional<std::string> wrong = checkGameChoice(options.game, options.strategy, options.coins)) {
        result.error = *wrong;
        return result;
    }
    if (!seed) {
        Random clockSeeded;
        clockSeeded.seedFromTimeOfDay();
        options.seed = clockSeeded.state();
    }
    result.options = options;
    return result;
}

Figures simulate(const Options& options) {
    const std::optional<SimStrategy> strategy = findSimStrategy(options.game, options.strategy);
    if (!strategy) {
        throw std::invalid_argument("unknown strategy '" + options.strategy + "' for '" + options.game + "'");
    }
    return simulate(options, *strategy);
}

Figures simulate(const Options& options, const SimStrategy& strategy) {
    const auto game = makeGame(options.game);
    if (!game) {
        throw std::invalid_argument("unknown game '" + options.game + "'");
    }
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
    // The game and strategy names have been checked against the catalog, so they
    // need no escaping.
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

int runCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const ParsedArguments parsed = parseArguments(arguments);
    if (parsed.helpAsked) {
        out << usage();
        return 0;
    }
    if (!parsed.options) {
        err << "slots-sim: " << parsed.error << "\n" << usage();
        return 2;
    }
    try {
        const Figures figures = simulate(*parsed.options);
        out << toJson(*parsed.options, figures) << "\n";
        return 0;
    } catch (const std::exception& e) {
        err << "slots-sim: " << e.what() << "\n";
        return 1;
    }
}

} // namespace slotmachine::sim
