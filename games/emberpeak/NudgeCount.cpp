#include "games/emberpeak/NudgeCount.h"

#include "engine/core/GameContext.h"
#include "engine/core/GameState.h"
#include "engine/core/MachineDisplay.h"

#include <QCoreApplication>

namespace slotmachine::emberpeak {

namespace {
constexpr std::int32_t CentreX = 617;
constexpr std::int32_t CaptionTop = 232;
constexpr std::int32_t CountTop = 250;
// The box's text is larger above this layout width (the meter captions switch
// below it, so at exactly 900 the two differ).
constexpr std::int32_t LargeTextAbove = 900;
} // namespace

void ShowNudges(GameContext& machine) {
    const bool large = machine.geometry().layoutWidth > LargeTextAbove;
    machine.display().DrawTextBox(
        NudgeCountPlace,
        {
            {QCoreApplication::translate("NudgeCount", "Nudges"), QColor(255, 255, 0), large ? 12 : 10,
             CaptionTop, CentreX},
            {QString::number(machine.state().Stock), QColor(255, 0, 0), large ? 24 : 18, CountTop, CentreX},
        });
}

} // namespace slotmachine::emberpeak
