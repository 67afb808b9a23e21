#include "games/pawlane/PawlaneBonus.h"

#include "engine/bonus/BoxAward.h"
#include "engine/core/ClampedMath.h"

namespace slotmachine::pawlane {

namespace {
constexpr std::int32_t HoldsPrizeBox = 1;
const QColor PrizeTextColour(255, 0, 0);
} // namespace

void awardPawlaneBox(BoxAward& award) {
    if (award.BonusPrize != HoldsPrizeBox) {
        awardCreditPrize(award, PrizeTextColour);
        return;
    }
    GameState& s = award.state;
    const std::int32_t prize = multiplyClamped(2, s.Coins);
    s.Stock = addClamped(s.Stock, prize);
    drawPrizeText(award, QString::number(prize) + QStringLiteral(" Holds!"), PrizeTextColour);
}

} // namespace slotmachine::pawlane
