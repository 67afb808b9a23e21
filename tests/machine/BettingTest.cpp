// Bet One, Bet Five, the keys and the repeat of the last bet.
#include "tests/support/SyntheticGame.h"
#include "tests/support/TestMachine.h"

#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

constexpr const char* OutOfCredits = "You are out of credits...better borrow some!";
constexpr const char* NoBet = "No bet was placed!";

struct Betting : ::testing::Test {
    Betting() : game(new SyntheticGame(log)), m(std::unique_ptr<Game>(game)) { log.clear(); }
    EventLog log;        // the game's own hook log, apart from the machine's
    SyntheticGame* game; // a limit of three coins
    TestMachine m;
    GameState& s = m.state;
};

} // namespace

TEST_F(Betting, PressesOfBBetUpToTheCoinLimitAndTheLastSpins) {
    for (int press = 1; press <= 2; ++press) {
        EXPECT_TRUE(m.machine.keyDown(KeyBetOne));
        EXPECT_EQ(s.Coins, press);
        EXPECT_EQ(s.Credits, 1000 - press);
        EXPECT_EQ(s.Spins, 0);
    }
    // A fourth press while the third one's spin runs must be dropped.
    game->bonusRule = [](GameContext&) { return 1; }; // a point whose sound is waited for
    int pressesDuringSpin = 0;
    m.clock.setDuringWait([&] {
        ++pressesDuringSpin;
        m.machine.keyDown(KeyBetOne);
    });
    m.machine.keyDown(KeyBetOne);

    EXPECT_GT(pressesDuringSpin, 0);
    EXPECT_EQ(s.Spins, 1);
    EXPECT_EQ(m.machine.lastSpin().coins, 3);
    EXPECT_EQ(s.Coins, 0);
    EXPECT_EQ(s.LastCoins, 3);
    EXPECT_EQ(m.count("Sound 1"), 3);
    EXPECT_EQ(s.Credits, 997 + m.machine.lastSpin().lineWin);
}

TEST_F(Betting, BetFiveBetsWhatTheCreditsAllowAndSpinsOnlyAtTheLimit) {
    s.Credits = 2;
    m.machine.keyDown(KeyBetFive);
    EXPECT_EQ(s.Coins, 2);
    EXPECT_EQ(s.Credits, 0);
    EXPECT_EQ(s.Spins, 0);
    EXPECT_EQ(m.count("Sound 1"), 2);
    EXPECT_TRUE(m.dialogs.messages.empty());

    m.machine.keyDown(KeyEnter);
    EXPECT_EQ(s.Spins, 1);
    EXPECT_EQ(m.machine.lastSpin().coins, 2);
    EXPECT_EQ(s.LastCoins, 2);
}

TEST_F(Betting, BetFiveTopsUpCoinsAlreadyBetAndSpins) {
    s.Credits = 12;
    m.machine.betOne();
    m.machine.betOne();
    m.machine.betFive();
    EXPECT_EQ(m.machine.lastSpin().coins, 3);
    EXPECT_EQ(s.Spins, 1);
    EXPECT_EQ(s.TotalBets, 3);
    EXPECT_EQ(s.Credits, 9 + m.machine.lastSpin().lineWin);
}

TEST_F(Betting, OutOfCredits) {
    s.Credits = 0;
    m.machine.betOne();
    EXPECT_EQ(m.dialogs.messages, std::vector<std::string>{OutOfCredits});
    EXPECT_EQ(s.Coins, 0);

    m.dialogs.messages.clear();
    m.log.clear();
    m.machine.betFive(); // no message, nothing at all
    EXPECT_TRUE(m.dialogs.messages.empty());
    EXPECT_TRUE(m.log.empty());
    EXPECT_EQ(s.Coins, 0);
}

TEST_F(Betting, EnterRepeatsTheLastBetWhenTheCreditsCoverIt) {
    m.machine.betOne();
    m.machine.betOne();
    m.machine.spin();
    ASSERT_EQ(s.LastCoins, 2);

    s.Credits = 2;
    m.log.clear();
    m.machine.keyDown(KeyEnter);
    EXPECT_EQ(s.Spins, 2);
    EXPECT_EQ(m.machine.lastSpin().coins, 2);
    EXPECT_EQ(m.count("Sound 1"), 0) << "a repeated bet plays no coin sound";
    EXPECT_EQ(m.indexOf("ShowCredits"), 0);
    EXPECT_EQ(m.indexOf("ShowCoins"), 1);

    // With fewer credits than the last bet nothing is bet at all.
    s.Credits = 1;
    m.log.clear();
    m.machine.keyDown(KeySpace);
    EXPECT_EQ(m.dialogs.messages, std::vector<std::string>{NoBet});
    EXPECT_EQ(s.Credits, 1);
    EXPECT_EQ(s.Coins, 0);
    EXPECT_EQ(s.Spins, 2);
    EXPECT_EQ(m.log, (EventLog{std::string("Message ") + NoBet}));
}

TEST_F(Betting, SpinWithoutAnyBetRefusesAndChangesNothing) {
    m.machine.keyDown(KeyEnter);
    EXPECT_EQ(m.dialogs.messages, std::vector<std::string>{NoBet});
    EXPECT_EQ(s.Spins, 0);
    EXPECT_EQ(s.Credits, 1000);
    EXPECT_FALSE(s.Busy);
    EXPECT_EQ(m.count("Stop ButtonBlinking"), 0);
}

TEST_F(Betting, InputIsDroppedWhileBusy) {
    s.Busy = true;
    for (int key : {KeyEnter, KeySpace, KeyBetOne, KeyBetFive}) {
        EXPECT_TRUE(m.machine.keyDown(key));
    }
    EXPECT_TRUE(m.log.empty());
    EXPECT_TRUE(m.dialogs.messages.empty());
    EXPECT_EQ(s.Coins, 0);
    EXPECT_EQ(s.Credits, 1000);
}

TEST_F(Betting, OtherKeysAreIgnored) {
    for (int key : {0, 27, 65, 98, 109, 1000}) {
        EXPECT_FALSE(m.machine.keyDown(key)) << key;
    }
    EXPECT_TRUE(m.log.empty());
}

TEST_F(Betting, EachCoinRedrawsCreditsThenCoinsAndCallsTheGame) {
    m.machine.betOne();
    EXPECT_EQ(m.log, (EventLog{"Sound 1", "ShowCredits", "ShowCoins"}));
    EXPECT_EQ(log, EventLog{"Hook coinBet"});

    s.SoundOn = false;
    m.log.clear();
    m.machine.betOne();
    EXPECT_EQ(m.log, (EventLog{"ShowCredits", "ShowCoins"}));
}
