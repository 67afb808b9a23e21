// The reel animation's frames and timeline on the virtual clock.
#include "engine/machine/ReelAnimation.h"
#include "tests/support/SyntheticGame.h"
#include "tests/support/TestMachine.h"

#include <gtest/gtest.h>
#include <map>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

// When each reel was drawn how, in milliseconds on the machine's clock.
class TimelineDisplay final : public BlankDisplay {
public:
    explicit TimelineDisplay(const Clock& clock) : clock_(clock) {}
    struct Event {
        std::int64_t at;
        std::string what;
        int reel;
        int value;
    };
    std::vector<Event> events;

    void DrawSpinFrame(int reel, std::int32_t offset) override { note("spin", reel, offset); }
    void DrawReelAtRest(int reel) override { note("rest", reel, 0); }
    void HoldReelPicture(int reel) override { note("hold", reel, 1); }
    void DrawHeldReel(int reel, int dy) override { note("bounce", reel, dy); }

    std::vector<Event> of(int reel, const std::string& what) const {
        std::vector<Event> out;
        for (const Event& e : events) {
            if (e.reel == reel && e.what == what) {
                out.push_back(e);
            }
        }
        return out;
    }

private:
    void note(const char* what, int reel, int value) { events.push_back({clock_.now(), what, reel, value}); }
    const Clock& clock_;
};

struct Animation : ::testing::Test {
    EventLog log;
    GameState state;
    Random random{3};
    VirtualClock clock;
    RecordingAudio audio{log, clock};
    ScriptedDialogs dialogs{log};
    TimelineDisplay display{clock};
    RecordingTimers timers{log};
    ScriptedBonusGame bonus{log};
    SyntheticGame game{log};
    SlotMachine machine{{state, game, random, clock, audio, dialogs, display, timers, bonus}};

    Animation() {
        machine.powerOn();
        display.events.clear();
        log.clear();
        state.Coins = 1;
        state.Credits = 100;
    }
    std::int64_t startOfSpin = 0;
    void spin() {
        startOfSpin = clock.now();
        machine.spin();
    }
};

} // namespace

TEST_F(Animation, ReelsStopLeftToRightWithAClickAndABounce) {
    spin();
    for (int reel = 0; reel < ReelCount; ++reel) {
        const auto spins = display.of(reel, "spin");
        const auto rest = display.of(reel, "rest");
        const auto bounce = display.of(reel, "bounce");
        SCOPED_TRACE(reel);
        // Spinning from the first frame (reel 2 too, whose own frame is negative)
        // to its own frame 20; at rest in frame 21, 525 ms plus 225 ms per reel.
        ASSERT_EQ(spins.size(), static_cast<std::size_t>(20 + 9 * reel));
        EXPECT_EQ(spins.front().at - startOfSpin, 25);
        ASSERT_EQ(rest.size(), 1u);
        EXPECT_EQ(rest[0].at - startOfSpin, 525 + 225 * reel);
        ASSERT_EQ(display.of(reel, "hold").size(), 1u);
        EXPECT_EQ(display.of(reel, "hold")[0].at - rest[0].at, 25);
        std::vector<int> offsets;
        for (const auto& e : bounce) {
            offsets.push_back(e.value);
        }
        EXPECT_EQ(offsets, (std::vector<int>{2, 1, 0, -1, -2, -1, 0}));
        EXPECT_EQ(bounce.back().at - rest[0].at, 200);
    }
    EXPECT_EQ(display.events.back().at - startOfSpin, 1175);
    // One click per reel, none waited for.
    EXPECT_EQ(std::count(log.begin(), log.end(), "Sound 0"), 3);
}

TEST_F(Animation, TheMotionPictureMovesDownAndWrapsEachFrame) {
    spin();
    const auto spins = display.of(0, "spin");
    const int step = machine.geometry().ScaleUnit(MotionStep);
    const int strip = machine.geometry().StripHeight;
    for (std::size_t i = 1; i < spins.size(); ++i) {
        EXPECT_EQ(spins[i].value, ((spins[i - 1].value - step) % strip + strip) % strip);
        EXPECT_GE(spins[i].value, 0);
        EXPECT_LT(spins[i].value, strip);
    }
}

TEST_F(Animation, ASlowFrameDelaysTheRestInsteadOfSkippingAny) {
    int waits = 0;
    clock.setDuringWait([&] {
        if (++waits == 5) {
            clock.advance(100); // painting took 100 ms once
        }
    });
    spin();
    EXPECT_EQ(display.of(2, "rest").size(), 1u);
    EXPECT_EQ(display.of(2, "spin").size(), 38u);
    EXPECT_EQ(display.events.back().at - startOfSpin, 1275);
}

TEST_F(Animation, ClosingTheWindowEndsItAtOnceWithoutFurtherClicks) {
    int waits = 0;
    clock.setDuringWait([&] {
        if (++waits == 25) { // reel 0 has stopped, reels 1 and 2 are spinning
            machine.beginShutdown();
        }
    });
    spin();
    EXPECT_EQ(display.of(0, "rest").size(), 1u);
    EXPECT_TRUE(display.of(1, "rest").empty());
    EXPECT_TRUE(display.of(2, "rest").empty());
    EXPECT_EQ(std::count(log.begin(), log.end(), "Sound 0"), 1);
    // The spin still settles and frees the machine.
    EXPECT_FALSE(state.Busy);
    EXPECT_FALSE(machine.operationRunning());
    EXPECT_EQ(state.Spins, 1);
}

TEST_F(Animation, AHeldReelIsNeitherDrawnNorClicked) {
    game.heldReel = 1;
    const auto before = state.ReelStop[1];
    spin();
    EXPECT_TRUE(display.of(1, "spin").empty());
    EXPECT_TRUE(display.of(1, "rest").empty());
    EXPECT_EQ(state.ReelStop[1], before);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Sound 0"), 2);
}
