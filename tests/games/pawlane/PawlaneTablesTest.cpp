// Pawlane's fixed values, strips, paytable and marked stops, written out as the
// game's rules give them, so that a changed value fails here even where the game's
// own tables feed both sides of another test.
#include "games/pawlane/PawlaneGame.h"
#include "tests/support/TestMachine.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A namespace of its own: the unity build compiles this file together with others.
namespace pawlane_tables_test {

using namespace slotmachine;
using namespace slotmachine::pawlane;
using slotmachine::testing::TestMachine;

namespace {

const std::array<std::string, ReelCount> Strips = {
    "275643761370536427347562754176",
    "674152732743652057146372645671",
    "267243561734273546751325746075",
};

// The paytable from the top: the symbols each reel must show, and the pay of a line.
struct Row {
    std::string_view eachReel;
    std::int32_t pay;
};
constexpr Row Rows[] = {
    {"0", 2500}, {"10", 50}, {"20", 20}, {"30", 18}, {"40", 14}, {"50", 12}, {"60", 10}, {"70", 5},
};

// The marked stops and what each does on an open line's row.
struct Mark {
    int reel;
    int position;
    int points;
    bool reset;
    bool hold;
};
constexpr Mark Marks[] = {
    {0, 4, 2, false, false}, {0, 11, 1, false, false}, {0, 28, 0, true, false},
    {1, 5, 3, false, false}, {1, 12, 0, false, true},  {1, 18, 1, false, false},
    {2, 3, 1, false, false}, {2, 9, 0, true, false},   {2, 27, 2, false, false},
};

const Mark* markAt(int reel, int position) {
    for (const Mark& m : Marks) {
        if (m.reel == reel && m.position == position) {
            return &m;
        }
    }
    return nullptr;
}

std::unique_ptr<TestMachine> pawlaneMachine() {
    return std::make_unique<TestMachine>(std::make_unique<PawlaneGame>());
}

} // namespace

TEST(PawlaneTables, IdentityLimitsBoxesAndLineOrder) {
    const GameValues& v = pawlaneValues();
    EXPECT_EQ(v.title, "Pawlane Slots");
    EXPECT_EQ(v.lockName, "PawlaneSlots");
    EXPECT_EQ(v.soundPrefix, "Animal");
    EXPECT_EQ(v.versionText, "1.1");
    EXPECT_EQ(v.coinLimit, 3);
    EXPECT_EQ(v.boxValues, (std::array<std::int32_t, BoxCount>{250, 100, 50, 1, 25, 1, 0, 0}));
    // Middle, top, bottom: the rows the first, second and third coin open.
    EXPECT_EQ(std::vector<int>(v.paylineRows.begin(), v.paylineRows.end()), (std::vector<int>{1, 0, 2}));
    for (int line = 0; line < LineCount; ++line) {
        EXPECT_EQ(Paylines[static_cast<std::size_t>(line)].row,
                  v.paylineRows[static_cast<std::size_t>(line)]);
    }
}

TEST(PawlaneTables, AMachineStartsOnItsStripsAndStopsWithSixHolds) {
    auto m = pawlaneMachine();
    EXPECT_EQ(m->state.ReelStrip, Strips);
    EXPECT_EQ(m->state.ReelStop, (std::array<std::int32_t, ReelCount>{11, 15, 27}));
    EXPECT_EQ(m->state.Stock, 6);
    m->state.Stock = 0;
    ASSERT_TRUE(m->machine.newGame());
    EXPECT_EQ(m->state.Stock, 6);
}

TEST(PawlaneTables, EachPaytableRowTakesItsLinesAndPaysPerLine) {
    const PawlaneGame game;
    const Paytable& table = game.paytable();
    ASSERT_EQ(table.rules().size(), std::size(Rows));
    for (std::size_t i = 0; i < std::size(Rows); ++i) {
        const PayRule& rule = table.rules()[i];
        EXPECT_EQ(rule.payout, Payout::PerLine) << Rows[i].eachReel;
        for (std::int32_t coins = 1; coins <= 3; ++coins) {
            EXPECT_EQ(rule.credits(coins), Rows[i].pay) << Rows[i].eachReel << " with " << coins;
        }
    }
    const auto shows = [](std::string_view symbols, int code) {
        return symbols.find(static_cast<char>('0' + code)) != std::string_view::npos;
    };
    for (int a = 0; a <= 7; ++a) {
        for (int b = 0; b <= 7; ++b) {
            for (int c = 0; c <= 7; ++c) {
                int expected = -1;
                for (std::size_t i = 0; i < std::size(Rows) && expected < 0; ++i) {
                    const std::string_view s = Rows[i].eachReel;
                    expected = shows(s, a) && shows(s, b) && shows(s, c) ? static_cast<int>(i) : -1;
                }
                EXPECT_EQ(table.firstMatch(a, b, c), expected) << a << " " << b << " " << c;
            }
        }
    }
}

TEST(PawlaneTables, EveryStopIsDrawnAndActsAsItsMarkSays) {
    // The other reels stand where none of their rows shows a marked stop.
    constexpr std::array<std::int32_t, ReelCount> Quiet = {13, 1, 13};
    for (int reel = 0; reel < ReelCount; ++reel) {
        for (int position = 1; position <= StripLength; ++position) {
            const std::string at = "reel " + std::to_string(reel) + " position " + std::to_string(position);
            const Mark* mark = markAt(reel, position);
            auto m = pawlaneMachine();
            const int code =
                Strips[static_cast<std::size_t>(reel)][static_cast<std::size_t>(position - 1)] - '0';
            EXPECT_EQ(m->game().symbolNumber(reel, position), mark != nullptr ? code + 8 : code) << at;

            m->state.ReelStop = Quiet;
            m->state.ReelStop[static_cast<std::size_t>(reel)] = position == 1 ? StripLength : position - 1;
            m->state.Coins = 1; // the middle row's line only
            m->state.BonusPts = 5;
            m->game().evaluate(m->machine);
            const int points = mark == nullptr ? 5 : mark->reset ? 0 : 5 + mark->points;
            EXPECT_EQ(m->state.BonusPts, points) << at;
            EXPECT_EQ(m->state.Stock, mark != nullptr && mark->hold ? 7 : 6) << at;
        }
    }
}

} // namespace pawlane_tables_test
