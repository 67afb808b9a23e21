// Pawlane's symbols, lines, paytable, marked stops, bets and bonus game, played
// through the engine.
#include "engine/bonus/BoxBonusRound.h"
#include "engine/state/ReelStrips.h"
#include "games/pawlane/PawlaneEvaluation.h"
#include "games/pawlane/PawlaneGame.h"
#include "games/pawlane/PawlaneSymbols.h"
#include "games/pawlane/PawlaneTimers.h"
#include "tests/support/TestMachine.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <string>

using namespace slotmachine;
using namespace slotmachine::pawlane;
using slotmachine::testing::EventLog;
using slotmachine::testing::TestMachine;

namespace {

std::unique_ptr<TestMachine> pawlaneMachine() {
    return std::make_unique<TestMachine>(std::make_unique<PawlaneGame>());
}

// Evaluates the reels at `stops` with `coins` bet, as the spin command would.
void evaluateAt(TestMachine& m, std::array<std::int32_t, ReelCount> stops, std::int32_t coins) {
    m.state.ReelStop = stops;
    m.state.Coins = coins;
    m.game().evaluate(m.machine);
}

std::string at(std::array<std::int32_t, ReelCount> stops, std::int32_t coins) {
    return std::to_string(stops[0]) + "," + std::to_string(stops[1]) + "," + std::to_string(stops[2]) +
           " with " + std::to_string(coins);
}

} // namespace

TEST(PawlaneRulesTest, MarkedStopsAreDrawnFromTheSecondHalfOfTheSheet) {
    const PawlaneGame game;
    int marked = 0;
    for (int reel = 0; reel < ReelCount; ++reel) {
        int wilds = 0;
        for (int position = 1; position <= StripLength; ++position) {
            const int code = pawlaneValues().strips[static_cast<std::size_t>(reel)][position - 1] - '0';
            ASSERT_LT(code, SymbolCount);
            const bool isMarked = markedStopAt(reel, position) != nullptr;
            marked += isMarked ? 1 : 0;
            wilds += code == Wild ? 1 : 0;
            EXPECT_EQ(game.symbolNumber(reel, position), isMarked ? code + 8 : code)
                << "reel " << reel << " position " << position;
        }
        EXPECT_EQ(wilds, 1) << "reel " << reel;
    }
    EXPECT_EQ(marked, 9);
    // Each mark stands on the symbol the rules give it.
    EXPECT_EQ(game.symbolNumber(0, 28), 9);  // reset on a 1
    EXPECT_EQ(game.symbolNumber(1, 12), 11); // the hold on a 3
    EXPECT_EQ(game.symbolNumber(2, 27), 14); // 2 points on a 6
}

TEST(PawlaneRulesTest, TheWildStandsForAnySymbolAndLinesPayWithoutTheCoins) {
    const PawlaneGame game;
    struct Line {
        int c0, c1, c2;
        std::int32_t pay;
    };
    const Line lines[] = {
        {0, 0, 0, 2500}, {0, 1, 1, 50}, {1, 0, 2, 0},  {0, 0, 7, 5},  {0, 0, 1, 50}, {2, 0, 2, 20},
        {3, 3, 0, 18},   {4, 4, 4, 14}, {5, 0, 5, 12}, {6, 6, 6, 10}, {7, 7, 7, 5},  {7, 7, 6, 0},
    };
    for (const Line& l : lines) {
        for (std::int32_t coins = 1; coins <= 3; ++coins) {
            EXPECT_EQ(game.paytable().credits(l.c0, l.c1, l.c2, coins), l.pay)
                << l.c0 << "," << l.c1 << "," << l.c2 << " with " << coins;
        }
    }
}

TEST(PawlaneRulesTest, OnlyTheLinesTheCoinsOpenPay) {
    struct Case {
        std::array<std::int32_t, ReelCount> stops;
        std::int32_t coins;
        std::int32_t win;
        std::array<bool, LineCount> won;
    };
    const Case cases[] = {
        // The start: three wilds on the middle row.
        {{11, 15, 27}, 1, 2500, {true, false, false}},
        // Three wilds on the top row need the second coin.
        {{12, 16, 28}, 1, 0, {}},
        {{12, 16, 28}, 2, 2500, {false, true, false}},
        // 7s on the top row and 1s on the bottom row.
        {{7, 2, 19}, 1, 0, {}},
        {{7, 2, 19}, 2, 5, {false, true, false}},
        {{7, 2, 19}, 3, 55, {false, true, true}},
        // 2s on the top row and 7s on the middle row.
        {{1, 6, 13}, 3, 25, {true, true, false}},
    };
    for (const Case& c : cases) {
        auto m = pawlaneMachine();
        const std::int32_t credits = m->state.Credits;
        evaluateAt(*m, c.stops, c.coins);
        const auto& game = static_cast<const PawlaneGame&>(m->game());
        EXPECT_EQ(m->machine.lastSpin().lineWin, c.win) << at(c.stops, c.coins);
        EXPECT_EQ(m->state.Credits, credits + c.win) << at(c.stops, c.coins);
        for (int line = 0; line < LineCount; ++line) {
            EXPECT_EQ(game.lineBars().won(line), c.won[static_cast<std::size_t>(line)])
                << at(c.stops, c.coins) << " line " << line;
        }
    }
}

