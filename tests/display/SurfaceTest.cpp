// What the machine surface draws, read back pixel by pixel.
#include "engine/core/GameState.h"
#include "engine/display/Digits.h"
#include "engine/display/MachineLayout.h"
#include "engine/display/MachineSurface.h"
#include "tests/support/SyntheticGame.h"
#include "tests/support/SyntheticPictures.h"

#include <gtest/gtest.h>
#include <memory>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

// The synthetic game with every strip position drawn as its own cell, so a cell's
// colour tells which position a row shows.
class PositionGame final : public Game {
public:
    const GameValues& values() const override { return synthetic_.values(); }
    const Paytable& paytable() const override { return synthetic_.paytable(); }
    int symbolNumber(int, int position) const override { return position % 16; }

private:
    SyntheticGame synthetic_;
};

struct Surface : ::testing::Test {
    GameState state;
    PositionGame game;
    std::unique_ptr<MachineSurface> surface;

    void layOut(int layoutWidth, MachinePictures pictures = syntheticPictures()) {
        surface = std::make_unique<MachineSurface>(state, game, std::move(pictures),
                                                   SurfaceScreen{layoutWidth, 96});
        surface->DrawMachinePicture();
    }
    QColor at(int x, int y) const { return surface->image().pixelColor(x, y); }
    int su(int v) const { return surface->ScaleUnit(v); }
};

} // namespace

TEST_F(Surface, CreditsAreRightAnchoredWithOneCellClearedToTheLeft) {
    layOut(800);
    state.Credits = 1000;
    surface->ShowCredits();
    // Four 16x21 glyphs from 556 to 620 at y 43: 1, 0, 0, 0.
    EXPECT_EQ(at(556, 43), glyphColour(1, true));
    EXPECT_EQ(at(619, 63), glyphColour(0, true));
    EXPECT_EQ(at(620, 50), machineColour());
    EXPECT_EQ(at(540, 43), QColor(Qt::black));
    EXPECT_EQ(at(555, 63), QColor(Qt::black));
    EXPECT_EQ(at(539, 50), machineColour());
    EXPECT_EQ(at(560, 64), machineColour());

    // Losing a digit leaves no stale glyph: 999 clears the cell where the 1 was.
    state.Credits = 999;
    surface->ShowCredits();
    EXPECT_EQ(at(560, 50), QColor(Qt::black));
    EXPECT_EQ(at(572, 50), glyphColour(9, true));
}

TEST_F(Surface, AFallOfSeveralDigitsClearsOnlyOneCell) {
    layOut(800);
    state.Credits = 10000;
    surface->ShowCredits();
    state.Credits = 5;
    surface->ShowCredits();
    EXPECT_EQ(at(610, 50), glyphColour(5, true));
    EXPECT_EQ(at(590, 50), QColor(Qt::black));
    // The older glyphs further left stay until the next full repaint.
    EXPECT_EQ(at(575, 50), glyphColour(0, true));
    EXPECT_EQ(at(545, 50), glyphColour(1, true));
}

TEST_F(Surface, CoinsAreLeftAnchoredAndBlankTheWinnings) {
    layOut(800);
    surface->ShowWinnings(250);
    EXPECT_EQ(at(439, 50), glyphColour(0, false));
    state.Coins = 3;
    surface->ShowCoins();
    EXPECT_EQ(at(250, 43), glyphColour(3, true));
    EXPECT_EQ(at(265, 63), glyphColour(3, true));
    EXPECT_EQ(at(270, 50), QColor(Qt::black));
    EXPECT_EQ(at(281, 50), QColor(Qt::black));
    EXPECT_EQ(at(282, 50), machineColour());
    // Every bet blanks the Winnings box.
    EXPECT_EQ(at(439, 50), QColor(Qt::black));
    EXPECT_EQ(at(449, 73), QColor(Qt::black));
    EXPECT_EQ(at(450, 50), machineColour());
}

TEST_F(Surface, LargeLayoutsUseLargeGlyphsAtScaledAnchors) {
    layOut(1024);
    state.Credits = 7;
    state.Coins = 2;
    surface->ShowCredits();
    surface->ShowCoins();
    surface->ShowWinnings(4);
    // Anchors 793, 320 and 563 at top 55; glyphs 32x42.
    EXPECT_EQ(at(793 - 32, 55), glyphColour(7, true));
    EXPECT_EQ(at(792, 96), glyphColour(7, true));
    EXPECT_EQ(at(793, 60), machineColour());
    EXPECT_EQ(at(320, 55), glyphColour(2, true));
    EXPECT_EQ(at(563 - 1, 70), glyphColour(4, false));
    EXPECT_EQ(at(563 - 33, 70), QColor(Qt::black));

    EXPECT_EQ(digitCellFor(999).width, 16);
    EXPECT_EQ(digitCellFor(1000).width, 32);
    EXPECT_EQ(digitCellFor(1024).width, 32);
}

