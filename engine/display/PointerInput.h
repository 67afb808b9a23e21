#pragma once

namespace slotmachine {

class SlotMachine;

// A press of any pointer button at window pixel x, y of the machine: the buttons
// and the coin sign bet and spin while the machine is not busy. Returns true when
// the press was on the publisher's logo (`logoWidth` square at the top left), whose
// page the window then opens, busy or not.
bool FormMouseDown(SlotMachine& machine, int x, int y, int logoWidth);

} // namespace slotmachine
