#pragma once

namespace slotmachine {

class SlotMachine;

// The box bonus game as the engine starts it: shown to the player, modally, once
// the boxes have been shuffled. It returns when it has closed; by then a credit
// prize stands in SpinWin and has been added to BonusWon.
class BonusGame {
public:
    virtual ~BonusGame() = default;
    virtual void play(SlotMachine& machine) = 0;
};

} // namespace slotmachine
