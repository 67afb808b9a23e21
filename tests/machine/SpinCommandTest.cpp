// The spin command: its steps in order, the guard against a second spin, and
// the totals it keeps.
#include "engine/state/NewGame.h"
#include "engine/state/ReelStrips.h"
#include "tests/support/SyntheticGame.h"
#include "tests/support/TestMachine.h"

#include <gtest/gtest.h>
#include <limits>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

struct SpinCommand : ::testing::Test {
    // The game logs its hooks into a log of their own.
    SpinCommand() : m(std::make_unique<SyntheticGame>(hookLog)) {
        game = static_cast<SyntheticGame*>(&m.game());
        hookLog.clear(); // the start's full repaint
    }

    // Makes the next spin's line match no rule, or pay credits, by choosing a seed.
    void seedForOutcome(bool wins) {
        for (std::uint32_t seed = 1; seed < 10000; ++seed) {
            GameState copy = m.state;
            copy.Coins = 1;
            Random trial(seed);
            for (int reel = 0; reel < ReelCount; ++reel) {
                trial(m.machine.geometry().StripHeight);
                copy.ReelStop[static_cast<std::size_t>(reel)] = trial(StripLength) + 1;
            }
            int line[ReelCount];
            for (int reel = 0; reel < ReelCount; ++reel) {
                line[reel] = m.game().paylineSymbol(
                    m.machine, reel, nextPosition(copy.ReelStop[static_cast<std::size_t>(reel)]));
            }
            const PayRule* rule = m.game().paytable().match(line[0], line[1], line[2]);
            if (wins ? rule != nullptr && rule->credits(1) > 0 : rule == nullptr) {
                m.random.seed(seed);
                return;
            }
        }
        FAIL() << "no seed found";
    }

    EventLog hookLog;
    TestMachine m;
    SyntheticGame* game = nullptr;
    GameState& s = m.state;
};

} // namespace

TEST_F(SpinCommand, LosingSpinRunsItsStepsInOrder) {
    seedForOutcome(false);
    s.Coins = 1;
    s.Credits = 999;
    bool busyDuringEvaluation = false;
    game->bonusRule = [&](GameContext& machine) {
        busyDuringEvaluation = machine.state().Busy;
        return 0;
    };
    m.machine.spin();

    const EventLog expected{
        "Stop ButtonBlinking",
        "Stop WinLamps",
        "Stop CoinSignBlinking",
        "DrawLamp TitleGlass lit",
        "DrawLamp TitleStrip lit",
        "DrawButton BetOne dim",
        "DrawButton BetFive dim",
        "DrawButton Spin dim",
        "DrawLamp CoinSign lit",
        "DrawButton BetOne lit",
        "DrawButton BetFive lit",
        "DrawButton Spin lit",
        "Start ButtonBlinking",
        "Start CoinSignBlinking",
    };
    EXPECT_EQ(m.log, expected);
    EXPECT_EQ(hookLog, (EventLog{"Hook spinStarting", "Hook buttonsDimmed", "Hook reelFeatures 0",
                                 "Hook reelFeatures 1", "Hook reelFeatures 2", "Hook evaluate coins 1",
                                 "Hook spinSettled"}));
    EXPECT_TRUE(busyDuringEvaluation);
    EXPECT_FALSE(s.Busy);
    EXPECT_EQ(s.Coins, 0);
    EXPECT_EQ(s.LastCoins, 1);
    EXPECT_EQ(s.Spins, 1);
    EXPECT_EQ(s.TotalBets, 1);
    EXPECT_EQ(s.SpinWin, 0);
    EXPECT_FALSE(m.timers.isActive(MachineTimer::WinLamps));
    EXPECT_TRUE(m.timers.isActive(MachineTimer::CoinSignBlinking));
}

TEST_F(SpinCommand, WinningSpinLeavesTheWinLampsOnAndTheCoinSignStill) {
    seedForOutcome(true);
    s.Coins = 1;
    s.Credits = 999;
    m.machine.spin();

    const std::int32_t win = m.machine.lastSpin().lineWin;
    ASSERT_GT(win, 0);
    EXPECT_EQ(s.Credits, 999 + win);
    EXPECT_LT(m.indexOf("Start WinLamps"), m.indexOf("WinSound"));
    EXPECT_LT(m.indexOf("WinSound"), m.indexOf("Sound 3"));
    EXPECT_EQ(m.log.back(), "Start ButtonBlinking");
    EXPECT_TRUE(m.timers.isActive(MachineTimer::WinLamps));
    EXPECT_FALSE(m.timers.isActive(MachineTimer::CoinSignBlinking));
    // The Coins meter keeps showing the bet just played.
    EXPECT_EQ(m.count("ShowCoins"), 0);
}

TEST_F(SpinCommand, ADueMusicTrackStartsBeforeAnythingElse) {
    s.MusicTrack = 12;
    s.Coins = 1;
    m.machine.spin();
    EXPECT_EQ(m.log.front(), "StartDueTrack");

    // Even a spin refused for want of a bet starts the track.
    m.log.clear();
    m.machine.spin();
    EXPECT_EQ(m.log.front(), "StartDueTrack");

    s.MusicTrack = 2;
    s.Coins = 1;
    m.log.clear();
    m.machine.spin();
    EXPECT_EQ(m.count("StartDueTrack"), 0);
}

