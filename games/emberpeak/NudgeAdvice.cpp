#include "games/emberpeak/NudgeAdvice.h"

#include "engine/core/Paytable.h"
#include "engine/state/ReelStrips.h"

#include <array>

namespace slotmachine::emberpeak {

double expectedBoxCredits(std::span<const std::int32_t> boxValues) {
    double total = 0;
    for (const std::int32_t value : boxValues) {
        total += value > 1 ? value : 0;
    }
    return boxValues.empty() ? 0 : total / static_cast<double>(boxValues.size());
}

double nudgePay(const GameState& state, const Paytable& paytable, int reel, double bonusCredits) {
    std::array<int, ReelCount> line{};
    for (int r = 0; r < ReelCount; ++r) {
        int position = paylinePosition(state, r);
        if (r == reel) {
            position = previousPosition(position);
        }
        line[static_cast<std::size_t>(r)] = codeAt(state, r, position);
    }
    const PayRule* rule = paytable.match(line[0], line[1], line[2]);
    if (rule == nullptr) {
        return 0;
    }
    if (rule->payout == Payout::BonusGame) {
        return bonusCredits;
    }
    return rule->credits(state.LastCoins);
}

std::optional<int> bestNudge(const GameState& state, const Paytable& paytable, double bonusCredits) {
    std::optional<int> best;
    double bestPay = 0;
    for (int reel = 0; reel < ReelCount; ++reel) {
        const double pay = nudgePay(state, paytable, reel, bonusCredits);
        if (pay > bestPay) {
            best = reel;
            bestPay = pay;
        }
    }
    return best;
}

} // namespace slotmachine::emberpeak
