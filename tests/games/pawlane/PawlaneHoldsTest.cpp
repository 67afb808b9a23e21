// Pawlane's holds: the stock and its meter, the lamps, the choice and held reels.
#include "engine/machine/PointerInput.h"
#include "engine/state/ReelStrips.h"
#include "games/pawlane/PawlaneGame.h"
#include "games/pawlane/PawlaneTimers.h"
#include "tests/support/TestMachine.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>

using namespace slotmachine;
using namespace slotmachine::pawlane;
using slotmachine::testing::EventLog;
using slotmachine::testing::TestMachine;

namespace {

// At a layout of 800 design and window pixels are the same.
constexpr int LampY = 254;
constexpr int LampX[] = {296, 400, 504};

struct PawlaneHoldsTest : ::testing::Test {
    TestMachine m{std::make_unique<PawlaneGame>()};
    PawlaneGame& game() { return static_cast<PawlaneGame&>(m.game()); }

    void press(int x, int y) { pressMachineAt(m.machine, x, y, 0); }
    void pressLamp(int reel) { press(LampX[reel], LampY); }
    // Evaluates reels that pay nothing on any line with one coin bet, then
    // settles the spin as the spin command does.
    void loseASpin() {
        m.state.ReelStop = {1, 1, 1}; // middle row 7, 7, 6
        m.state.Coins = 1;
        m.game().evaluate(m.machine);
        m.game().spinSettled(m.machine);
        m.state.Coins = 0;
    }
};

} // namespace

TEST_F(PawlaneHoldsTest, ANewGameShowsSixHoldsInTheRepaint) {
    EXPECT_EQ(m.state.Stock, 6);
    m.machine.FullRepaint();
    const int meter = m.indexOf("DrawMeter 6 330 red right");
    EXPECT_GT(meter, m.indexOf("ShowCoins"));
    EXPECT_LT(meter, m.indexOf("DrawCaption Credits 620 right"));
    EventLog captions;
    std::copy_if(m.log.begin(), m.log.end(), std::back_inserter(captions),
                 [](const std::string& entry) { return entry.starts_with("DrawCaption"); });
    const EventLog captionOrder = {"DrawCaption Credits 620 right", "DrawCaption Coins 250 left",
                                   "DrawCaption Holds 302 left", "DrawCaption Winnings 440 right"};
    EXPECT_EQ(captions, captionOrder);
    // The bonus meter before and after the buttons; no bars without coins bet,
    // and no hold lamps.
    EXPECT_EQ(m.count("ShowBonusMeter"), 2);
    EXPECT_GT(m.indexOf("DrawLogo"), m.indexOf("DrawButton Spin lit"));
    EXPECT_EQ(m.count("DrawMaskedPictureHalf Red Mask 377 lit"), 0);
    EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 260 unlit"), 0);

    m.log.clear();
    m.state.Coins = 2;
    m.state.Stock = 13; // an opened game's count
    m.machine.FullRepaint();
    EXPECT_EQ(m.count("DrawMeter 13 330 red right"), 1);
    const EventLog bars = {"DrawMaskedPictureHalf Red Mask 377 lit",
                           "DrawMaskedPictureHalf Blue Mask 301 lit", "DrawLogo"};
    EXPECT_EQ(EventLog(m.log.end() - 3, m.log.end()), bars);
}

TEST_F(PawlaneHoldsTest, LampsAreDeadBeforeTheFirstSpinAndAfterAWin) {
    pressLamp(0);
    EXPECT_EQ(m.state.Stock, 6);
    EXPECT_FALSE(game().holds().held(0));

    m.state.ReelStop = {7, 2, 19}; // 7s on the top row
    m.state.Coins = 2;
    m.game().evaluate(m.machine);
    m.game().spinSettled(m.machine);
    EXPECT_EQ(m.count("Start GameFeature2"), 0);
    EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 364 unlit"), 1);
    pressLamp(1);
    EXPECT_EQ(m.state.Stock, 6);
    EXPECT_FALSE(game().holds().held(1));
}

TEST_F(PawlaneHoldsTest, TheLastHoldStopsTheBlinkingAndLeavesTheOtherLampsUnlit) {
    m.state.Stock = 1;
    loseASpin();
    EXPECT_EQ(m.count("Start GameFeature2"), 1);
    m.game().timerTick(m.machine, HoldLampBlinking);
    EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 468 lit"), 1);

    m.log.clear();
    pressLamp(1);
    EXPECT_EQ(m.state.Stock, 0);
    EXPECT_TRUE(game().holds().held(1));
    const EventLog expected = {
        "DrawMeter 0 330 red right",
        "DrawPictureHalf HoldLamp 364 lit",
        "Stop GameFeature2",
        "DrawPictureHalf HoldLamp 260 unlit",
        "DrawPictureHalf HoldLamp 468 unlit",
        "Stop GameFeature2", // the press's last step: the stock is empty
    };
    EXPECT_EQ(m.log, expected);
    EXPECT_FALSE(game().holds().allowed());
}

