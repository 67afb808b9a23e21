#pragma once

#include "engine/core/GameState.h"

#include <QString>
#include <cstdint>

namespace slotmachine {

// The loan desk: credits borrowed onto the machine and paid back from it. Both
// totals move together, and neither ever goes below 0 or past the 32-bit limit.
struct LoanResult {
    bool done = false;
    QString refusal; // the message for the player when not done
};

LoanResult borrow(GameState& state, std::int32_t amount);
LoanResult payBack(GameState& state, std::int32_t amount);

} // namespace slotmachine
