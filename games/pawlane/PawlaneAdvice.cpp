#include "games/pawlane/PawlaneAdvice.h"

#include "engine/core/Paytable.h"
#include "engine/state/ReelStrips.h"
#include "games/pawlane/PawlaneHolds.h"
#include "games/pawlane/PawlaneLines.h"

#include <algorithm>
#include <cmath>

namespace slotmachine::pawlane {

namespace {

constexpr int CoinLimit = 3;
constexpr int MeterStates = FullBonusPoints + 1;

std::int32_t clampCoins(std::int32_t coins) {
    return std::clamp<std::int32_t>(coins, 1, CoinLimit);
}

int clampPoints(std::int32_t points) {
    return static_cast<int>(std::clamp<std::int32_t>(points, 0, FullBonusPoints));
}

} // namespace

HoldAdvisor::HoldAdvisor(const Paytable& paytable, double bonusPrize) : bonusPrize_(bonusPrize) {
    for (std::int32_t coins = 1; coins <= CoinLimit; ++coins) {
        Cube& cube = pay_[static_cast<std::size_t>(coins - 1)];
        for (int a = 0; a < SymbolCount; ++a) {
            for (int b = 0; b < SymbolCount; ++b) {
                for (int c = 0; c < SymbolCount; ++c) {
                    cube[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)]
                        [static_cast<std::size_t>(c)] = paytable.credits(a, b, c, coins);
                }
            }
        }
    }
    for (int reel = 0; reel < ReelCount; ++reel) {
        for (int position = 1; position <= StripLength; ++position) {
            symbolChance_[static_cast<std::size_t>(reel)]
                         [static_cast<std::size_t>(symbolAt(reel, position))] += 1.0 / StripLength;
        }
        for (std::int32_t coins = 1; coins <= CoinLimit; ++coins) {
            freeMarks_[static_cast<std::size_t>(coins - 1)][static_cast<std::size_t>(reel)] =
                countFreeMarks(reel, coins);
        }
    }
}

HoldAdvisor::MarkOutcome HoldAdvisor::marksOf(int reel, int position, std::int32_t coins) {
    MarkOutcome outcome{0, false, 1.0};
    for (int row = 0; row < 3; ++row) {
        const MarkedStop* mark = markedStopAt(reel, position);
        position = nextPosition(position);
        if (mark == nullptr || !rowActive(row, coins)) {
            continue;
        }
        if (mark->effect == MarkEffect::Points) {
            outcome.points += mark->points;
        } else if (mark->effect == MarkEffect::Reset) {
            outcome.reset = true;
        }
    }
    return outcome;
}

std::vector<HoldAdvisor::MarkOutcome> HoldAdvisor::countFreeMarks(int reel, std::int32_t coins) const {
    std::vector<MarkOutcome> outcomes;
    for (int stop = 1; stop <= StripLength; ++stop) {
        const MarkOutcome one = marksOf(reel, stop, coins);
        auto same = std::find_if(outcomes.begin(), outcomes.end(), [&](const MarkOutcome& o) {
            return o.points == one.points && o.reset == one.reset;
        });
        if (same == outcomes.end()) {
            outcomes.push_back({one.points, one.reset, 1.0 / StripLength});
        } else {
            same->chance += 1.0 / StripLength;
        }
    }
    return outcomes;
}

const std::array<double, FullBonusPoints + 1>& HoldAdvisor::pointWorth(std::int32_t coins,
                                                                       double bonusPrize) const {
    coins = clampCoins(coins);
    const auto key = std::make_pair(coins, bonusPrize);
    if (const auto found = worthCache_.find(key); found != worthCache_.end()) {
        return found->second;
    }
    // The meter's moves on a spin without holds: the points and reset the three reels show.
    std::vector<MarkOutcome> moves{{0, false, 1.0}};
    for (int reel = 0; reel < ReelCount; ++reel) {
        std::vector<MarkOutcome> next;
        for (const MarkOutcome& so_far : moves) {
            for (const MarkOutcome& one : freeMarks(reel, coins)) {
                next.push_back(
                    {so_far.points + one.points, so_far.reset || one.reset, so_far.chance * one.chance});
            }
        }
        moves = std::move(next);
    }
    // Relative value iteration: h(B) = E[prize + h(B')] - g, pinned at h(0) = 0. The
    // chain is aperiodic (a spin may show no mark), so it converges.
    std::array<double, MeterStates> worth{};
    for (int round = 0; round < 10000; ++round) {
        std::array<double, MeterStates> next{};
        for (int carried = 0; carried < FullBonusPoints; ++carried) {
            for (const MarkOutcome& move : moves) {
                if (move.reset) {
                    next[static_cast<std::size_t>(carried)] += move.chance * worth[0];
                } else if (carried + move.points >= FullBonusPoints) {
                    next[static_cast<std::size_t>(carried)] += move.chance * (bonusPrize + worth[0]);
                } else {
                    next[static_cast<std::size_t>(carried)] +=
                        move.chance * worth[static_cast<std::size_t>(carried + move.points)];
                }
            }
        }
        const double gain = next[0];
        double change = 0;
        for (int carried = 0; carried < FullBonusPoints; ++carried) {
            const double value = next[static_cast<std::size_t>(carried)] - gain;
            change = std::max(change, std::abs(value - worth[static_cast<std::size_t>(carried)]));
            worth[static_cast<std::size_t>(carried)] = value;
        }
        if (change < 1e-12) {
            break;
        }
    }
    // A full meter plays its bonus game at once: it is worth the prize over an empty one.
    worth[FullBonusPoints] = bonusPrize;
    return worthCache_.emplace(key, worth).first->second;
}

