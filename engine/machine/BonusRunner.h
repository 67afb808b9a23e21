#pragma once

namespace slotmachine {

class BonusGame;
class GameContext;
class OperationGuard;
struct MachineRun;

// Runs the box bonus game: the boxes shuffled, the game played, its prize counted
// up, and a game kept as due played at the next chance.
class BonusRunner {
public:
    BonusRunner(GameContext& machine, BonusGame& bonusGame, OperationGuard& guard, MachineRun& run)
        : machine_(machine), bonusGame_(bonusGame), guard_(guard), run_(run) {}

    // GameContext::runBonusGame and playBoxBonus.
    bool runBonusGame();
    void playBoxBonus();
    // SlotMachine::playDueBonus.
    void playDueBonus();

private:
    GameContext& machine_;
    BonusGame& bonusGame_;
    OperationGuard& guard_;
    MachineRun& run_;
    bool bonusOnScreen_ = false;
};

} // namespace slotmachine
