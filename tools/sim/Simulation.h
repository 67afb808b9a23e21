#pragma once

#include "games/Catalog.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace slotmachine::sim {

struct Options {
    std::string game;
    std::int32_t coins = 0;
    std::int64_t spins = 0;
    std::uint32_t seed = 0;
    std::string strategy = "none"; // how the stock of holds or nudges is spent between spins
};

struct Figures {
    std::int64_t spins = 0;
    std::int64_t totalBet = 0;
    std::int64_t totalWon = 0; // line wins, bonus prizes and what the strategy's actions won
    std::int64_t lineHits = 0; // spins that paid a line win
    std::int64_t bonusGames = 0;
    std::int64_t loans = 0; // times the simulator went to the loan desk
    // Holds or nudges the strategy spent, for a game that keeps a stock of them,
    // and what the stock is called ("holds" or "nudges"; the figure's key adds "_used").
    std::optional<std::int64_t> stockUsed;
    std::string_view stockName;
    double seconds = 0.0; // real time the spins took
};

struct ParsedArguments {
    std::optional<Options> options; // set when the arguments are good
    bool helpAsked = false;
    std::string error; // what is wrong with them otherwise
};

ParsedArguments parseArguments(const std::vector<std::string>& arguments);

std::string usage();

// Plays the spins through the slot engine with a virtual clock, no sound and no
// drawing, borrowing at the loan desk whenever the credits do not cover a bet.
// After each settled spin the strategy may run the game's actions; the credits
// they bring (or cost) count as won.
// Throws std::runtime_error if the engine refuses a spin it should have played.
Figures simulate(const Options& options);
// The same with the given strategy in place of the one the options name.
Figures simulate(const Options& options, const SimStrategy& strategy);

// One line of JSON with the options and the figures, the strategy last.
std::string toJson(const Options& options, const Figures& figures);

// The whole command: returns the exit status (0, or 2 for bad arguments, 1 for a failure).
int runCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace slotmachine::sim
