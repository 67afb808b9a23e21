#include "tools/par/ParSheet.h"

#include "tools/par/ProbeMachine.h"
#include "tools/sim/Simulator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <memory>
#include <stdexcept>
#include <thread>

namespace slotmachine::par {

namespace {

constexpr int EstimateBatches = 10;

// The stationary distribution of a chain given by its transition counts over
// `states` (each row sums to the cycle): solves pi P = pi, sum pi = 1.
std::vector<double> stationary(const std::vector<int>& states,
                               const std::array<StateTotals, PointStates>& totals) {
    const std::size_t n = states.size();
    std::vector<std::vector<double>> a(n, std::vector<double>(n + 1, 0.0));
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            // Row i of (P^T - I): inflow into state i from state j.
            a[i][j] =
                static_cast<double>(
                    totals[static_cast<std::size_t>(states[j])].next[static_cast<std::size_t>(states[i])]) /
                    static_cast<double>(Cycle) -
                (i == j ? 1.0 : 0.0);
        }
    }
    for (std::size_t j = 0; j <= n; ++j) {
        a[n - 1][j] = 1.0; // the normalisation replaces one dependent equation
    }
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < n; ++row) {
            if (std::abs(a[row][col]) > std::abs(a[pivot][col])) {
                pivot = row;
            }
        }
        std::swap(a[col], a[pivot]);
        for (std::size_t row = 0; row < n; ++row) {
            if (row == col || a[row][col] == 0.0) {
                continue;
            }
            const double factor = a[row][col] / a[col][col];
            for (std::size_t k = col; k <= n; ++k) {
                a[row][k] -= factor * a[col][k];
            }
        }
    }
    std::vector<double> pi(n);
    for (std::size_t i = 0; i < n; ++i) {
        pi[i] = a[i][n] / a[i][i];
    }
    return pi;
}

} // namespace

ParSheet enumerateParSheet(Game& game, std::int32_t coins, const SimStrategy& strategy,
                           std::unique_ptr<Game> (*another)()) {
    ParRequest request;
    request.coins = coins;
    request.strategy = strategy.name.empty() ? "none" : std::string(strategy.name);
    ProbeMachine machine(game, request.coins);
    const BoxExpectation box = machine.expectBox();

    // Probe the carried values a spin can lead to, starting from an empty meter, a
    // round of newly found values at a time. With a way to make more instances of
    // the game, a round's values are shared among threads, each with its own game
    // and machine.
    std::array<StateTotals, PointStates> totals;
    std::array<bool, PointStates> seen{};
    std::vector<int> states;
    std::vector<int> round{0};
    seen[0] = true;
    const std::size_t workers = another == nullptr ? 1 : std::max(1u, std::thread::hardware_concurrency());
    while (!round.empty()) {
        const std::size_t threads = std::min(workers, round.size());
        if (threads <= 1) {
            for (const int points : round) {
                totals[static_cast<std::size_t>(points)] = machine.probe(points, strategy, box);
            }
        } else {
            std::vector<std::exception_ptr> failures(threads);
            std::vector<std::thread> pool;
            for (std::size_t w = 0; w < threads; ++w) {
                pool.emplace_back([&, w] {
                    try {
                        const std::unique_ptr<Game> own = another();
                        ProbeMachine ownMachine(*own, coins);
                        for (std::size_t i = w; i < round.size(); i += threads) {
                            totals[static_cast<std::size_t>(round[i])] =
                                ownMachine.probe(round[i], strategy, box);
                        }
                    } catch (...) {
                        failures[w] = std::current_exception();
                    }
                });
            }
            for (std::thread& thread : pool) {
                thread.join();
            }
            for (const std::exception_ptr& failure : failures) {
                if (failure) {
                    std::rethrow_exception(failure);
                }
            }
        }
        std::vector<int> found;
        for (const int points : round) {
            states.push_back(points);
            for (int next = 0; next < PointStates; ++next) {
                if (totals[static_cast<std::size_t>(points)].next[static_cast<std::size_t>(next)] > 0 &&
                    !seen[static_cast<std::size_t>(next)]) {
                    seen[static_cast<std::size_t>(next)] = true;
                    found.push_back(next);
                }
            }
        }
        round = std::move(found);
    }
    std::sort(states.begin(), states.end());
    const std::vector<double> pi = stationary(states, totals);

    ParSheet sheet;
    sheet.coins = request.coins;
    sheet.strategy = request.strategy;
    sheet.cycle = Cycle;
    sheet.stockName = stockName(game.values());
    sheet.bonusCredits = box.credits;
    const double cycle = static_cast<double>(Cycle);
    const double bet = request.coins;
    double meanSquare = 0;
    const auto rules = game.paytable().rules();
    std::vector<double> ruleWeight(rules.size(), 0.0);
    for (std::size_t i = 0; i < states.size(); ++i) {
        const StateTotals& t = totals[static_cast<std::size_t>(states[i])];
        const double w = pi[i] / cycle;
        sheet.lineReturn += w * t.lineWin / bet;
        sheet.strategyReturn += w * t.strategyWin / bet;
        sheet.hitFrequency += w * static_cast<double>(t.hits);
        sheet.bonusFrequency += w * static_cast<double>(t.bonuses);
        sheet.stockEarned += w * t.stockEarned;
        sheet.stockUsed += w * static_cast<double>(t.stockUsed);
        sheet.rtp += w * t.winPerCredit;
        meanSquare += w * t.winSquared;
        for (std::size_t r = 0; r < rules.size(); ++r) {
            ruleWeight[r] += w * static_cast<double>(t.ruleHits[r]);
        }
    }
    sheet.bonusReturn = sheet.bonusFrequency * box.credits / bet;
    sheet.volatility = std::sqrt(std::max(0.0, meanSquare - sheet.rtp * sheet.rtp));
    for (std::size_t r = 0; r < rules.size(); ++r) {
        RuleFigures figures;
        figures.description = rules[r].description;
        figures.payout = rules[r].payout;
        figures.combinations = totals[0].ruleHits[r];
        figures.probability = ruleWeight[r];
        figures.credits = rules[r].credits(request.coins);
        // A bonus line's share is the bonus game's expected credit prize.
        figures.contribution =
            ruleWeight[r] * (figures.payout == Payout::BonusGame ? box.credits : figures.credits) / bet;
        sheet.rules.push_back(figures);
    }
    if (states.size() > 1) {
        sheet.carriedPoints.assign(static_cast<std::size_t>(states.back()) + 1, 0.0);
        for (std::size_t i = 0; i < states.size(); ++i) {
            sheet.carriedPoints[static_cast<std::size_t>(states[i])] = pi[i];
        }
    }
    return sheet;
}

