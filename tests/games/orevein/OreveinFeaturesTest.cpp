// Orevein's Up and Down symbols and its bonus points, played through the engine.
#include "engine/state/ReelStrips.h"
#include "games/orevein/OreveinGame.h"
#include "tests/support/TestMachine.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace slotmachine;
using namespace slotmachine::orevein;
using slotmachine::testing::TestMachine;

namespace {

std::unique_ptr<TestMachine> oreveinMachine() {
    return std::make_unique<TestMachine>(std::make_unique<OreveinGame>());
}

void applyFeatures(TestMachine& m) {
    for (int reel = 0; reel < ReelCount; ++reel) {
        m.game().reelFeatures(m.machine, reel);
    }
}

// Every entry of the log that starts with `prefix`, in order.
std::vector<std::string> entries(const TestMachine& m, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& e : m.log) {
        if (e.rfind(prefix, 0) == 0) {
            found.push_back(e);
        }
    }
    return found;
}

} // namespace

TEST(OreveinFeaturesTest, OnlyTheMarkedStopsMoveTheirReel) {
    const std::map<int, std::set<int>> drops = {{0, {15, 19, 25}}, {1, {11, 23, 29}}, {2, {1, 21, 23, 25}}};
    const std::map<int, std::set<int>> rises = {{0, {5, 7, 27, 29}}, {1, {1, 5, 17}}, {2, {5, 9, 15}}};
    for (int reel = 0; reel < ReelCount; ++reel) {
        for (int stop = 1; stop <= StripLength; ++stop) {
            auto m = oreveinMachine();
            m->state.ReelStop[static_cast<std::size_t>(reel)] = stop;
            m->game().reelFeatures(m->machine, reel);
            const int now = m->state.ReelStop[static_cast<std::size_t>(reel)];
            const bool drop = drops.at(reel).contains(stop);
            const bool rise = rises.at(reel).contains(stop);
            const int expected = drop ? previousPosition(stop) : rise ? nextPosition(stop) : stop;
            EXPECT_EQ(now, expected) << "reel " << reel << " stop " << stop;
            EXPECT_EQ(m->count("Sound 8"), drop ? 1 : 0) << "reel " << reel << " stop " << stop;
            EXPECT_EQ(m->count("Sound 9"), rise ? 1 : 0) << "reel " << reel << " stop " << stop;
        }
    }
}

TEST(OreveinFeaturesTest, MovesWrapAroundTheStrip) {
    auto m = oreveinMachine();
    // Reel 2 at stop 1: the Down symbol of position 1 drops, and the reel shows 30, 1, 2.
    m->state.ReelStop[2] = 1;
    m->game().reelFeatures(m->machine, 2);
    EXPECT_EQ(m->state.ReelStop[2], 30);
    EXPECT_EQ(paylinePosition(m->state, 2), 1);
    // Stop 30 already shows that Down symbol on the payline, and stop 29 has it in
    // the bottom row, where only Up symbols count: neither moves.
    for (const int stop : {30, 29}) {
        m->state.ReelStop[2] = stop;
        m->game().reelFeatures(m->machine, 2);
        EXPECT_EQ(m->state.ReelStop[2], stop);
    }
}

TEST(OreveinFeaturesTest, AMovedSymbolIsPaid) {
    auto m = oreveinMachine();
    // Pickaxes on reels 1 and 2; reel 0 stops with its Down pickaxe above a blank payline.
    m->state.ReelStop = {15, 10, 12};
    m->state.Coins = 2;
    m->game().evaluate(m->machine);
    EXPECT_EQ(m->machine.lastSpin().lineWin, 0) << "a blank on reel 0 pays nothing";

    m->state.ReelStop = {15, 10, 12};
    applyFeatures(*m);
    EXPECT_EQ(m->state.ReelStop, (std::array<std::int32_t, 3>{14, 10, 12}));
    m->game().evaluate(m->machine);
    EXPECT_EQ(m->machine.lastSpin().lineWin, 2 * 5) << "three pickaxes";

    // Reel 1 at 17 rises: the Up cart of position 19 comes onto the payline.
    m->state.ReelStop[1] = 17;
    m->game().reelFeatures(m->machine, 1);
    EXPECT_EQ(paylinePosition(m->state, 1), 19);
    EXPECT_EQ(m->game().paylineSymbol(m->machine, 1, 19), Cart);
}

