#pragma once

#include <functional>

namespace slotmachine {

class Audio;
class Clock;
class GameContext;
class OperationGuard;
class ReelMotion;
struct MachineRun;

// Virtual key codes that the machine answers.
inline constexpr int KeyEnter = 13;
inline constexpr int KeySpace = 32;
inline constexpr int KeyBetOne = 66;  // B
inline constexpr int KeyBetFive = 77; // M

// The player's commands (bets, the spin) and the features a game runs between
// spins, each as a machine operation under the guard.
class MachineCommands {
public:
    MachineCommands(GameContext& machine, Audio& audio, Clock& clock, OperationGuard& guard, MachineRun& run,
                    ReelMotion& reels)
        : machine_(machine), audio_(audio), clock_(clock), guard_(guard), run_(run), reels_(reels) {}

    // Each is dropped while Busy is set or another machine operation runs.
    void betOne();
    void betFive();
    void spin();
    // Enter and Space spin, B bets one, M bets five; true when the key is one of them.
    bool keyDown(int virtualKey);

    // GameContext::runFeature and evaluateWithLastBet.
    bool runFeature(const std::function<void()>& feature);
    void evaluateWithLastBet();

private:
    void runSpinCommand();
    void repeatLastBet();

    GameContext& machine_;
    Audio& audio_;
    Clock& clock_;
    OperationGuard& guard_;
    MachineRun& run_;
    ReelMotion& reels_;
};

} // namespace slotmachine
