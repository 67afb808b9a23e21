#include "tools/par/ParSheet.h"

#include "engine/bonus/BoxBonusRound.h"
#include "engine/core/Audio.h"
#include "engine/core/BonusGame.h"
#include "engine/core/Dialogs.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/MachineTimers.h"
#include "engine/core/Random.h"
#include "engine/machine/SlotMachine.h"
#include "engine/machine/VirtualClock.h"
#include "engine/state/ReelStrips.h"
#include "tools/sim/Simulator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>
#include <thread>

namespace slotmachine::par {

namespace {

// Credits and stock enough that no probe runs short of either.
constexpr std::int32_t Plenty = 1'000'000'000;
constexpr std::int32_t PlentyOfStock = 1'000'000;
constexpr int PointStates = FullBonusPoints + 1;
constexpr std::int64_t Cycle = std::int64_t{StripLength} * StripLength * StripLength;
constexpr int EstimateBatches = 10;

class UnexpectedDialogs final : public Dialogs {
public:
    void information(const QString& text) override { throw std::runtime_error(text.toStdString()); }
    void plain(const QString& text) override { throw std::runtime_error(text.toStdString()); }
    void error(const QString& text) override { throw std::runtime_error(text.toStdString()); }
};

// Stands in for the bonus game: it notes that one started and opens no box, so no
// prize is paid; the prize is accounted for by its expectation.
class RecordingBonus final : public BonusGame {
public:
    bool play(GameContext&) override {
        ++started;
        return true;
    }
    int started = 0;
};

// What one bonus game brings for a box opened at random, through the game's own
// award step: the mean credit prize, the mean of its square, and the mean stock.
struct BoxExpectation {
    double credits = 0;
    double creditsSquared = 0;
    double stock = 0;
};

// Everything one carried-points state contributes over the full cycle.
struct StateTotals {
    std::array<std::int64_t, PointStates> next{}; // combinations leading to each carried value
    double lineWin = 0;                           // credits of the spin's own line wins
    double strategyWin = 0;                       // credits the strategy's actions won (bonus prizes aside)
    double winPerCredit = 0;                      // sum of E[X], X the spin's whole win per credit bet
    double winSquared = 0;                        // sum of E[X^2]
    std::int64_t hits = 0;
    std::int64_t bonuses = 0;
    double stockEarned = 0;
    std::int64_t stockUsed = 0;
    std::vector<std::int64_t> ruleHits;
};

// A strategy that keeps reels still for the next spin makes spins depend on each other.
class StrategyHoldsReels : public std::invalid_argument {
public:
    StrategyHoldsReels() : std::invalid_argument("the strategy keeps reels still between spins") {}
};

// The machine, with no window, no sound and virtual time, in which every probe runs.
class ProbeMachine {
public:
    ProbeMachine(Game& game, std::int32_t coins)
        : game_(game), coins_(coins),
          machine_({state_, game, random_, clock_, audio_, dialogs_, display_, timers_, bonus_}) {
        machine_.setAnimated(false);
        machine_.powerOn();
    }

    BoxExpectation expectBox() {
        const GameValues& values = game_.values();
        BoxExpectation expected;
        for (int box = 1; box <= BoxCount; ++box) {
            state_.BoxValues = values.boxValues;
            state_.Coins = coins_;
            state_.SpinWin = 0;
            const std::int32_t stockBefore = setStock(0);
            BoxBonusRound round(machine_, nullptr);
            round.open(box);
            const double credits = std::max(0, state_.SpinWin);
            expected.credits += credits / BoxCount;
            expected.creditsSquared += credits * credits / BoxCount;
            expected.stock += static_cast<double>(stock() - stockBefore) / BoxCount;
        }
        state_.Coins = 0;
        state_.SpinWin = 0;
        return expected;
    }

