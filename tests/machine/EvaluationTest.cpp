// The evaluation of the payline: the pay, bonus points and the box bonus.
#include "engine/bonus/BoxBonusRound.h"
#include "tests/support/SyntheticGame.h"
#include "tests/support/TestMachine.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

struct Evaluation : ::testing::Test {
    Evaluation() : m(std::make_unique<SyntheticGame>(hookLog)) {
        game = static_cast<SyntheticGame*>(&m.game());
    }

    // Evaluates a payline of strip positions with `coins` bet, as the spin command would.
    void evaluate(int p0, int p1, int p2, std::int32_t coins) {
        m.setPayline(p0, p1, p2);
        s.Coins = coins;
        m.log.clear();
        m.machine.evaluatePayline();
    }

    EventLog hookLog;
    TestMachine m;
    SyntheticGame* game = nullptr;
    GameState& s = m.state;
};

// Strip positions of the synthetic game: three zeros pay 100 a coin, and a line of
// twos pays nothing.
constexpr int Zero0 = 1, Zero1 = 11, Zero2 = 21, Blank = 3;

} // namespace

TEST_F(Evaluation, TheLinePayTimesTheCoinsIsCountedIn) {
    evaluate(Zero0, Zero1, Zero2, 3);
    EXPECT_EQ(m.machine.lastSpin().lineWin, 300);
    EXPECT_EQ(s.Credits, 1000 + 300);
    EXPECT_EQ(s.SpinWin, 0);
    EXPECT_EQ(m.log[0], "Start WinLamps");
    EXPECT_EQ(m.log[1], "WinSound");
    EXPECT_EQ(m.log[2], "DrawCaption Winnings 440 right");

    evaluate(Zero0, Zero1, Zero2, 1);
    EXPECT_EQ(m.machine.lastSpin().lineWin, 100);
}

TEST_F(Evaluation, ALosingLineDoesNothing) {
    evaluate(Blank, Blank, Blank, 3);
    EXPECT_EQ(m.machine.lastSpin().lineWin, 0);
    EXPECT_EQ(s.Credits, 1000);
    EXPECT_TRUE(m.log.empty());
}

TEST_F(Evaluation, WithSoundOffTheWinGoesStraightToTheCountUp) {
    s.SoundOn = false;
    const std::int64_t before = m.clock.now();
    evaluate(Zero0, Zero1, Zero2, 1); // 100
    EXPECT_EQ(m.count("WinSound"), 0);
    // One step of 10, fourteen of 5 and twenty of 1, no pause for a win sound.
    EXPECT_EQ(m.clock.now() - before, 35 * 75);
}

TEST_F(Evaluation, BonusPointsAreAddedOneByOneUpToTwelve) {
    s.BonusPts = 10;
    game->bonusRule = [](GameContext&) { return 3; };
    evaluate(Blank, Blank, Blank, 1);

    EXPECT_EQ(m.count("Sound 6 wait"), 2);
    EXPECT_EQ(m.count("BonusGame"), 1);
    EXPECT_EQ(m.count("WinSound"), 0) << "the bonus game alone plays no win sound";
    EXPECT_EQ(m.count("Start WinLamps"), 0);
    EXPECT_EQ(s.BonusPts, 0);
    // Meter, point sound, meter, point sound, then the game, then the emptied meter.
    EXPECT_EQ(m.log, (EventLog{"ShowBonusMeter", "Sound 6 wait", "ShowBonusMeter", "Sound 6 wait",
                               "BonusGame", "ShowBonusMeter"}));
}

TEST_F(Evaluation, ANegativeRuleClearsThePoints) {
    s.BonusPts = 7;
    game->bonusRule = [](GameContext&) { return -7; };
    evaluate(Blank, Blank, Blank, 1);
    EXPECT_EQ(s.BonusPts, 0);
    EXPECT_EQ(m.log, EventLog{"ShowBonusMeter"});
}

TEST_F(Evaluation, PointsAboveTwelveFromARecordStartTheBonusAndAreLimited) {
    s.BonusPts = 15;
    game->bonusRule = [](GameContext&) { return 2; };
    int pointsSeenByBonus = -1;
    m.bonus.onPlay = [&](GameContext& machine) { pointsSeenByBonus = machine.state().BonusPts; };
    evaluate(Blank, Blank, Blank, 1);
    EXPECT_EQ(m.count("Sound 6 wait"), 0);
    EXPECT_EQ(m.bonus.plays, 1);
    EXPECT_GE(pointsSeenByBonus, 12);
    EXPECT_EQ(s.BonusPts, 0);

    s.BonusPts = 40;
    m.machine.ShowBonusMeter();
    EXPECT_EQ(s.BonusPts, 12);
}

TEST_F(Evaluation, ABonusPrizeIsCountedAfterTheLineWinAndNotMultiplied) {
    s.BonusPts = 12;
    std::array<std::int32_t, BoxCount> boxesSeen{};
    m.bonus.onPlay = [&](GameContext& machine) {
        boxesSeen = machine.state().BoxValues;
        BoxBonusRound round(machine, nullptr);
        // Open the box that holds 40, as a player would by pointing at it.
        const auto& boxes = machine.state().BoxValues;
        round.open(static_cast<int>(std::find(boxes.begin(), boxes.end(), 40) - boxes.begin()) + 1);
        round.close();
    };
    evaluate(Zero0, Zero1, Zero2, 2);
    EXPECT_EQ(m.machine.lastSpin().lineWin, 200);
    EXPECT_EQ(m.machine.lastSpin().bonusPrize, 40);
    EXPECT_TRUE(m.machine.lastSpin().bonusPlayed);
    EXPECT_EQ(s.Credits, 1000 + 200 + 40);
    EXPECT_EQ(s.BonusWon, 40);
    EXPECT_EQ(s.SpinWin, 0);
    EXPECT_LT(m.indexOf("WinSound"), m.indexOf("BonusGame"));
    EXPECT_EQ(m.count("DrawCaption Winnings 440 right"), 2) << "one count-up for each";
    EXPECT_EQ(m.log.back(), "ShowWinnings 40");

    // The game's boxes were refilled and shuffled before the game began.
    auto sorted = boxesSeen;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::array<std::int32_t, BoxCount>{0, 0, 20, 40, 75, 75, 200, 500}));
}

TEST_F(Evaluation, AnEmptyBoxPaysNothing) {
    s.BonusPts = 12;
    m.bonus.onPlay = [](GameContext& machine) {
        BoxBonusRound round(machine, nullptr);
        const auto& boxes = machine.state().BoxValues;
        round.open(static_cast<int>(std::find(boxes.begin(), boxes.end(), 0) - boxes.begin()) + 1);
        round.close();
    };
    evaluate(Blank, Blank, Blank, 2);
    EXPECT_EQ(s.Credits, 1000);
    EXPECT_EQ(s.BonusWon, 0);
    EXPECT_EQ(m.count("DrawCaption Winnings 440 right"), 0);
}
