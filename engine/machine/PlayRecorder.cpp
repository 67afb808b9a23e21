#include "engine/machine/PlayRecorder.h"

#include "engine/core/ClampedMath.h"
#include "engine/core/Game.h"
#include "engine/core/GameContext.h"

#include <QDateTime>
#include <algorithm>
#include <utility>

namespace slotmachine {

namespace {

// Credits as the record keeps them: coins bet and not yet played are the player's.
std::int32_t keptCredits(const GameState& s) {
    return addClamped(s.Credits, s.Coins);
}

} // namespace

void PlayRecorder::begin(const GameContext& machine, PlayKind kind) {
    if (!on_) {
        return;
    }
    const GameState& s = machine.state();
    PlayRecord play;
    play.kind = kind;
    play.creditsBefore = keptCredits(s);
    play.bonusPointsBefore = s.BonusPts;
    // Stock chosen for the coming spin is still the player's until it is used.
    stockSetAsideBefore_ = machine.game().values().stock ? machine.game().stockSetAside(machine) : 0;
    play.stockBefore = addClamped(s.Stock, stockSetAsideBefore_);
    play_ = std::move(play);
}

void PlayRecorder::noteMove(int reel, std::int32_t from, std::int32_t to, ReelMover by) {
    if (play_ && play_->moves.size() < PlayMostMoves) {
        play_->moves.push_back(ReelMove{reel, from, to, by});
    }
}

void PlayRecorder::noteBox(int box, std::int32_t held) {
    if (play_) {
        play_->bonus = BoxPick{box, held, 0};
    }
}

void PlayRecorder::finish(const GameContext& machine, std::int32_t lineWin, std::int32_t bonusPaid) {
    if (!play_) {
        return;
    }
    PlayRecord play = *std::exchange(play_, std::nullopt);
    const GameState& s = machine.state();
    play.time = QDateTime::currentSecsSinceEpoch();
    play.spin = s.Spins;
    play.stops = s.ReelStop;
    if (play.kind == PlayKind::Spin || play.kind == PlayKind::Nudge) {
        play.coins = s.LastCoins;
        play.paylines = machine.game().paidLines(machine, play.coins, lineWin);
        for (const LineResult& line : play.paylines) {
            play.lines.push_back(line.row);
        }
    }
    if (play.bonus) {
        play.bonus->paid = std::max(0, bonusPaid);
    }
    play.win = addClamped(std::max(0, lineWin), play.bonus ? play.bonus->paid : 0);
    play.bonusPointsAfter = s.BonusPts;
    // A spin uses the stock set aside for it; a nudge uses one for each reel it moves.
    play.stockUsed = play.kind == PlayKind::Nudge
                         ? static_cast<std::int32_t>(std::count_if(play.moves.begin(), play.moves.end(),
                                                                   [](const ReelMove& m) { return m.by == ReelMover::Nudge; }))
                         : stockSetAsideBefore_;
    const std::int64_t earned = std::int64_t{s.Stock} - play.stockBefore + play.stockUsed;
    play.stockEarned = static_cast<std::int32_t>(std::clamp<std::int64_t>(earned, 0, INT32_MAX));
    play.creditsAfter = keptCredits(s);
    add(std::move(play));
}

void PlayRecorder::add(PlayRecord play) {
    log_.add(play);
    // A copy: a listener may add or remove listeners.
    const auto listeners = listeners_;
    for (const auto& [owner, listener] : listeners) {
        listener(play);
    }
}

void PlayRecorder::recordLoanDesk(const GameContext& machine, PlayKind kind, std::int32_t amount,
                                  std::int32_t creditsBefore) {
    if (!on_) {
        return;
    }
    const GameState& s = machine.state();
    PlayRecord play;
    play.kind = kind;
    play.time = QDateTime::currentSecsSinceEpoch();
    play.spin = s.Spins;
    play.stops = s.ReelStop;
    play.bonusPointsBefore = play.bonusPointsAfter = s.BonusPts;
    play.stockBefore = machine.game().values().stock ? addClamped(s.Stock, machine.game().stockSetAside(machine)) : 0;
    play.creditsBefore = creditsBefore;
    play.creditsAfter = keptCredits(s);
    play.loan = amount;
    add(std::move(play));
}

} // namespace slotmachine
