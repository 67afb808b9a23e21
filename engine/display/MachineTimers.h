#pragma once

#include <bitset>

namespace slotmachine {

// The machine window's timers, by the numbers the games know them by.
enum class MachineTimer {
    Timer1 = 1, // start timer: music and start sound
    Timer2,     // idle blinking of the buttons
    Timer3,     // win lamps
    Timer4,     // starts the music track that is due
    Timer5,     // blinking coin sign while no win is shown
    Timer6,     // game feature timers (wild animation, hold lamps, nudge buttons,
    Timer7,     // winning line bars)
    Timer8,
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
