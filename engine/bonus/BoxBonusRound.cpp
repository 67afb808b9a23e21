#include "engine/bonus/BoxBonusRound.h"

#include "engine/core/ClampedMath.h"
#include "engine/core/Game.h"
#include "engine/core/GameContext.h"

namespace slotmachine {

namespace {
constexpr int EmptyBoxSound = 4;
constexpr int PrizeBoxSound = 5;
} // namespace

BoxBonusRound::BoxBonusRound(GameContext& machine, QImage* prizePicture)
    : machine_(machine), award_{machine.state(), 0, prizePicture, false} {}

std::int32_t BoxBonusRound::open(int position) {
    // One box per bonus game: a later key or press must not open a second one and
    // replace the prize the player has already seen.
    if (opened_ || position < 1 || position > BoxCount) {
        return 0;
    }
    opened_ = true;
    const std::int32_t value = machine_.state().BoxValues[static_cast<std::size_t>(position - 1)];
    machine_.noteBoxOpened(position - 1, value);
    if (value <= 0) {
        machine_.playSound(EmptyBoxSound, false);
    } else {
        award_.BonusPrize = value;
        machine_.playSound(PrizeBoxSound, false);
    }
    machine_.game().awardBox(award_);
    return value;
}

void BoxBonusRound::close() {
    // A prize of 1 stands for a holds or nudges box, which pays no credits.
    if (award_.BonusPrize > 1) {
        GameState& s = machine_.state();
        s.BonusWon = addClamped(s.BonusWon, award_.BonusPrize);
    }
}

} // namespace slotmachine
