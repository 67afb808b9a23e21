#pragma once

#include "engine/core/GameState.h"
#include "engine/core/TitleGlass.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace slotmachine {

// A picture of a game's own, beyond those every machine has: built into the
// program under its name (":/pictures/<program name>/<name>.png"), and replaced by
// a file of `replacementFile` beside the program when there is one (none when empty).
struct GamePicture {
    std::string_view name;            // e.g. "HoldBMP"
    std::string_view replacementFile; // e.g. "holdx.bmp"
};

// The rows (0 top, 1 middle, 2 bottom) a game's paylines read, in the order in which
// coins open them; a game of one payline reads the middle row whatever the bet.
inline constexpr int MiddleRowOnly[] = {1};

// The fixed values by which one game of the family differs from the others.
struct GameValues {
    std::string_view title;       // window caption and display name, e.g. "Orevein Slots"
    std::string_view lockName;    // no longer read: the lock sits beside the record file
    std::string_view soundPrefix; // first part of the symbol sheet, sound and music file names
    std::string_view versionText; // shown in the Version box
    std::string_view programName; // the program file, which also names the record file

    std::int32_t coinLimit = 5; // most coins one spin can take
    std::array<std::int32_t, ReelCount> initialStops{1, 1, 1};
    std::array<std::string_view, ReelCount> strips{}; // 30 decimal digits each
    std::array<std::int32_t, BoxCount> boxValues{};   // the bonus boxes before each shuffle

    // The rows its paylines read, in the order coins open them (`Payout::PerLine`
    // rules pay on each open one; with other rules only the first is read).
    std::span<const int> paylineRows = MiddleRowOnly;

    // Where the title glass lamp lies; its unlit picture `TitleGlassUnlit` has its size.
    DesignRect titleGlass = TallTitleGlassPlace;
    // The game's own pictures, in the order their replacement files are looked for
    // (after "bonusx.bmp", before "Bet1But.bmp").
    std::span<const GamePicture> pictures{};

    // The game's stock of holds or nudges, if it has one: the member of GameState
    // that holds it (stored in saved games under the key "Nudges") and its value at a
    // new game. Games without a stock leave the member null.
    std::int32_t GameState::*stock = nullptr;
    std::int32_t stockAtNewGame = 0;
};

// What a game's stock is called in the tools' figures: "holds", "nudges", or empty
// for a game without one.
inline std::string_view stockName(const GameValues& values) {
    if (values.stock == nullptr) {
        return {};
    }
    return values.stock == &GameState::Holds ? "holds" : "nudges";
}

} // namespace slotmachine
