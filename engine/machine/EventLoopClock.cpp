#include "engine/machine/EventLoopClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <thread>

namespace slotmachine {

EventLoopClock::EventLoopClock() {
    elapsed_.start();
}

std::int64_t EventLoopClock::now() const {
    return elapsed_.elapsed();
}

void EventLoopClock::waitUntil(std::int64_t deadline) {
    if (deadline <= now() && QCoreApplication::instance() != nullptr) {
        // Already late (a slow frame): still let painting and input through once.
        QCoreApplication::processEvents();
        return;
    }
    for (std::int64_t remaining = deadline - now(); remaining > 0; remaining = deadline - now()) {
        if (QCoreApplication::instance() == nullptr) {
            // No event loop to keep alive (a command-line tool): just sleep.
            std::this_thread::sleep_for(std::chrono::milliseconds(remaining));
            continue;
        }
        QEventLoop loop;
        QTimer wake;
        wake.setSingleShot(true);
        wake.setTimerType(Qt::PreciseTimer);
        QObject::connect(&wake, &QTimer::timeout, &loop, &QEventLoop::quit);
        wake.start(static_cast<int>(remaining));
        if (loop.exec() != 0) {
            // The application is shutting down and event loops return at once:
            // sleep rather than spin until the deadline.
            std::this_thread::sleep_for(std::chrono::milliseconds(deadline - now()));
        }
    }
}

} // namespace slotmachine