    // Plays all combinations with `points` carried in.
    StateTotals probe(int points, const SimStrategy& strategy, const BoxExpectation& box) {
        StateTotals totals;
        totals.ruleHits.assign(game_.paytable().rules().size(), 0);
        const double c = coins_;
        for (std::int32_t a = 1; a <= StripLength; ++a) {
            for (std::int32_t b = 1; b <= StripLength; ++b) {
                for (std::int32_t d = 1; d <= StripLength; ++d) {
                    state_.BonusPts = points;
                    state_.Credits = Plenty;
                    state_.Coins = 0;
                    state_.LastCoins = coins_;
                    state_.SpinWin = 0;
                    setStock(PlentyOfStock);
                    bonus_.started = 0;
                    machine_.forceStops(std::array<std::int32_t, ReelCount>{a, b, d});
                    machine_.spin();
                    const SpinOutcome outcome = machine_.lastSpin();
                    if (outcome.coins != coins_) {
                        throw std::runtime_error("the engine refused a spin of " + std::to_string(coins_) +
                                                 " coins");
                    }
                    attribute(outcome.lineWin, totals.ruleHits);
                    double win = outcome.lineWin;
                    totals.lineWin += outcome.lineWin;
                    totals.hits += outcome.lineWin > 0 ? 1 : 0;
                    double earned = stock() - PlentyOfStock;
                    if (strategy.afterSpin != nullptr) {
                        const std::int32_t credits = state_.Credits;
                        const std::int32_t before = stock();
                        const int used = strategy.afterSpin(machine_, game_);
                        for (int reel = 0; reel < ReelCount; ++reel) {
                            if (!game_.reelSpins(machine_, reel)) {
                                throw StrategyHoldsReels();
                            }
                        }
                        const double strategyWin = state_.Credits - credits;
                        win += strategyWin;
                        totals.strategyWin += strategyWin;
                        totals.stockUsed += used;
                        earned += stock() - before + used;
                    }
                    const double n = bonus_.started;
                    totals.bonuses += bonus_.started;
                    totals.stockEarned += earned + n * box.stock;
                    totals.winPerCredit += (win + n * box.credits) / c;
                    totals.winSquared += (win * win + 2 * win * n * box.credits + n * box.creditsSquared +
                                          n * (n - 1) * box.credits * box.credits) /
                                         (c * c);
                    totals.next[static_cast<std::size_t>(std::clamp(state_.BonusPts, 0, FullBonusPoints))] +=
                        1;
                }
            }
        }
        machine_.forceStops(std::nullopt);
        return totals;
    }

private:
    std::int32_t stock() const { return game_.values().stock ? state_.Stock : 0; }
    std::int32_t setStock(std::int32_t value) {
        if (!game_.values().stock) {
            return 0;
        }
        state_.Stock = value;
        return value;
    }

    // The rows whose lines the evaluation read: with rules that pay per line, the
    // rows of the lines the coins open; otherwise the first, the payline.
    std::span<const int> paidRows() const {
        const std::span<const int> rows = game_.values().paylineRows;
        const bool perLine = std::ranges::any_of(
            game_.paytable().rules(), [](const PayRule& rule) { return rule.payout == Payout::PerLine; });
        const std::size_t open =
            perLine ? std::min<std::size_t>(rows.size(), static_cast<std::size_t>(coins_)) : 1;
        return rows.first(open);
    }

    // Counts the rule each paid line showed, read through the game's own payline
    // symbols and paytable, and checks that they add up to what the machine paid.
    void attribute(std::int32_t lineWin, std::vector<std::int64_t>& ruleHits) const {
        std::int64_t credits = 0;
        for (const int row : paidRows()) {
            int line[ReelCount];
            for (int reel = 0; reel < ReelCount; ++reel) {
                line[reel] = game_.paylineSymbol(machine_, reel, rowPosition(state_, reel, row));
            }
            const int rule = game_.paytable().firstMatch(line[0], line[1], line[2]);
            if (rule < 0) {
                continue;
            }
            ruleHits[static_cast<std::size_t>(rule)] += 1;
            credits += game_.paytable().rules()[static_cast<std::size_t>(rule)].credits(coins_);
        }
        if (credits != lineWin) {
            throw std::runtime_error("the lines read back pay " + std::to_string(credits) +
                                     " credits where the machine paid " + std::to_string(lineWin));
        }
    }

    Game& game_;
    std::int32_t coins_;
    GameState state_;
    Random random_{1};
    VirtualClock clock_;
    SilentAudio audio_;
    UnexpectedDialogs dialogs_;
    BlankDisplay display_;
    TimerFlags timers_;
    RecordingBonus bonus_;
    SlotMachine machine_;
};

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

std::string number(double value, int decimals = 6) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char ch : text) {
        if (ch == '"' || ch == '\\') {
            quoted += '\\';
        }
        quoted += ch;
    }
    return quoted + "\"";
}

