#pragma once

#include "engine/core/Clock.h"

#include <QElapsedTimer>

namespace slotmachine {

// Real monotonic time. Waiting runs a nested Qt event loop that sleeps until the
// next event or the deadline, so a spin keeps the window alive without burning a core.
class EventLoopClock final : public Clock {
public:
    EventLoopClock();

    std::int64_t now() const override;
    void waitUntil(std::int64_t deadline) override;

private:
    QElapsedTimer elapsed_;
};

} // namespace slotmachine
