#include "tools/sim/Simulation.h"

#include "engine/machine/SlotMachine.h"
#include "engine/state/ReelStrips.h"
#include "games/orevein/OreveinGame.h"
#include "tests/support/TestMachine.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace slotmachine;
using namespace slotmachine::sim;
using slotmachine::testing::TestMachine;

namespace {

using Args = std::vector<std::string>;

struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};

CommandResult run(const Args& args) {
    std::ostringstream out, err;
    CommandResult result;
    result.status = runCommand(args, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

// The text of a JSON member's value in a flat one-line object, or "" when absent.
std::string member(const std::string& json, const std::string& key) {
    const std::string tag = "\"" + key + "\":";
    const auto at = json.find(tag);
    if (at == std::string::npos) {
        return {};
    }
    const auto start = at + tag.size();
    const auto end = json.find_first_of(",}", start);
    return json.substr(start, end - start);
}

} // namespace

TEST(SimulationTest, GoodArgumentsAreParsed) {
    const ParsedArguments parsed =
        parseArguments({"--game", "orevein", "--coins", "3", "--spins", "100", "--seed", "42"});
    ASSERT_TRUE(parsed.options.has_value()) << parsed.error;
    EXPECT_FALSE(parsed.helpAsked);
    EXPECT_TRUE(parsed.error.empty());
    EXPECT_EQ(parsed.options->game, "orevein");
    EXPECT_EQ(parsed.options->coins, 3);
    EXPECT_EQ(parsed.options->spins, 100);
    EXPECT_EQ(parsed.options->seed, 42u);
    EXPECT_EQ(parsed.options->strategy, "none");

    // --name=value, in any order, and the whole range of the seed.
    const ParsedArguments joined =
        parseArguments({"--seed=4294967295", "--spins=1", "--strategy=none", "--coins=5", "--game=orevein"});
    ASSERT_TRUE(joined.options.has_value()) << joined.error;
    EXPECT_EQ(joined.options->game, "orevein");
    EXPECT_EQ(joined.options->coins, 5);
    EXPECT_EQ(joined.options->spins, 1);
    EXPECT_EQ(joined.options->seed, 4294967295u);

    // Without a seed the time of day gives one.
    const ParsedArguments unseeded = parseArguments({"--game", "orevein", "--coins", "1", "--spins", "10"});
    ASSERT_TRUE(unseeded.options.has_value()) << unseeded.error;
    EXPECT_LT(unseeded.options->seed, 86400000u);
}

TEST(SimulationTest, BadArgumentsAreRefused) {
    const std::vector<Args> bad = {
        {},
        {"--coins", "1", "--spins", "10"},                      // no game
        {"--game", "orevein", "--spins", "10"},                 // no coins
        {"--game", "orevein", "--coins", "1"},                  // no spins
        {"--game", "nowhere", "--coins", "1", "--spins", "10"}, // not a game
        {"--game", "orevein", "--coins", "0", "--spins", "10"}, // no coins
        {"--game", "orevein", "--coins", "6", "--spins", "10"}, // above the coin limit
        {"--game", "orevein", "--coins", "-1", "--spins", "10"},
        {"--game", "orevein", "--coins", "1", "--spins", "0"},
        {"--game", "orevein", "--coins", "1", "--spins", "-5"},
        {"--game", "orevein", "--coins", "1", "--spins", "ten"},
        {"--game", "orevein", "--coins", "1", "--spins", "10", "--seed", "abc"},
        {"--game", "orevein", "--coins", "1", "--spins", "10", "--seed", "-3"},
        {"--game", "orevein", "--coins", "1", "--spins", "10", "--seed", "4294967296"},
        {"--game", "orevein", "--coins", "1", "--spins", "10", "--seed", ""},
        {"--game", "orevein", "--coins", "2x", "--spins", "10"},
        {"--game", "orevein", "--coins", "1", "--spins", "10", "--frobnicate"},
        {"--frobnicate"},
        {"--game", "orevein", "--coins", "1", "--spins"}, // value missing
        {"--game", "orevein", "--coins", "1", "--spins", "10", "--strategy", "nowhere"},
        {"--game", "orevein", "--coins", "1", "--spins", "10", "--strategy", "None"},
    };
    for (const Args& args : bad) {
        std::string line;
        for (const std::string& a : args) {
            line += a + " ";
        }
        const ParsedArguments parsed = parseArguments(args);
        EXPECT_FALSE(parsed.options.has_value()) << line;
        EXPECT_FALSE(parsed.error.empty()) << line;
        EXPECT_FALSE(parsed.helpAsked) << line;
    }
}

TEST(SimulationTest, HelpIsAskedFor) {
    for (const Args& args : {Args{"--help"}, Args{"-h"}, Args{"--game", "orevein", "--help"}}) {
        const ParsedArguments parsed = parseArguments(args);
        EXPECT_TRUE(parsed.helpAsked);
        EXPECT_FALSE(parsed.options.has_value());
    }
    const CommandResult help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, usage());
    EXPECT_TRUE(help.err.empty());
}