std::string oneIn(double probability) {
    return probability > 0 ? number(1.0 / probability, 1) : std::string("never");
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

std::string toJson(const ParSheet& s) {
    std::string json = "{\"game\":" + jsonString(s.game) + ",\"coins\":" + std::to_string(s.coins) +
                       ",\"exact\":" + (s.exact ? "true" : "false");
    if (s.exact) {
        json += ",\"cycle\":" + std::to_string(s.cycle);
    } else {
        json += ",\"spins\":" + std::to_string(s.simulatedSpins);
    }
    json += ",\"rtp\":" + number(s.rtp, 8);
    if (!s.exact) {
        json += ",\"rtp_standard_error\":" + number(s.rtpStandardError, 8);
    }
    json += ",\"hit_frequency\":" + number(s.hitFrequency, 8) +
            ",\"bonus_frequency\":" + number(s.bonusFrequency, 8);
    if (s.exact) {
        json += ",\"line_return\":" + number(s.lineReturn, 8) +
                ",\"bonus_return\":" + number(s.bonusReturn, 8) +
                ",\"strategy_return\":" + number(s.strategyReturn, 8) +
                ",\"bonus_expected_credits\":" + number(s.bonusCredits, 6);
    }
    json += ",\"volatility\":" + (s.volatility ? number(*s.volatility, 6) : std::string("null"));
    if (!s.stockName.empty()) {
        if (s.exact) {
            json += ",\"" + std::string(s.stockName) + "_earned_per_spin\":" + number(s.stockEarned, 8);
        }
        json += ",\"" + std::string(s.stockName) + "_used_per_spin\":" + number(s.stockUsed, 8);
    }
    if (!s.carriedPoints.empty()) {
        json += ",\"carried_points\":[";
        for (std::size_t i = 0; i < s.carriedPoints.size(); ++i) {
            json += (i > 0 ? "," : "") + number(s.carriedPoints[i], 8);
        }
        json += "]";
    }
    json += ",\"rules\":[";
    for (std::size_t i = 0; i < s.rules.size(); ++i) {
        const RuleFigures& r = s.rules[i];
        json += std::string(i > 0 ? "," : "") + "{\"rule\":" + jsonString(r.description) +
                ",\"combinations\":" + std::to_string(r.combinations) +
                ",\"probability\":" + number(r.probability, 8) +
                ",\"one_in\":" + (r.probability > 0 ? number(1.0 / r.probability, 2) : std::string("null")) +
                ",\"credits\":" + std::to_string(r.credits) + ",\"return\":" + number(r.contribution, 8) +
                (r.payout == Payout::BonusGame ? ",\"bonus_game\":true" : "") + "}";
    }
    json += "],\"strategy\":" + jsonString(s.strategy) + "}";
    return json;
}

std::string toTable(const ParSheet& s) {
    std::string text;
    char line[256];
    std::snprintf(line, sizeof line, "%s, %d coin%s, strategy %s: %s\n", s.game.c_str(), s.coins,
                  s.coins == 1 ? "" : "s", s.strategy.c_str(),
                  s.exact ? "exact, every stop combination played" : "ESTIMATE from the simulator");
    text += line;
    if (s.exact) {
        std::snprintf(line, sizeof line, "\n  %-46s %12s %12s %10s %8s %10s\n", "Pay rule", "Combinations",
                      "Probability", "1 in", "Pays", "Return");
        text += line;
        for (const RuleFigures& r : s.rules) {
            const std::string pays = r.payout == Payout::BonusGame ? "bonus" : std::to_string(r.credits);
            std::snprintf(line, sizeof line, "  %-46.46s %12lld %12s %10s %8s %10s\n",
                          std::string(r.description).c_str(), static_cast<long long>(r.combinations),
                          number(r.probability, 7).c_str(), oneIn(r.probability).c_str(), pays.c_str(),
                          number(r.contribution, 5).c_str());
            text += line;
        }
        std::snprintf(line, sizeof line, "  %-46s %12lld\n\n", "Stop combinations in a cycle",
                      static_cast<long long>(s.cycle));
        text += line;
    } else {
        text += "\n";
    }
    auto row = [&](const char* label, const std::string& value) {
        std::snprintf(line, sizeof line, "  %-40s %s\n", label, value.c_str());
        text += line;
    };
    if (s.exact) {
        row("Line return per credit", number(s.lineReturn, 6));
        row("Bonus game prizes per credit", number(s.bonusReturn, 6));
        if (s.strategy != "none") {
            row("Strategy's wins per credit", number(s.strategyReturn, 6));
        }
        row("Total return per credit (RTP)", number(s.rtp, 6));
    } else {
        row("Total return per credit (RTP), estimate",
            number(s.rtp, 6) + " +/- " + number(s.rtpStandardError, 6) + " (one standard error, " +
                std::to_string(s.simulatedSpins) + " simulated spins)");
    }
    row("Hit frequency (own line wins)",
        number(s.hitFrequency, 6) + "  (1 in " + oneIn(s.hitFrequency) + ")");
    row("Bonus games per spin", number(s.bonusFrequency, 6) + "  (1 in " + oneIn(s.bonusFrequency) + ")");
    if (s.exact) {
        row("Expected credit prize of a bonus game", number(s.bonusCredits, 3));
    }
    if (s.volatility) {
        row("Volatility (SD of a spin's win per credit)", number(*s.volatility, 4));
    }
    if (!s.stockName.empty()) {
        const std::string name(s.stockName);
        if (s.exact) {
            row((name + " earned per spin").c_str(), number(s.stockEarned, 6));
        }
        if (s.strategy != "none") {
            std::string note;
            if (s.exact) {
                note = s.stockEarned >= s.stockUsed
                           ? "  (exact with the stock never empty: more are earned than used, so it grows)"
                           : "  (exact only while the stock lasts: fewer are earned than used)";
            }
            row((name + " used per spin").c_str(), number(s.stockUsed, 6) + note);
        }
    }
    if (!s.carriedPoints.empty()) {
        std::string points;
        for (std::size_t i = 0; i < s.carriedPoints.size(); ++i) {
            points += (i > 0 ? " " : "") + number(s.carriedPoints[i], 4);
        }
        row("Bonus points carried in (0, 1, ...)", points);
    }
    return text;
}

} // namespace slotmachine::par
