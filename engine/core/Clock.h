#pragma once

#include <cstdint>

namespace slotmachine {

// The engine's millisecond tick counter and the wait that keeps the program alive.
// The programs use real monotonic time and run the event loop while they wait; tests
// and the simulator use a virtual clock, so a long count-up costs no real time.
class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds since an arbitrary start, never going backwards.
    virtual std::int64_t now() const = 0;

    // Returns once now() has reached `deadline`. Meanwhile pending events (timers,
    // painting, input, menus) are handled, so whatever they trigger may re-enter
    // the engine during the wait.
    virtual void waitUntil(std::int64_t deadline) = 0;
};

} // namespace slotmachine