TEST_F(SpinCommand, NothingStartsASecondSpinInsideARunningOne) {
    game->bonusRule = [](GameContext&) { return 1; }; // its sound is waited for
    bool newGameAccepted = true;
    m.clock.setDuringWait([&] {
        // A menu command that cleared Busy must not open the door either.
        s.Busy = false;
        for (int key : {KeyEnter, KeySpace, KeyBetOne, KeyBetFive}) {
            m.machine.keyDown(key);
        }
        m.machine.spin();
        m.machine.betOne();
        m.machine.betFive();
        newGameAccepted = m.machine.newGame();
    });
    s.Coins = 2;
    s.Credits = 998;
    m.machine.spin();

    EXPECT_FALSE(newGameAccepted);
    EXPECT_FALSE(m.machine.operationRunning());
    EXPECT_TRUE(m.machine.canReplaceGame());
    EXPECT_EQ(s.Spins, 1);
    EXPECT_EQ(s.TotalBets, 2);
    EXPECT_EQ(m.count("Sound 1"), 0);
    EXPECT_EQ(s.Credits, 998 + m.machine.lastSpin().lineWin);
    EXPECT_TRUE(m.dialogs.messages.empty());
}

TEST_F(SpinCommand, AReelThatDoesNotSpinKeepsItsStop) {
    game->heldReel = 1;
    s.ReelStop = {5, 7, 9};
    const std::uint32_t seed = 4242;
    m.random.seed(seed);
    s.Coins = 1;
    m.machine.spin();

    Random expected(seed); // two draws per spinning reel: the motion offset, then the stop
    expected(m.machine.geometry().StripHeight);
    const int stop0 = expected(StripLength) + 1;
    expected(m.machine.geometry().StripHeight);
    const int stop2 = expected(StripLength) + 1;
    EXPECT_EQ(s.ReelStop[0], stop0);
    EXPECT_EQ(s.ReelStop[1], 7);
    EXPECT_EQ(s.ReelStop[2], stop2);
}

TEST_F(SpinCommand, StopsCoverEveryPositionAndNothingElse) {
    std::array<std::array<int, StripLength + 2>, ReelCount> seen{};
    for (int spin = 0; spin < 3000; ++spin) {
        s.Coins = 1;
        s.Credits = 1000;
        m.machine.spin();
        for (int reel = 0; reel < ReelCount; ++reel) {
            const int stop = s.ReelStop[static_cast<std::size_t>(reel)];
            ASSERT_GE(stop, 1);
            ASSERT_LE(stop, StripLength);
            ++seen[static_cast<std::size_t>(reel)][static_cast<std::size_t>(stop)];
        }
    }
    for (int reel = 0; reel < ReelCount; ++reel) {
        for (int stop = 1; stop <= StripLength; ++stop) {
            EXPECT_GT(seen[static_cast<std::size_t>(reel)][static_cast<std::size_t>(stop)], 40)
                << reel << "/" << stop;
        }
    }
}

TEST_F(SpinCommand, TotalsStopAtTheirLimitInsteadOfWrapping) {
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    s.Spins = Max;
    s.TotalBets = Max - 2;
    s.Coins = 3;
    m.machine.spin();
    EXPECT_EQ(s.Spins, Max);
    EXPECT_EQ(s.TotalBets, Max);
}

TEST_F(SpinCommand, NewGameKeepsTheCoinsBetAndRepaints) {
    m.machine.betOne();
    m.machine.betOne();
    s.BonusPts = 7;
    s.Spins = 40;
    s.TotalBets = 90;
    s.BonusWon = 250;
    s.Borrowed = 5000;
    m.log.clear();
    EXPECT_TRUE(m.machine.newGame());
    EXPECT_EQ(s.Coins, 2);
    EXPECT_EQ(s.Credits, 1000);
    EXPECT_EQ(s.Borrowed, 1000);
    EXPECT_EQ(s.BonusPts, 0);
    EXPECT_EQ(s.Spins, 0);
    EXPECT_EQ(s.TotalBets, 0);
    EXPECT_EQ(s.BonusWon, 0);
    ASSERT_FALSE(m.log.empty());
    EXPECT_EQ(m.log.front(), "DrawMachinePicture");
    EXPECT_EQ(m.log.back(), "DrawLogo");
}

TEST(NewGameReset, SetsTheStockOfGamesThatHaveOne) {
    GameState state;
    state.Stock = 1;
    state.Busy = true;
    GameValues values;
    values.stock = FeatureStock{.name = "nudges", .atNewGame = 6};
    resetGameTotals(state, values);
    EXPECT_EQ(state.Stock, 6);
    EXPECT_FALSE(state.Busy);

    values.stock.reset();
    state.Stock = 2;
    resetGameTotals(state, values);
    EXPECT_EQ(state.Stock, 2);
}

TEST_F(SpinCommand, PowerOnPreparesAFreshGame) {
    s.Coins = 3;
    s.LastCoins = 2;
    s.SoundOn = false;
    s.MusicOn = false;
    s.Spins = 10;
    s.ReelStop = {9, 9, 9};
    m.machine.powerOn();
    EXPECT_EQ(s.ReelStop, (std::array<std::int32_t, 3>{4, 15, 26}));
    EXPECT_EQ(s.ReelStrip[0], "012345678901234567890123456789");
    EXPECT_EQ(s.Coins, 0);
    EXPECT_EQ(s.LastCoins, 0);
    EXPECT_EQ(s.Spins, 0);
    EXPECT_EQ(s.Credits, 1000);
    EXPECT_FALSE(s.Busy);
    EXPECT_TRUE(s.SoundOn);
    EXPECT_TRUE(s.MusicOn);
}