TEST_F(Surface, BonusMeterShowsTheCellForThePointsCentredInItsBox) {
    layOut(1024);
    // Box 578..656 x 223..282 scales to 739..839 x 285..360; the 78x59 cell sits in its middle.
    const int left = su(578) + (su(656) - su(578) - 78) / 2;
    const int top = su(223) + (su(282) - su(223) - 59) / 2;
    state.BonusPts = 0;
    surface->ShowBonusMeter();
    EXPECT_EQ(at(left, top), bonusColour(12));
    EXPECT_EQ(at(left + 77, top + 58), bonusColour(12));
    EXPECT_EQ(at(left - 1, top), machineColour());
    EXPECT_EQ(at(left + 78, top + 58), machineColour());
    state.BonusPts = 1;
    surface->ShowBonusMeter();
    EXPECT_EQ(at(left + 30, top + 30), bonusColour(11));
    state.BonusPts = 12;
    surface->ShowBonusMeter();
    EXPECT_EQ(at(left + 30, top + 30), bonusColour(0));
}

TEST_F(Surface, ButtonsShowTheirLitOrDimmedHalfInTheirScaledPlace) {
    layOut(1024);
    surface->DrawButton(MachineButton::Spin, true);
    surface->DrawButton(MachineButton::BetOne, false);
    EXPECT_EQ(at(su(577) + 5, su(293) + 5), litHalf());
    EXPECT_EQ(at(su(655) - 5, su(352) - 5), litHalf());
    EXPECT_EQ(at(su(577) + 5, su(362) + 5), dimmedHalf());
    EXPECT_EQ(at(su(577) - 1, su(362) + 5), machineColour());
    EXPECT_EQ(at(su(577) + 5, su(432) + 5), machineColour()); // Bet Five untouched

    // A replacement Spin picture of another size is cut by the Bet One picture's halves.
    MachinePictures odd = syntheticPictures();
    odd.SpinButton = filled(78, 200, dimmedHalf());
    QPainter(&odd.SpinButton).fillRect(0, 59, 78, 141, litHalf());
    layOut(800, odd);
    surface->DrawButton(MachineButton::Spin, true);
    EXPECT_EQ(at(600, 300), litHalf());
}

TEST_F(Surface, LampsAreTheMachinePictureWhenLitAndTheirOwnPictureWhenNot) {
    layOut(800);
    surface->DrawLamp(Lamp::TitleGlass, false);
    surface->DrawLamp(Lamp::CoinSign, false);
    // The game's own title glass, the short one: 247..549 x 98..241.
    EXPECT_EQ(at(247, 98), unlitColour());
    EXPECT_EQ(at(548, 240), unlitColour());
    EXPECT_EQ(at(549, 240), machineColour());
    EXPECT_EQ(at(548, 241), machineColour());
    EXPECT_EQ(at(600, 150), unlitColour());
    surface->DrawLamp(Lamp::TitleGlass, true);
    EXPECT_EQ(at(300, 150), machineColour());
    EXPECT_EQ(at(600, 150), unlitColour());
}

TEST_F(Surface, LogoIsMaskedOntoTheMachineUnscaled) {
    layOut(1024);
    surface->DrawLogo();
    EXPECT_EQ(at(5, 5), logoColour());
    EXPECT_EQ(at(64, 124), logoColour());
    EXPECT_EQ(at(4, 5), machineColour());
    // Where the mask is white the machine shows through the logo's black.
    EXPECT_EQ(at(100, 60), machineColour());
}

TEST_F(Surface, AReelAtRestShowsThreePositionsWrappingAfterThirty) {
    layOut(800);
    state.ReelStop = {30, 5, 1};
    surface->DrawReelAtRest(0);
    surface->DrawReelAtRest(1);
    // Reel 0 from stop 30: positions 30, 1, 2 top to bottom.
    EXPECT_EQ(at(258, 272), symbolColour(30 % 16));
    EXPECT_EQ(at(333, 347), symbolColour(30 % 16));
    EXPECT_EQ(at(300, 360), symbolColour(1));
    EXPECT_EQ(at(300, 499), symbolColour(2));
    // Reel 1 at 362: positions 5, 6, 7.
    EXPECT_EQ(at(362, 300), symbolColour(5));
    EXPECT_EQ(at(437, 460), symbolColour(7));
    EXPECT_EQ(at(361, 300), machineColour());
    // The payline is drawn over the middle row.
    EXPECT_EQ(at(300, 386), QColor(255, 0, 0));
}

