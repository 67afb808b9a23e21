#pragma once

#include "engine/core/DesignRect.h"

#include <array>
#include <string_view>

class QPainter;

namespace slotmachine {
class GameContext;
struct ReelGeometry;
} // namespace slotmachine

namespace slotmachine::pawlane {

inline constexpr int LineCount = 3;

// One payline: the row it reads, the bar picture that shows it and where that bar
// lies. Line k (0, 1, 2) is opened by the (k + 1)th coin and evaluated in this order.
struct Payline {
    int row; // 0 top, 1 middle, 2 bottom
    std::string_view bar;
    DesignRect barPlace;
};

// The rows the lines read, in the order coins open them (the game's paylineRows).
inline constexpr int LineRows[LineCount] = {1, 0, 2};

inline constexpr std::array<Payline, LineCount> Paylines{{
    {LineRows[0], "Red", {241, 377, 559, 391}},
    {LineRows[1], "Blue", {241, 301, 559, 315}},
    {LineRows[2], "Green", {241, 453, 559, 467}},
}};

// Whether line k pays with `coins` bet.
constexpr bool lineActive(int line, int coins) {
    return coins >= line + 1;
}

// Whether the row belongs to a line that pays with `coins` bet.
bool rowActive(int row, int coins);

// The three payline strokes across the reels: red on the middle row, blue on the
// top row, green on the bottom row.
void drawPaylineStrokes(QPainter& painter, const ReelGeometry& geometry);

// The line bars beside the reels: which lines show a win, and their blinking.
class LineBars {
public:
    // Line k's bar, lit or unlit, over the machine where its mask lets it.
    static void draw(GameContext& machine, int line, bool lit);
    // Each bar lit when its line is open with the coins bet, unlit otherwise.
    static void followCoins(GameContext& machine);
    static void lightAll(GameContext& machine);
    // The repaint's bars: those of the open lines lit, the others left to the machine picture.
    static void drawOpen(GameContext& machine);

    void clearWins() { won_ = {}; }
    void setWon(int line) { won_[static_cast<std::size_t>(line)] = true; }
    bool won(int line) const { return won_[static_cast<std::size_t>(line)]; }
    // A tick of the blinking: the phase turns and the winning bars follow it.
    void blink(GameContext& machine);

private:
    std::array<bool, LineCount> won_{};
    bool phase_ = false;
};

} // namespace slotmachine::pawlane
