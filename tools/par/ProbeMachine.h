#pragma once

// The machine in which the PAR sheet plays every stop combination: the game's own
// machine with no window, no sound and virtual time, and what its probes add up to.

#include "engine/core/Audio.h"
#include "engine/core/BonusGame.h"
#include "engine/core/Dialogs.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/MachineTimers.h"
#include "engine/core/Random.h"
#include "engine/machine/SlotMachine.h"
#include "engine/machine/VirtualClock.h"
#include "engine/state/ReelStrips.h"
#include "tools/sim/PlayableGame.h"

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace slotmachine::par {

// The bonus points a spin can carry in (0 to full), and the stop combinations of a cycle.
constexpr int PointStates = FullBonusPoints + 1;
constexpr std::int64_t Cycle = std::int64_t{StripLength} * StripLength * StripLength;

// No message may come up while probing: one would mean a probe went wrong.
class UnexpectedDialogs final : public Dialogs {
public:
    void information(const QString& text) override { throw std::runtime_error(text.toStdString()); }
    void plain(const QString& text) override { throw std::runtime_error(text.toStdString()); }
    void error(const QString& text) override { throw std::runtime_error(text.toStdString()); }
};

// Stands in for the bonus game: it notes that one started and opens no box, so no
// prize is paid; the prize is accounted for by its expectation.
class RecordingBonus final : public BonusGame {
public:
    bool play(GameContext&) override {
        ++started;
        return true;
    }
    int started = 0;
};

// What one bonus game brings for a box opened at random, through the game's own
// award step: the mean credit prize, the mean of its square, and the mean stock.
struct BoxExpectation {
    double credits = 0;
    double creditsSquared = 0;
    double stock = 0;
};

// Everything one carried-points state contributes over the full cycle.
struct StateTotals {
    std::array<std::int64_t, PointStates> next{}; // combinations leading to each carried value
    double lineWin = 0;                           // credits of the spin's own line wins
    double strategyWin = 0;                       // credits the strategy's actions won (bonus prizes aside)
    double winPerCredit = 0;                      // sum of E[X], X the spin's whole win per credit bet
    double winSquared = 0;                        // sum of E[X^2]
    std::int64_t hits = 0;
    std::int64_t bonuses = 0;
    double stockEarned = 0;
    std::int64_t stockUsed = 0;
    std::vector<std::int64_t> ruleHits;
};

// A strategy that keeps reels still for the next spin makes spins depend on each other.
class StrategyHoldsReels : public std::invalid_argument {
public:
    StrategyHoldsReels() : std::invalid_argument("the strategy keeps reels still between spins") {}
};

// The machine, with no window, no sound and virtual time, in which every probe runs.
class ProbeMachine {
public:
    ProbeMachine(Game& game, std::int32_t coins);

    BoxExpectation expectBox();

    // Plays all combinations with `points` carried in.
    StateTotals probe(int points, const SimStrategy& strategy, const BoxExpectation& box);

private:
    std::int32_t stock() const { return game_.values().stock ? state_.Stock : 0; }
    std::int32_t setStock(std::int32_t value);

    // The rows whose lines the evaluation read: with rules that pay per line, the
    // rows of the lines the coins open; otherwise the first, the payline.
    std::span<const int> paidRows() const;

    // Counts the rule each paid line showed, read through the game's own payline
    // symbols and paytable, and checks that they add up to what the machine paid.
    void attribute(std::int32_t lineWin, std::vector<std::int64_t>& ruleHits) const;

    Game& game_;
    std::int32_t coins_;
    GameState state_;
    Random random_{1};
    VirtualClock clock_;
    SilentAudio audio_;
    UnexpectedDialogs dialogs_;
    BlankDisplay display_;
    TimerFlags timers_;
    RecordingBonus bonus_;
    SlotMachine machine_;
};

} // namespace slotmachine::par
