// Emberpeak's fixed values, strips and paytable, written out as the game's rules
// give them, so that a changed value fails here even where the game's own tables
// feed both sides of another test.
#include "games/emberpeak/EmberpeakGame.h"
#include "tests/support/TestMachine.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using namespace slotmachine;
using namespace slotmachine::emberpeak;
using slotmachine::testing::TestMachine;

// A namespace of its own: the unity build compiles this file together with others.
namespace emberpeak_tables_test {

namespace {

// The paytable from the top: the symbols reels 0, 1 and 2 must show (9 is the
// wild symbol), what the row pays and its pay per coin.
struct Row {
    std::string_view reels[ReelCount];
    Payout payout;
    std::int32_t perCoin;
};
constexpr std::string_view Any = "0123456789";
constexpr Row Rows[] = {
    {{"0", "0", "09"}, Payout::PerCoin, 250}, {{"1", "1", "19"}, Payout::PerCoin, 50},
    {{"2", "2", "29"}, Payout::PerCoin, 20},  {{"3", "3", "39"}, Payout::PerCoin, 18},
    {{"4", "4", "49"}, Payout::PerCoin, 14},  {{"5", "5", "59"}, Payout::PerCoin, 12},
    {{"6", "6", "69"}, Payout::PerCoin, 10},  {{"7", "7", "79"}, Payout::PerCoin, 3},
    {{"8", "8", "89"}, Payout::BonusGame, 0}, {{Any, Any, "9"}, Payout::BetBack, 0},
};

std::int32_t creditsOf(const Row& row, std::int32_t coins) {
    switch (row.payout) {
    case Payout::PerCoin:
        return coins * row.perCoin;
    case Payout::BetBack:
        return coins;
    default:
        return 0;
    }
}

bool takes(const Row& row, int a, int b, int c) {
    const int codes[] = {a, b, c};
    for (int reel = 0; reel < ReelCount; ++reel) {
        if (row.reels[reel].find(static_cast<char>('0' + codes[reel])) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}

} // namespace

TEST(EmberpeakTables, IdentityLimitsAndBoxes) {
    const GameValues& v = emberpeakValues();
    EXPECT_EQ(v.title, "Emberpeak Slots");
    EXPECT_EQ(v.lockName, "EmberpeakSlots");
    EXPECT_EQ(v.soundPrefix, "Emberpeak");
    EXPECT_EQ(v.versionText, "1.1");
    EXPECT_EQ(v.coinLimit, 3);
    EXPECT_EQ(std::vector<int>(v.paylineRows.begin(), v.paylineRows.end()), std::vector<int>{1});
    EXPECT_EQ(v.boxValues, (std::array<std::int32_t, BoxCount>{250, 100, 50, 1, 25, 1, 0, 0}));
}

TEST(EmberpeakTables, AMachineStartsOnItsStripsAndStopsWithSixNudges) {
    TestMachine m(std::make_unique<EmberpeakGame>());
    EXPECT_EQ(m.state.ReelStrip, (std::array<std::string, ReelCount>{"012345678456745678123745672367",
                                                                     "765473210876543721876547320765",
                                                                     "574837291706574635291763513246"}));
    EXPECT_EQ(m.state.ReelStop, (std::array<std::int32_t, ReelCount>{8, 9, 7}));
    EXPECT_EQ(m.state.Stock, 6);
    m.state.Stock = 0;
    ASSERT_TRUE(m.machine.newGame());
    EXPECT_EQ(m.state.Stock, 6);
}

TEST(EmberpeakTables, EachPaytableRowTakesItsLinesAndPaysAsItSays) {
    const EmberpeakGame game;
    const Paytable& table = game.paytable();
    ASSERT_EQ(table.rules().size(), std::size(Rows));
    for (std::size_t i = 0; i < std::size(Rows); ++i) {
        const PayRule& rule = table.rules()[i];
        EXPECT_EQ(rule.payout, Rows[i].payout) << "row " << i;
        for (std::int32_t coins = 1; coins <= 3; ++coins) {
            EXPECT_EQ(rule.credits(coins), creditsOf(Rows[i], coins)) << "row " << i << " with " << coins;
        }
    }
    for (int a = 0; a <= 9; ++a) {
        for (int b = 0; b <= 9; ++b) {
            for (int c = 0; c <= 9; ++c) {
                int expected = -1;
                for (std::size_t i = 0; i < std::size(Rows) && expected < 0; ++i) {
                    expected = takes(Rows[i], a, b, c) ? static_cast<int>(i) : -1;
                }
                EXPECT_EQ(table.firstMatch(a, b, c), expected) << a << " " << b << " " << c;
            }
        }
    }
}

} // namespace emberpeak_tables_test
