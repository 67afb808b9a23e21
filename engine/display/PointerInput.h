#pragma once

namespace slotmachine {

class SlotMachine;

// A press of any pointer button at window pixel x, y of the machine, in this
// order: the game's `pointerPressBeforeButtons`; the buttons and the coin sign,
// which bet and spin while the machine is not busy; the game's
// `pointerPressAfterButtons`, for every press. Returns true when
// the press was on the publisher's logo (`logoWidth` square at the top left), whose
// page the window then opens, busy or not.
bool FormMouseDown(SlotMachine& machine, int x, int y, int logoWidth);

} // namespace slotmachine
