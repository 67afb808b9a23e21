// Emberpeak's strips, paytable, evaluation, wild animation, count box and bonus
// award, played through the engine.
#include "engine/bonus/BoxBonusRound.h"
#include "games/emberpeak/EmberpeakTimers.h"
#include "tests/games/emberpeak/EmberpeakTesting.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace slotmachine;
using namespace slotmachine::emberpeak;
using namespace slotmachine::emberpeak::testing;

namespace {

struct EmberpeakRules : ::testing::Test, EmberpeakMachine {
    int indexAfter(int from, const std::string& entry) const {
        for (std::size_t i = static_cast<std::size_t>(from + 1); i < m.log.size(); ++i) {
            if (m.log[i] == entry) {
                return static_cast<int>(i);
            }
        }
        ADD_FAILURE() << "no \"" << entry << "\" after entry " << from;
        return static_cast<int>(m.log.size());
    }
};

// Pixels of pure red: the prize text.
int redPixels(const QImage& picture) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            count += picture.pixelColor(x, y) == QColor(255, 0, 0) ? 1 : 0;
        }
    }
    return count;
}

} // namespace

TEST_F(EmberpeakRules, StripsHoldTheirSymbolsAndStartOnTheWildSymbol) {
    const std::array<std::array<int, 10>, ReelCount> counts = {{
        {1, 2, 3, 3, 4, 4, 5, 6, 2, 0},
        {2, 2, 3, 3, 3, 4, 4, 7, 2, 0},
        {1, 3, 3, 4, 3, 4, 4, 5, 1, 2},
    }};
    for (int reel = 0; reel < ReelCount; ++reel) {
        const std::string_view strip = emberpeakValues().strips[static_cast<std::size_t>(reel)];
        ASSERT_TRUE(isValidStrip(strip));
        for (int code = 0; code < 10; ++code) {
            EXPECT_EQ(std::count(strip.begin(), strip.end(), static_cast<char>('0' + code)),
                      counts[static_cast<std::size_t>(reel)][static_cast<std::size_t>(code)])
                << "code " << code << " on reel " << reel;
        }
        for (int position = 1; position <= StripLength; ++position) {
            EXPECT_EQ(game->symbolNumber(reel, position), codeAt(m.state, reel, position));
        }
    }
    EXPECT_EQ(positionOf(2, WildSymbol, 0), 8);
    EXPECT_EQ(positionOf(2, WildSymbol, 1), 20);
    // The reels start on 8, 8 and the wild symbol, with six nudges and no bet.
    EXPECT_EQ(codeAt(m.state, 0, paylinePosition(m.state, 0)), 8);
    EXPECT_EQ(codeAt(m.state, 1, paylinePosition(m.state, 1)), 8);
    EXPECT_EQ(codeAt(m.state, 2, paylinePosition(m.state, 2)), WildSymbol);
    EXPECT_EQ(m.state.Stock, 6);

    // B three times: the third coin reaches the limit and spins.
    for (int press = 0; press < 3; ++press) {
        m.machine.keyDown(KeyBetOne);
    }
    EXPECT_EQ(m.state.Spins, 1);
    EXPECT_EQ(m.state.TotalBets, 3);
}

TEST_F(EmberpeakRules, ThePaylinePaysByTheFirstRowItMatches) {
    struct Line {
        int a, b, c;
        std::int32_t coins;
        std::int32_t credits; // counted into Credits
        bool bonus;
        int nudgesEarned;
        bool nudgesOffered;
    };
    const Line lines[] = {
        {0, 0, 9, 3, 750, false, 1, false}, {0, 0, 0, 1, 250, false, 0, false},
        {7, 7, 7, 1, 3, false, 0, false},   {7, 7, 9, 3, 9, false, 1, false},
        {1, 1, 9, 2, 100, false, 1, false}, {6, 6, 6, 2, 20, false, 0, false},
        {2, 5, 9, 2, 2, false, 1, false},   {8, 7, 9, 3, 3, false, 1, false},
        {8, 8, 9, 1, 0, true, 1, false},    {8, 8, 8, 3, 0, true, 0, false},
        {4, 4, 3, 2, 0, false, 0, true},    {8, 8, 7, 1, 0, false, 0, true},
        {3, 4, 4, 3, 0, false, 0, true},
    };
    for (const Line& l : lines) {
        EmberpeakMachine e;
        e.showLine(l.a, l.b, l.c);
        const std::int32_t credits = e.m.state.Credits;
        e.settle(l.coins);
        const std::string line = std::to_string(l.a) + std::to_string(l.b) + std::to_string(l.c);
        EXPECT_EQ(e.m.state.Credits - credits, l.credits) << line;
        EXPECT_EQ(e.m.bonus.plays, l.bonus ? 1 : 0) << line;
        EXPECT_EQ(e.m.state.Stock, 6 + l.nudgesEarned) << line;
        EXPECT_EQ(e.game->nudgeMode(), l.nudgesOffered) << line;
        EXPECT_EQ(e.m.timers.isActive(NudgeButtonBlinking), l.nudgesOffered || l.bonus) << line;
        EXPECT_EQ(e.m.timers.isActive(WildAnimationTimer), l.c == WildSymbol) << line;
        EXPECT_EQ(e.m.timers.isActive(MachineTimer::WinLamps), l.credits > 0 && !l.bonus) << line;
        EXPECT_EQ(e.m.count("WinSound"), l.credits > 0 && !l.bonus ? 1 : 0) << line;
    }
}

