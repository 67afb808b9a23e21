#pragma once

#include "engine/core/Clock.h"

#include <functional>

namespace slotmachine {

// A clock whose time moves only when someone waits on it. A test may install a
// hook that runs during each wait, standing in for the events a real event loop
// would deliver while the engine waits.
class VirtualClock final : public Clock {
public:
    std::int64_t now() const override { return now_; }

    void waitUntil(std::int64_t deadline) override;

    // Moves time forward without anyone waiting.
    void advance(std::int64_t milliseconds) { now_ += milliseconds; }

    // Called once per wait, after time has reached the deadline. A wait that starts
    // inside the hook does not call it again.
    void setDuringWait(std::function<void()> hook) { duringWait_ = std::move(hook); }

    int waitCount() const { return waits_; }

private:
    std::int64_t now_ = 0;
    int waits_ = 0;
    bool inHook_ = false;
    std::function<void()> duringWait_;
};

} // namespace slotmachine
