#pragma once

#include "engine/core/GameState.h"
#include "engine/core/TitleGlass.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace slotmachine {

// A picture of a game's own, beyond those every machine has: built into the
// program under its name (":/pictures/<program name>/<name>.png"), and replaced by
// a file of `replacementFile` beside the program when there is one (none when empty).
struct GamePicture {
    std::string_view name;            // e.g. "HoldLamp"
    std::string_view replacementFile; // e.g. "holdx.bmp"
};

// The rows (0 top, 1 middle, 2 bottom) a game's paylines read, in the order in which
// coins open them; a game of one payline reads the middle row whatever the bet.
inline constexpr int MiddleRowOnly[] = {1};

// The fixed values by which one game of the family differs from the others.
// A feature the player spends between spins, such as holds or nudges, of which a
// game keeps a stock: what the tools' figures call it, how many a new game has, and
// where its meter shows the count (a screen reader's place for it).
struct FeatureStock {
    std::string_view name; // "holds", "nudges"
    std::int32_t atNewGame = 0;
    DesignRect meterPlace{0, 0, 0, 0};
};

// A game's own palette, as 0xRRGGBB, taken from its cabinet's art: what the engine
// draws in the game's look beyond its pictures (the statistics window's chart of
// credits: `line` on `ground`) and the finish of every window and menu
// (engine/shell/WindowFinish).
struct GameColours {
    std::uint32_t ground = 0x202020;     // a window's background, dark
    std::uint32_t line = 0xf0c040;       // trim: frames, rules, the default button's rim
    std::uint32_t panel = 0x303030;      // group boxes, menus, a raised panel on the ground
    std::uint32_t text = 0xf0f0f0;       // captions and labels on the ground and panels
    std::uint32_t accent = 0xf0c040;     // headings, selection, checked marks, focus
    std::uint32_t button = 0x505050;     // a button's face
    std::uint32_t buttonText = 0xffffff; // a button's caption
    std::uint32_t field = 0x101010;      // a field the player types or picks in
    std::uint32_t fieldText = 0xf0f0f0;  // the text in a field
};

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

    // The game's feature stock, if it has one (GameState::Stock, stored in saved
    // games under the key "Nudges"). Games without one leave it empty.
    std::optional<FeatureStock> stock = std::nullopt;

    GameColours colours{};
};

// What a game's stock is called in the tools' figures: "holds", "nudges", or empty
// for a game without one.
inline std::string_view stockName(const GameValues& values) {
    return values.stock ? values.stock->name : std::string_view{};
}

} // namespace slotmachine
