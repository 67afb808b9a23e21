// The engine's clocks: virtual time for tests and tools, real time that keeps
// the event loop running for the programs.
#include "engine/machine/EventLoopClock.h"
#include "engine/machine/VirtualClock.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

using namespace slotmachine;

TEST(VirtualClock, MovesOnlyForwardAndRunsItsHookOncePerWait) {
    VirtualClock clock;
    int hookRuns = 0;
    clock.setDuringWait([&] {
        ++hookRuns;
        clock.waitUntil(clock.now() + 10); // a wait inside the hook does not recurse
    });
    clock.waitUntil(100);
    EXPECT_EQ(clock.now(), 110);
    EXPECT_EQ(hookRuns, 1);

    clock.waitUntil(50); // a deadline already passed: only the hook's own wait moves time
    EXPECT_EQ(clock.now(), 120);
    EXPECT_EQ(hookRuns, 2);
}

TEST(EventLoopClock, WaitsUntilTheDeadlineWhileHandlingEvents) {
    ASSERT_NE(QCoreApplication::instance(), nullptr);
    EventLoopClock clock;
    bool timerFired = false;
    bool queuedCallRan = false;
    QTimer::singleShot(5, [&] { timerFired = true; });
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { queuedCallRan = true; }, Qt::QueuedConnection);

    const std::int64_t start = clock.now();
    clock.waitUntil(start + 40);
    EXPECT_GE(clock.now(), start + 40);
    EXPECT_TRUE(timerFired);
    EXPECT_TRUE(queuedCallRan);
}
