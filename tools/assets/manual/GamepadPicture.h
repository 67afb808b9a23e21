#pragma once

// The manual's picture of a gamepad: a generic pad in the game's colours, each
// control labelled with what it does in that game (GamepadTable's labels).

#include "engine/core/Game.h"

#include <QImage>
#include <QSize>
#include <QStringList>

namespace slotmachine::manual {

// The manual shows the picture at this size (common/gamepad.html).
inline constexpr QSize GamepadPictureSize(632, 300);

QImage drawGamepadPicture(const Game& game);

// <game>-docs gamepad OUT.png; returns the process exit status.
int runGamepadCommand(const Game& game, const QStringList& args);

} // namespace slotmachine::manual