TEST_F(Surface, ASpinFrameNearTheEndOfTheMotionPictureWrapsToItsStart) {
    layOut(800);
    // Offset 400 of 456: rows 400..455 (cell 5), then rows 0..171 (cells 0, 1, 2).
    surface->DrawSpinFrame(1, 400);
    EXPECT_EQ(at(380, 272), motionColour(5));
    EXPECT_EQ(at(380, 272 + 55), motionColour(5));
    EXPECT_EQ(at(380, 272 + 56), motionColour(0));
    EXPECT_EQ(at(380, 272 + 56 + 76), motionColour(1));
    EXPECT_EQ(at(380, 499), motionColour(2));

    // A motion picture shorter than the column loops as often as needed.
    MachinePictures shortMotion = syntheticPictures();
    shortMotion.ReelMotion = cells(1, 2, 76, 76, motionColour);
    layOut(800, shortMotion);
    surface->DrawSpinFrame(0, 100);
    EXPECT_EQ(at(300, 272), motionColour(1));
    EXPECT_EQ(at(300, 272 + 52), motionColour(0));
    EXPECT_EQ(at(300, 272 + 52 + 152), motionColour(0));
}

TEST_F(Surface, ABouncingReelMovesItsPixelsAndLeavesTheBottomRowsAlone) {
    layOut(800);
    state.ReelStop = {10, 1, 1};
    surface->DrawReelAtRest(0);
    surface->HoldReelPicture(0);
    // Drawn back one pixel lower: the top row now repeats the first symbol's top.
    EXPECT_EQ(at(300, 272 + 76), symbolColour(10));
    EXPECT_EQ(at(300, 272 + 77), symbolColour(11));
    // Two pixels higher: the boundary between the first two symbols moves up by two.
    surface->DrawHeldReel(0, -2);
    EXPECT_EQ(at(300, 272 + 73), symbolColour(10));
    EXPECT_EQ(at(300, 272 + 74), symbolColour(11));
    // The picture leaves out the column's last 8 rows, so what lies below it stays.
    EXPECT_EQ(at(300, 499), symbolColour(12));
}

TEST_F(Surface, AMovedReelSlidesThroughItsFourCellPicture) {
    layOut(800);
    state.ReelStop = {14, 1, 1};
    // A drop to stop 14 starts one cell down the picture of positions 14 to 17,
    // where the column still looks as it did at stop 15.
    surface->FillMovePicture(0, 14);
    surface->DrawMoveFrame(0, 76);
    EXPECT_EQ(at(300, 272), symbolColour(15));
    EXPECT_EQ(at(300, 499), symbolColour(17 % 16));
    // Half way: the boundary between 14 and 15 lies 40 rows into the column.
    surface->DrawMoveFrame(0, 36);
    EXPECT_EQ(at(300, 272 + 39), symbolColour(14));
    EXPECT_EQ(at(300, 272 + 40), symbolColour(15));
    // At the end the column is exactly the reel at rest at its new stop.
    surface->DrawMoveFrame(0, 0);
    const QImage moved = surface->image().copy(258, 272, 76, 228);
    surface->DrawReelAtRest(0);
    EXPECT_EQ(surface->image().copy(258, 272, 76, 228), moved);
    EXPECT_EQ(at(300, 386), QColor(255, 0, 0)) << "the payline is drawn over each frame";
}

TEST_F(Surface, ASettlingReelLeavesOffItsScaledBottomRows) {
    layOut(1600);
    state.ReelStop = {10, 1, 1};
    surface->DrawReelAtRest(0);
    surface->TakeReelPicture(0, su(8));
    // Another stop drawn meanwhile shows through wherever the taken picture does not reach.
    state.ReelStop = {20, 1, 1};
    surface->DrawReelAtRest(0);
    surface->DrawHeldReel(0, 0);
    const int x = su(300);
    const int bottom = su(272) + 3 * su(76) - 1;
    EXPECT_EQ(at(x, su(272) + 10), symbolColour(10));
    EXPECT_EQ(at(x, bottom - su(8)), symbolColour(12));
    EXPECT_EQ(at(x, bottom - su(8) + 1), symbolColour(22 % 16));
    // (The stretched sheet blends the rows at a cell's edge, so stay clear of it.)
    EXPECT_EQ(at(x, bottom - 4), symbolColour(22 % 16));
}

