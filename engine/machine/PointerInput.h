#pragma once

#include <functional>

namespace slotmachine {

class SlotMachine;

// A press of any pointer button at window pixel x, y of the machine, in this
// order: the game's `pointerPressBeforeButtons`; the buttons and the coin sign,
// which bet and spin while the machine is not busy; the publisher's logo
// (`logoWidth` square at the top left), whose page `openLogoPage` opens, busy or
// not; the game's `pointerPressAfterButtons`, for every press. Returns whether the
// press was on the logo.
bool pressMachineAt(SlotMachine& machine, int x, int y, int logoWidth,
                   const std::function<void()>& openLogoPage = {});

// A press on the game's own control over `reel` (a hold lamp, a nudge button), as
// the pointer presses it at the middle of its place. Nothing when the game has none.
void pressReelControl(SlotMachine& machine, int reel);

} // namespace slotmachine
