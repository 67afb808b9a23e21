#pragma once

// What the Emberpeak tests share: a test machine of the game, and the strip
// positions that show a symbol.

#include "engine/machine/PointerInput.h"
#include "engine/state/ReelStrips.h"
#include "games/emberpeak/EmberpeakGame.h"
#include "games/emberpeak/NudgeButtons.h"
#include "tests/support/TestMachine.h"

#include <memory>
#include <stdexcept>

namespace slotmachine::emberpeak::testing {

using slotmachine::testing::TestMachine;

// The `nth` strip position (0 the first) of `reel` that holds `code`.
inline int positionOf(int reel, int code, int nth = 0) {
    const std::string_view strip = emberpeakValues().strips[static_cast<std::size_t>(reel)];
    for (int position = 1; position <= StripLength; ++position) {
        if (strip[static_cast<std::size_t>(position - 1)] - '0' == code && nth-- == 0) {
            return position;
        }
    }
    throw std::invalid_argument("no such symbol on the strip");
}

struct EmberpeakMachine {
    EmberpeakGame* game = new EmberpeakGame;
    TestMachine m{std::unique_ptr<Game>(game)};

    // The reels showing codes a, b and c on the payline.
    void showLine(int a, int b, int c) { m.setPayline(positionOf(0, a), positionOf(1, b), positionOf(2, c)); }

    // The payline evaluated as at the end of a spin of `coins`.
    void settle(std::int32_t coins) {
        m.state.Coins = coins;
        game->evaluate(m.machine);
        m.state.LastCoins = coins;
        m.state.Coins = 0;
    }

    // A press in the middle of the nudge button of `reel`.
    void pressNudgeButton(int reel) {
        const DesignRect& place = NudgeButtonPlaces[static_cast<std::size_t>(reel)];
        const ReelGeometry& g = m.machine.geometry();
        pressMachineAt(m.machine, g.ScaleUnit((place.left + place.right) / 2),
                      g.ScaleUnit((place.top + place.bottom) / 2), 119);
    }

    // The count box as the recording display logs it, at the 800-pixel layout.
    static std::string countBox(int nudges) {
        return "DrawTextBox 580 Nudges@10 " + std::to_string(nudges) + "@18";
    }
};

} // namespace slotmachine::emberpeak::testing
