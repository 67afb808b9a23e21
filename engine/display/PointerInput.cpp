#include "engine/display/PointerInput.h"

#include "engine/display/MachineLayout.h"
#include "engine/game/Game.h"
#include "engine/reels/SlotMachine.h"

namespace slotmachine {

namespace {

// Hit ranges include both ends.
bool within(int v, int low, int high) {
    return v >= low && v <= high;
}

} // namespace

bool FormMouseDown(SlotMachine& machine, int x, int y, int logoWidth) {
    if (machine.game().pointerPressBeforeButtons(machine, x, y)) {
        return false;
    }
    const ReelGeometry& g = machine.geometry();
    auto su = [&g](int v) { return g.ScaleUnit(v); };

    if (within(x, su(577), su(655)) && !machine.state().Busy) {
        if (within(y, su(362), su(421))) {
            machine.betOne();
        } else if (within(y, su(432), su(491))) {
            machine.betFive();
        } else if (within(y, su(293), su(352))) {
            machine.spin();
        }
    }
    // The coin sign bets one coin. Its hit range stops short of the drawn sign.
    if (within(x, su(560), su(643)) && !machine.state().Busy && within(y, su(99), su(181))) {
        machine.betOne();
    }
    machine.game().pointerPressAfterButtons(machine, x, y);
    // The logo's width bounds both coordinates.
    return within(x, LogoMargin, logoWidth + LogoMargin) && within(y, LogoMargin, logoWidth + LogoMargin);
}

} // namespace slotmachine