TEST(SimulationTest, CommandWithBadArgumentsPrintsUsage) {
    for (const Args& args : {Args{"--game", "orevein", "--coins", "6", "--spins", "10"}, Args{"--frobnicate"},
                             Args{"--game", "orevein", "--coins", "1", "--spins", "10", "--seed", "-3"}}) {
        const CommandResult result = run(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.out.empty());
        EXPECT_NE(result.err.find(usage()), std::string::npos) << result.err;
    }
}

TEST(SimulationTest, CommandPrintsOneLineOfJson) {
    const CommandResult result = run({"--game", "orevein", "--coins", "2", "--spins", "1000", "--seed", "9"});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.err.empty()) << result.err;

    const std::string& out = result.out;
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out.find('\n'), out.size() - 1);
    EXPECT_EQ(out.front(), '{');
    EXPECT_EQ(out.substr(out.size() - 2), "}\n");

    EXPECT_EQ(member(out, "game"), "\"orevein\"");
    EXPECT_EQ(member(out, "coins"), "2");
    EXPECT_EQ(member(out, "spins"), "1000");
    EXPECT_EQ(member(out, "seed"), "9");
    EXPECT_EQ(member(out, "total_bet"), "2000");
    // The strategy comes last, after every figure.
    EXPECT_EQ(out.substr(out.rfind(',')), ",\"strategy\":\"none\"}\n");
    for (const char* key : {"total_won", "rtp", "hit_frequency", "bonus_games", "spins_per_second"}) {
        const std::string value = member(out, key);
        ASSERT_FALSE(value.empty()) << key;
        std::size_t used = 0;
        const double number = std::stod(value, &used);
        EXPECT_EQ(used, value.size()) << key << ": " << value;
        EXPECT_GE(number, 0.0) << key;
    }
    const double rtp = std::stod(member(out, "rtp"));
    EXPECT_NEAR(rtp, std::stod(member(out, "total_won")) / 2000.0, 1e-6);
    const double hitFrequency = std::stod(member(out, "hit_frequency"));
    EXPECT_LE(hitFrequency, 1.0);
}

TEST(SimulationTest, SameSeedGivesTheSameFigures) {
    const Options options{"orevein", 5, 20000, 7};
    const Figures first = simulate(options);
    const Figures second = simulate(options);
    EXPECT_EQ(first.spins, 20000);
    EXPECT_EQ(first.totalBet, 5 * 20000);
    EXPECT_EQ(first.totalWon, second.totalWon);
    EXPECT_EQ(first.lineHits, second.lineHits);
    EXPECT_EQ(first.loans, second.loans);

    // Another seed plays other spins.
    const Figures other = simulate(Options{"orevein", 5, 20000, 8});
    EXPECT_EQ(other.totalBet, first.totalBet);
    EXPECT_TRUE(other.totalWon != first.totalWon || other.lineHits != first.lineHits);

    // The JSON carries the same figures.
    const std::string json = toJson(options, first);
    EXPECT_EQ(member(json, "total_won"), std::to_string(first.totalWon));
    EXPECT_EQ(member(json, "bonus_games"), std::to_string(first.bonusGames));
}

TEST(SimulationTest, LineWinsScaleWithTheBet) {
    // The bet does not touch the generator, so the same seed stops the reels alike
    // and every line win grows with the coins; bonus prizes do not.
    const Figures one = simulate(Options{"orevein", 1, 20000, 99});
    const Figures five = simulate(Options{"orevein", 5, 20000, 99});
    EXPECT_GT(one.lineHits, 0);
    EXPECT_EQ(five.lineHits, one.lineHits);
    EXPECT_EQ(five.bonusGames, one.bonusGames);
    if (one.bonusGames == 0) {
        EXPECT_EQ(five.totalWon, 5 * one.totalWon);
    } else {
        EXPECT_GT(five.totalWon, one.totalWon);
    }
}