TEST_F(PawlaneHoldsTest, TwoHoldsASpinAndAPressOnAHeldLampIsIgnored) {
    m.state.Stock = 5;
    loseASpin();
    // The lamp's edges belong to it: the right and bottom edge of lamp 0.
    press(332, 263);
    press(332, 263);
    EXPECT_EQ(m.state.Stock, 4);
    press(437, LampY); // beside lamp 1
    EXPECT_EQ(m.state.Stock, 4);
    pressLamp(2);
    EXPECT_EQ(m.state.Stock, 3);
    EXPECT_EQ(m.count("Stop GameFeature2"), 1);
    pressLamp(1);
    EXPECT_EQ(m.state.Stock, 3);
    EXPECT_TRUE(game().holds().held(0));
    EXPECT_FALSE(game().holds().held(1));
    EXPECT_TRUE(game().holds().held(2));
    // A full repaint (after the loan desk) keeps the held lamps lit.
    m.log.clear();
    m.machine.FullRepaint();
    EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 260 lit"), 1);
    EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 468 lit"), 1);
    EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 364 lit"), 0);

    // Until that spin the two holds are set aside: stored with the stock, and given
    // back to it when the game is saved or left, with the lamps blinking again.
    EXPECT_EQ(m.game().stockSetAside(m.machine), 2);
    m.log.clear();
    m.game().returnStockSetAside(m.machine);
    EXPECT_EQ(m.state.Stock, 5);
    EXPECT_EQ(m.game().stockSetAside(m.machine), 0);
    EXPECT_FALSE(game().holds().held(0));
    EXPECT_EQ(m.count("DrawMeter 5 330 red right"), 1);
    EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 260 unlit"), 1);
    EXPECT_EQ(m.count("Start GameFeature2"), 1);
}

TEST_F(PawlaneHoldsTest, ANewGameGivesBackTheHoldsChosenInTheOldOne) {
    loseASpin();
    pressLamp(0);
    pressLamp(2);
    ASSERT_EQ(m.state.Stock, 4);
    m.log.clear();
    ASSERT_TRUE(m.machine.newGame());
    // A new game's stock, and nothing set aside that the record would add to it.
    EXPECT_EQ(m.state.Stock, 6);
    EXPECT_EQ(m.game().stockSetAside(m.machine), 0);
    // Its first spin turns every reel, and the repaint lights no lamp of the old choice.
    for (int reel = 0; reel < ReelCount; ++reel) {
        EXPECT_TRUE(m.game().reelSpins(m.machine, reel)) << reel;
    }
    EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 260 lit"), 0);
    EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 468 lit"), 0);
}

TEST_F(PawlaneHoldsTest, HoldsThatArriveAfterALossCanBeSpentWithoutBlinking) {
    m.state.Stock = 0;
    loseASpin();
    EXPECT_EQ(m.count("Start GameFeature2"), 0);
    EXPECT_TRUE(game().holds().allowed());
    // A bonus game's holds prize (or a new game) brings holds: the lamps take presses.
    m.state.Stock = 2;
    pressLamp(2);
    EXPECT_EQ(m.state.Stock, 1);
    EXPECT_TRUE(game().holds().held(2));

    // With none left, the next press anywhere closes the holds.
    m.state.Stock = 0;
    game().holds().spinSettled();
    press(10, 700);
    EXPECT_FALSE(game().holds().allowed());
}