// The drawing calls games build their own lamps, bars, boxes and animations from.
TEST_F(Surface, AGameMeterBesideTheCoinsNeverBlanksTheCoinsDigit) {
    layOut(1024); // large glyphs: a two-digit meter ending at 330 clears into the Coins digit
    state.Coins = 3;
    surface->ShowCoins();
    surface->DrawMeter(12, 330, MeterColour::Red, true, 3);
    EXPECT_EQ(at(su(250), 55), glyphColour(3, true));
    EXPECT_EQ(at(su(250) + 31, 90), glyphColour(3, true));
    EXPECT_EQ(at(su(330) - 64, 55), glyphColour(1, false));
    EXPECT_EQ(at(su(250) + 32, 55), QColor(Qt::black)); // its clearing stops at the Coins digit
}

TEST_F(Surface, AValueTooLongForItsMeterIsDrawnWholeWithNarrowerDigits) {
    layOut(800);
    // Three cells ending at 330 hold 100 in full glyphs; 1000 shares them as four
    // digits 12 pixels wide, the first digit starting where the room does.
    surface->DrawMeter(100, 330, MeterColour::Red, true, 3);
    EXPECT_EQ(at(282, 50), glyphColour(1, false));
    EXPECT_EQ(at(297, 50), glyphColour(1, false));
    surface->DrawMeter(1000, 330, MeterColour::Red, true, 3);
    const int centres[] = {288, 300, 312, 324};
    const int digits[] = {1, 0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(at(centres[i], 50), glyphColour(digits[i], false)) << i;
    }
    EXPECT_EQ(at(281, 50), machineColour());
}

