// Emberpeak's nudges: when they are offered, the press on a nudge button, the move
// of the reel and the evaluation that pays it.
#include "games/emberpeak/EmberpeakTimers.h"
#include "tests/games/emberpeak/EmberpeakTesting.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace slotmachine;
using namespace slotmachine::emberpeak;
using namespace slotmachine::emberpeak::testing;

namespace {

struct EmberpeakNudges : ::testing::Test, EmberpeakMachine {
    // Strip positions on the payline of reels 0, 1 and 2 for which `wanted` holds,
    // the first found.
    std::array<int, ReelCount> findLine(const std::function<bool(int, int, int)>& wanted) {
        for (int p0 = 1; p0 <= StripLength; ++p0) {
            for (int p1 = 1; p1 <= StripLength; ++p1) {
                for (int p2 = 1; p2 <= StripLength; ++p2) {
                    if (wanted(p0, p1, p2)) {
                        return {p0, p1, p2};
                    }
                }
            }
        }
        ADD_FAILURE() << "no such payline";
        return {1, 1, 1};
    }
    bool loses(int p0, int p1, int p2) const {
        return codeAt(m.state, 2, p2) != WildSymbol &&
               game->paytable().match(codeAt(m.state, 0, p0), codeAt(m.state, 1, p1),
                                      codeAt(m.state, 2, p2)) == nullptr;
    }
    // Every entry of the log that starts with `prefix`, in order.
    std::vector<std::string> entries(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& e : m.log) {
            if (e.rfind(prefix, 0) == 0) {
                found.push_back(e);
            }
        }
        return found;
    }
};

} // namespace

TEST_F(EmberpeakNudges, EachNudgeLowersTheCountAndTheLastSwitchesTheButtonsOff) {
    // A losing line that still loses with reel 0 nudged.
    const auto line = findLine(
        [this](int p0, int p1, int p2) { return loses(p0, p1, p2) && loses(previousPosition(p0), p1, p2); });
    for (int held = 6; held >= 1; --held) {
        m.setPayline(line[0], line[1], line[2]);
        settle(1);
        ASSERT_TRUE(game->nudgeMode());
        m.log.clear();
        pressNudgeButton(0);
        EXPECT_EQ(m.state.Stock, held - 1);
        EXPECT_EQ(m.log[1], countBox(held - 1));
        EXPECT_EQ(paylinePosition(m.state, 0), previousPosition(line[0]));
        EXPECT_EQ(game->nudgeMode(), held > 1);
        EXPECT_EQ(m.timers.isActive(NudgeButtonBlinking), held > 1);
    }
    EXPECT_EQ(m.log.back(), "DrawPictureHalf BonusMeter 468 unlit");
    EXPECT_EQ(m.state.Spins, 0);
    EXPECT_EQ(m.state.TotalBets, 0);
}

TEST_F(EmberpeakNudges, AReelAtStopOneMovesToStopThirty) {
    const auto line = findLine([this](int p0, int p1, int p2) { return p1 == 2 && loses(p0, p1, p2); });
    m.setPayline(line[0], line[1], line[2]);
    ASSERT_EQ(m.state.ReelStop[1], 1);
    settle(1);
    const auto stops = m.state.ReelStop;
    ASSERT_TRUE(game->nudge(m.machine, 1));
    EXPECT_EQ(m.state.ReelStop, (std::array<std::int32_t, 3>{stops[0], 30, stops[2]}));
}

TEST_F(EmberpeakNudges, NudgingTheWildSymbolOntoThePaylinePaysAndEarnsANudge) {
    // Reel 2 shows 1 on the payline, below the wild symbol at position 8.
    m.setPayline(positionOf(0, 2), positionOf(1, 5), 9);
    settle(2);
    ASSERT_TRUE(game->nudgeMode());
    const std::int32_t credits = m.state.Credits;
    m.log.clear();
    pressNudgeButton(2);
    EXPECT_EQ(m.state.Credits, credits + 2) << "the bet back of the last bet";
    EXPECT_EQ(m.state.Stock, 6);
    EXPECT_EQ(entries("DrawTextBox"), (std::vector<std::string>{countBox(5), countBox(6)}));
    EXPECT_TRUE(m.timers.isActive(WildAnimationTimer));
    EXPECT_EQ(m.machine.lastSpin().lineWin, 2);
    EXPECT_FALSE(game->nudgeMode());
}