TEST(SimulationTest, ResultsAgreeWithTheStripsFeaturesAndPaytable) {
    // Each reel stops on each of its 30 positions alike, and its features then move
    // it on its own, so the paylines after the features follow from each reel alone.
    TestMachine m(std::make_unique<orevein::OreveinGame>());
    Game& game = m.game();
    std::array<std::array<int, StripLength>, ReelCount> settled{};
    for (int reel = 0; reel < ReelCount; ++reel) {
        for (int stop = 1; stop <= StripLength; ++stop) {
            m.state.ReelStop[static_cast<std::size_t>(reel)] = stop;
            game.reelFeatures(m.machine, reel);
            settled[static_cast<std::size_t>(reel)][static_cast<std::size_t>(stop - 1)] =
                m.state.ReelStop[static_cast<std::size_t>(reel)];
        }
    }

    // The line pays, and the chances of each bonus point outcome of one spin.
    constexpr int Full = FullBonusPoints;
    std::int64_t payTotal = 0;
    std::int64_t hits = 0;
    std::int64_t clears = 0;
    std::array<std::int64_t, Full + 1> gains{}; // spins adding k points (0 = none)
    for (const int s0 : settled[0]) {
        for (const int s1 : settled[1]) {
            for (const int s2 : settled[2]) {
                m.state.ReelStop = {s0, s1, s2};
                const std::int32_t pay =
                    game.paytable().pay(game.paylineSymbol(m.machine, 0, paylinePosition(m.state, 0)),
                                        game.paylineSymbol(m.machine, 1, paylinePosition(m.state, 1)),
                                        game.paylineSymbol(m.machine, 2, paylinePosition(m.state, 2)));
                payTotal += pay;
                hits += pay > 0 ? 1 : 0;
                m.state.BonusPts = 1;
                const int d = game.bonusPoints(m.machine);
                if (d < 0) {
                    ++clears;
                } else {
                    ++gains[static_cast<std::size_t>(std::min(d, Full))];
                }
            }
        }
    }
    constexpr double Lines = StripLength * StripLength * StripLength;
    const double expectedLineReturn = static_cast<double>(payTotal) / Lines;
    const double expectedHitFrequency = static_cast<double>(hits) / Lines;
    ASSERT_GT(expectedLineReturn, 0.0);
    ASSERT_GT(clears, 0);

    // The points carried from spin to spin form a chain over 0 to 11; twelve plays
    // the bonus game and starts again from 0. Its steady state gives the bonus rate.
    std::array<double, Full> share{};
    share[0] = 1.0;
    double bonusRate = 0.0;
    for (int round = 0; round < 5000; ++round) {
        std::array<double, Full> next{};
        bonusRate = 0.0;
        for (int points = 0; points < Full; ++points) {
            const double p = share[static_cast<std::size_t>(points)];
            next[0] += p * static_cast<double>(clears) / Lines;
            for (int k = 0; k <= Full; ++k) {
                const double q = p * static_cast<double>(gains[static_cast<std::size_t>(k)]) / Lines;
                if (points + k >= Full) {
                    bonusRate += q;
                    next[0] += q;
                } else {
                    next[static_cast<std::size_t>(points + k)] += q;
                }
            }
        }
        share = next;
    }
    // A box picked at random holds the mean of the eight values.
    double boxMean = 0.0;
    for (const std::int32_t value : orevein::oreveinValues().boxValues) {
        boxMean += value / 8.0;
    }
    ASSERT_GT(bonusRate, 0.0);

    // The top prize makes the return noisy: its standard deviation over these
    // spins is about 0.006.
    constexpr std::int64_t Spins = 3'000'000;
    const Figures figures = simulate(Options{"orevein", 1, Spins, 20240611u});
    ASSERT_EQ(figures.spins, Spins);
    ASSERT_EQ(figures.totalBet, Spins);
    const double rtp = static_cast<double>(figures.totalWon) / static_cast<double>(figures.totalBet);
    const double hitFrequency = static_cast<double>(figures.lineHits) / static_cast<double>(figures.spins);
    const double bonusFrequency =
        static_cast<double>(figures.bonusGames) / static_cast<double>(figures.spins);
    EXPECT_NEAR(hitFrequency, expectedHitFrequency, 0.003);
    EXPECT_NEAR(bonusFrequency, bonusRate, bonusRate * 0.03);
    EXPECT_NEAR(rtp, expectedLineReturn + bonusRate * boxMean, 0.03);
}

TEST(SimulationTest, EveryGameOfTheCatalogPlaysWithEachOfItsStrategies) {
    for (const std::string_view name : gameNames()) {
        const std::string game(name);
        const std::int32_t limit = makeGame(name)->values().coinLimit;
        EXPECT_TRUE(
            parseArguments({"--game", game, "--coins", std::to_string(limit), "--spins", "1"}).options)
            << game;
        EXPECT_FALSE(
            parseArguments({"--game", game, "--coins", std::to_string(limit + 1), "--spins", "1"}).options)
            << game;
        const std::vector<SimStrategy> strategies = simStrategies(name);
        ASSERT_FALSE(strategies.empty()) << game;
        EXPECT_EQ(strategies.front().name, "none") << game;
        for (const SimStrategy& strategy : strategies) {
            const Options options{game, limit, 500, 11, std::string(strategy.name)};
            ASSERT_TRUE(parseArguments({"--game", game, "--coins", std::to_string(limit), "--spins", "500",
                                        "--strategy", options.strategy})
                            .options)
                << game << " " << strategy.name;
            EXPECT_NE(usage().find(std::string(strategy.name)), std::string::npos) << strategy.name;
            const Figures figures = simulate(options);
            EXPECT_EQ(figures.spins, 500) << game << " " << strategy.name;
            EXPECT_EQ(figures.totalBet, 500 * limit) << game << " " << strategy.name;
        }
    }
}

TEST(SimulationTest, CreditsTheStrategysActionsBringCountAsWon) {
    const Options options{"orevein", 2, 3000, 5};
    const Figures none = simulate(options);
    const SimStrategy generous{"generous", [](GameContext& machine, Game&) {
                                   machine.state().Credits += 3;
                                   return 0;
                               }};
    const Figures played = simulate(options, generous);
    EXPECT_EQ(played.totalBet, none.totalBet);
    EXPECT_EQ(played.lineHits, none.lineHits);
    EXPECT_EQ(played.totalWon, none.totalWon + 3 * 3000);
}
