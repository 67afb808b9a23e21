#include "games/emberpeak/NudgeButtons.h"

#include "engine/core/MachineDisplay.h"

namespace slotmachine::emberpeak {

void drawNudgeButtons(MachineDisplay& display, bool lit) {
    for (const DesignRect& place : NudgeButtonPlaces) {
        // The nudge button is the game's picture in the place other machines use
        // for their bonus meter.
        display.DrawPictureHalf(QStringLiteral("BonusMeter"), place, lit);
    }
}

void drawNudgeButtons(MachineDisplay& display, bool lit, std::optional<int> steady) {
    for (int reel = 0; reel < ReelCount; ++reel) {
        display.DrawPictureHalf(QStringLiteral("BonusMeter"),
                                NudgeButtonPlaces[static_cast<std::size_t>(reel)], lit || steady == reel);
    }
}

int nudgeButtonAt(const ReelGeometry& geometry, int x, int y) {
    for (int reel = 0; reel < ReelCount; ++reel) {
        if (NudgeButtonPlaces[static_cast<std::size_t>(reel)].hit(geometry, x, y)) {
            return reel;
        }
    }
    return -1;
}

} // namespace slotmachine::emberpeak