TEST_F(EmberpeakRules, TheBetBackPaysWithSoundLampsAndTheWildAnimation) {
    showLine(2, 5, 9);
    settle(2);
    int at = indexAfter(-1, "Start GameFeature1");
    at = indexAfter(at, countBox(7));
    at = indexAfter(at, "WinSound");
    at = indexAfter(at, "Start WinLamps");
    at = indexAfter(at, "DrawPictureHalf BonusMeter 260 unlit");
    at = indexAfter(at, "ShowWinnings 1");
    indexAfter(at, "ShowWinnings 2");
    EXPECT_EQ(m.machine.lastSpin().lineWin, 2);
    EXPECT_EQ(m.count("Start GameFeature2"), 0);
}

TEST_F(EmberpeakRules, TheBonusGameRunsInsideTheEvaluationAndItsPrizeIsCountedAfter) {
    QImage prize(640, 480, QImage::Format_RGB32);
    struct Case {
        std::int32_t box;
        std::int32_t credits;
        int nudges;
    };
    // With three coins: a nudge box adds six nudges and pays nothing; a credit
    // box pays its value as it is; an empty box nothing. The wild symbol adds its own.
    for (const Case& c : {Case{1, 0, 6}, Case{100, 100, 0}, Case{0, 0, 0}}) {
        prize.fill(Qt::black);
        m.log.clear();
        m.state.Stock = 6;
        const std::int32_t credits = m.state.Credits;
        const std::int32_t bonusWon = m.state.BonusWon;
        // The player opens box 1; opening it again with its letter key does nothing.
        m.bonus.onPlay = [&prize, c](GameContext& machine) {
            machine.state().BoxValues.fill(c.box);
            BoxBonusRound round(machine, &prize);
            round.open(1);
            round.open(1);
            round.close();
        };
        showLine(8, 8, 9);
        settle(3);
        EXPECT_EQ(m.state.Credits - credits, c.credits) << c.box;
        EXPECT_EQ(m.state.BonusWon - bonusWon, c.credits) << c.box;
        EXPECT_EQ(m.state.Stock, 6 + c.nudges + 1) << c.box;
        EXPECT_EQ(redPixels(prize) > 0, c.box > 0) << c.box;
        int at = indexAfter(-1, "Stop WinLamps");
        at = indexAfter(at, "BonusGame");
        if (c.credits > 0) {
            at = indexAfter(at, "ShowWinnings " + std::to_string(c.credits));
        }
        at = indexAfter(at, countBox(6 + c.nudges));
        indexAfter(at, countBox(6 + c.nudges + 1));
        EXPECT_EQ(m.count("WinSound"), 0) << c.box;
        EXPECT_FALSE(game->nudgeMode());
    }
}

TEST_F(EmberpeakRules, ASpinStopsTheAnimationAndTheBlinkingBeforeTheReelsMove) {
    game->windowCreated(m.machine);
    EXPECT_TRUE(m.timers.isActive(WildAnimationTimer));
    m.machine.setAnimated(true);
    m.display.logFrames = true;
    m.machine.betOne();
    m.machine.spin();
    int at = indexAfter(-1, "Stop GameFeature1");
    at = indexAfter(at, "Stop GameFeature2");
    at = indexAfter(at, "DrawPictureHalf BonusMeter 468 unlit");
    const auto firstFrame = std::find_if(
        m.log.begin(), m.log.end(), [](const std::string& e) { return e.rfind("DrawSpinFrame", 0) == 0; });
    EXPECT_LT(at, firstFrame - m.log.begin());
}

TEST_F(EmberpeakRules, TheWildSymbolTurnsAtBothEndsOfItsPictures) {
    std::vector<int> cells;
    for (int tick = 0; tick < 8; ++tick) {
        m.log.clear();
        game->timerTick(m.machine, WildAnimationTimer);
        ASSERT_EQ(m.log.size(), 1U);
        cells.push_back(game->wildAnimation().cell());
        EXPECT_EQ(m.log.front(), "DrawSymbolCell 2 1 " + std::to_string(cells.back()));
    }
    EXPECT_EQ(cells, (std::vector<int>{10, 11, 10, 9, 10, 11, 10, 9}));
}

TEST_F(EmberpeakRules, TheRepaintDrawsTheCountBoxLargerAboveNineHundredPixels) {
    struct Width {
        std::int32_t layout;
        std::string box;
    };
    const Width widths[] = {{800, "DrawTextBox 580 Nudges@10 6@18"},
                            {900, "DrawTextBox 580 Nudges@10 6@18"},
                            {901, "DrawTextBox 580 Nudges@12 6@24"},
                            {1024, "DrawTextBox 580 Nudges@12 6@24"}};
    for (const Width& w : widths) {
        m.machine.setGeometry(ReelGeometry::forLayoutWidth(w.layout));
        m.state.Stock = 0;
        m.log.clear();
        ASSERT_TRUE(m.machine.newGame());
        int at = indexAfter(-1, "DrawButton Spin lit");
        at = indexAfter(at, w.box);
        at = indexAfter(at, "DrawPictureHalf BonusMeter 260 unlit");
        at = indexAfter(at, "DrawPictureHalf BonusMeter 364 unlit");
        at = indexAfter(at, "DrawPictureHalf BonusMeter 468 unlit");
        indexAfter(at, "DrawLogo");
        EXPECT_EQ(m.count("ShowBonusMeter"), 0);
    }
}
