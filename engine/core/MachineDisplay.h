#pragma once

#include "engine/core/DesignRect.h"

#include <QColor>
#include <QString>
#include <cstdint>
#include <vector>

namespace slotmachine {

enum class MachineButton { BetOne, BetFive, Spin };
enum class Lamp { TitleGlass, TitleStrip, CoinSign };
enum class MeterColour { Red, Green };

// One line of a text box: bold, in its colour and point size, its top at design
// y and centred on design x.
struct TextBoxLine {
    QString text;
    QColor colour;
    int points = 10;
    std::int32_t designTop = 0;
    std::int32_t designCentreX = 0;
};

// Design x of the meter captions and digits: Coins is anchored at its left edge,
// Winnings and Credits at their right edges.
inline constexpr std::int32_t CoinsMeterLeft = 250;
inline constexpr std::int32_t WinningsMeterRight = 440;
inline constexpr std::int32_t CreditsMeterRight = 620;

// What the engine draws on the machine: the meters, the buttons, the lamps, the
// reels at rest and in motion. Each call draws from the current game state. The
// machine window implements it on its surface; the simulator draws nothing.
class MachineDisplay {
public:
    virtual ~MachineDisplay() = default;

    // --- Meters ----------------------------------------------------------------
    virtual void ShowCredits() = 0;
    // Clears the Winnings meter, redraws the "Coins" caption, then the Coins meter.
    virtual void ShowCoins() = 0;
    virtual void ShowWinnings(std::int32_t counted) = 0;
    // A white meter caption whose left (or, right-anchored, right) edge is at design x.
    virtual void DrawCaption(const QString& text, std::int32_t designX, bool rightAnchored) = 0;
    // The bonus meter from the bonus points, which the engine has limited to 12.
    virtual void ShowBonusMeter() = 0;
    virtual void DrawPayline() = 0;

    // --- Buttons, lamps, pictures ------------------------------------------------
    virtual void DrawButton(MachineButton button, bool lit) = 0;
    virtual void DrawLamp(Lamp lamp, bool lit) = 0;
    // The machine picture over the whole machine: the first step of a full repaint.
    virtual void DrawMachinePicture() = 0;
    virtual void DrawLogo() = 0;

    // --- Reels -----------------------------------------------------------------
    // The three visible symbols of a reel from its stop, then the payline.
    virtual void DrawReelAtRest(int reel) = 0;
    // A spinning reel: its column filled from the motion picture starting at row
    // `offset`, wrapping around; then the payline.
    virtual void DrawSpinFrame(int reel, std::int32_t offset) = 0;
    // Takes the pixels of a reel that has just stopped for its bounce and draws them
    // back one pixel lower; then the payline.
    virtual void HoldReelPicture(int reel) = 0;
    // Draws the taken pixels `dy` window pixels below the reel's top; then the payline.
    virtual void DrawHeldReel(int reel, int dy) = 0;

    // --- Reels moved by a feature, one cell up or down ----------------------------
    // Fills the reel's move picture, four cells high, with the symbols of strip
    // positions `first` and the three after it, top to bottom; then the payline.
    virtual void FillMovePicture(int reel, int first) = 0;
    // Copies three cells' height of the move picture, from its row `top` down, over
    // the reel's column; then the payline.
    virtual void DrawMoveFrame(int reel, std::int32_t top) = 0;
    // Takes the reel column's pixels, all but its lowest `cut` rows, for the settle
    // bounce that DrawHeldReel shows; then the payline.
    virtual void TakeReelPicture(int reel, std::int32_t cut) = 0;

    // --- Drawing for a game's own features ------------------------------------------
    // Pictures are named as the games know them: "BonusMeter", or one the game
    // declares in its values ("HoldLamp", "Red", "Mask"). A name that is no picture
    // draws nothing.
    //
    // The lit (lower) or unlit (upper) half of a picture, stretched into a place.
    virtual void DrawPictureHalf(const QString& picture, const DesignRect& place, bool lit) = 0;
    // The same half of `mask` copied into the place with AND, then that of
    // `picture` with OR: where the mask is white the machine shows through.
    virtual void DrawMaskedPictureHalf(const QString& picture, const QString& mask, const DesignRect& place,
                                       bool lit) = 0;
    // A digit meter of `value` with its left (or, right-anchored, right) edge at
    // design x and its top at the meters' top. It paints only within `roomCells`
    // digit cells from that edge (its longest everyday value and the cell cleared
    // beside it); a longer value is drawn with narrower digits in that room. A meter
    // right of the Coins meter never paints over the Coins digit; the Coins meter's
    // own clearing may reach it on large layouts, so a game redraws such a meter
    // after every coin bet.
    virtual void DrawMeter(std::int32_t value, std::int32_t designX, MeterColour colour, bool rightAnchored,
                           int roomCells) = 0;
    // The place filled black, then each line written over it; a line too large for
    // the place is written smaller, so that nothing is painted outside it.
    virtual void DrawTextBox(const DesignRect& place, const std::vector<TextBoxLine>& lines) = 0;
    // Cell `cell` of the symbol sheet drawn into one row (0 top, 2 bottom) of a
    // reel; then the payline.
    virtual void DrawSymbolCell(int reel, int row, int cell) = 0;
};

// Draws nothing: for the simulator and for code that runs without a window.
class BlankDisplay : public MachineDisplay {
public:
    void ShowCredits() override {}
    void ShowCoins() override {}
    void ShowWinnings(std::int32_t) override {}
    void DrawCaption(const QString&, std::int32_t, bool) override {}
    void ShowBonusMeter() override {}
    void DrawPayline() override {}
    void DrawButton(MachineButton, bool) override {}
    void DrawLamp(Lamp, bool) override {}
    void DrawMachinePicture() override {}
    void DrawLogo() override {}
    void DrawReelAtRest(int) override {}
    void DrawSpinFrame(int, std::int32_t) override {}
    void HoldReelPicture(int) override {}
    void DrawHeldReel(int, int) override {}
    void FillMovePicture(int, int) override {}
    void DrawMoveFrame(int, std::int32_t) override {}
    void TakeReelPicture(int, std::int32_t) override {}
    void DrawPictureHalf(const QString&, const DesignRect&, bool) override {}
    void DrawMaskedPictureHalf(const QString&, const QString&, const DesignRect&, bool) override {}
    void DrawMeter(std::int32_t, std::int32_t, MeterColour, bool, int) override {}
    void DrawTextBox(const DesignRect&, const std::vector<TextBoxLine>&) override {}
    void DrawSymbolCell(int, int, int) override {}
};

} // namespace slotmachine
