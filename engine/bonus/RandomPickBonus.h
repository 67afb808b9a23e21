#pragma once

#include "engine/core/BonusGame.h"

namespace slotmachine {

// A box bonus game played without a window: one box, chosen at random with the
// machine's generator, is opened and the game closed at once. The simulator plays
// bonus games this way.
class RandomPickBonus final : public BonusGame {
public:
    bool play(GameContext& machine) override;
};

} // namespace slotmachine
