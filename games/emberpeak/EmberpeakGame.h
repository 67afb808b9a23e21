#pragma once

#include "engine/game/Game.h"

#include <span>

namespace slotmachine::emberpeak {

const GameValues& emberpeakValues();
// The Emberpeak pay rules, in the order in which they are tried.
std::span<const PayRule> emberpeakPayRules();

// Emberpeak Slots: three coins on one payline; a wild symbol on the right reel
// that is animated while it stands on the payline and brings the bet back alone;
// bonus symbols that open the bonus game; a stock of reel nudges.
class EmberpeakGame final : public Game {
public:
    EmberpeakGame();

    const GameValues& values() const override { return emberpeakValues(); }
    const Paytable& paytable() const override { return paytable_; }

    int symbolNumber(int reel, int position) const override;
    bool showsBonusMeter() const override { return false; }

private:
    Paytable paytable_;
};

} // namespace slotmachine::emberpeak