TEST_F(EmberpeakNudges, ANudgeToThreeBonusSymbolsOpensTheBonusGame) {
    // Reel 2's only bonus symbol stands at position 4, above the payline at 5.
    m.setPayline(positionOf(0, BonusSymbol), positionOf(1, BonusSymbol), 5);
    settle(1);
    ASSERT_TRUE(game->nudge(m.machine, 2));
    EXPECT_EQ(m.bonus.plays, 1);
    EXPECT_EQ(m.state.Stock, 5);
}

TEST_F(EmberpeakNudges, PressesWithoutAnOfferOnlySwitchOffWhenNoneAreLeft) {
    // After a win nothing is offered.
    showLine(7, 7, 7);
    settle(1);
    const auto stops = m.state.ReelStop;
    pressNudgeButton(0);
    EXPECT_EQ(m.state.ReelStop, stops);
    EXPECT_EQ(m.state.Stock, 6);

    // A loss with no nudges held offers them, the buttons do not blink, and the next
    // press ends the offer.
    m.state.Stock = 0;
    showLine(4, 4, 3);
    settle(1);
    EXPECT_TRUE(game->nudgeMode());
    EXPECT_FALSE(m.timers.isActive(NudgeButtonBlinking));
    const auto lost = m.state.ReelStop;
    m.log.clear();
    pressNudgeButton(1);
    EXPECT_FALSE(game->nudgeMode());
    EXPECT_EQ(m.state.ReelStop, lost);
    EXPECT_EQ(entries("Stop GameFeature2"), std::vector<std::string>{"Stop GameFeature2"});
    EXPECT_EQ(m.log.back(), "DrawPictureHalf BonusMeter 468 unlit");
}

TEST_F(EmberpeakNudges, PressesDuringASpinOrANudgeAreRefused) {
    showLine(4, 4, 3);
    settle(1);
    EXPECT_TRUE(game->reelControl(m.machine, 1)->offered);
    m.machine.setAnimated(true);
    int presses = 0;
    m.clock.setDuringWait([this, &presses] {
        ++presses;
        pressNudgeButton(0);
        pressNudgeButton(1);
        EXPECT_FALSE(game->reelControl(m.machine, 1)->offered);
        pressReelControl(m.machine, 1);
        m.machine.keyDown(KeyBetOne);
        m.machine.keyDown(KeyEnter);
    });
    ASSERT_TRUE(game->nudge(m.machine, 2));
    EXPECT_GT(presses, 0);
    EXPECT_EQ(m.state.Stock, 5);
    EXPECT_EQ(entries("FillMovePicture"),
              std::vector<std::string>{"FillMovePicture 2 " + std::to_string(positionOf(2, 3) - 2)});
    EXPECT_EQ(m.state.Spins, 0);
    EXPECT_EQ(m.state.Coins, 0);

    // The same presses while a spin runs: the spin is the only operation.
    showLine(4, 4, 3);
    settle(1);
    m.log.clear();
    presses = 0;
    const std::int32_t held = m.state.Stock;
    m.machine.spin();
    EXPECT_GT(presses, 0);
    EXPECT_EQ(entries("FillMovePicture"), std::vector<std::string>{});
    EXPECT_EQ(m.state.Spins, 1);
    EXPECT_EQ(m.state.Stock, held + (codeAt(m.state, 2, paylinePosition(m.state, 2)) == WildSymbol ? 1 : 0));
}

