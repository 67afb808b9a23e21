#pragma once

#include "engine/core/Game.h"
#include "games/orevein/OreveinSymbols.h"

namespace slotmachine::orevein {

const GameValues& oreveinValues();
// The Orevein pay rules, in the order in which they are tried.
std::span<const PayRule> oreveinPayRules();

// Orevein Slots: five coins on one payline; Up and Down symbols; bonus symbols
// that fill a meter to 12 and open the box bonus; a bonus-clear symbol.
class OreveinGame final : public Game {
public:
    OreveinGame();

    const GameValues& values() const override { return oreveinValues(); }
    const Paytable& paytable() const override { return paytable_; }

    int symbolNumber(int reel, int position) const override;
    // The symbol with its badge: an Up or Down arrow, a bonus star.
    std::string symbolNameAt(int reel, int position) const override;
    // The bonus-clear symbol reads as no symbol at all.
    int paylineSymbol(const GameContext& machine, int reel, int position) const override;

    // A Down symbol in the top row drops onto the payline, then an Up symbol in
    // the bottom row rises onto it.
    void reelFeatures(GameContext& machine, int reel) override;
    // Bonus symbols on the payline add their points; the bonus-clear symbol takes
    // all points away, with its sound played to the end.
    int bonusPoints(GameContext& machine) override;

private:
    Paytable paytable_;
    CellTable cells_;
};

} // namespace slotmachine::orevein
