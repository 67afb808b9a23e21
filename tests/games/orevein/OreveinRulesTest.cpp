#include "engine/state/ReelStrips.h"
#include "games/orevein/OreveinGame.h"
#include "tests/support/TestMachine.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

// A namespace of its own: the unity build compiles this file together with others.
namespace orevein_rules_test {

using namespace slotmachine;
using namespace slotmachine::orevein;
using slotmachine::testing::TestMachine;

namespace {

constexpr int B = Blank;

int codeOf(int reel, int position) {
    return oreveinValues().strips[static_cast<std::size_t>(reel)][static_cast<std::size_t>(position - 1)] -
           '0';
}

std::unique_ptr<TestMachine> oreveinMachine() {
    return std::make_unique<TestMachine>(std::make_unique<OreveinGame>());
}

} // namespace

TEST(OreveinRulesTest, StripsHoldTheRightNumberOfEachSymbol) {
    // code -> count on reels 0, 1, 2
    const std::map<int, std::array<int, 3>> expected = {
        {0, {2, 1, 2}}, {1, {2, 2, 2}}, {2, {3, 4, 2}}, {3, {3, 4, 4}}, {4, {5, 4, 5}}, {9, {15, 15, 15}},
    };
    for (int reel = 0; reel < ReelCount; ++reel) {
        const std::string_view strip = oreveinValues().strips[static_cast<std::size_t>(reel)];
        ASSERT_TRUE(isValidStrip(strip)) << "reel " << reel;
        for (const auto& [code, counts] : expected) {
            EXPECT_EQ(std::count(strip.begin(), strip.end(), static_cast<char>('0' + code)),
                      counts[static_cast<std::size_t>(reel)])
                << "code " << code << " on reel " << reel;
        }
        for (int position = 1; position <= StripLength; ++position) {
            const int code = codeOf(reel, position);
            if (position % 2 == 1) {
                EXPECT_TRUE(code >= Nugget && code <= Pickaxe) << "reel " << reel << " position " << position;
            } else {
                EXPECT_EQ(code, Blank) << "reel " << reel << " position " << position;
            }
        }
    }
}

TEST(OreveinRulesTest, StripsStartWithThreeTopSymbolsOnThePayline) {
    GameState state;
    fillStrips(state, oreveinValues());

    EXPECT_EQ(state.ReelStrip[0], "493919294909294919394909294939");
    EXPECT_EQ(state.ReelStrip[1], "394929392949390949291939491929");
    EXPECT_EQ(state.ReelStrip[2], "493919493929490939194929394909");
    EXPECT_EQ(state.ReelStop[0], 22);
    EXPECT_EQ(state.ReelStop[1], 14);
    EXPECT_EQ(state.ReelStop[2], 28);

    EXPECT_EQ(paylinePosition(state, 0), 23);
    EXPECT_EQ(paylinePosition(state, 1), 15);
    EXPECT_EQ(paylinePosition(state, 2), 29);
    for (int reel = 0; reel < ReelCount; ++reel) {
        EXPECT_EQ(codeAt(state, reel, paylinePosition(state, reel)), 0) << "reel " << reel;
        // Blanks above and below the symbol.
        EXPECT_EQ(codeAt(state, reel, rowPosition(state, reel, 0)), 9) << "reel " << reel;
        EXPECT_EQ(codeAt(state, reel, rowPosition(state, reel, 2)), 9) << "reel " << reel;
    }
    // The first and last characters are positions 1 and 30.
    EXPECT_EQ(codeAt(state, 0, 1), 4);
    EXPECT_EQ(codeAt(state, 0, 30), 9);
    EXPECT_EQ(codeAt(state, 1, 1), 3);
}

TEST(OreveinRulesTest, EveryPositionIsDrawnFromItsCell) {
    struct Marked {
        int code;
        int cell;
    };
    // reel -> position -> (code, cell) for the marked positions
    // clang-format off
    const std::array<std::map<int, Marked>, ReelCount> marked = {{
        {{1, {4, 7}}, {7, {2, 5}}, {9, {4, 7}}, {29, {3, 6}},
         {15, {4, 10}}, {19, {3, 9}}, {25, {2, 8}},
         {21, {4, 13}},
         {11, {0, 14}}},
        {{3, {4, 7}}, {7, {3, 6}}, {19, {2, 5}},
         {11, {4, 10}}, {23, {3, 9}}, {29, {2, 8}},
         {5, {2, 11}}, {13, {3, 12}}, {25, {4, 13}}},
        {{7, {4, 7}}, {11, {2, 5}}, {17, {3, 6}},
         {1, {4, 10}}, {21, {4, 10}}, {23, {2, 8}}, {25, {3, 9}},
         {3, {3, 12}}, {27, {4, 13}},
         {15, {0, 14}}},
    }};
    // clang-format on

    const OreveinGame game;
    for (int reel = 0; reel < ReelCount; ++reel) {
        const auto& marks = marked[static_cast<std::size_t>(reel)];
        for (int position = 1; position <= StripLength; ++position) {
            const int code = codeOf(reel, position);
            const auto it = marks.find(position);
            int expectedCell = code == Blank ? BlankCell : code;
            if (it != marks.end()) {
                EXPECT_EQ(code, it->second.code) << "reel " << reel << " position " << position;
                expectedCell = it->second.cell;
            }
            EXPECT_EQ(game.symbolNumber(reel, position), expectedCell)
                << "reel " << reel << " position " << position;
        }
    }

    // The list of marks the game works from names exactly these positions.
    std::set<std::pair<int, int>> listed;
    for (const MarkedPosition& m : markedPositions()) {
        EXPECT_TRUE(listed.insert({m.reel, m.position}).second)
            << "reel " << m.reel << " position " << m.position;
    }
    std::set<std::pair<int, int>> wanted;
    for (int reel = 0; reel < ReelCount; ++reel) {
        for (const auto& entry : marked[static_cast<std::size_t>(reel)]) {
            wanted.insert({reel, entry.first});
        }
    }
    EXPECT_EQ(listed, wanted);
}

TEST(OreveinRulesTest, PaytableOrderDecidesThePay) {
    const OreveinGame game;
    const Paytable& table = game.paytable();
    struct Line {
        int c0, c1, c2;
        std::int32_t pay;
    };
    const Line lines[] = {
        {0, 0, 0, 1500},
        {1, 1, 1, 250},
        // two Nuggets in any places
        {0, 0, B, 50},
        {B, 0, 0, 50},
        {0, 4, 0, 50},
        {NoSymbol, 0, 0, 50},
        // one Nugget
        {0, B, B, 2},
        {B, B, 0, 2},
        {1, 1, 0, 2},
        {2, 0, 2, 2},
        // three of a kind before the mix
        {2, 2, 2, 20},
        {3, 3, 3, 10},
        {4, 4, 4, 5},
        {2, 3, 4, 2},
        {4, 4, 3, 2},
        {3, 2, 2, 2},
        // lines that pay nothing
        {2, 2, B, 0},
        {1, 1, B, 0},
        {1, 2, 3, 0},
        {1, 1, 2, 0},
        {B, B, B, 0},
        {2, 3, NoSymbol, 0},
        {NoSymbol, NoSymbol, NoSymbol, 0},
    };
    for (const Line& l : lines) {
        EXPECT_EQ(table.pay(l.c0, l.c1, l.c2), l.pay) << l.c0 << "," << l.c1 << "," << l.c2;
    }
}

TEST(OreveinRulesTest, EveryRuleDecidesSomeLineOfTheReels) {
    // Through the payline reading of the real strips, so the bonus-clear symbol
    // takes part; a rule hidden behind an earlier one, or one the strips cannot
    // show, would never be first.
    auto m = oreveinMachine();
    const OreveinGame& game = static_cast<const OreveinGame&>(m->game());
    const auto rules = oreveinPayRules();
    ASSERT_EQ(game.paytable().rules().size(), rules.size());
    std::vector<int> decided(rules.size(), 0);
    for (int p0 = 1; p0 <= StripLength; ++p0) {
        for (int p1 = 1; p1 <= StripLength; ++p1) {
            for (int p2 = 1; p2 <= StripLength; ++p2) {
                const int rule = game.paytable().firstMatch(game.paylineSymbol(m->machine, 0, p0),
                                                            game.paylineSymbol(m->machine, 1, p1),
                                                            game.paylineSymbol(m->machine, 2, p2));
                if (rule >= 0) {
                    ++decided[static_cast<std::size_t>(rule)];
                }
            }
        }
    }
    for (std::size_t i = 0; i < rules.size(); ++i) {
        EXPECT_GT(decided[i], 0) << "rule " << i << " (" << rules[i].description << ")";
    }
    // Three Nuggets need the only Nugget of reel 1 and the plain Nuggets of the
    // outer reels: one line in 27000.
    EXPECT_EQ(decided[0], 1);
}

TEST(OreveinRulesTest, BonusClearSymbolOnThePaylineSpoilsThreeNuggets) {
    auto m = oreveinMachine();
    m->state.ReelStop = {10, 14, 28}; // payline positions 11 (bonus-clear), 15 and 29
    m->state.Coins = 3;
    const std::int32_t credits = m->state.Credits;

    m->machine.evaluatePayline();

    EXPECT_EQ(m->machine.lastSpin().lineWin, 150);
    EXPECT_EQ(m->state.Credits, credits + 150);
    EXPECT_EQ(m->state.SpinWin, 0);

    // The same with the plain Nugget of reel 0 pays the top prize.
    auto plain = oreveinMachine();
    plain->state.ReelStop = {22, 14, 28};
    plain->state.Coins = 1;
    plain->machine.evaluatePayline();
    EXPECT_EQ(plain->machine.lastSpin().lineWin, 1500);

    // Both bonus-clear symbols leave one Nugget.
    auto both = oreveinMachine();
    both->setPayline(11, 15, 15);
    both->state.Coins = 2;
    both->machine.evaluatePayline();
    EXPECT_EQ(both->machine.lastSpin().lineWin, 4);
}

TEST(OreveinRulesTest, MarkedSymbolsPayAsTheirCode) {
    struct Case {
        int p0, p1, p2;
    };
    // Pickaxes only. Reel 0: 1 Up, 15 Down, 21 bonus, 27 plain. Reel 1: 3 Up, 11 Down,
    // 25 bonus, 17 plain. Reel 2: 7 Up, 1 and 21 Down, 27 bonus, 13 plain.
    const Case cases[] = {{15, 25, 13}, {1, 3, 21}, {21, 11, 27}, {15, 11, 1}, {27, 17, 13}};
    for (const Case& c : cases) {
        auto m = oreveinMachine();
        m->setPayline(c.p0, c.p1, c.p2);
        ASSERT_EQ(codeOf(0, c.p0), Pickaxe);
        ASSERT_EQ(codeOf(1, c.p1), Pickaxe);
        ASSERT_EQ(codeOf(2, c.p2), Pickaxe);
        m->state.Coins = 4;
        const std::int32_t credits = m->state.Credits;
        m->machine.evaluatePayline();
        EXPECT_EQ(m->machine.lastSpin().lineWin, 20) << c.p0 << "," << c.p1 << "," << c.p2;
        EXPECT_EQ(m->state.Credits, credits + 20) << c.p0 << "," << c.p1 << "," << c.p2;
    }
}

} // namespace orevein_rules_test
