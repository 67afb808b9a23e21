#pragma once

#include <bitset>

namespace slotmachine {

// The machine window's timers. The engine runs the first five; the three game
// feature timers tick Game::timerTick, and each game names its own use of them
// (Emberpeak's wild animation, Pawlane's hold lamps, ...).
enum class MachineTimer {
    StartUp = 1,      // once after start-up: music and start sound
    ButtonBlinking,   // idle blinking of the buttons
    WinLamps,         // win lamps
    MusicTick,        // starts the music track that is due
    CoinSignBlinking, // blinking coin sign while no win is shown
    GameFeature1,     // the game feature timers
    GameFeature2,
    GameFeature3,
};

// Starting, stopping and asking after the machine's timers. The window runs real
// timers; without a window only the running flags are kept.
class MachineTimers {
public:
    virtual ~MachineTimers() = default;
    virtual void start(MachineTimer timer) = 0;
    virtual void stop(MachineTimer timer) = 0;
    virtual bool isActive(MachineTimer timer) const = 0;
};

// Timers that never fire: only whether each one runs is kept.
class TimerFlags final : public MachineTimers {
public:
    void start(MachineTimer timer) override { running_.set(static_cast<std::size_t>(timer)); }
    void stop(MachineTimer timer) override { running_.reset(static_cast<std::size_t>(timer)); }
    bool isActive(MachineTimer timer) const override {
        return running_.test(static_cast<std::size_t>(timer));
    }

private:
    std::bitset<9> running_;
};

} // namespace slotmachine
