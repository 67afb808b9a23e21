#pragma once

namespace slotmachine {

class GameContext;

// The full repaint of the machine in its fixed order, and the bonus meter.
class MachineRepaint {
public:
    explicit MachineRepaint(GameContext& machine) : machine_(machine) {}

    // Machine picture, reels, meters, captions, bonus meter, payline, buttons lit,
    // logo, with the game's own steps.
    void FullRepaint();
    // Limits the bonus points to 12 and draws the bonus meter, if the game shows one.
    void ShowBonusMeter();

private:
    GameContext& machine_;
};

} // namespace slotmachine