TEST_F(Surface, ALineTooWideForItsTextBoxIsWrittenSmaller) {
    layOut(800);
    const DesignRect place{580, 230, 654, 276};
    auto inkHeight = [&](const QString& text) {
        surface->DrawTextBox(place, {{text, QColor(255, 0, 0), 18, 250, 617}});
        int top = 600;
        int bottom = -1;
        for (int y = 230; y < 276; ++y) {
            for (int x = 580; x < 654; ++x) {
                if (at(x, y).red() > 200) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        return bottom - top + 1;
    };
    const int fitting = inkHeight(QStringLiteral("9999"));
    EXPECT_LT(inkHeight(QStringLiteral("2147483647")), fitting * 3 / 4);
}

TEST_F(Surface, AMeterCaptionWiderThanItsMeterIsWrittenSmallerWithinIt) {
    layOut(800);
    // A long word in another language: at the caption's size it would run on past
    // the Coins meter into whatever a game shows beside it.
    surface->DrawCaption(QStringLiteral("Monedas apostadas"), CoinsMeterLeft, false);
    int inkLeft = 800;
    int inkRight = -1;
    for (int y = su(CaptionTop); y < su(CaptionTop) + 20; ++y) {
        for (int x = 0; x < 800; ++x) {
            if (at(x, y) != machineColour()) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
        }
    }
    EXPECT_GE(inkLeft, su(CoinsMeterPlace.left));
    EXPECT_LT(inkRight, su(CoinsMeterPlace.right));
    EXPECT_GT(inkRight, su(CoinsMeterPlace.right) - 8) << "written as large as its place allows";
}

TEST_F(Surface, GameDrawingCallsDrawHalvesMasksBoxesAndCells) {
    MachinePictures pictures = syntheticPictures();
    QImage lamp(72, 34, QImage::Format_RGB32);
    lamp.fill(litHalf());
    QPainter(&lamp).fillRect(0, 0, 72, 17, dimmedHalf());
    // A bar whose mask is black (the bar) on its left half and white on its right.
    QImage bar = filled(100, 28, QColor(0, 0, 255));
    QImage mask = filled(100, 28, Qt::white);
    QPainter(&mask).fillRect(0, 0, 50, 28, Qt::black);
    QImage clearBar = filled(100, 28, Qt::black); // a bar picture is black where the mask is white
    QPainter(&clearBar).fillRect(0, 0, 50, 28, QColor(0, 0, 255));
    pictures.gamePictures = {{QStringLiteral("HoldLamp"), {}, lamp},
                             {QStringLiteral("Red"), {}, clearBar},
                             {QStringLiteral("Mask"), {}, mask.convertToFormat(QImage::Format_Mono)}};
    layOut(1600, pictures);

    const DesignRect lampPlace{260, 246, 332, 263};
    surface->DrawPictureHalf(QStringLiteral("HoldLamp"), lampPlace, true);
    EXPECT_EQ(at(su(261), su(250)), litHalf());
    surface->DrawPictureHalf(QStringLiteral("HoldLamp"), lampPlace, false);
    EXPECT_EQ(at(su(331), su(262)), dimmedHalf());
    EXPECT_EQ(at(su(332), su(262)), machineColour()); // the right edge is not drawn over
    surface->DrawPictureHalf(QStringLiteral("NoSuchPicture"), DesignRect{0, 0, 100, 100}, true);
    EXPECT_EQ(at(su(50), su(50)), machineColour());

    const DesignRect barPlace{200, 300, 300, 314};
    surface->DrawMaskedPictureHalf(QStringLiteral("Red"), QStringLiteral("Mask"), barPlace, true);
    EXPECT_EQ(at(su(210), su(305)), QColor(0, 0, 255));
    EXPECT_EQ(at(su(290), su(305)), machineColour()); // shows through where the mask is white

    surface->DrawTextBox(DesignRect{580, 230, 654, 276},
                         {{QStringLiteral("8"), QColor(255, 0, 0), 24, 250, 617}});
    EXPECT_EQ(at(su(581), su(231)), QColor(Qt::black));
    bool red = false;
    for (int x = su(600); x < su(634); ++x) {
        for (int y = su(250); y < su(276); ++y) {
            red = red || at(x, y).red() > 200;
        }
    }
    EXPECT_TRUE(red);

    const ReelGeometry& g = surface->geometry();
    surface->DrawSymbolCell(2, 1, 11);
    EXPECT_EQ(at(g.ReelLeft + 2 * g.ReelPitch + 3, g.ReelTop + g.SymbolSize + 3), symbolColour(11));
}

TEST_F(Surface, BeyondALayoutOf1024MetersAndTheLogoGrowWithTheLayout) {
    QRect meter;
    auto drawn = [&](int layoutWidth) {
        layOut(layoutWidth);
        surface->changed = [&](const QRect& r) { meter = r; };
        state.Credits = 8;
        surface->ShowCredits();
        return meter;
    };
    const QRect at1024 = drawn(1024);
    const QRect at2560 = drawn(2560);
    // One glyph and its cleared cell: 2 x 32 x 42 at 1024, 2.5 times that at 2560.
    EXPECT_EQ(at1024.size(), QSize(64, 42));
    EXPECT_EQ(at2560.size(), QSize(160, 105));
    // The middle bar of the 8, in the middle of the grown cell.
    EXPECT_NE(at(at2560.right() - 40, at2560.top() + 52), QColor(Qt::black));

    // The logo is drawn, and taken by the pointer, at its grown size.
    EXPECT_EQ(surface->pictures().SealLogo.size(), QSize(298, 300));
    surface->DrawLogo();
    EXPECT_EQ(meter, QRect(5, 5, 298, 300));
}

TEST_F(Surface, AMessageLightsOnlyTheCoinTrayStaysThroughRepaintsAndGoesWithoutATrace) {
    layOut(1024);
    const QImage plain = surface->image();
    const QRect glass = CoinTrayGlass.scaled(surface->geometry());
    for (const QString& text : {QStringLiteral("7 spins left"),
                                QStringLiteral("A line far too long for the glass of any coin tray at all")}) {
        SCOPED_TRACE(text.toStdString());
        surface->showMessage({QStringLiteral("Autoplay"), text});
        const QImage lit = surface->image();
        int changed = 0;
        for (int y = 0; y < lit.height(); ++y) {
            for (int x = 0; x < lit.width(); ++x) {
                if (lit.pixel(x, y) != plain.pixel(x, y)) {
                    ASSERT_TRUE(glass.contains(x, y)) << x << "," << y;
                    ++changed;
                }
            }
        }
        EXPECT_GT(changed, glass.width() * glass.height() / 2) << "the plate covers the glass";
        surface->DrawMachinePicture();
        EXPECT_EQ(surface->image(), lit) << "a full repaint shows the message again";
        surface->showMessage({});
        EXPECT_EQ(surface->image(), plain);
    }
}
