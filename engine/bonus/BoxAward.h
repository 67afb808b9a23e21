#pragma once

#include "engine/core/GameState.h"

#include <QColor>
#include <QString>
#include <cstdint>

class QImage;

namespace slotmachine {

// What a game's award step sees after a box of the bonus game has been opened.
struct BoxAward {
    GameState& state;
    std::int32_t BonusPrize = 0;    // the prize of this bonus: 0 until a box holding more than 0 opens
    QImage* prizePicture = nullptr; // the prize picture, where the prize text goes; null draws nothing
    double prizeScale = 1;          // how many times its own size the prize picture is shown
};

// Writes `text` onto the award's prize picture with its top-left corner at (40, 200)
// of the picture's own coordinates, in a 24-point bold font of `color` over the
// picture; on a picture shown larger, place and font grow by `prizeScale`. Without a
// prize picture it draws nothing.
void drawPrizeText(const BoxAward& award, const QString& text, QColor color);

// The credit award: once a prize box has been opened, the prize text reads
// "<prize> Credits!" and the prize becomes the pending win.
void awardCreditPrize(BoxAward& award, QColor textColor);

} // namespace slotmachine
