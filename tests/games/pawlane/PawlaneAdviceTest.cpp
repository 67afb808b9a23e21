// Pawlane's advice on holds: the hold worth most to the next spin, its worth against
// a count over every stop of the free reels, and following it as a press would.
#include "games/pawlane/PawlaneAdvice.h"

#include "engine/core/Paytable.h"
#include "engine/state/ReelStrips.h"
#include "games/pawlane/PawlaneEvaluation.h"
#include "games/pawlane/PawlaneGame.h"
#include "games/pawlane/PawlaneTimers.h"
#include "tests/support/TestMachine.h"

#include <gtest/gtest.h>
#include <memory>

using namespace slotmachine;
using namespace slotmachine::pawlane;
using slotmachine::testing::TestMachine;

namespace pawlane_advice_test {

// The top-row stop that puts the `nth` plain `symbol` of `reel` on the middle row.
int stopShowing(int reel, int symbol, int nth = 0) {
    for (int position = 1; position <= StripLength; ++position) {
        if (symbolAt(reel, position) == symbol && markedStopAt(reel, position) == nullptr && nth-- == 0) {
            return previousPosition(position);
        }
    }
    throw std::invalid_argument("no such plain stop");
}

// The worth of a hold by playing every stop of the free reels through readReels.
double countedWorth(const HoldAdvisor& advisor, const Paytable& paytable, GameState s,
                    const HeldReels& held) {
    const std::int32_t coins = s.LastCoins;
    const auto& points = advisor.pointWorth(coins, 53.125);
    const int carried = s.BonusPts;
    const GameState start = s;
    double total = 0;
    int spins = 0;
    for (int a = 1; a <= StripLength; ++a) {
        for (int b = 1; b <= StripLength; ++b) {
            for (int c = 1; c <= StripLength; ++c) {
                const std::array<int, ReelCount> stops{a, b, c};
                bool fits = true;
                for (int reel = 0; reel < ReelCount; ++reel) {
                    const auto i = static_cast<std::size_t>(reel);
                    fits = fits && (!held[i] || stops[i] == 1);
                    s.ReelStop[i] = held[i] ? start.ReelStop[i] : stops[i];
                }
                if (!fits) {
                    continue;
                }
                const ReelReading reading = readReels(s, paytable, coins);
                for (const std::int32_t pay : reading.linePay) {
                    total += pay;
                }
                const int after = reading.reset ? 0 : std::min(carried + reading.points, FullBonusPoints);
                total += points[static_cast<std::size_t>(after)] - points[static_cast<std::size_t>(carried)];
                ++spins;
            }
        }
    }
    return total / spins;
}

struct PawlaneAdviceTest : ::testing::Test {
    TestMachine m{std::make_unique<PawlaneGame>()};
    PawlaneGame& game() { return static_cast<PawlaneGame&>(m.game()); }

    // A losing spin of one coin on these stops, settled as the spin command does.
    void loseOn(std::array<std::int32_t, ReelCount> stops) {
        m.state.ReelStop = stops;
        m.state.Coins = 1;
        m.game().evaluate(m.machine);
        ASSERT_EQ(m.state.SpinWin, 0);
        m.game().spinSettled(m.machine);
        m.state.LastCoins = 1;
        m.state.Coins = 0;
    }
    HeldReels advised() {
        const std::optional<Advice> advice = m.game().advice(m.machine);
        EXPECT_TRUE(advice.has_value());
        return advice ? advice->hold : HeldReels{};
    }
};

} // namespace pawlane_advice_test

using pawlane_advice_test::PawlaneAdviceTest;

TEST_F(PawlaneAdviceTest, APairOfHorsesIsHeldWhenTwoHoldsAreLeftAndNothingIsAdvisedWithoutHolds) {
    EXPECT_FALSE(m.game().advice(m.machine)) << "no holds before the first loss";
    m.state.Stock = 2;
    loseOn({pawlane_advice_test::stopShowing(0, 1), pawlane_advice_test::stopShowing(1, 1),
            pawlane_advice_test::stopShowing(2, 2)});
    EXPECT_EQ(advised(), (HeldReels{true, true, false}));
    // One reel held already: the advice keeps it and adds the other.
    ASSERT_TRUE(game().holds().hold(m.machine, 1));
    EXPECT_EQ(advised(), (HeldReels{true, true, false}));
    ASSERT_TRUE(game().holds().hold(m.machine, 0));
    EXPECT_FALSE(m.game().advice(m.machine)) << "two holds a spin";
}

