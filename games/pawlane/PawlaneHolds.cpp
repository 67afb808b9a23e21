#include "games/pawlane/PawlaneHolds.h"

#include "engine/display/MachineDisplay.h"
#include "engine/display/MachineTimers.h"
#include "engine/reels/SlotMachine.h"
#include "engine/state/ClampedMath.h"
#include "games/pawlane/PawlaneTimers.h"

namespace slotmachine::pawlane {

void PawlaneHolds::show(SlotMachine& machine) {
    machine.display().DrawMeter(machine.state().Stock, HoldsMeterRight, MeterColour::Red, true,
                                HoldsMeterCells);
}

void PawlaneHolds::drawLamp(SlotMachine& machine, int reel, bool lit) const {
    if (held(reel)) {
        return;
    }
    machine.display().DrawPictureHalf(QStringLiteral("HoldBMP"),
                                      HoldLampPlaces[static_cast<std::size_t>(reel)], lit);
}

void PawlaneHolds::drawLamps(SlotMachine& machine, bool lit) const {
    for (int reel = 0; reel < ReelCount; ++reel) {
        drawLamp(machine, reel, lit);
    }
}

void PawlaneHolds::drawHeldLamps(SlotMachine& machine) const {
    for (int reel = 0; reel < ReelCount; ++reel) {
        if (held(reel)) {
            machine.display().DrawPictureHalf(QStringLiteral("HoldBMP"),
                                              HoldLampPlaces[static_cast<std::size_t>(reel)], true);
        }
    }
}

void PawlaneHolds::openAfterLoss(SlotMachine& machine) {
    allowed_ = true;
    if (machine.state().Stock > 0) {
        machine.timers().start(HoldLampBlinking);
    }
}

bool PawlaneHolds::hold(SlotMachine& machine, int reel) {
    GameState& s = machine.state();
    // Holds are chosen between spins: nothing may change a spin under way.
    if (s.Busy || machine.operationRunning() || !allowed_ || s.Stock <= 0 || used_ >= MostHoldsPerSpin ||
        reel < 0 || reel >= ReelCount || held(reel)) {
        return false;
    }
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

void PawlaneHolds::press(SlotMachine& machine, int x, int y) {
    for (int reel = 0; reel < ReelCount; ++reel) {
        if (HoldLampPlaces[static_cast<std::size_t>(reel)].hit(machine.geometry(), x, y)) {
            hold(machine, reel);
            return;
        }
    }
}

void PawlaneHolds::afterPress(SlotMachine& machine) {
    if (machine.state().Stock <= 0) {
        allowed_ = false;
        machine.timers().stop(HoldLampBlinking);
    }
}

void PawlaneHolds::blink(SlotMachine& machine) {
    phase_ = !phase_;
    drawLamps(machine, phase_);
}

void PawlaneHolds::spinSettled() {
    used_ = 0;
    held_ = {};
}

void PawlaneHolds::giveBack(SlotMachine& machine) {
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
