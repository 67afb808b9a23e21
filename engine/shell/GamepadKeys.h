#pragma once

// A pad control's key, delivered where the keyboard's would go, so that every window,
// refusal and sound answers it as it answers the keyboard.

#include "engine/shell/GamepadMapping.h"

class QWidget;

namespace slotmachine {

// The widget a key from the keyboard reaches now: an open menu, else the active
// modal window's widget in focus, else the widget in focus, else the active window;
// none while another program has the desktop's focus.
QWidget* padKeyTarget();

// Where `target` lies for the pad's keys: on the machine window (`machineWindow`),
// in a menu or another popup list, in a text field, or in another window.
PadFocus padFocusOf(const QWidget& target, const QWidget* machineWindow);

// Sends the control's key, press and release, to padKeyTarget(); false when no
// widget takes keys now or the control makes none.
bool sendPadKey(PadControl control, const QWidget* machineWindow);

} // namespace slotmachine