TEST(OreveinFeaturesTest, ADropSlidesInEightStepsThenSettles) {
    auto m = oreveinMachine();
    m->machine.setAnimated(true);
    m->display.logFrames = true;
    m->state.ReelStop[0] = 15;
    const std::int64_t start = m->clock.now();
    m->game().reelFeatures(m->machine, 0);

    EXPECT_EQ(m->log.front(), "Sound 8");
    EXPECT_EQ(entries(*m, "FillMovePicture"), std::vector<std::string>{"FillMovePicture 0 14"});
    EXPECT_EQ(entries(*m, "DrawMoveFrame"),
              (std::vector<std::string>{"DrawMoveFrame 0 66", "DrawMoveFrame 0 56", "DrawMoveFrame 0 46",
                                        "DrawMoveFrame 0 36", "DrawMoveFrame 0 26", "DrawMoveFrame 0 16",
                                        "DrawMoveFrame 0 6", "DrawMoveFrame 0 0"}));
    EXPECT_EQ(entries(*m, "TakeReelPicture"), std::vector<std::string>{"TakeReelPicture 0 8"});
    EXPECT_EQ(entries(*m, "DrawHeldReel"),
              (std::vector<std::string>{"DrawHeldReel 0 2", "DrawHeldReel 0 4", "DrawHeldReel 0 2",
                                        "DrawHeldReel 0 0", "DrawHeldReel 0 -2", "DrawHeldReel 0 -4",
                                        "DrawHeldReel 0 -2", "DrawHeldReel 0 0"}));
    EXPECT_LT(m->indexOf("DrawMoveFrame 0 0"), m->indexOf("TakeReelPicture 0 8"));
    // Eight steps of 50 ms, and seven of the eight bounce frames wait 20 ms.
    EXPECT_EQ(m->clock.now() - start, 8 * 50 + 7 * 20);
    EXPECT_EQ(m->state.ReelStop[0], 14);
}

TEST(OreveinFeaturesTest, ARiseSlidesUpFromTheStop) {
    auto m = oreveinMachine();
    m->machine.setAnimated(true);
    m->state.ReelStop[1] = 17;
    m->game().reelFeatures(m->machine, 1);
    EXPECT_EQ(m->log.front(), "Sound 9");
    EXPECT_EQ(entries(*m, "FillMovePicture"), std::vector<std::string>{"FillMovePicture 1 17"});
    const std::vector<std::string> frames = entries(*m, "DrawMoveFrame");
    ASSERT_EQ(frames.size(), 8U);
    EXPECT_EQ(frames.front(), "DrawMoveFrame 1 10");
    EXPECT_EQ(frames.back(), "DrawMoveFrame 1 76");

    // With sound off the reel moves all the same, silently.
    auto quiet = oreveinMachine();
    quiet->state.SoundOn = false;
    quiet->state.ReelStop[1] = 17;
    quiet->game().reelFeatures(quiet->machine, 1);
    EXPECT_EQ(quiet->state.ReelStop[1], 18);
    EXPECT_EQ(quiet->count("Sound 9"), 0);
}

TEST(OreveinFeaturesTest, BonusPointsComeOnlyFromTheirStops) {
    // Each reel alone at every stop, the other reels on blank paylines.
    const std::map<std::pair<int, int>, int> points = {{{0, 20}, 1}, {{1, 4}, 3}, {{1, 12}, 2},
                                                       {{1, 24}, 1}, {{2, 2}, 2},  {{2, 26}, 1}};
    const std::set<std::pair<int, int>> clears = {{0, 10}, {2, 14}};
    for (int reel = 0; reel < ReelCount; ++reel) {
        for (int stop = 1; stop <= StripLength; ++stop) {
            auto m = oreveinMachine();
            m->state.ReelStop = {1, 1, 1}; // blank paylines everywhere
            m->state.ReelStop[static_cast<std::size_t>(reel)] = stop;
            m->game().reelFeatures(m->machine, reel);
            m->state.BonusPts = 4;
            const int d = m->game().bonusPoints(m->machine);
            const auto key = std::make_pair(reel, stop);
            if (clears.contains(key)) {
                EXPECT_LT(d, 0) << "reel " << reel << " stop " << stop;
                EXPECT_EQ(m->count("Sound 2 wait"), 1);
            } else {
                EXPECT_EQ(d, points.contains(key) ? points.at(key) : 0) << "reel " << reel << " stop " << stop;
                EXPECT_EQ(m->count("Sound 2 wait"), 0);
            }
        }
    }
}

