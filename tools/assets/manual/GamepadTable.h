#pragma once

// The manual's words for the gamepad, from the one table of what each control does
// (engine/shell/GamepadMapping.h): the table of its topic, and the short labels of
// its picture (GamepadPicture).

#include "engine/core/Game.h"
#include "engine/shell/GamepadMapping.h"

#include <QString>

namespace slotmachine::manual {

// Where the template wants the table of the pad's controls.
inline constexpr char GamepadMarker[] = "<!-- gamepad -->";

// Each text in the player's language once one is installed (PlayerLanguage.h).

// A control's name ("D-pad left"), and what it does in a window or menu (empty:
// nothing).
QString padControlName(const PadBinding& binding);
QString padWindowAction(const PadBinding& binding);

// What a control does on the machine, in the game's words ("Hold reel 1" where the
// game holds reels); empty where it does nothing there.
QString padMachineAction(const PadBinding& binding, const Game& game);

// The label beside a control in the picture: what it does on the machine and, when
// it differs, in a window ("Spin · Press or choose").
QString padLabel(const PadBinding& binding, const Game& game);

// One row per control: its name, the key it makes, and what that does on the
// machine and in a window or menu.
QString gamepadTableHtml(const Game& game);

} // namespace slotmachine::manual
