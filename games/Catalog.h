#pragma once

#include "engine/game/Game.h"

#include <memory>
#include <string_view>
#include <vector>

namespace slotmachine {

// The games of the family by their short names ("orevein").
std::vector<std::string_view> gameNames();

// A new instance of the named game, or null for a name that is not a game.
std::unique_ptr<Game> makeGame(std::string_view name);

} // namespace slotmachine
