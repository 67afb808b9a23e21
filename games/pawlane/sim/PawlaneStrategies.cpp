// How the simulator spends Pawlane's holds.
#include "engine/core/GameContext.h"
#include "engine/state/ReelStrips.h"
#include "games/pawlane/PawlaneGame.h"
#include "games/pawlane/PawlaneSymbols.h"
#include "tools/sim/PlayableGame.h"

#include <array>
#include <optional>
#include <utility>

namespace slotmachine::pawlane {

namespace {

// After a losing spin, holds the first pair of middle-row reels that already agree
// (equal symbols, or a wild among them): both reels with two holds or more, with
// one hold the pair's wild reel, or else its left reel. The bet is always repeated.
// Returns the holds spent.
int holdMatchingPair(GameContext& machine, Game& game) {
    auto& pawlane = static_cast<PawlaneGame&>(game);
    PawlaneHolds& holds = pawlane.holds();
    const GameState& s = machine.state();
    if (!holds.allowed() || s.Stock <= 0) {
        return 0;
    }
    std::array<int, ReelCount> middle{};
    for (int reel = 0; reel < ReelCount; ++reel) {
        middle[static_cast<std::size_t>(reel)] = symbolAt(reel, rowPosition(s, reel, 1));
    }
    constexpr std::pair<int, int> Pairs[] = {{0, 1}, {0, 2}, {1, 2}};
    for (const auto& [a, b] : Pairs) {
        const int left = middle[static_cast<std::size_t>(a)];
        const int right = middle[static_cast<std::size_t>(b)];
        if (left != right && left != Wild && right != Wild) {
            continue;
        }
        if (s.Stock >= 2) {
            holds.hold(machine, a);
            holds.hold(machine, b);
        } else {
            holds.hold(machine, right == Wild && left != Wild ? b : a);
        }
        return holds.used();
    }
    return 0;
}

// After a losing spin, holds the reels the machine advises. Returns the holds spent.
int followMachineAdvice(GameContext& machine, Game& game) {
    const std::optional<Advice> advice = game.advice(machine);
    if (!advice) {
        return 0;
    }
    game.followAdvice(machine, *advice);
    return static_cast<PawlaneGame&>(game).holds().used();
}

} // namespace

std::vector<SimStrategy> pawlaneStrategies() {
    return {{"greedy", &holdMatchingPair}, {"advice", &followMachineAdvice}};
}

} // namespace slotmachine::pawlane
