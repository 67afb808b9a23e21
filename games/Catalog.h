#pragma once

// Every game of the family, for the tools and the tests. The table itself is written
// at configure time from the slots_add_game() calls in games/CMakeLists.txt
// (cmake/SlotsGame.cmake); the programs do not link it.

#include "engine/core/Game.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace slotmachine {

class GameContext;
class SlotMachine;

// A way for the simulator to spend a game's stock of holds or nudges: called after
// every settled spin, it may run the game's own actions on the machine, and returns
// how many holds or nudges it spent. A game defines its own in games/<name>/sim/;
// every game also has "none".
struct SimStrategy {
    std::string_view name;
    int (*afterSpin)(GameContext& machine, Game& game) = nullptr; // null: spends nothing
};

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

struct CatalogEntry {
    std::string_view name; // the short name, as on the command lines ("orevein")
    std::unique_ptr<Game> (*make)();
    std::vector<SimStrategy> (*strategies)() = nullptr; // the game's own, if it has any
    std::vector<SnapshotScene> (*scenes)() = nullptr;   // the game's own, if it has any
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
