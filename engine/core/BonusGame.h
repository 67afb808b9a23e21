#pragma once

namespace slotmachine {

class GameContext;

// The box bonus game as the engine starts it: shown to the player, modally, once
// the boxes have been shuffled. It returns when it has closed; by then a credit
// prize stands in SpinWin and has been added to BonusWon.
class BonusGame {
public:
    virtual ~BonusGame() = default;
    // True when the player opened a box; false when the game was closed before
    // (the program is closing), in which case the bonus is still due.
    virtual bool play(GameContext& machine) = 0;
    // The program is closing: a game still on screen closes at once. A box already
    // opened keeps its prize.
    virtual void closeNow() {}
};

} // namespace slotmachine
