// The PAR sheet: its enumeration on a game small enough to count by hand, and every
// game's exact figures against the simulator's long run.
#include "tests/support/SyntheticGame.h"
#include "tools/assets/manual/Manual.h"
#include "tools/par/ParCommand.h"
#include "tools/par/ParSheet.h"
#include "tools/sim/Simulation.h"

#include <QFile>
#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

// A namespace of its own: the unity build compiles this file together with others.
namespace par_sheet_test {

using namespace slotmachine;
using namespace slotmachine::par;

namespace {

// The synthetic game's strips count 0 to 9 three times, so each reel shows each
// digit on the payline at 3 of its 30 stops: a triple comes up 27 times in the
// 27,000 combinations, a nine on the right reel 2,700 times.
TEST(ParSheetEnumeration, CountsAHandCountableGameAndItsCarriedPoints) {
    slotmachine::testing::SyntheticGame game;
    // One point every spin: the meter climbs from 0 and the twelfth point opens the
    // bonus game, unless the three eights (1 in 1000) open it first; either empties
    // the meter. So k points are carried in with a share proportional to 0.999^k, and
    // every bonus game leads back to 0: bonus games per spin are the share of 0.
    game.bonusRule = [](GameContext&) { return 1; };
    const ParSheet sheet = enumerateParSheet(game, 3);

    ASSERT_EQ(sheet.rules.size(), 4u);
    const std::int64_t combinations[] = {27, 27, 27, 2700};
    const std::int32_t credits[] = {300, 10, 0, 3};
    for (std::size_t r = 0; r < 4; ++r) {
        EXPECT_EQ(sheet.rules[r].combinations, combinations[r]) << r;
        EXPECT_NEAR(sheet.rules[r].probability, combinations[r] / 27000.0, 1e-12) << r;
        EXPECT_EQ(sheet.rules[r].credits, credits[r]) << r;
    }
    EXPECT_NEAR(sheet.lineReturn, (27 * 300 + 27 * 10 + 2700 * 3) / 27000.0 / 3, 1e-12);
    EXPECT_NEAR(sheet.hitFrequency, (27 + 27 + 2700) / 27000.0, 1e-12);
    ASSERT_EQ(sheet.carriedPoints.size(), 12u);
    double sum = 0;
    for (int k = 0; k < 12; ++k) {
        sum += std::pow(0.999, k);
    }
    for (int k = 0; k < 12; ++k) {
        EXPECT_NEAR(sheet.carriedPoints[static_cast<std::size_t>(k)], std::pow(0.999, k) / sum, 1e-12) << k;
    }
    const double bonusFrequency = 1 / sum;
    EXPECT_NEAR(sheet.bonusFrequency, bonusFrequency, 1e-12);
    EXPECT_NEAR(sheet.bonusCredits, (500 + 200 + 75 + 75 + 40 + 20) / 8.0, 1e-12);
    EXPECT_NEAR(sheet.rtp, sheet.lineReturn + bonusFrequency * sheet.bonusCredits / 3, 1e-9);
}

// The exact figures at the highest bet against a long simulator run at a fixed
// seed: the return within four standard errors of one spin's spread, and the hit
// and bonus frequencies within four binomial standard errors.
TEST(ParSheetAgainstSimulator, EveryGameAgreesWithALongRun) {
    constexpr std::int64_t Spins = 1'000'000;
    for (const std::string_view name : gameNames()) {
        SCOPED_TRACE(std::string(name));
        const std::int32_t coins = makeGame(name)->values().coinLimit;
        const ParSheet sheet = computeParSheet(*findGame(name), {coins});
        ASSERT_TRUE(sheet.exact);
        ASSERT_TRUE(sheet.volatility);
        const sim::Figures run = sim::simulate({std::string(name), coins, Spins, 20261207, "none"});
        const double n = static_cast<double>(run.spins);
        const double rtp = static_cast<double>(run.totalWon) / static_cast<double>(run.totalBet);
        EXPECT_NEAR(rtp, sheet.rtp, 4 * *sheet.volatility / std::sqrt(n));
        const auto binomial = [n](double p) { return 4 * std::sqrt(p * (1 - p) / n); };
        EXPECT_NEAR(run.lineHits / n, sheet.hitFrequency, binomial(sheet.hitFrequency));
        EXPECT_NEAR(run.bonusGames / n, sheet.bonusFrequency, binomial(sheet.bonusFrequency));
    }
}

TEST(ParSheetCommand, PrintsOneJsonObjectPerCoinCountAndRefusesBadArguments) {
    std::ostringstream out, err;
    ASSERT_EQ(runCommand({"--game", "emberpeak", "--json"}, out, err), 0) << err.str();
    std::istringstream lines(out.str());
    std::string line;
    int objects = 0;
    while (std::getline(lines, line)) {
        ++objects;
        EXPECT_NE(line.find("{\"game\":\"emberpeak\",\"coins\":" + std::to_string(objects) + ","),
                  std::string::npos);
        for (const char* key : {"\"rtp\":", "\"hit_frequency\":", "\"strategy\":\"none\"}"}) {
            EXPECT_NE(line.find(key), std::string::npos) << key;
        }
    }
    EXPECT_EQ(objects, 3);

    const std::vector<std::vector<std::string>> bad = {{},
                                                       {"--game", "nowhere"},
                                                       {"--game", "orevein", "--coins", "6"},
                                                       {"--game", "orevein", "--coins", "x"},
                                                       {"--game", "orevein", "--strategy", "greedy"},
                                                       {"--game", "orevein", "--spins", "5"},
                                                       {"--game", "orevein", "--seed", "5"}};
    for (const auto& arguments : bad) {
        std::ostringstream badOut, badErr;
        EXPECT_EQ(runCommand(arguments, badOut, badErr), 2);
        EXPECT_NE(badErr.str().find("usage: slots-par"), std::string::npos);
    }
}

// The manual's Payback topic is made from the same sheets: every template has its
// place, and the topic shows the return at each bet and the odds of every rule.
TEST(ParSheetInManual, PaybackTopicShowsTheSheetsFigures) {
    for (const std::string_view name : gameNames()) {
        const auto game = makeGame(name);
        QFile file(QStringLiteral(SLOTS_SOURCE_DIR "/games/%1/manual/%2.html")
                       .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                            QString::fromUtf8(game->values().programName.data(),
                                              static_cast<qsizetype>(game->values().programName.size()))));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(text.contains(QString::fromLatin1(manual::PaybackMarker))) << name;
        EXPECT_TRUE(text.contains(QStringLiteral("<a name=\"payback\"></a>"))) << name;
    }
    const PlayableGame& emberpeak = *findGame("emberpeak");
    const QString html = manual::paybackHtml(emberpeak);
    const QLocale english(QLocale::English);
    for (std::int32_t coins = 1; coins <= 3; ++coins) {
        const ParSheet sheet = computeParSheet(emberpeak, {coins});
        EXPECT_TRUE(html.contains(english.toString(100 * sheet.rtp, 'f', 2) + "%")) << coins;
    }
    // The best line of the game, in 6 of the 27,000 combinations.
    const ParSheet oneCoin = computeParSheet(emberpeak, {1});
    const RuleFigures& best = oneCoin.rules.front();
    ASSERT_EQ(best.combinations, 6);
    EXPECT_TRUE(html.contains(QStringLiteral("<td>%1</td><td align=\"right\">4,500 spins</td>")
                                  .arg(QString::fromUtf8(best.description.data(),
                                                         static_cast<qsizetype>(best.description.size())))));
}

} // namespace

} // namespace par_sheet_test
