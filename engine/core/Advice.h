#pragma once

#include "engine/core/GameState.h"

#include <array>
#include <optional>

namespace slotmachine {

// The machine's advice on the choice a game offers between spins: the reels to hold
// for the next spin (all false: hold nothing), or the reel whose nudge pays most
// (none when no nudge pays). A game fills what its feature offers.
struct Advice {
    std::array<bool, ReelCount> hold{};
    std::optional<int> nudge;

    friend bool operator==(const Advice&, const Advice&) = default;
};

} // namespace slotmachine