double HoldAdvisor::spinWorth(const GameState& state, std::int32_t coins, const HeldReels& held) const {
    coins = clampCoins(coins);
    // Line pays: each line's row alone, the free reels' symbols at their strip chances.
    const Cube& cube = pay_[static_cast<std::size_t>(coins - 1)];
    double worth = 0;
    for (int line = 0; line < LineCount; ++line) {
        if (!lineActive(line, coins)) {
            continue;
        }
        const int row = Paylines[static_cast<std::size_t>(line)].row;
        std::array<std::array<double, SymbolCount>, ReelCount> chance{};
        for (int reel = 0; reel < ReelCount; ++reel) {
            if (held[static_cast<std::size_t>(reel)]) {
                chance[static_cast<std::size_t>(reel)]
                      [static_cast<std::size_t>(symbolAt(reel, rowPosition(state, reel, row)))] = 1.0;
            } else {
                chance[static_cast<std::size_t>(reel)] = symbolChance_[static_cast<std::size_t>(reel)];
            }
        }
        for (std::size_t a = 0; a < SymbolCount; ++a) {
            for (std::size_t b = 0; b < SymbolCount && chance[0][a] > 0; ++b) {
                const double ab = chance[0][a] * chance[1][b];
                for (std::size_t c = 0; c < SymbolCount && ab > 0; ++c) {
                    worth += ab * chance[2][c] * cube[a][b][c];
                }
            }
        }
    }
    // The bonus meter: the three reels' marks together.
    const auto& pointValue = pointWorth(coins, bonusPrize_);
    const int carried = clampPoints(state.BonusPts);
    std::vector<MarkOutcome> moves{{0, false, 1.0}};
    for (int reel = 0; reel < ReelCount; ++reel) {
        const std::vector<MarkOutcome> own =
            held[static_cast<std::size_t>(reel)]
                ? std::vector<MarkOutcome>{marksOf(reel, state.ReelStop[static_cast<std::size_t>(reel)],
                                                   coins)}
                : freeMarks(reel, coins);
        std::vector<MarkOutcome> next;
        for (const MarkOutcome& so_far : moves) {
            for (const MarkOutcome& one : own) {
                next.push_back(
                    {so_far.points + one.points, so_far.reset || one.reset, so_far.chance * one.chance});
            }
        }
        moves = std::move(next);
    }
    for (const MarkOutcome& move : moves) {
        const int after = move.reset ? 0 : std::min(carried + move.points, FullBonusPoints);
        worth += move.chance * (pointValue[static_cast<std::size_t>(after)] -
                                pointValue[static_cast<std::size_t>(carried)]);
    }
    return worth;
}

std::optional<HeldReels> HoldAdvisor::advise(const GameState& state, const PawlaneHolds& holds) const {
    const int more = std::min<std::int32_t>(MostHoldsPerSpin - holds.used(), state.Stock);
    if (!holds.allowed() || more <= 0) {
        return std::nullopt;
    }
    HeldReels already{};
    for (int reel = 0; reel < ReelCount; ++reel) {
        already[static_cast<std::size_t>(reel)] = holds.held(reel);
    }
    const std::int32_t coins = state.LastCoins;
    HeldReels best = already;
    double bestWorth = spinWorth(state, coins, already);
    // Every set of at most `more` further reels, fewer holds first, so a tie spends none.
    for (int size = 1; size <= more; ++size) {
        for (int mask = 1; mask < (1 << ReelCount); ++mask) {
            HeldReels choice = already;
            int added = 0;
            bool fits = true;
            for (int reel = 0; reel < ReelCount; ++reel) {
                if ((mask & (1 << reel)) == 0) {
                    continue;
                }
                fits = fits && !already[static_cast<std::size_t>(reel)];
                choice[static_cast<std::size_t>(reel)] = true;
                ++added;
            }
            if (!fits || added != size) {
                continue;
            }
            const double worth = spinWorth(state, coins, choice);
            if (worth > bestWorth + 1e-9) {
                bestWorth = worth;
                best = choice;
            }
        }
    }
    return best;
}

} // namespace slotmachine::pawlane
