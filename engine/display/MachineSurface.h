#pragma once

#include "engine/core/MachineDisplay.h"
#include "engine/core/ReelGeometry.h"
#include "engine/display/MachinePictures.h"

#include <QImage>
#include <QRect>
#include <array>
#include <functional>

namespace slotmachine {

class Game;
struct GameState;

// A short message the machine shows on its coin tray's glass (autoplay's spins
// left, why it stopped): a small heading over a larger line.
struct TrayMessage {
    QString heading;
    QString text;

    bool empty() const { return heading.isEmpty() && text.isEmpty(); }
    friend bool operator==(const TrayMessage&, const TrayMessage&) = default;
};

// What the surface needs to know of the screen it is shown on.
struct SurfaceScreen {
    std::int32_t layoutWidth = DesignWidth; // the width every design coordinate scales to
    double logicalDpi = 96;                 // chooses the caption font
};

// The window surface: one persistent picture of the whole machine that every
// drawing operation paints on, as onto a window without a back buffer. The window
// only copies the rectangles reported through `changed` to the screen.
class MachineSurface final : public MachineDisplay {
public:
    // `pictures` must hold the symbol sheet (SymbolSheet).
    MachineSurface(const GameState& state, const Game& game, MachinePictures pictures, SurfaceScreen screen);

    const QImage& image() const { return surface_; }
    const ReelGeometry& geometry() const { return geometry_; }
    // The pictures as drawn: on a layout wider than 1024 the large digit strips and
    // the logo are those rendered at their grown sizes, so the logo's size here is
    // the size it takes on the surface.
    const MachinePictures& pictures() const { return pictures_; }
    std::int32_t ScaleUnit(std::int32_t v) const { return geometry_.ScaleUnit(v); }

    // Lights `message` on the coin tray's glass, in the game's colours, until the
    // next message; an empty one gives the tray back as painted. It is no part of
    // the game: only the surface keeps it, and every full repaint shows it again.
    void showMessage(const TrayMessage& message);
    const TrayMessage& message() const { return message_; }

    // What the Winnings meter shows: the pay counted so far, 0 once a bet or a
    // repaint has cleared it.
    std::int32_t winningsShown() const { return winningsShown_; }

    // Told of every rectangle drawn over, in surface pixels.
    std::function<void(const QRect&)> changed;

    void ShowCredits() override;
    void ShowCoins() override;
    void ShowWinnings(std::int32_t counted) override;
    void DrawCaption(const QString& text, std::int32_t designX, bool rightAnchored) override;
    void ShowBonusMeter() override;
    void DrawPayline() override;
    void DrawButton(MachineButton button, bool lit) override;
    void DrawLamp(Lamp lamp, bool lit) override;
    void DrawMachinePicture() override;
    void DrawLogo() override;
    void DrawReelAtRest(int reel) override;
    void DrawSpinFrame(int reel, std::int32_t offset) override;
    void HoldReelPicture(int reel) override;
    void DrawHeldReel(int reel, int dy) override;
    void FillMovePicture(int reel, int first) override;
    void DrawMoveFrame(int reel, std::int32_t top) override;
    void TakeReelPicture(int reel, std::int32_t cut) override;
    void DrawPictureHalf(const QString& picture, const DesignRect& place, bool lit) override;
    void DrawMaskedPictureHalf(const QString& picture, const QString& mask, const DesignRect& place,
                               bool lit) override;
    void DrawMeter(std::int32_t value, std::int32_t designX, MeterColour colour, bool rightAnchored,
                   int roomCells) override;
    void DrawTextBox(const DesignRect& place, const std::vector<TextBoxLine>& lines) override;
    void DrawSymbolCell(int reel, int row, int cell) override;

    // The digits of a meter in this surface's layout (the borrow window draws its
    // numbers the same way on its own surface).
    // `room`: the pixels the meter may paint from its anchor away.
    void drawMeter(std::int32_t value, std::int32_t designX, bool green, bool rightAnchored, int room);

private:
    QRect reelColumn(int reel) const;
    // Draws the symbol of strip position `position` into `cell`.
    void drawSymbol(QPainter& painter, int reel, int position, const QRect& cell) const;
    // Draws cell `number` of the stretched symbol sheet into `cell`.
    void drawSheetCell(QPainter& painter, int number, const QRect& cell) const;
    // A pixel size for a font of `points` on this screen.
    int pixelSizeOf(double points) const;
    void markChanged(const QRect& rect);
    void drawMessage();

    const GameState& state_;
    const Game& game_;
    MachinePictures pictures_;
    SurfaceScreen screen_;
    ReelGeometry geometry_;
    QImage surface_;
    QImage machineCopy_; // MachineBackground stretched to the machine's size
    QImage SymbolCopy;   // the symbol sheet stretched by ScaleUnit
    QImage MotionCopy;   // the motion picture stretched by ScaleUnit
    std::array<QImage, 3> heldReels_;
    std::array<QImage, 3> movePictures_;
    TrayMessage message_;
    std::int32_t winningsShown_ = 0;
};

} // namespace slotmachine
