#pragma once

namespace slotmachine {

class Audio;
class Clock;
struct GameState;
struct MachineRun;

// Sounds and waits: nothing is played while sound is off, and neither plays nor
// waits once the window is closing.
class MachineEffects {
public:
    MachineEffects(const GameState& state, Audio& audio, Clock& clock, const MachineRun& run)
        : state_(state), audio_(audio), clock_(clock), run_(run) {}

    // Waits on the machine's clock while events go on being handled, for `seconds`
    // at the machine's pace.
    void Delay(double seconds);
    void playSound(int number, bool waitForEnd);
    void playWinSound();

private:
    const GameState& state_;
    Audio& audio_;
    Clock& clock_;
    const MachineRun& run_;
};

} // namespace slotmachine
