#include "tools/sim/Simulation.h"

#include "engine/core/Random.h"
#include "tools/sim/CommandLine.h"

#include <ostream>
#include <stdexcept>

namespace slotmachine::sim {

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
    const CommandLine line =
        readCommandLine(arguments, {"--game", "--coins", "--spins", "--seed", "--strategy"}, {});
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
    if (const std::optional<std::string> wrong =
            checkGameChoice(options.game, options.strategy, options.coins)) {
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

namespace {

const CatalogEntry& catalogGame(const std::string& name) {
    const CatalogEntry* entry = findGame(name);
    if (entry == nullptr) {
        throw std::invalid_argument("unknown game '" + name + "'");
    }
    return *entry;
}

} // namespace

Figures simulate(const Options& options) {
    return simulate(catalogGame(options.game), options);
}

Figures simulate(const Options& options, const SimStrategy& strategy) {
    return simulate(catalogGame(options.game), options, strategy);
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
