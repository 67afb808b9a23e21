// The simulator's Pawlane figures against an exact enumeration of the strips,
// the marked stops and the paytable, and its strategies against each other.
#include "engine/core/Paytable.h"
#include "games/pawlane/PawlaneEvaluation.h"
#include "games/pawlane/PawlaneGame.h"
#include "tests/support/TestMachine.h"
#include "tools/sim/Simulation.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <numeric>
#include <string>

using namespace slotmachine;
using namespace slotmachine::pawlane;
using namespace slotmachine::sim;
using slotmachine::testing::TestMachine;

namespace {

struct Expected {
    double lineReturn = 0;   // credits of the lines per spin
    double hitFrequency = 0; // spins that pay a line
    double bonusRate = 0;    // bonus games per spin
};

// Every reel stops on each of its 30 positions alike, and without holds the reels
// are independent: the 27000 stops are the whole of a spin's chances.
Expected enumerate(std::int32_t coins) {
    const PawlaneGame game;
    GameState state;
    constexpr int Full = FullBonusPoints;
    std::int64_t pay = 0, hits = 0, resets = 0;
    std::array<std::int64_t, Full + 1> gains{}; // spins adding k points (k = 12: at least 12)
    for (int s0 = 1; s0 <= StripLength; ++s0) {
        for (int s1 = 1; s1 <= StripLength; ++s1) {
            for (int s2 = 1; s2 <= StripLength; ++s2) {
                state.ReelStop = {s0, s1, s2};
                const ReelReading r = readReels(state, game.paytable(), coins);
                const std::int64_t spinPay =
                    std::accumulate(r.linePay.begin(), r.linePay.end(), std::int64_t{0});
                pay += spinPay;
                hits += spinPay > 0 ? 1 : 0;
                if (r.reset) {
                    ++resets;
                } else {
                    ++gains[static_cast<std::size_t>(std::min(r.points, Full))];
                }
            }
        }
    }
    constexpr double Spins = StripLength * StripLength * StripLength;
    Expected e{pay / Spins, hits / Spins, 0};
    // The points carried from spin to spin: a chain over 0 to 11 whose steady
    // state gives the rate of bonus games.
    std::array<double, Full> share{};
    share[0] = 1;
    for (int round = 0; round < 5000; ++round) {
        std::array<double, Full> next{};
        e.bonusRate = 0;
        for (int points = 0; points < Full; ++points) {
            const double p = share[static_cast<std::size_t>(points)];
            next[0] += p * resets / Spins;
            for (int k = 0; k <= Full; ++k) {
                const double q = p * gains[static_cast<std::size_t>(k)] / Spins;
                if (points + k >= Full) {
                    e.bonusRate += q;
                    next[0] += q;
                } else {
                    next[static_cast<std::size_t>(points + k)] += q;
                }
            }
        }
        share = next;
    }
    return e;
}

} // namespace

TEST(PawlaneSimulationTest, FiguresAgreeWithTheStripsMarksAndPaytable) {
    // A box picked at random: the credit prizes count, the holds prizes and the
    // empty boxes pay nothing.
    double boxMean = 0;
    for (const std::int32_t value : pawlaneValues().boxValues) {
        boxMean += value > 1 ? value / 8.0 : 0.0;
    }
    for (const std::int32_t coins : {1, 3}) {
        const Expected e = enumerate(coins);
        ASSERT_GT(e.bonusRate, 0.0);
        // Three wilds pay 2500 on one line in 27000: the return's standard
        // deviation over these spins is about 0.01 a coin.
        constexpr std::int64_t Spins = 2'000'000;
        const Figures f = simulate(Options{"pawlane", coins, Spins, 20261207u});
        ASSERT_EQ(f.totalBet, Spins * coins);
        const double perCoin = static_cast<double>(f.totalWon) / static_cast<double>(f.totalBet);
        EXPECT_NEAR(static_cast<double>(f.lineHits) / Spins, e.hitFrequency, 0.002) << coins;
        EXPECT_NEAR(static_cast<double>(f.bonusGames) / Spins, e.bonusRate, e.bonusRate * 0.03) << coins;
        EXPECT_NEAR(perCoin, (e.lineReturn + e.bonusRate * boxMean) / coins, 0.04) << coins;
        EXPECT_EQ(f.stockUsed, 0) << coins;
    }
}

TEST(PawlaneSimulationTest, GreedyHoldsTheFirstAgreeingPairOfTheMiddleRow) {
    SimStrategy greedy;
    for (const SimStrategy& strategy : simStrategies("pawlane")) {
        if (strategy.name == "greedy") {
            greedy = strategy;
        }
    }
    ASSERT_NE(greedy.afterSpin, nullptr);
    struct Case {
        std::array<std::int32_t, ReelCount> stops;
        std::int32_t holds;
        std::array<bool, ReelCount> held;
    };
    const Case cases[] = {
        {{1, 1, 1}, 6, {true, true, false}},   // 7, 7, 6
        {{1, 1, 1}, 1, {true, false, false}},  // one hold: the left reel of the pair
        {{1, 2, 27}, 2, {true, false, true}},  // 7, 4, wild: reels 0 and 2
        {{1, 2, 27}, 1, {false, false, true}}, // one hold: the wild reel
        {{1, 2, 1}, 6, {false, false, false}}, // 7, 4, 6: no pair
        {{1, 1, 1}, 0, {false, false, false}}, // no holds left
    };
    for (const Case& c : cases) {
        TestMachine m(std::make_unique<PawlaneGame>());
        auto& game = static_cast<PawlaneGame&>(m.game());
        m.state.ReelStop = c.stops;
        m.state.Coins = 1;
        m.state.Stock = c.holds;
        game.evaluate(m.machine);
        m.state.Coins = 0;
        ASSERT_EQ(m.machine.lastSpin().lineWin, 0);
        greedy.afterSpin(m.machine, game);
        for (int reel = 0; reel < ReelCount; ++reel) {
            EXPECT_EQ(game.holds().held(reel), c.held[static_cast<std::size_t>(reel)])
                << c.stops[0] << "," << c.stops[1] << "," << c.stops[2] << " holds " << c.holds << " reel "
                << reel;
        }
    }
    // After a win nothing is held.
    TestMachine m(std::make_unique<PawlaneGame>());
    auto& game = static_cast<PawlaneGame&>(m.game());
    m.state.ReelStop = {7, 2, 19}; // 7s on the top row
    m.state.Coins = 2;
    game.evaluate(m.machine);
    greedy.afterSpin(m.machine, game);
    EXPECT_EQ(game.holds().used(), 0);
}

TEST(PawlaneSimulationTest, TheFiguresCountTheHoldsGreedySpent) {
    const Options options{"pawlane", 2, 20'000, 77, "greedy"};
    const Figures greedy = simulate(options);
    ASSERT_TRUE(greedy.stockUsed.has_value());
    EXPECT_GT(*greedy.stockUsed, 0);
    EXPECT_NE(toJson(options, greedy)
                  .find(",\"holds_used\":" + std::to_string(*greedy.stockUsed) + ",\"strategy\":\"greedy\"}"),
              std::string::npos);
}