TEST(PawlaneRulesTest, WinningBarsBlinkAndTheWinComesBeforeItsCountUp) {
    auto m = pawlaneMachine();
    evaluateAt(*m, {7, 2, 19}, 3);
    EXPECT_LT(m->indexOf("WinSound"), m->indexOf("Start WinLamps"));
    EXPECT_LT(m->indexOf("Start GameFeature3"), m->indexOf("ShowWinnings 5"));
    EXPECT_EQ(m->count("Start GameFeature2"), 0);

    m->log.clear();
    m->game().timerTick(m->machine, WinningLineBlinking);
    m->game().timerTick(m->machine, WinningLineBlinking);
    const EventLog blinking = {
        "DrawMaskedPictureHalf Blue Mask 301 lit",
        "DrawMaskedPictureHalf Green Mask 453 lit",
        "DrawMaskedPictureHalf Blue Mask 301 unlit",
        "DrawMaskedPictureHalf Green Mask 453 unlit",
    };
    EXPECT_EQ(m->log, blinking);

    // The next spin stops the blinking and lights every bar for the spin.
    m->log.clear();
    m->game().spinStarting(m->machine);
    const EventLog starting = {
        "Stop GameFeature2",
        "Stop GameFeature3",
        "DrawMaskedPictureHalf Red Mask 377 lit",
        "DrawMaskedPictureHalf Blue Mask 301 lit",
        "DrawMaskedPictureHalf Green Mask 453 lit",
        "DrawMeter 6 330 red right", // over what the repeated bet's Coins meter cleared
    };
    EXPECT_EQ(m->log, starting);
    m->log.clear();
    m->game().timerTick(m->machine, WinningLineBlinking);
    EXPECT_TRUE(m->log.empty());
}

TEST(PawlaneRulesTest, MarkedStopsActOnlyOnTheRowsOfOpenLines) {
    // Reel 1's 3-point stop (position 5) on the bottom row, the middle row, the top row.
    struct Case {
        std::int32_t reel1Stop;
        std::int32_t coins;
        std::int32_t points;
    };
    const Case cases[] = {{3, 2, 0}, {3, 3, 3}, {4, 1, 3}, {5, 1, 0}, {5, 2, 3}};
    for (const Case& c : cases) {
        auto m = pawlaneMachine();
        evaluateAt(*m, {1, c.reel1Stop, 10}, c.coins);
        EXPECT_EQ(m->state.BonusPts, c.points) << "stop " << c.reel1Stop << " with " << c.coins;
        EXPECT_EQ(m->count("Sound 6 wait"), c.points) << "stop " << c.reel1Stop << " with " << c.coins;
    }
}

TEST(PawlaneRulesTest, AResetCancelsThePointsOfItsOwnSpin) {
    for (const std::int32_t before : {0, 4}) {
        auto m = pawlaneMachine();
        m->state.BonusPts = before;
        // Reel 0's reset (position 28) and reel 1's 3 points (position 5) on the middle row.
        evaluateAt(*m, {27, 4, 1}, 1);
        EXPECT_EQ(m->state.BonusPts, 0) << before;
        EXPECT_EQ(m->count("Sound 2 wait"), 1) << before;
        EXPECT_EQ(m->count("Sound 6 wait"), 0) << before;
        EXPECT_EQ(m->count("ShowBonusMeter"), before > 0 ? 1 : 0) << before;
    }
}

TEST(PawlaneRulesTest, PointsStopAtTwelveAndTheBonusFollowsTheWin) {
    auto m = pawlaneMachine();
    m->state.BonusPts = 10;
    m->bonus.onPlay = [](GameContext& machine) {
        BoxBonusRound round(machine, nullptr);
        machine.state().BoxValues = {0, 1, 25, 50, 100, 250, 1, 0};
        round.open(2);
        round.close();
    };
    const std::int32_t holds = m->state.Stock;
    // 5s on the middle row (12 credits) with reel 1's 3-point stop among them.
    evaluateAt(*m, {12, 4, 6}, 1);
    EXPECT_EQ(m->count("Sound 6 wait"), 2);
    EXPECT_EQ(m->bonus.plays, 1);
    EXPECT_LT(m->indexOf("WinSound"), m->indexOf("BonusGame"));
    EXPECT_LT(m->indexOf("ShowWinnings 12"), m->indexOf("BonusGame"));
    // The holds prize of a one-coin spin: two holds, no credits.
    EXPECT_EQ(m->state.Stock, holds + 2);
    EXPECT_EQ(m->machine.lastSpin().bonusPrize, 0);
    EXPECT_EQ(m->state.BonusWon, 0);
    EXPECT_EQ(m->state.BonusPts, 0);
    EXPECT_EQ(m->state.SpinWin, 0);
}

