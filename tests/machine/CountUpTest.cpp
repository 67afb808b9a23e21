// The count-up that moves a win into Credits step by step.
#include "tests/support/SyntheticGame.h"
#include "tests/support/TestMachine.h"

#include <gtest/gtest.h>
#include <limits>
#include <map>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

struct CountUp : ::testing::Test {
    TestMachine m{std::make_unique<SyntheticGame>()};
    GameState& s = m.state;

    // The sizes of the steps a count-up of `win` takes, read back from the meter.
    std::map<int, int> stepsOf(std::int32_t win) {
        s.SpinWin = win;
        m.log.clear();
        m.machine.countUp();
        std::map<int, int> steps;
        int previous = 0;
        for (const std::string& event : m.log) {
            if (event.rfind("ShowWinnings ", 0) == 0) {
                const int counted = std::stoi(event.substr(13));
                ++steps[counted - previous];
                previous = counted;
            }
        }
        return steps;
    }
};

} // namespace

TEST_F(CountUp, StepsShrinkAsTheWinRunsOut) {
    EXPECT_EQ(stepsOf(2), (std::map<int, int>{{1, 2}}));
    EXPECT_EQ(stepsOf(25), (std::map<int, int>{{5, 1}, {1, 20}}));
    EXPECT_EQ(stepsOf(100), (std::map<int, int>{{10, 1}, {5, 14}, {1, 20}}));
    EXPECT_EQ(stepsOf(250), (std::map<int, int>{{10, 16}, {5, 14}, {1, 20}}));
    // A large win takes every step size.
    EXPECT_EQ(stepsOf(7500), (std::map<int, int>{{25, 261}, {10, 88}, {5, 15}, {1, 20}}));
}

TEST_F(CountUp, EveryStepTicksRedrawsAndWaits) {
    s.Credits = 40;
    s.SpinWin = 7500;
    const std::int64_t before = m.clock.now();
    m.log.clear();
    m.machine.countUp();

    EXPECT_EQ(s.Credits, 7540);
    EXPECT_EQ(s.SpinWin, 0);
    EXPECT_EQ(m.log.front(), "DrawCaption Winnings 440 right");
    EXPECT_EQ(m.log[1], "Sound 3");
    EXPECT_EQ(m.log[2], "ShowCredits");
    EXPECT_EQ(m.log[3], "ShowWinnings 25");
    EXPECT_EQ(m.log.back(), "ShowWinnings 7500");
    EXPECT_EQ(m.count("Sound 3"), 384);
    EXPECT_EQ(m.clock.now() - before, 384 * 75) << "about 29 seconds on the machine's clock";
}

TEST_F(CountUp, WithSoundOffItStillTakesItsTime) {
    s.SoundOn = false;
    s.SpinWin = 30;
    const std::int64_t before = m.clock.now();
    m.machine.countUp();
    EXPECT_EQ(m.count("Sound 3"), 0);
    EXPECT_EQ(m.clock.now() - before, 22 * 75); // two steps of 5, then twenty of 1
}

TEST_F(CountUp, NothingToCountOnlyDrawsTheCaption) {
    s.SpinWin = 0;
    m.machine.countUp();
    EXPECT_EQ(m.log, EventLog{"DrawCaption Winnings 440 right"});
}

TEST_F(CountUp, CreditsStopAtTheLimitInsteadOfWrapping) {
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    s.Credits = Max - 10;
    s.SpinWin = 100;
    m.machine.countUp();
    EXPECT_EQ(s.Credits, Max);
    EXPECT_EQ(s.SpinWin, 0);
}
