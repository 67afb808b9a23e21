#include "games/pawlane/PawlaneBonus.h"

#include "engine/bonus/BoxAward.h"
#include "engine/core/ClampedMath.h"

#include <QCoreApplication>

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
    //: the bonus game's prize of holds, at least 2
    drawPrizeText(award, QCoreApplication::translate("PawlaneBonus", "%1 Holds!").arg(prize),
                  PrizeTextColour);
}

} // namespace slotmachine::pawlane