TEST(PawlaneRulesTest, TheHoldsPrizeIsGivenOncePerBonusGame) {
    for (const std::int32_t coins : {1, 3}) {
        auto m = pawlaneMachine();
        m->state.Coins = coins;
        m->state.BoxValues = {1, 0, 250, 1, 100, 50, 25, 0};
        QImage prize(640, 480, QImage::Format_RGB32);
        prize.fill(Qt::white);
        BoxBonusRound round(m->machine, &prize);
        const std::int32_t holds = m->state.Stock;
        round.open(1);
        round.open(4); // the other holds box, and a credit box: nothing opens after the first
        round.open(3);
        EXPECT_EQ(m->state.Stock, holds + 2 * coins) << coins;
        EXPECT_EQ(m->state.SpinWin, 0) << coins;
        round.close();
        EXPECT_EQ(m->state.BonusWon, 0) << coins;
        // The text is red, at (40, 200).
        bool red = false;
        for (int y = 200; y < 240 && !red; ++y) {
            for (int x = 40; x < 200 && !red; ++x) {
                red = prize.pixel(x, y) == qRgb(255, 0, 0);
            }
        }
        EXPECT_TRUE(red) << coins;
    }

    auto m = pawlaneMachine();
    m->state.BoxValues = {1, 0, 250, 1, 100, 50, 25, 0};
    BoxBonusRound round(m->machine, nullptr);
    round.open(7);
    EXPECT_EQ(m->state.SpinWin, 25);
    round.close();
    EXPECT_EQ(m->state.BonusWon, 25);
}

TEST(PawlaneRulesTest, EachBetDrawsItsCoinsBarsAndMetersInItsOwnOrder) {
    auto m = pawlaneMachine();
    m->state.Credits = 2;
    m->machine.betFive();
    EXPECT_EQ(m->state.Coins, 2);
    EXPECT_EQ(m->state.Credits, 0);
    EXPECT_EQ(m->state.Spins, 0);
    EXPECT_TRUE(m->dialogs.messages.empty());
    // BET 3 draws each coin's bars before the meters, then plays its sound.
    const EventLog lastCoin(m->log.end() - 7, m->log.end());
    const EventLog betThree = {
        "DrawMaskedPictureHalf Red Mask 377 lit",
        "DrawMaskedPictureHalf Blue Mask 301 lit",
        "DrawMaskedPictureHalf Green Mask 453 unlit",
        "ShowCredits",
        "ShowCoins",
        "DrawMeter 6 330 red right", // over what the Coins meter cleared
        "Sound 1",
    };
    EXPECT_EQ(lastCoin, betThree);

    // BET 1 plays the sound first and draws the bars after the meters. Its coin,
    // the third, spins; a fourth is never taken.
    m->log.clear();
    m->state.Credits = 5;
    m->machine.betOne();
    const EventLog thirdCoin(m->log.begin(), m->log.begin() + 7);
    const EventLog betOne = {
        "Sound 1",
        "ShowCredits",
        "ShowCoins",
        "DrawMaskedPictureHalf Red Mask 377 lit",
        "DrawMaskedPictureHalf Blue Mask 301 lit",
        "DrawMaskedPictureHalf Green Mask 453 lit",
        "DrawMeter 6 330 red right",
    };
    EXPECT_EQ(thirdCoin, betOne);
    EXPECT_EQ(m->state.Spins, 1);
    EXPECT_EQ(m->state.TotalBets, 3);
}

TEST(PawlaneRulesTest, TheReelsStartOnThreeWildsAndRowsWrapAfterThirty) {
    auto m = pawlaneMachine();
    for (int reel = 0; reel < ReelCount; ++reel) {
        EXPECT_EQ(symbolAt(reel, rowPosition(m->state, reel, 1)), Wild) << reel;
    }
    EXPECT_EQ(m->state.Spins, 0);
    EXPECT_EQ(m->state.SpinWin, 0);

    // Stops 30, 29, 28: reel 0 reads 30, 1, 2; reel 1 29, 30, 1; reel 2 28, 29, 30,
    // so reel 2's wild stands on the top row, where nothing pays.
    m->state.ReelStop = {30, 29, 28};
    ReelReading reading = readReels(m->state, m->game().paytable(), 3);
    EXPECT_EQ(reading.linePay, (std::array<std::int32_t, LineCount>{0, 0, 0}));
    // Stops 30, 30, 1: the bottom row reads positions 2, 2, 3, three 7s, with reel 2's
    // point on position 3.
    m->state.ReelStop = {30, 30, 1};
    reading = readReels(m->state, m->game().paytable(), 3);
    EXPECT_EQ(reading.linePay, (std::array<std::int32_t, LineCount>{0, 0, 5}));
    EXPECT_EQ(reading.points, 1);
}