TEST_F(EmberpeakNudges, CoinsBetBeforeANudgeGoBackAndTheLastBetIsPaid) {
    m.setPayline(positionOf(0, 2), positionOf(1, 5), 9);
    settle(3);
    const std::int32_t credits = m.state.Credits;
    m.machine.betOne();
    m.machine.betOne();
    ASSERT_EQ(m.state.Coins, 2);
    ASSERT_TRUE(game->nudge(m.machine, 2));
    EXPECT_EQ(m.state.Coins, 0);
    EXPECT_EQ(m.state.LastCoins, 3);
    EXPECT_EQ(m.state.Credits, credits + 3);
    EXPECT_EQ(m.machine.lastSpin().coins, 3);
}

TEST_F(EmberpeakNudges, TheMoveSlidesInEightStepsClicksAndSettlesBeforeTheEvaluation) {
    showLine(4, 4, 3);
    settle(1);
    m.machine.setAnimated(true);
    m.display.logFrames = true;
    m.log.clear();
    const std::int64_t start = m.clock.now();
    const std::uint64_t operations = m.machine.operationsFinished();
    const int stop = m.state.ReelStop[0];
    ASSERT_TRUE(game->nudge(m.machine, 0));

    const std::vector<std::string> expected = {
        "Stop GameFeature2",         countBox(5),          "FillMovePicture 0 " + std::to_string(stop - 1),
        "DrawMoveFrame 0 66",  "DrawMoveFrame 0 56", "DrawMoveFrame 0 46",
        "DrawMoveFrame 0 36",  "DrawMoveFrame 0 26", "DrawMoveFrame 0 16",
        "DrawMoveFrame 0 6",   "DrawMoveFrame 0 0",  "Sound 0",
        "TakeReelPicture 0 8", "DrawHeldReel 0 2",   "DrawHeldReel 0 4",
        "DrawHeldReel 0 2",    "DrawHeldReel 0 0",   "DrawHeldReel 0 -2",
        "DrawHeldReel 0 -4",   "DrawHeldReel 0 -2",  "DrawHeldReel 0 0",
    };
    ASSERT_GE(m.log.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(m.log.begin(), m.log.begin() + static_cast<long>(expected.size())),
              expected);
    EXPECT_EQ(m.clock.now() - start, 8 * 50 + 7 * 20);
    EXPECT_EQ(m.state.ReelStop[0], stop - 1);
    EXPECT_EQ(m.machine.operationsFinished(), operations + 1) << "the window stores the game after it";
}

TEST_F(EmberpeakNudges, ANudgeIsAPlayOfItsOwnInTheRecallLog) {
    m.machine.setRecalling(true);
    const auto line = findLine(
        [this](int p0, int p1, int p2) { return loses(p0, p1, p2) && loses(previousPosition(p0), p1, p2); });
    m.setPayline(line[0], line[1], line[2]);
    settle(2);
    const std::int32_t stop = m.state.ReelStop[0];
    const std::int32_t credits = m.state.Credits;
    const std::int32_t nudges = m.state.Stock;
    ASSERT_TRUE(game->nudge(m.machine, 0));

    ASSERT_EQ(m.machine.recallLog().size(), 1u);
    const PlayRecord& play = m.machine.recallLog()[0];
    EXPECT_EQ(play.kind, PlayKind::Nudge);
    EXPECT_EQ(play.moves, std::vector<ReelMove>{(ReelMove{0, stop, previousPosition(stop), ReelMover::Nudge})});
    EXPECT_EQ(play.coins, 2) << "paid as a spin of the last bet";
    EXPECT_EQ(play.spin, m.state.Spins) << "a nudge counts no spin";
    EXPECT_EQ(play.stockBefore, nudges);
    EXPECT_EQ(play.stockUsed, 1);
    EXPECT_EQ(play.stockEarned, 0);
    EXPECT_EQ(play.creditsBefore, credits);
    EXPECT_EQ(play.creditsAfter, m.state.Credits);
}