namespace {

// The simulator's figures in batches of seeds; their spread gives the standard error.
ParSheet estimate(const PlayableGame& playable, const ParRequest& request, const Game& game) {
    ParSheet sheet;
    sheet.game = playable.name;
    sheet.coins = request.coins;
    sheet.strategy = request.strategy;
    sheet.exact = false;
    sheet.stockName = stockName(game.values());
    const std::int64_t batchSpins = std::max<std::int64_t>(1, request.estimateSpins / EstimateBatches);
    std::vector<double> rtps;
    std::int64_t spins = 0, hits = 0, bonuses = 0, used = 0, bet = 0, won = 0;
    for (int batch = 0; batch < EstimateBatches; ++batch) {
        sim::Options options{std::string(playable.name), request.coins, batchSpins,
                             request.estimateSeed + static_cast<std::uint32_t>(batch), request.strategy};
        const sim::Figures figures = sim::simulate(playable, options);
        rtps.push_back(static_cast<double>(figures.totalWon) / static_cast<double>(figures.totalBet));
        spins += figures.spins;
        hits += figures.lineHits;
        bonuses += figures.bonusGames;
        used += figures.stockUsed.value_or(0);
        bet += figures.totalBet;
        won += figures.totalWon;
    }
    double mean = 0;
    for (const double r : rtps) {
        mean += r / EstimateBatches;
    }
    double spread = 0;
    for (const double r : rtps) {
        spread += (r - mean) * (r - mean) / (EstimateBatches - 1);
    }
    const double n = static_cast<double>(spins);
    sheet.simulatedSpins = spins;
    sheet.rtp = static_cast<double>(won) / static_cast<double>(bet);
    sheet.rtpStandardError = std::sqrt(spread / EstimateBatches);
    sheet.hitFrequency = static_cast<double>(hits) / n;
    sheet.bonusFrequency = static_cast<double>(bonuses) / n;
    sheet.stockUsed = static_cast<double>(used) / n;
    return sheet;
}

} // namespace

ParSheet computeParSheet(const PlayableGame& playable, const ParRequest& request) {
    const std::string name(playable.name);
    const std::unique_ptr<Game> game = playable.make();
    if (request.coins < 1 || request.coins > game->values().coinLimit) {
        throw std::invalid_argument(name + " takes 1 to " + std::to_string(game->values().coinLimit) +
                                    " coins a spin");
    }
    const std::optional<SimStrategy> strategy = findSimStrategy(playable, request.strategy);
    if (!strategy) {
        throw std::invalid_argument("unknown strategy '" + request.strategy + "' for " + name);
    }
    try {
        ParSheet sheet = enumerateParSheet(*game, request.coins, *strategy, playable.make);
        sheet.game = name;
        return sheet;
    } catch (const StrategyHoldsReels&) {
        return estimate(playable, request, *game);
    }
}

} // namespace slotmachine::par
