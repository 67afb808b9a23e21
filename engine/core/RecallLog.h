#pragma once

#include "engine/core/PlayRecord.h"

#include <cstddef>
#include <deque>

namespace slotmachine {

// The running game's last plays, oldest first: adding one past the capacity drops
// the oldest.
class RecallLog {
public:
    static constexpr std::size_t Capacity = 100;

    void add(PlayRecord play);
    void clear() { plays_.clear(); }

    std::size_t size() const { return plays_.size(); }
    bool empty() const { return plays_.empty(); }
    // The play at `index`, 0 the oldest kept; `index` must be below size().
    const PlayRecord& operator[](std::size_t index) const { return plays_[index]; }

    auto begin() const { return plays_.begin(); }
    auto end() const { return plays_.end(); }

    friend bool operator==(const RecallLog&, const RecallLog&) = default;

private:
    std::deque<PlayRecord> plays_;
};

} // namespace slotmachine
