#pragma once

namespace slotmachine {

class GameContext;
struct MachineRun;

// The engine's pay: the one-payline evaluation and the count-up that moves a win
// into Credits (GameContext::evaluatePayline and countUp).
class SpinPayout {
public:
    SpinPayout(GameContext& machine, MachineRun& run) : machine_(machine), run_(run) {}

    void evaluatePayline();
    void countUp();

private:
    GameContext& machine_;
    MachineRun& run_;
};

} // namespace slotmachine
