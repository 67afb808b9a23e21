// Quick spin: the machine's waits come sooner, and nothing else changes.
#include "tests/support/SyntheticGame.h"
#include "tests/support/TestMachine.h"

#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace quick_spin_test {

// One machine's spin with its frames shown, and a count-up of `win` after it.
struct Timing {
    std::int64_t toReelsAtRest = 0;
    std::int64_t countUp = 0;
    EventLog events;
    GameState after;
};

Timing play(bool quick, std::int32_t win) {
    TestMachine m{std::make_unique<SyntheticGame>(), 5};
    m.machine.setAnimated(true);
    m.machine.setQuickSpin(quick);
    m.state.Credits = 100;
    m.machine.betOne();
    m.machine.spin();
    Timing t;
    t.toReelsAtRest = m.machine.lastSpin().msToReelsAtRest;
    m.state.SpinWin = win;
    const std::int64_t before = m.clock.now();
    m.machine.countUp();
    t.countUp = m.clock.now() - before;
    t.events = m.log;
    t.after = m.state;
    return t;
}

} // namespace quick_spin_test

using namespace quick_spin_test;

TEST(QuickSpin, ReelsAndCountUpTakeAtMostSixtyPercentWithTheSameEventsAndState) {
    const Timing normal = play(false, 250);
    const Timing quick = play(true, 250);
    EXPECT_EQ(normal.toReelsAtRest, 1175);
    EXPECT_LE(quick.toReelsAtRest * 10, normal.toReelsAtRest * 6);
    EXPECT_GT(normal.countUp, 0);
    EXPECT_LE(quick.countUp * 10, normal.countUp * 6);
    EXPECT_EQ(quick.events, normal.events);
    EXPECT_EQ(quick.after.Credits, normal.after.Credits);
    EXPECT_EQ(quick.after.ReelStop, normal.after.ReelStop);
    EXPECT_EQ(quick.after.Spins, normal.after.Spins);
}