TEST_F(PawlaneHoldsTest, AHeldReelKeepsItsSymbolsAndIsPaidAgain) {
    // Reel 1 holds its hold stop (position 12) on the middle row: the next spin
    // reads it again and earns a hold again, whatever the other reels show.
    m.state.Stock = 2;
    m.state.ReelStop = {1, 11, 1};
    m.state.Coins = 1;
    m.game().evaluate(m.machine);
    EXPECT_EQ(m.state.Stock, 3);
    EXPECT_EQ(m.count("Sound 8 wait"), 1);
    m.game().spinSettled(m.machine);
    pressLamp(1);
    EXPECT_EQ(m.state.Stock, 2);

    m.machine.setAnimated(true);
    m.display.logFrames = true;
    m.log.clear();
    m.state.LastCoins = 1;
    m.state.Coins = 0;
    m.machine.spin();
    EXPECT_EQ(m.state.ReelStop[1], 11);
    EXPECT_EQ(m.state.Stock, 3);
    EXPECT_EQ(m.count("Sound 0"), 2);
    EXPECT_EQ(m.count("DrawReelAtRest 1"), 0);
    EXPECT_EQ(m.count("HoldReelPicture 1"), 0);
    EXPECT_GT(m.count("DrawReelAtRest 0"), 0);
    // The lamp of the held reel stayed lit; the others went out at the start.
    EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 364 unlit"), 0);
    EXPECT_GE(m.count("DrawPictureHalf HoldLamp 260 unlit"), 1);
    EXPECT_FALSE(game().holds().held(1));
    EXPECT_EQ(game().holds().used(), 0);
}

TEST_F(PawlaneHoldsTest, TheRecallLogKeepsTheHeldReelTheHoldsAndEveryOpenLine) {
    m.machine.setRecalling(true);
    m.state.Stock = 2;
    loseASpin();
    pressLamp(1);
    m.state.LastCoins = 3;
    m.machine.forceStops(std::array<std::int32_t, ReelCount>{5, 6, 7});
    m.machine.spin();

    ASSERT_EQ(m.machine.recallLog().size(), 1u);
    const PlayRecord& play = m.machine.recallLog()[0];
    EXPECT_EQ(play.moves, std::vector<ReelMove>{(ReelMove{1, 1, 1, ReelMover::Held})});
    EXPECT_EQ(play.stockBefore, 2) << "the hold chosen was still the player's";
    EXPECT_EQ(play.stockUsed, 1);
    EXPECT_EQ(play.stockBefore + play.stockEarned - play.stockUsed, m.state.Stock);
    EXPECT_EQ(play.lines, (std::vector<int>{1, 0, 2})) << "three coins open the middle, top and bottom lines";
    std::int32_t paid = 0;
    for (const LineResult& line : play.paylines) {
        paid += line.pay;
    }
    EXPECT_EQ(paid, play.win - (play.bonus ? play.bonus->paid : 0));
    EXPECT_EQ(play.creditsAfter, m.state.Credits);
}

TEST_F(PawlaneHoldsTest, PressesWhileTheReelsSpinAreRefused) {
    loseASpin();
    m.machine.setAnimated(true);
    int pressed = 0;
    int usedDuring = -1;
    std::int32_t holdsDuring = -1;
    m.clock.setDuringWait([&] {
        if (pressed++ == 0) {
            pressLamp(0);
            usedDuring = game().holds().used();
            holdsDuring = m.state.Stock;
        }
    });
    m.state.LastCoins = 1;
    m.machine.spin();
    ASSERT_GT(pressed, 0);
    EXPECT_EQ(usedDuring, 0);
    EXPECT_EQ(holdsDuring, 6);
    EXPECT_EQ(m.count("DrawPictureHalf HoldLamp 260 lit"), 0);
}

TEST_F(PawlaneHoldsTest, TheKeysPressTheLampsWithThePointersRefusalsAndSounds) {
    // The same presses by pointer and by reel control, on two machines alike.
    PawlaneHoldsTest& byPointer = *this;
    TestMachine byKey{std::make_unique<PawlaneGame>()};
    auto loseOn = [](TestMachine& t) {
        t.state.ReelStop = {1, 1, 1};
        t.state.Coins = 1;
        t.game().evaluate(t.machine);
        t.game().spinSettled(t.machine);
        t.state.Coins = 0;
        t.log.clear();
    };
    loseOn(byPointer.m);
    loseOn(byKey);
    auto& keyGame = static_cast<PawlaneGame&>(byKey.game());
    EXPECT_TRUE(keyGame.reelControl(byKey.machine, 0)->offered);
    for (const int reel : {0, 0, 1, 2}) { // the second 0 and the 2 are refused
        byPointer.pressLamp(reel);
        pressReelControl(byKey.machine, reel);
    }
    EXPECT_EQ(byKey.log, byPointer.m.log);
    EXPECT_EQ(byKey.state.Stock, 4);
    const std::optional<ReelControl> held = keyGame.reelControl(byKey.machine, 0);
    EXPECT_EQ(held->name, "Hold");
    EXPECT_TRUE(held->on);
    EXPECT_FALSE(held->offered);
    EXPECT_FALSE(keyGame.reelControl(byKey.machine, 2)->offered) << "two holds a spin";
    EXPECT_FALSE(keyGame.reelControl(byKey.machine, 3)) << "three reels only";
}
