#pragma once

#include "engine/core/PlayRecord.h"
#include "engine/core/RecallLog.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace slotmachine {

class GameContext;

// Writes each settled play into the running game's recall log: the machine opens a
// play when a spin, a nudge or a due bonus game begins, its parts note the reel
// moves and the box opened as they happen, and the play is written once it has
// settled. Off until switched on (the simulator and the PAR tools keep no log).
class PlayRecorder {
public:
    void setOn(bool on) { on_ = on; }
    bool on() const { return on_; }

    // Calls `listener` with each play once it is in the log, until its `owner`
    // removes it; listeners are called in the order they were added.
    void addListener(const void* owner, std::function<void(const PlayRecord&)> listener) {
        listeners_.emplace_back(owner, std::move(listener));
    }
    void removeListeners(const void* owner) {
        std::erase_if(listeners_, [owner](const auto& entry) { return entry.first == owner; });
    }

    RecallLog& log() { return log_; }
    const RecallLog& log() const { return log_; }

    // Opens a play of `kind` as the game stands now, before anything of it happens.
    void begin(const GameContext& machine, PlayKind kind);
    // Forgets the open play: it did not happen (no bet was placed, nothing opened).
    void cancel() { play_.reset(); }
    // The play open, if any, and of which kind.
    bool open() const { return play_.has_value(); }
    std::optional<PlayKind> openKind() const { return play_ ? std::optional(play_->kind) : std::nullopt; }

    void noteMove(int reel, std::int32_t from, std::int32_t to, ReelMover by);
    void noteBox(int box, std::int32_t held);

    // Writes the open play into the log as the game stands now, with what it paid:
    // `lineWin` on its lines and `bonusPaid` from its bonus game.
    void finish(const GameContext& machine, std::int32_t lineWin, std::int32_t bonusPaid);

    // A loan or payback at the loan desk, already made: `creditsBefore` is what the
    // machine held before it.
    void recordLoanDesk(const GameContext& machine, PlayKind kind, std::int32_t amount, std::int32_t creditsBefore);

private:
    void add(PlayRecord play);

    bool on_ = false;
    RecallLog log_;
    std::optional<PlayRecord> play_;
    std::vector<std::pair<const void*, std::function<void(const PlayRecord&)>>> listeners_;
    std::int32_t stockSetAsideBefore_ = 0;
};

} // namespace slotmachine
