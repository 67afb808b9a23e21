#pragma once

#include "engine/game/Game.h"

#include <span>

namespace slotmachine::pawlane {

const GameValues& pawlaneValues();
// The Pawlane pay rules, in the order in which they are tried.
std::span<const PayRule> pawlanePayRules();

// Pawlane Slots: three coins open three paylines; a wild symbol; marked stops
// that fill the bonus meter, empty it or earn a hold; a stock of holds.
class PawlaneGame final : public Game {
public:
    PawlaneGame();

    const GameValues& values() const override { return pawlaneValues(); }
    const Paytable& paytable() const override { return paytable_; }

    int symbolNumber(int reel, int position) const override;

private:
    Paytable paytable_;
};

} // namespace slotmachine::pawlane
