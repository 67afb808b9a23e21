// Emberpeak's advice: the nudge that pays most, or none, followed as a press would.
#include "games/emberpeak/EmberpeakTimers.h"
#include "tests/games/emberpeak/EmberpeakTesting.h"

#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::emberpeak;
using namespace slotmachine::emberpeak::testing;

namespace emberpeak_advice_test {

struct EmberpeakAdvice : ::testing::Test, EmberpeakMachine {
    // Lava rock, fire crystal, fire crystal: reel 0 nudged shows three fire crystals.
    void loseBesideThreeCrystals() {
        m.setPayline(nextPosition(positionOf(0, 1)), positionOf(1, 1), positionOf(2, 1));
        settle(2);
        ASSERT_TRUE(game->nudgeMode());
    }
};

} // namespace emberpeak_advice_test

using emberpeak_advice_test::EmberpeakAdvice;

TEST_F(EmberpeakAdvice, TheNudgeThatPaysIsAdvisedAndNoneWhenNonePays) {
    EXPECT_FALSE(game->advice(m.machine)) << "no nudge offered before a loss";
    loseBesideThreeCrystals();
    EXPECT_EQ(game->advice(m.machine)->nudge, 0);

    m.setPayline(1, 1, 1); // volcano, lava rock, lava rock: no nudge pays
    settle(2);
    ASSERT_TRUE(game->nudgeMode());
    const std::optional<Advice> none = game->advice(m.machine);
    ASSERT_TRUE(none.has_value());
    EXPECT_FALSE(none->nudge.has_value());
}

TEST_F(EmberpeakAdvice, FollowingTheAdviceNudgesAsAPressWouldWithTheSameRefusals) {
    loseBesideThreeCrystals();
    const Advice advice = *game->advice(m.machine);
    m.state.Busy = true;
    EXPECT_FALSE(game->followAdvice(m.machine, advice));
    m.state.Busy = false;
    const std::int32_t credits = m.state.Credits;
    EXPECT_TRUE(game->followAdvice(m.machine, advice));
    EXPECT_EQ(m.state.Stock, 5);
    EXPECT_EQ(m.state.Credits - credits, 100) << "three fire crystals at two coins";
    EXPECT_FALSE(game->followAdvice(m.machine, advice)) << "a win ends the offer";
}

TEST_F(EmberpeakAdvice, OnlyShownAdviceKeepsItsButtonLitThroughTheBlinking) {
    loseBesideThreeCrystals();
    for (const bool shown : {false, true}) {
        game->showAdvice(shown);
        m.log.clear();
        game->timerTick(m.machine, NudgeButtonBlinking);
        game->timerTick(m.machine, NudgeButtonBlinking);
        EXPECT_EQ(m.count("DrawPictureHalf BonusMeter 260 lit"), shown ? 2 : 1) << shown;
        EXPECT_EQ(m.count("DrawPictureHalf BonusMeter 364 lit"), 1) << shown;
    }
    // Switched on in the dark phase, the advised button lights at once.
    game->showAdvice(false);
    do {
        m.log.clear();
        game->timerTick(m.machine, NudgeButtonBlinking);
    } while (m.count("DrawPictureHalf BonusMeter 260 lit") != 0);
    m.log.clear();
    game->showAdvice(true);
    game->adviceSwitched(m.machine);
    EXPECT_EQ(m.count("DrawPictureHalf BonusMeter 260 lit"), 1);
    EXPECT_EQ(m.count("DrawPictureHalf BonusMeter 364 lit"), 0);
}
