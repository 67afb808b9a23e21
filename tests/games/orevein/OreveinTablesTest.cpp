// Orevein's fixed values and paytable, written out as the game's rules give them, so
// that a changed value fails here even where the game's own tables feed both sides
// of another test. The strips, the initial stops, the marked positions and their
// moves and points are pinned by OreveinRulesTest and OreveinFeaturesTest, the
// record keys of a game without a stock by RecordFileTest.
#include "games/orevein/OreveinGame.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

using namespace slotmachine;
using namespace slotmachine::orevein;

// A namespace of its own: the unity build compiles this file together with others.
namespace orevein_tables_test {

namespace {

int nuggets(int c0, int c1, int c2) {
    return (c0 == 0) + (c1 == 0) + (c2 == 0);
}
bool minor(int code) {
    return code >= 2 && code <= 4;
}

// The paytable from the top: the lines each row takes, and its pay per coin.
struct Row {
    const char* line;
    bool (*takes)(int c0, int c1, int c2);
    std::int32_t perCoin;
};
const Row Rows[] = {
    {"0 0 0", [](int a, int b, int c) { return a == 0 && b == 0 && c == 0; }, 1500},
    {"1 1 1", [](int a, int b, int c) { return a == 1 && b == 1 && c == 1; }, 250},
    {"two 0", [](int a, int b, int c) { return nuggets(a, b, c) == 2; }, 50},
    {"2 2 2", [](int a, int b, int c) { return a == 2 && b == 2 && c == 2; }, 20},
    {"3 3 3", [](int a, int b, int c) { return a == 3 && b == 3 && c == 3; }, 10},
    {"4 4 4", [](int a, int b, int c) { return a == 4 && b == 4 && c == 4; }, 5},
    {"mixed 2 3 4", [](int a, int b, int c) { return minor(a) && minor(b) && minor(c); }, 2},
    {"one 0", [](int a, int b, int c) { return nuggets(a, b, c) == 1; }, 2},
};

// What a payline position can read as: the symbols, the blank, and the
// bonus-clear symbol's no symbol.
constexpr int Codes[] = {0, 1, 2, 3, 4, 9, NoSymbol};

} // namespace

TEST(OreveinTables, IdentityLimitsAndBoxes) {
    const GameValues& v = oreveinValues();
    EXPECT_EQ(v.title, "Orevein Slots");
    EXPECT_EQ(v.lockName, "OreveinSlots");
    EXPECT_EQ(v.soundPrefix, "Orev");
    EXPECT_EQ(v.versionText, "2.0");
    EXPECT_EQ(v.coinLimit, 5);
    EXPECT_EQ(std::vector<int>(v.paylineRows.begin(), v.paylineRows.end()), std::vector<int>{1});
    EXPECT_EQ(v.boxValues, (std::array<std::int32_t, BoxCount>{250, 100, 50, 50, 25, 10, 0, 0}));
    EXPECT_FALSE(v.stock.has_value()); // no holds or nudges
}

TEST(OreveinTables, EachPaytableRowTakesItsLinesAndPaysPerCoin) {
    const OreveinGame game;
    const Paytable& table = game.paytable();
    ASSERT_EQ(table.rules().size(), std::size(Rows));
    for (std::size_t i = 0; i < std::size(Rows); ++i) {
        const PayRule& rule = table.rules()[i];
        EXPECT_EQ(rule.payout, Payout::PerCoin) << Rows[i].line;
        for (std::int32_t coins = 1; coins <= 5; ++coins) {
            EXPECT_EQ(rule.credits(coins), coins * Rows[i].perCoin) << Rows[i].line << " with " << coins;
        }
    }
    for (const int a : Codes) {
        for (const int b : Codes) {
            for (const int c : Codes) {
                int expected = -1;
                for (std::size_t i = 0; i < std::size(Rows) && expected < 0; ++i) {
                    expected = Rows[i].takes(a, b, c) ? static_cast<int>(i) : -1;
                }
                EXPECT_EQ(table.firstMatch(a, b, c), expected) << a << " " << b << " " << c;
            }
        }
    }
}

} // namespace orevein_tables_test
