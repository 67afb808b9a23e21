// Pointer presses on the machine and the blinking of its buttons and lamps.
#include "engine/machine/BlinkingLamps.h"
#include "engine/machine/PointerInput.h"
#include "engine/state/ReelStrips.h"
#include "tests/support/SyntheticGame.h"
#include "tests/support/TestMachine.h"

#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

constexpr int LogoWidth = 119;

struct Pointer : ::testing::Test {
    TestMachine m{std::make_unique<SyntheticGame>()}; // a limit of three coins
    GameState& s = m.state;

    void layOut(int width) { m.machine.setGeometry(ReelGeometry::forLayoutWidth(width)); }
    // Presses at a design point and says whether it opened the publisher's page.
    bool pressDesign(int x, int y) {
        const ReelGeometry& g = m.machine.geometry();
        return pressMachineAt(m.machine, g.ScaleUnit(x), g.ScaleUnit(y), LogoWidth);
    }
    bool press(int x, int y) { return pressMachineAt(m.machine, x, y, LogoWidth); }
};

} // namespace

TEST_F(Pointer, TheButtonsSpinAndBetOnlyWhileTheMachineIsFree) {
    s.LastCoins = 2;
    pressDesign(600, 300);
    EXPECT_EQ(s.Spins, 1);
    s.Busy = true;
    pressDesign(600, 300);
    pressDesign(600, 400);
    EXPECT_EQ(s.Spins, 1);
    EXPECT_EQ(s.Coins, 0);
    s.Busy = false;
    pressDesign(600, 400);
    EXPECT_EQ(s.Coins, 1);
    pressDesign(600, 440); // Bet Five fills up to the limit and spins
    EXPECT_EQ(s.Spins, 2);
    EXPECT_EQ(s.LastCoins, 3);
}

TEST_F(Pointer, HitRangesIncludeBothEndsAtEveryScale) {
    for (const int width : {800, 1024, 1920}) {
        SCOPED_TRACE(width);
        layOut(width);
        auto su = [&](int v) { return m.machine.geometry().ScaleUnit(v); };
        s.Coins = 0;
        press(su(577), su(362));
        press(su(655), su(421));
        EXPECT_EQ(s.Coins, 2);
        press(su(577) - 1, su(362));
        press(su(655) + 1, su(421));
        press(su(600), su(421) + 1); // between Bet One and Bet Five
        EXPECT_EQ(s.Coins, 2);
        // The coin sign bets one coin over 560..643 x 99..181.
        s.Coins = 0;
        press(su(560), su(99));
        press(su(643), su(181));
        EXPECT_EQ(s.Coins, 2);
        press(su(643) + 1, su(150));
        press(su(600), su(181) + 1);
        EXPECT_EQ(s.Coins, 2);
    }
}

TEST_F(Pointer, TheCoinSignBetsButNotBelowItsHitRange) {
    pressDesign(600, 150);
    EXPECT_EQ(s.Coins, 1);
    pressDesign(600, 183); // inside the drawn sign, outside its hit range
    EXPECT_EQ(s.Coins, 1);
}

TEST_F(Pointer, TheLogoOpensThePageEvenWhileBusy) {
    layOut(1024); // the logo is not scaled
    EXPECT_TRUE(press(124, 124));
    EXPECT_TRUE(press(5, 5));
    EXPECT_FALSE(press(124, 125));
    EXPECT_FALSE(press(4, 60));
    s.Busy = true;
    EXPECT_TRUE(press(60, 60));
    EXPECT_EQ(s.Coins, 0);
}

namespace {

struct Blinking : ::testing::Test {
    TestMachine m{std::make_unique<SyntheticGame>()};
    BlinkingLamps lamps{m.machine};

    // Which buttons the last three drawings lit, in drawing order.
    std::vector<std::string> lastButtons() const {
        return {m.log.end() - 3, m.log.end()};
    }
};

} // namespace

TEST_F(Blinking, IdleButtonsLightOneAtATimeNeverTheSameTwice) {
    int previous = lamps.attractButton();
    std::array<int, 3> seen{};
    for (int tick = 0; tick < 200; ++tick) {
        lamps.blinkButtons();
        const int lit = lamps.attractButton();
        ASSERT_NE(lit, previous);
        ++seen[static_cast<std::size_t>(lit)];
        previous = lit;
        const auto state = [lit](int button) { return std::string(lit == button ? "lit" : "dim"); };
        const std::vector<std::string> expected = {"DrawButton BetOne " + state(0), "DrawButton Spin " + state(1),
                                                   "DrawButton BetFive " + state(2)};
        ASSERT_EQ(lastButtons(), expected);
    }
    for (const int n : seen) {
        EXPECT_GT(n, 40);
    }
}

TEST_F(Blinking, WithCoinsBetOnlySpinBlinks) {
    m.state.Coins = 2;
    lamps.blinkButtons();
    EXPECT_EQ(lastButtons(), (std::vector<std::string>{"DrawButton BetOne lit", "DrawButton Spin lit",
                                                        "DrawButton BetFive lit"}));
    lamps.blinkButtons();
    EXPECT_EQ(lastButtons()[1], "DrawButton Spin dim");
    // A win on show blinks Spin the same way.
    m.state.Coins = 0;
    m.timers.start(MachineTimer::WinLamps);
    lamps.blinkButtons();
    EXPECT_EQ(lastButtons()[1], "DrawButton Spin lit");
}

TEST_F(Blinking, TitleLampsAlternateAndTheCoinSignToggles) {
    for (int tick = 0; tick < 4; ++tick) {
        m.log.clear();
        lamps.blinkWinLamps();
        const bool stripLit = tick % 2 == 1;
        EXPECT_EQ(m.log, (EventLog{std::string("DrawLamp TitleStrip ") + (stripLit ? "lit" : "unlit"),
                                   std::string("DrawLamp TitleGlass ") + (stripLit ? "unlit" : "lit")}));
    }
    m.log.clear();
    lamps.blinkCoinSign();
    lamps.blinkCoinSign();
    EXPECT_EQ(m.log, (EventLog{"DrawLamp CoinSign lit", "DrawLamp CoinSign unlit"}));
}
