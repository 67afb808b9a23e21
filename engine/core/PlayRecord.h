#pragma once

#include "engine/core/GameState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace slotmachine {

// What a settled play was: a spin, a nudge between spins, a loan or payback at the
// loan desk, or a bonus game kept due from an earlier run and played on its own.
enum class PlayKind { Spin, Nudge, Loan, Payback, Bonus };

// The most reel moves a play keeps: every stop of every reel, once.
inline constexpr std::size_t PlayMostMoves = 90;

// What moved a reel from where it stood before the play: the Up or Down feature,
// a hold that kept it while the others spun, or a nudge.
enum class ReelMover { Up, Down, Held, Nudge };

// A reel that a feature moved or kept: its stop before and after (1 to StripLength).
struct ReelMove {
    int reel = 0; // 0 to ReelCount - 1, left first
    std::int32_t from = 1;
    std::int32_t to = 1;
    ReelMover by = ReelMover::Nudge;

    friend bool operator==(const ReelMove&, const ReelMove&) = default;
};

// One open payline as the play left it: the row it reads (0 top), the symbol code
// on each reel there (a strip digit, or NoSymbol where a reel shows a clear cell)
// and what it paid.
struct LineResult {
    int row = 1;
    std::array<int, ReelCount> symbols{};
    std::int32_t pay = 0;

    friend bool operator==(const LineResult&, const LineResult&) = default;
};

// A box bonus game played after the play: the box opened (0 to BoxCount - 1), the
// value it held, and what that paid in credits (0 for a prize of holds or nudges,
// which shows in the stock earned).
struct BoxPick {
    int box = 0;
    std::int32_t held = 0;
    std::int32_t paid = 0;

    friend bool operator==(const BoxPick&, const BoxPick&) = default;
};

// One settled play of a game, as its recall log keeps it: plain values, enough to
// show the play again without the game's rules.
struct PlayRecord {
    PlayKind kind = PlayKind::Spin;
    std::int64_t time = 0;  // when it settled, seconds since 1970-01-01 UTC
    std::int32_t spin = 0;  // the game's spin count after the play (GameState::Spins)
    std::int32_t coins = 0; // coins bet; 0 for a play that is not a spin
    std::vector<int> lines; // rows the coins opened, in the order they opened them

    std::array<std::int32_t, ReelCount> stops{1, 1, 1}; // where each reel came to rest
    std::vector<ReelMove> moves;                        // reels a feature moved or kept
    std::vector<LineResult> paylines;                   // every open line
    std::int32_t win = 0;                               // credits the play paid in all

    std::int32_t bonusPointsBefore = 0;
    std::int32_t bonusPointsAfter = 0;
    std::int32_t stockBefore = 0; // holds or nudges before the play
    std::int32_t stockEarned = 0;
    std::int32_t stockUsed = 0;
    std::optional<BoxPick> bonus; // the bonus game, when one was played

    std::int32_t creditsBefore = 0;
    std::int32_t creditsAfter = 0;
    std::int32_t loan = 0; // credits borrowed by a loan, or paid back by a payback

    friend bool operator==(const PlayRecord&, const PlayRecord&) = default;
};

} // namespace slotmachine
