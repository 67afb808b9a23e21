// What the machine writes into the recall log as plays settle: the credits chain
// from play to play, the reels and lines, a held reel, the bonus game's box, the
// loan desk, the log's limit and a new game.
#include "engine/bonus/BoxBonusRound.h"
#include "engine/state/LoanDesk.h"
#include "tests/support/SyntheticGame.h"
#include "tests/support/TestMachine.h"

#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace recall_capture_test {

struct RecallCapture : ::testing::Test {
    RecallCapture() : m(std::make_unique<SyntheticGame>()) {
        game = static_cast<SyntheticGame*>(&m.game());
        m.machine.setRecalling(true);
    }
    // One spin of `coins` (below the coin limit, whose last coin spins by itself)
    // with the reels stopping at `stops` (top rows).
    void spin(std::int32_t coins, std::array<std::int32_t, ReelCount> stops) {
        for (std::int32_t coin = 0; coin < coins; ++coin) {
            m.machine.betOne();
        }
        m.machine.forceStops(stops);
        m.machine.spin();
    }
    const PlayRecord& last() const { return log()[log().size() - 1]; }
    const RecallLog& log() const { return m.machine.recallLog(); }

    TestMachine m;
    SyntheticGame* game = nullptr;
};

} // namespace recall_capture_test

using namespace recall_capture_test;

TEST_F(RecallCapture, EachSpinStartsWithTheCreditsTheOneBeforeLeftAndTheLogKeepsTheLastHundred) {
    // Stops 30, 30, 30 put 0, 0, 0 on the middle row: three zeros pay 100 a coin.
    spin(2, {30, 30, 30});
    const PlayRecord& first = last();
    EXPECT_EQ(first.kind, PlayKind::Spin);
    EXPECT_EQ(first.spin, 1);
    EXPECT_EQ(first.coins, 2);
    EXPECT_EQ(first.stops, (std::array<std::int32_t, ReelCount>{30, 30, 30}));
    ASSERT_EQ(first.paylines.size(), 1u);
    EXPECT_EQ(first.paylines[0], (LineResult{1, {0, 0, 0}, 200}));
    EXPECT_EQ(first.lines, std::vector<int>{1});
    EXPECT_EQ(first.win, 200);
    EXPECT_EQ(first.creditsBefore, NewGameCredits);
    EXPECT_EQ(first.creditsAfter, NewGameCredits - 2 + 200);
    EXPECT_TRUE(first.moves.empty());

    for (int n = 2; n <= 101; ++n) {
        spin(1, {n % StripLength + 1, 5, 5});
    }
    ASSERT_EQ(log().size(), RecallLog::Capacity);
    EXPECT_EQ(log()[0].spin, 2) << "the 101st play drops the first";
    for (std::size_t i = 1; i < log().size(); ++i) {
        ASSERT_EQ(log()[i].creditsBefore, log()[i - 1].creditsAfter) << "play " << i;
    }
    EXPECT_EQ(last().creditsAfter, m.state.Credits);
    EXPECT_EQ(last().spin, m.state.Spins);
}

TEST_F(RecallCapture, AHeldReelIsAMoveThatKeepsItsStop) {
    game->heldReel = 1;
    m.state.ReelStop = {7, 8, 9};
    spin(1, {20, 21, 22});
    EXPECT_EQ(last().stops, (std::array<std::int32_t, ReelCount>{20, 8, 22}));
    EXPECT_EQ(last().moves, std::vector<ReelMove>{(ReelMove{1, 8, 8, ReelMover::Held})});
}

TEST_F(RecallCapture, ABonusGameKeepsTheBoxOpenedWhatItHeldAndWhatItPaid) {
    m.state.BonusPts = FullBonusPoints;
    m.bonus.onPlay = [](GameContext& machine) {
        BoxBonusRound round(machine, nullptr);
        round.open(3);
        round.close();
    };
    spin(1, {5, 5, 5});
    ASSERT_TRUE(last().bonus.has_value());
    const std::int32_t held = m.state.BoxValues[2];
    EXPECT_EQ(last().bonus->box, 2);
    EXPECT_EQ(last().bonus->held, held);
    EXPECT_EQ(last().bonus->paid, held);
    EXPECT_EQ(last().win, held);
    EXPECT_EQ(last().bonusPointsBefore, FullBonusPoints);
    EXPECT_EQ(last().bonusPointsAfter, 0);
    EXPECT_EQ(last().creditsAfter, m.state.Credits);
}

TEST_F(RecallCapture, LoansAndPaybacksArePlaysAndANewGameEmptiesTheLog) {
    spin(2, {5, 5, 5});
    m.machine.betOne(); // a coin bet and not yet played is still the player's
    const std::int32_t before = m.state.Credits + m.state.Coins;
    ASSERT_TRUE(borrow(m.state, 500).done);
    m.machine.recordLoanDesk(PlayKind::Loan, 500, before);
    EXPECT_EQ(last().kind, PlayKind::Loan);
    EXPECT_EQ(last().loan, 500);
    EXPECT_EQ(last().creditsBefore, log()[0].creditsAfter);
    EXPECT_EQ(last().creditsAfter, before + 500);

    ASSERT_TRUE(m.machine.newGame());
    EXPECT_TRUE(log().empty());
}

TEST_F(RecallCapture, NothingIsWrittenWhileRecordingIsOffOrWithoutABet) {
    m.machine.spin(); // no bet placed
    EXPECT_TRUE(log().empty());
    m.machine.setRecalling(false);
    spin(1, {5, 5, 5});
    EXPECT_TRUE(log().empty());
}
