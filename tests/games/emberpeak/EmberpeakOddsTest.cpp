// The simulator's Emberpeak figures against an exact count of every payline the
// strips can show.
#include "engine/state/ReelStrips.h"
#include "games/emberpeak/EmberpeakGame.h"
#include "tools/sim/Simulation.h"

#include <gtest/gtest.h>
#include <string>

using namespace slotmachine;
using namespace slotmachine::emberpeak;
using namespace slotmachine::sim;

TEST(EmberpeakOddsTest, TheSimulatorAgreesWithAnExactCountOfThePaylines) {
    const EmberpeakGame game;
    GameState strips;
    fillStrips(strips, game.values());
    std::int64_t pay = 0; // per coin, over every payline
    std::int64_t hits = 0;
    std::int64_t bonusLines = 0;
    for (int p0 = 1; p0 <= StripLength; ++p0) {
        for (int p1 = 1; p1 <= StripLength; ++p1) {
            for (int p2 = 1; p2 <= StripLength; ++p2) {
                const PayRule* rule = game.paytable().match(codeAt(strips, 0, p0), codeAt(strips, 1, p1),
                                                            codeAt(strips, 2, p2));
                if (rule == nullptr) {
                    continue;
                }
                pay += rule->credits(1);
                hits += rule->payout == Payout::BonusGame ? 0 : 1;
                bonusLines += rule->payout == Payout::BonusGame ? 1 : 0;
            }
        }
    }
    // A box at random: only the four credit boxes pay.
    const double boxMean = (250 + 100 + 50 + 25) / 8.0;
    constexpr double Lines = StripLength * StripLength * StripLength;
    const double hitFrequency = static_cast<double>(hits) / Lines;
    const double bonusFrequency = static_cast<double>(bonusLines) / Lines;

    constexpr std::int64_t Spins = 1'000'000;
    for (const std::int32_t coins : {1, 3}) {
        const Figures figures = simulate(Options{"emberpeak", coins, Spins, 20261207u});
        const double spins = static_cast<double>(figures.spins);
        const double rtp = static_cast<double>(figures.totalWon) / static_cast<double>(figures.totalBet);
        // The standard deviation of the return is about 0.004 at one coin.
        EXPECT_NEAR(rtp, (pay / Lines) + bonusFrequency * boxMean / coins, 0.016) << coins;
        EXPECT_NEAR(figures.lineHits / spins, hitFrequency, 0.002) << coins;
        EXPECT_NEAR(figures.bonusGames / spins, bonusFrequency, bonusFrequency * 0.1) << coins;
        EXPECT_EQ(figures.stockUsed, 0) << coins;
    }
}

TEST(EmberpeakOddsTest, TheGreedyStrategySpendsNudgesAndReportsThem) {
    const Options none{"emberpeak", 2, 20000, 3, "none"};
    Options greedy = none;
    greedy.strategy = "greedy";
    const Figures kept = simulate(none);
    const Figures spent = simulate(greedy);
    ASSERT_TRUE(spent.stockUsed.has_value());
    EXPECT_GT(*spent.stockUsed, 0);
    EXPECT_GT(spent.totalWon, kept.totalWon);
    EXPECT_EQ(spent.totalBet, kept.totalBet);

    const std::string json = toJson(greedy, spent);
    EXPECT_NE(
        json.find(",\"nudges_used\":" + std::to_string(*spent.stockUsed) + ",\"strategy\":\"greedy\"}"),
        std::string::npos)
        << json;
    // A game without nudges reports none.
    EXPECT_EQ(
        toJson(Options{"orevein", 1, 10, 1}, simulate(Options{"orevein", 1, 10, 1})).find("nudges_used"),
        std::string::npos);
}
