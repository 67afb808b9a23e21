#pragma once

// Every game of the family, for the tools that serve them all (slots-sim, slots-par,
// slots-snapshot) and the tests. The table itself is written at configure time from
// the slots_add_game() calls in games/CMakeLists.txt (cmake/SlotsGame.cmake); the
// programs do not link it, nor do the tools that make one game's files.

#include "engine/core/Game.h"
#include "tools/sim/PlayableGame.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace slotmachine {

class GameContext;
class SlotMachine;

// A state of the machine worth a picture of its own beyond those every game gets
// (idle, mid-spin, a win, the bonus meter): `stage` brings a freshly powered-on
// machine into it, and slots-snapshot saves it as <game>-<name>-<width>.png. With an
// `act`, the picture is taken during that act instead, at its `atWait`th wait (a
// frame of a move). A game defines its own in games/<name>/snapshot/.
struct SnapshotScene {
    std::string_view name;
    void (*stage)(SlotMachine& machine, Game& game) = nullptr;
    void (*act)(SlotMachine& machine, Game& game) = nullptr;
    int atWait = 0;
};

// A game of the catalog: what the simulator plays (its name, factory and
// strategies), and its snapshot scenes.
struct CatalogEntry : PlayableGame {
    std::vector<SnapshotScene> (*scenes)() = nullptr; // the game's own, if it has any
};

// The games in the order of their slots_add_game() calls.
const std::vector<CatalogEntry>& gameCatalog();

// The named game's entry, or null for a name that is not a game.
const CatalogEntry* findGame(std::string_view name);

// The games of the family by their short names ("orevein").
std::vector<std::string_view> gameNames();

// A new instance of the named game, or null for a name that is not a game.
std::unique_ptr<Game> makeGame(std::string_view name);

// The named game's simulator strategies: "none" first, then the game's own.
// Empty for a name that is not a game.
std::vector<SimStrategy> simStrategies(std::string_view game);

// The named strategy of the named game, or nothing when either is unknown.
std::optional<SimStrategy> findSimStrategy(std::string_view game, std::string_view name);

// The named game's own snapshot scenes; empty when it has none or is not a game.
std::vector<SnapshotScene> snapshotScenes(std::string_view game);

} // namespace slotmachine
