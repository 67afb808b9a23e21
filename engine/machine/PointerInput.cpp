#include "engine/machine/PointerInput.h"

#include "engine/core/Game.h"
#include "engine/display/MachineLayout.h"
#include "engine/machine/SlotMachine.h"

namespace slotmachine {

bool pressMachineAt(SlotMachine& machine, int x, int y, int logoWidth,
                   const std::function<void()>& openLogoPage) {
    Game& game = machine.game();
    const ReelGeometry& g = machine.geometry();
    game.pointerPressBeforeButtons(machine, x, y);

    // Each button's hit test is its drawn place with all four edges included.
    if (!machine.state().Busy) {
        if (BetOneButtonPlace.hit(g, x, y)) {
            machine.betOne();
        } else if (BetFiveButtonPlace.hit(g, x, y)) {
            machine.betFive();
        } else if (SpinButtonPlace.hit(g, x, y)) {
            machine.spin();
        }
    }
    if (!machine.state().Busy && CoinSignHitArea.hit(g, x, y)) {
        machine.betOne();
    }
    // The logo is drawn unscaled; its width bounds both coordinates.
    const bool logo =
        x >= LogoMargin && x <= logoWidth + LogoMargin && y >= LogoMargin && y <= logoWidth + LogoMargin;
    if (logo && openLogoPage) {
        openLogoPage();
    }
    game.pointerPressAfterButtons(machine, x, y);
    return logo;
}

void pressReelControl(SlotMachine& machine, int reel) {
    const std::optional<ReelControl> control = machine.game().reelControl(machine, reel);
    if (!control) {
        return;
    }
    const QPoint middle = control->place.scaled(machine.geometry()).center();
    pressMachineAt(machine, middle.x(), middle.y(), 0);
}

} // namespace slotmachine
