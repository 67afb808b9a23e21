#include "tools/par/ProbeMachine.h"

#include "engine/bonus/BoxBonusRound.h"

#include <algorithm>
#include <string>

namespace slotmachine::par {

namespace {

// Credits and stock enough that no probe runs short of either.
constexpr std::int32_t Plenty = 1'000'000'000;
constexpr std::int32_t PlentyOfStock = 1'000'000;

} // namespace

ProbeMachine::ProbeMachine(Game& game, std::int32_t coins)
    : game_(game), coins_(coins),
      machine_({state_, game, random_, clock_, audio_, dialogs_, display_, timers_, bonus_}) {
    machine_.setAnimated(false);
    machine_.powerOn();
}

BoxExpectation ProbeMachine::expectBox() {
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

StateTotals ProbeMachine::probe(int points, const SimStrategy& strategy, const BoxExpectation& box) {
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
                totals.next[static_cast<std::size_t>(std::clamp(state_.BonusPts, 0, FullBonusPoints))] += 1;
            }
        }
    }
    machine_.forceStops(std::nullopt);
    return totals;
}

std::int32_t ProbeMachine::setStock(std::int32_t value) {
    if (!game_.values().stock) {
        return 0;
    }
    state_.Stock = value;
    return value;
}

std::span<const int> ProbeMachine::paidRows() const {
    const std::span<const int> rows = game_.values().paylineRows;
    const bool perLine = std::ranges::any_of(
        game_.paytable().rules(), [](const PayRule& rule) { return rule.payout == Payout::PerLine; });
    const std::size_t open =
        perLine ? std::min<std::size_t>(rows.size(), static_cast<std::size_t>(coins_)) : 1;
    return rows.first(open);
}

void ProbeMachine::attribute(std::int32_t lineWin, std::vector<std::int64_t>& ruleHits) const {
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

} // namespace slotmachine::par
