#pragma once

#include "engine/core/GameState.h"
#include "games/pawlane/PawlaneSymbols.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace slotmachine {
class Paytable;
}

namespace slotmachine::pawlane {

class PawlaneHolds;

using HeldReels = std::array<bool, ReelCount>;

// The machine's advice on holds: what the next spin is worth with some reels held at
// their stops and the others spinning, each free reel's 30 stops equally likely.
// A spin's worth is its line pays plus the change in what the bonus meter is worth:
// a bonus game's mean credit prize when the meter fills, and the relative value of
// the points carried on (the bias of the meter's Markov chain under play without
// holds, so a point near a full meter is worth more than the first one, and a reset
// stop that empties the meter costs what it held). A hold earned back counts nothing,
// as the greedy strategy counts nothing for it. No widgets: the game, the simulator
// and the tests share it.
class HoldAdvisor {
public:
    // `bonusPrize`: the mean credit prize of a bonus game.
    HoldAdvisor(const Paytable& paytable, double bonusPrize);

    // The expected worth in credits of the next spin at `coins` from `state`, with the
    // reels of `held` kept where they stand.
    double spinWorth(const GameState& state, std::int32_t coins, const HeldReels& held) const;

    // The reels to hold (those already held included) for the most worth, when holds
    // may still be chosen; all false advises holding nothing more.
    std::optional<HeldReels> advise(const GameState& state, const PawlaneHolds& holds) const;

    // The relative worth of carrying each number of bonus points into a spin at
    // `coins`, 0 for none, when a bonus game pays `bonusPrize` credits on average.
    const std::array<double, FullBonusPoints + 1>& pointWorth(std::int32_t coins, double bonusPrize) const;

private:
    // The points and reset of the marked stops one reel shows on the active rows.
    struct MarkOutcome {
        int points = 0;
        bool reset = false;
        double chance = 0;
    };
    static MarkOutcome marksOf(int reel, int position, std::int32_t coins);
    std::vector<MarkOutcome> countFreeMarks(int reel, std::int32_t coins) const;
    const std::vector<MarkOutcome>& freeMarks(int reel, std::int32_t coins) const {
        return freeMarks_[static_cast<std::size_t>(coins - 1)][static_cast<std::size_t>(reel)];
    }

    // pay_[coins - 1][a][b][c]: what a line showing symbols a, b, c pays.
    using Cube = std::array<std::array<std::array<std::int32_t, SymbolCount>, SymbolCount>, SymbolCount>;
    std::array<Cube, 3> pay_{};
    std::array<std::array<double, SymbolCount>, ReelCount> symbolChance_{};
    // freeMarks_[coins - 1][reel]: the marks a spinning reel may show, with their chances.
    std::array<std::array<std::vector<MarkOutcome>, ReelCount>, 3> freeMarks_;
    double bonusPrize_;
    mutable std::map<std::pair<std::int32_t, double>, std::array<double, FullBonusPoints + 1>> worthCache_;
};

} // namespace slotmachine::pawlane
