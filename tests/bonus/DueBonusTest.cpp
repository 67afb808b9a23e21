// A bonus game won but not played, because the program closed first, is kept with
// the game and played at the next start, once, as the spin that won it would have.
#include "engine/bonus/BoxBonusRound.h"
#include "engine/records/RecordFile.h"
#include "games/orevein/OreveinGame.h"
#include "games/pawlane/PawlaneGame.h"
#include "tests/games/emberpeak/EmberpeakTesting.h"
#include "tests/records/RecordFolder.h"

#include <functional>
#include <gtest/gtest.h>

using namespace slotmachine;
using slotmachine::testing::TestMachine;

namespace {

struct GameWithBonus {
    const char* name;
    std::function<std::unique_ptr<Game>()> make;
    // Puts the reels and points where the coming evaluation starts the bonus game.
    std::function<void(TestMachine&)> landBonus;
    std::int32_t coins;
    bool hasStock; // a box of 1 adds twice the coins to the stock
};

const GameWithBonus Games[] = {
    {"Orevein", [] { return std::make_unique<orevein::OreveinGame>(); },
     [](TestMachine& m) {
         m.state.BonusPts = FullBonusPoints;
         m.setPayline(2, 2, 2);
     },
     5, false},
    {"Pawlane", [] { return std::make_unique<pawlane::PawlaneGame>(); },
     [](TestMachine& m) {
         m.state.BonusPts = 10; // and two points from reel 1's stop
         m.state.ReelStop = {12, 4, 6};
     },
     1, true},
    {"Emberpeak", [] { return std::make_unique<emberpeak::EmberpeakGame>(); },
     [](TestMachine& m) {
         using emberpeak::testing::positionOf;
         m.setPayline(positionOf(0, 8), positionOf(1, 8), positionOf(2, 8));
     },
     3, true},
};

// The player opens the first box, which holds `value`.
std::function<void(GameContext&)> openingABoxOf(std::int32_t value) {
    return [value](GameContext& machine) {
        machine.state().BoxValues.fill(value);
        BoxBonusRound round(machine, nullptr);
        round.open(1);
        round.close();
    };
}

// The game as the record file keeps it and the next start reads it back.
GameState storedAndReadBack(const GameState& game) {
    QTemporaryDir dir;
    RecordFile file(dir.filePath(QStringLiteral("slots.ini")), false, QStringLiteral("/"));
    file.storeCurrentGame(game);
    GameState back;
    file.loadCurrentGame(back);
    EXPECT_FALSE(file.takeNotice());
    return back;
}

} // namespace

TEST(DueBonus, AGameLeftUnplayedIsKeptAndPlayedOnceAtTheNextStart) {
    for (const GameWithBonus& g : Games) {
        for (const bool closedWhileDue : {true, false}) {
            SCOPED_TRACE(std::string(g.name) + (closedWhileDue ? ", closing as it fell due" : ", window closed"));
            TestMachine before(g.make());
            g.landBonus(before);
            before.state.Coins = g.coins;
            if (closedWhileDue) {
                before.machine.beginShutdown();
            } else {
                before.bonus.boxOpened = false; // closed before a box was opened
            }
            before.game().evaluate(before.machine);
            EXPECT_EQ(before.state.BonusDue, g.coins);
            EXPECT_EQ(before.bonus.plays, closedWhileDue ? 0 : 1);

            // The next start: the game as stored, the bonus game before any bet.
            TestMachine after(g.make());
            after.state = storedAndReadBack(before.state);
            ASSERT_EQ(after.state.BonusDue, g.coins);
            after.bonus.onPlay = openingABoxOf(1);
            const GameState start = after.state;
            after.machine.playDueBonus();
            EXPECT_EQ(after.bonus.plays, 1);
            EXPECT_EQ(after.state.BonusDue, 0);
            EXPECT_EQ(after.state.BonusPts, 0);
            if (g.hasStock) {
                EXPECT_EQ(after.state.Stock, start.Stock + 2 * g.coins) << "twice the winning spin's coins";
            }
            EXPECT_EQ(after.state.Coins, 0) << "no coins are charged";
            EXPECT_EQ(after.state.Spins, start.Spins);
            EXPECT_FALSE(after.machine.operationRunning());

            after.machine.playDueBonus();
            EXPECT_EQ(after.bonus.plays, 1) << "played once";
            EXPECT_FALSE(storedAndReadBack(after.state).BonusDue);
        }
    }
}

TEST(DueBonus, ItsCreditPrizeIsCountedOnceAndABetPlacedMeanwhileStaysBet) {
    TestMachine m(std::make_unique<emberpeak::EmberpeakGame>());
    m.state.BonusDue = 3;
    m.state.Credits = 500;
    m.state.Coins = 2; // placed before the bonus game opened
    m.bonus.onPlay = openingABoxOf(100);
    m.machine.playDueBonus();
    EXPECT_EQ(m.state.Credits, 600);
    EXPECT_EQ(m.state.BonusWon, 100);
    EXPECT_EQ(m.state.Coins, 2);
    EXPECT_EQ(m.state.BonusDue, 0);

    // A bonus game closed unopened again stays due, with its own coins.
    m.state.BonusDue = 3;
    m.bonus.boxOpened = false;
    m.machine.playDueBonus();
    EXPECT_EQ(m.state.BonusDue, 3);
    EXPECT_EQ(m.state.Credits, 600);
}
