#pragma once

// The PAR sheet of one game, given as a PlayableGame with no catalog of the others
// (tools/par/ParCommand.h finds the game by name for slots-par).

#include "tools/sim/PlayableGame.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace slotmachine::par {

// What one pay rule of the game's own line (or lines) brings over a full cycle of
// stop combinations.
struct RuleFigures {
    std::string_view description;
    Payout payout = Payout::PerCoin;
    std::int64_t combinations = 0; // line wins in one cycle (a win on two lines counts twice)
    double probability = 0;        // line wins of the rule per spin
    std::int32_t credits = 0;      // what one such line pays with the coins bet
    double contribution = 0; // its share of the return per credit bet (a bonus line: its bonus games' prizes)
};

// The PAR sheet of one game at one bet under one strategy.
struct ParSheet {
    std::string game;
    std::int32_t coins = 0;
    std::string strategy = "none";
    // True when every figure is exact (enumerated); false for a strategy whose
    // figures are the simulator's estimate (then rules, volatility and the points
    // distribution are left empty).
    bool exact = true;
    std::int64_t cycle = 0; // stop combinations enumerated

    std::vector<RuleFigures> rules;
    double lineReturn = 0;            // the spin's own line wins per credit bet
    double hitFrequency = 0;          // spins whose own line wins pay anything
    double bonusFrequency = 0;        // bonus games per spin, also those the strategy's actions open
    double bonusCredits = 0;          // expected credit prize of one bonus game (a box opened at random)
    double bonusReturn = 0;           // bonus prizes per credit bet
    double strategyReturn = 0;        // what the strategy's actions win, per credit bet
    double rtp = 0;                   // total return per credit bet
    double rtpStandardError = 0;      // of an estimate; 0 when exact
    std::int64_t simulatedSpins = 0;  // spins behind an estimate
    std::optional<double> volatility; // standard deviation of one spin's win per credit bet

    // The game's stock of holds or nudges, if it has one ("holds" or "nudges").
    std::string_view stockName;
    double stockEarned = 0; // per spin: from the reels and from bonus boxes
    double stockUsed = 0;   // per spin, by the strategy (with the stock never running out)

    // The stationary distribution of the bonus points carried into a spin, for a
    // game that carries points; empty otherwise.
    std::vector<double> carriedPoints;
};

struct ParRequest {
    std::int32_t coins = 1;
    std::string strategy = "none";
    // For a strategy that has no exact figure: the spins the simulator plays, in
    // batches whose spread gives the standard error, from this seed on.
    std::int64_t estimateSpins = 400000;
    std::uint32_t estimateSeed = 1;
};

// Plays every stop combination through the game's own machine (forced stops, its
// reel features and evaluation, a bonus game that only records that it started)
// at each number of bonus points a spin can carry in, and works the figures out
// from the Markov chain of the carried points. A strategy is applied after each
// spin with the stock of holds or nudges kept full; when it keeps a reel still
// for the next spin (a hold), the spins are no longer independent and its figures
// come from the simulator instead, as an estimate with its standard error.
// Throws std::invalid_argument for a strategy the game does not have or a bet it
// does not take.
ParSheet computeParSheet(const PlayableGame& game, const ParRequest& request);
// The enumeration itself, for any game instance (the sheet's game name stays empty);
// a strategy that holds reels throws std::invalid_argument here. With `another`, a
// factory of more instances of the same game, the carried values are probed on
// several threads.
ParSheet enumerateParSheet(Game& game, std::int32_t coins, const SimStrategy& strategy = {},
                           std::unique_ptr<Game> (*another)() = nullptr);

} // namespace slotmachine::par