TEST_F(PawlaneAdviceTest, HorsesOnResetStopsAreHeldOnlyWhileTheMeterHoldsNothingToLose) {
    // Horse on reset stops of reels 0 and 2, a cat between them: held, the pair
    // empties the meter again on the next spin.
    m.state.Stock = 6;
    loseOn({27, 2, 8});
    EXPECT_EQ(advised(), (HeldReels{true, false, true}));
    // With eleven points carried nothing is worth holding: three spinning reels
    // beat every hold.
    m.state.BonusPts = 11;
    EXPECT_EQ(advised(), HeldReels{});
}

TEST_F(PawlaneAdviceTest, TheWorthOfAHoldIsTheMeanOverEveryStopOfTheFreeReels) {
    const HoldAdvisor advisor(m.game().paytable(), 53.125);
    const auto& points = advisor.pointWorth(3, 53.125);
    EXPECT_GT(points[11], points[1]) << "a point near a full meter is worth more";
    EXPECT_GT(points[1], 0);
    m.state.BonusPts = 9;
    m.state.LastCoins = 3;
    m.state.ReelStop = {3, 11, 26}; // marked stops on the rows of every reel
    for (const HeldReels held : {HeldReels{}, HeldReels{true, false, false}, HeldReels{false, true, true}}) {
        EXPECT_NEAR(advisor.spinWorth(m.state, 3, held),
                    pawlane_advice_test::countedWorth(advisor, m.game().paytable(), m.state, held), 1e-9);
    }
}

TEST_F(PawlaneAdviceTest, FollowingTheAdviceHoldsAsALampPressWouldAndIsRefusedMidSpin) {
    m.state.Stock = 2;
    loseOn({pawlane_advice_test::stopShowing(0, 1), pawlane_advice_test::stopShowing(1, 1),
            pawlane_advice_test::stopShowing(2, 2)});
    const Advice advice = *m.game().advice(m.machine);
    m.machine.setAnimated(true);
    bool refused = false;
    m.clock.setDuringWait([&] { refused = refused || !m.game().followAdvice(m.machine, advice); });
    m.machine.spin();
    EXPECT_TRUE(refused);

    loseOn({pawlane_advice_test::stopShowing(0, 1), pawlane_advice_test::stopShowing(1, 1),
            pawlane_advice_test::stopShowing(2, 2)});
    m.log.clear();
    EXPECT_TRUE(m.game().followAdvice(m.machine, advice));
    EXPECT_TRUE(game().holds().held(0));
    EXPECT_TRUE(game().holds().held(1));
    EXPECT_EQ(m.count("Stop GameFeature2"), 2) << "as presses: the second hold, then the empty stock";
    EXPECT_FALSE(m.game().followAdvice(m.machine, advice)) << "nothing left to hold";
}

TEST_F(PawlaneAdviceTest, OnlyShownAdviceKeepsItsLampsLitThroughTheBlinking) {
    m.state.Stock = 2;
    loseOn({pawlane_advice_test::stopShowing(0, 1), pawlane_advice_test::stopShowing(1, 1),
            pawlane_advice_test::stopShowing(2, 2)});
    for (const bool shown : {false, true}) {
        m.game().showAdvice(shown);
        m.log.clear();
        m.game().timerTick(m.machine, HoldLampBlinking);
        m.game().timerTick(m.machine, HoldLampBlinking);
        EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 260 lit"), shown ? 2 : 1) << shown;
        EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 364 lit"), shown ? 2 : 1) << shown;
        EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 468 lit"), 1) << shown;
    }
    // Switched on in the dark phase, the advised lamps light at once.
    m.game().showAdvice(false);
    do {
        m.log.clear();
        m.game().timerTick(m.machine, HoldLampBlinking);
    } while (m.count("DrawPictureHalf HoldLamp 260 lit") != 0);
    m.log.clear();
    m.game().showAdvice(true);
    m.game().adviceSwitched(m.machine);
    EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 260 lit"), 1);
    EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 468 lit"), 0);
}