TEST(OreveinFeaturesTest, PointsAreAddedOneAtATimeAndTwelveOpensTheBonus) {
    auto m = oreveinMachine();
    // Reel 1 position 5 (3 points) and reel 2 position 3 (2 points).
    m->setPayline(2, 5, 3);
    EXPECT_EQ(m->game().bonusPoints(m->machine), 5);

    m->state.BonusPts = 9;
    m->state.Coins = 1;
    m->game().evaluate(m->machine);
    EXPECT_EQ(m->count("Sound 6 wait"), 3) << "only the three points missing to 12";
    EXPECT_EQ(m->bonus.plays, 1);
    EXPECT_EQ(m->state.BonusPts, 0);
    // Each point is shown before its sound; the meter is emptied after the bonus.
    const std::vector<std::string> meter = {"ShowBonusMeter", "Sound 6 wait", "ShowBonusMeter", "Sound 6 wait",
                                            "ShowBonusMeter", "Sound 6 wait", "BonusGame", "ShowBonusMeter"};
    std::vector<std::string> seen;
    for (const std::string& e : m->log) {
        if (e == "ShowBonusMeter" || e == "Sound 6 wait" || e == "BonusGame") {
            seen.push_back(e);
        }
    }
    EXPECT_EQ(seen, meter);
}

TEST(OreveinFeaturesTest, TheBonusClearSymbolWinsOverBonusSymbols) {
    auto m = oreveinMachine();
    // The clear symbol of reel 0 with the 3-point symbol of reel 1.
    m->setPayline(11, 5, 2);
    m->state.BonusPts = 7;
    m->game().evaluate(m->machine);
    EXPECT_EQ(m->state.BonusPts, 0);
    EXPECT_EQ(m->count("Sound 2 wait"), 1);
    EXPECT_EQ(m->count("Sound 6 wait"), 0);
    EXPECT_EQ(m->count("ShowBonusMeter"), 1);

    // With no points, the clear only plays its sound.
    m->log.clear();
    m->game().evaluate(m->machine);
    EXPECT_EQ(m->count("Sound 2 wait"), 1);
    EXPECT_EQ(m->count("ShowBonusMeter"), 0);

    // A damaged record's negative points are cleared too, never added to.
    m->state.BonusPts = -5;
    m->game().evaluate(m->machine);
    EXPECT_EQ(m->state.BonusPts, 0);
}

TEST(OreveinFeaturesTest, ABonusLeftBeforeABoxWasOpenedStaysDue) {
    auto m = oreveinMachine();
    m->bonus.boxOpened = false;
    m->state.BonusPts = 12;
    m->setPayline(2, 2, 2);
    m->game().evaluate(m->machine);
    EXPECT_EQ(m->bonus.plays, 1);
    EXPECT_EQ(m->state.BonusPts, 12);

    // A window that is closing opens no bonus game at all.
    m->machine.beginShutdown();
    m->game().evaluate(m->machine);
    EXPECT_EQ(m->bonus.plays, 1);
    EXPECT_EQ(m->state.BonusPts, 12);
}

TEST(OreveinFeaturesTest, TheRecallLogKeepsEachMoveWithTheStopsBeforeAndAfter) {
    auto m = oreveinMachine();
    m->machine.setRecalling(true);
    m->state.LastCoins = 1;
    // Reel 0 drops at stop 15, reel 1 rises at stop 5, reel 2 stays at stop 2.
    m->machine.forceStops(std::array<std::int32_t, ReelCount>{15, 5, 2});
    m->machine.spin();
    ASSERT_EQ(m->machine.recallLog().size(), 1u);
    const PlayRecord& play = m->machine.recallLog()[0];
    EXPECT_EQ(play.moves, (std::vector<ReelMove>{{0, 15, 14, ReelMover::Down}, {1, 5, 6, ReelMover::Up}}));
    EXPECT_EQ(play.stops, (std::array<std::int32_t, ReelCount>{14, 6, 2}));
    EXPECT_EQ(play.creditsAfter, m->state.Credits);
}
