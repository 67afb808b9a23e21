#pragma once

// The simulator itself: plays one game, given as a PlayableGame, with no catalog
// of the others (tools/sim/Simulation.h finds the game by name for slots-sim).

#include "tools/sim/PlayableGame.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// Plays the spins of `game` through the slot engine with a virtual clock, no sound
// and no drawing, borrowing at the loan desk whenever the credits do not cover a
// bet. After each settled spin the strategy the options name may run the game's
// actions; the credits they bring (or cost) count as won. The options' game name is
// only reported.
// Throws std::invalid_argument for a strategy the game does not have, and
// std::runtime_error if the engine refuses a spin it should have played.
Figures simulate(const PlayableGame& game, const Options& options);
// The same with the given strategy in place of the one the options name.
Figures simulate(const PlayableGame& game, const Options& options, const SimStrategy& strategy);

// One line of JSON with the options and the figures, the strategy last.
std::string toJson(const Options& options, const Figures& figures);

} // namespace slotmachine::sim
