#pragma once

#include "engine/state/GameState.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace slotmachine {

// The fixed values by which one game of the family differs from the others.
struct GameValues {
    std::string_view title;       // window caption and display name, e.g. "Orevein Slots"
    std::string_view lockName;    // single-instance lock, one per game
    std::string_view soundPrefix; // first part of the symbol sheet, sound and music file names
    std::string_view versionText; // shown in the Version box
    std::string_view programName; // the program file, which also names the record file

    std::int32_t coinLimit = 5; // most coins one spin can take
    std::array<std::int32_t, ReelCount> initialStops{1, 1, 1};
    std::array<std::string_view, ReelCount> strips{}; // 30 decimal digits each
    std::array<std::int32_t, BoxCount> boxValues{};   // the bonus boxes before each shuffle

    // The game's stock of holds or nudges, if it has one: the member of GameState
    // that holds it (stored in saved games under the key "Nudges") and its value at a
    // new game. Games without a stock leave the member null.
    std::int32_t GameState::*stock = nullptr;
    std::int32_t stockAtNewGame = 0;
};

} // namespace slotmachine
