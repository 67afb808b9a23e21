#pragma once

// One game as the simulator and the PAR sheet play it: its short name, a factory of
// instances and its own simulator strategies. The catalog (games/Catalog.h) holds one
// for every game; a tool that serves one game builds its own, so that it links that
// game alone.

#include "engine/core/Game.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace slotmachine {

class GameContext;

// A way for the simulator to spend a game's stock of holds or nudges: called after
// every settled spin, it may run the game's own actions on the machine, and returns
// how many holds or nudges it spent. A game defines its own in games/<name>/sim/;
// every game also has "none".
struct SimStrategy {
    std::string_view name;
    int (*afterSpin)(GameContext& machine, Game& game) = nullptr; // null: spends nothing
};

struct PlayableGame {
    std::string_view name; // the short name, as on the command lines ("orevein")
    std::unique_ptr<Game> (*make)();
    std::vector<SimStrategy> (*strategies)() = nullptr; // the game's own, if it has any
};

// The game's simulator strategies: "none" first, then the game's own.
inline std::vector<SimStrategy> simStrategies(const PlayableGame& game) {
    std::vector<SimStrategy> strategies{{"none", nullptr}};
    if (game.strategies != nullptr) {
        for (const SimStrategy& own : game.strategies()) {
            strategies.push_back(own);
        }
    }
    return strategies;
}

// The game's strategy of that name, or nothing.
inline std::optional<SimStrategy> findSimStrategy(const PlayableGame& game, std::string_view name) {
    for (const SimStrategy& strategy : simStrategies(game)) {
        if (strategy.name == name) {
            return strategy;
        }
    }
    return std::nullopt;
}

} // namespace slotmachine
