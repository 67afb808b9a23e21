#include "games/pawlane/PawlaneHolds.h"

#include "engine/core/ClampedMath.h"
#include "engine/core/GameContext.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/MachineTimers.h"
#include "games/pawlane/PawlaneTimers.h"

namespace slotmachine::pawlane {

void PawlaneHolds::show(GameContext& machine) {
    machine.display().DrawMeter(machine.state().Stock, HoldsMeterRight, MeterColour::Red, true,
                                HoldsMeterCells);
}

void PawlaneHolds::drawLamp(GameContext& machine, int reel, bool lit) const {
    if (held(reel)) {
        return;
    }
    machine.display().DrawPictureHalf(QStringLiteral("HoldLamp"),
                                      HoldLampPlaces[static_cast<std::size_t>(reel)], lit);
}

void PawlaneHolds::drawLamps(GameContext& machine, bool lit) const {
    for (int reel = 0; reel < ReelCount; ++reel) {
        drawLamp(machine, reel, lit);
    }
}

void PawlaneHolds::drawHeldLamps(GameContext& machine) const {
    for (int reel = 0; reel < ReelCount; ++reel) {
        if (held(reel)) {
            machine.display().DrawPictureHalf(QStringLiteral("HoldLamp"),
                                              HoldLampPlaces[static_cast<std::size_t>(reel)], true);
        }
    }
}

void PawlaneHolds::openAfterLoss(GameContext& machine) {
    allowed_ = true;
    if (machine.state().Stock > 0) {
        machine.timers().start(HoldLampBlinking);
    }
}

bool PawlaneHolds::mayHold(const GameContext& machine, int reel) const {
    const GameState& s = machine.state();
    // Holds are chosen between spins: nothing may change a spin under way.
    return !s.Busy && !machine.operationRunning() && allowed_ && s.Stock > 0 && used_ < MostHoldsPerSpin && reel >= 0 &&
           reel < ReelCount && !held(reel);
}

bool PawlaneHolds::hold(GameContext& machine, int reel) {
    if (!mayHold(machine, reel)) {
        return false;
    }
    GameState& s = machine.state();
    s.Stock -= 1;
    used_ += 1;
    show(machine);
    drawLamp(machine, reel, true);
    held_[static_cast<std::size_t>(reel)] = true;
    if (used_ >= MostHoldsPerSpin || s.Stock == 0) {
        machine.timers().stop(HoldLampBlinking);
        drawLamps(machine, false);
    }
    return true;
}

void PawlaneHolds::press(GameContext& machine, int x, int y) {
    for (int reel = 0; reel < ReelCount; ++reel) {
        if (HoldLampPlaces[static_cast<std::size_t>(reel)].hit(machine.geometry(), x, y)) {
            hold(machine, reel);
            return;
        }
    }
}

void PawlaneHolds::afterPress(GameContext& machine) {
    if (machine.state().Stock <= 0) {
        allowed_ = false;
        machine.timers().stop(HoldLampBlinking);
    }
}

void PawlaneHolds::blink(GameContext& machine, const std::array<bool, ReelCount>& steady) {
    phase_ = !phase_;
    drawBlinking(machine, steady);
}

void PawlaneHolds::drawBlinking(GameContext& machine, const std::array<bool, ReelCount>& steady) {
    for (int reel = 0; reel < ReelCount; ++reel) {
        drawLamp(machine, reel, phase_ || steady[static_cast<std::size_t>(reel)]);
    }
}

void PawlaneHolds::spinSettled() {
    used_ = 0;
    held_ = {};
}

void PawlaneHolds::giveBack(GameContext& machine) {
    if (used_ == 0) {
        return;
    }
    GameState& s = machine.state();
    s.Stock = addClamped(s.Stock, used_);
    show(machine);
    spinSettled();
    drawLamps(machine, false);
    if (allowed_ && s.Stock > 0) {
        machine.timers().start(HoldLampBlinking);
    }
}

} // namespace slotmachine::pawlane
