#include "engine/display/MachineSurface.h"

#include "engine/core/Game.h"
#include "engine/core/GameState.h"
#include "engine/display/Digits.h"
#include "engine/display/FixedSizes.h"
#include "engine/display/MachineLayout.h"
#include "engine/display/VectorArt.h"
#include "engine/state/ReelStrips.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace slotmachine {

namespace {

QImage stretched(const QImage& picture, const ReelGeometry& g) {
    const int w = std::max(1, g.ScaleUnit(picture.width()));
    const int h = std::max(1, g.ScaleUnit(picture.height()));
    return picture.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The meter captions: 10 points, bold on screens of low resolution; 8 points
// regular on small layouts; grown with the layout beyond 1024 pixels.
QFont captionFont(const SurfaceScreen& screen) {
    QFont font(QStringLiteral("DejaVu Sans"));
    const bool small = screen.layoutWidth < 900;
    const double points = small ? 8 : 10;
    font.setPixelSize(grownPixels(
        screen.layoutWidth, std::max(1, static_cast<int>(std::lround(points * screen.logicalDpi / 72.0)))));
    font.setBold(!small && screen.logicalDpi < 100);
    return font;
}

// A red or green digit strip rendered from its vector source with glyphs of
// `cell`; without the source, the large strip's glyphs stretched one by one.
QImage grownDigitStrip(const QString& source, const QImage& large, DigitCell cell) {
    const double pitch = static_cast<double>(cell.width) / LargeDigitGlyph.width;
    const QSizeF drawn(large.width() * pitch, cell.height);
    QImage strip = renderVectorArt(source, QSize(static_cast<int>(std::ceil(drawn.width())), cell.height),
                                   QRectF(QPointF(0, 0), drawn));
    if (!strip.isNull()) {
        // The strips are drawn on black glass, which the rendering leaves clear.
        QImage opaque(strip.size(), QImage::Format_RGB32);
        opaque.fill(Qt::black);
        QPainter(&opaque).drawImage(0, 0, strip);
        return opaque;
    }
    QImage stretchedStrip(10 * cell.width, cell.height, QImage::Format_RGB32);
    stretchedStrip.fill(Qt::black);
    QPainter painter(&stretchedStrip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int d = 0; d < 10; ++d) {
        painter.drawImage(QRect(d * cell.width, 0, cell.width, cell.height), large,
                          QRect(d * LargeDigitGlyph.width, 0, LargeDigitGlyph.width, LargeDigitGlyph.height));
    }
    return stretchedStrip;
}

// The pictures drawn at fixed pixel sizes, made for a layout wider than 1024: the
// large digit strips and the logo rendered from their vector sources at the grown
// sizes. A source that cannot be read leaves its bitmap to be stretched.
void growFixedSizePictures(MachinePictures& p, std::int32_t layoutWidth) {
    if (layoutWidth <= FixedSizeLayoutWidth) {
        return;
    }
    const DigitCell cell = digitCellFor(layoutWidth);
    p.DigitsLarge = grownDigitStrip(QStringLiteral(":/pictures/shared/digits-red.svg"), p.DigitsLarge, cell);
    p.GreenLarge = grownDigitStrip(QStringLiteral(":/pictures/shared/digits-green.svg"), p.GreenLarge, cell);

    const QSize logo(grownPixels(layoutWidth, p.SealLogo.width()),
                     grownPixels(layoutWidth, p.SealLogo.height()));
    if (const QImage drawing = renderVectorArt(QStringLiteral(":/pictures/shared/logo.svg"), logo);
        !drawing.isNull()) {
        MaskedPicture split = splitMask(drawing);
        p.SealLogo = std::move(split.picture);
        p.SealMask = std::move(split.mask);
    } else if (!p.SealLogo.isNull() && !p.SealMask.isNull()) {
        p.SealLogo = p.SealLogo.scaled(logo, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // A blurred mask would darken the machine around the logo.
        p.SealMask = p.SealMask.scaled(logo, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
}

const DesignRect& placeOf(MachineButton button) {
    switch (button) {
    case MachineButton::BetOne:
        return BetOneButtonPlace;
    case MachineButton::BetFive:
        return BetFiveButtonPlace;
    case MachineButton::Spin:
        break;
    }
    return SpinButtonPlace;
}

} // namespace

MachineSurface::MachineSurface(const GameState& state, const Game& game, MachinePictures pictures,
                               SurfaceScreen screen)
    : state_(state), game_(game), pictures_(std::move(pictures)), screen_(screen),
      geometry_(ReelGeometry::forLayoutWidth(screen.layoutWidth, pictures_.ReelMotion.height())) {
    growFixedSizePictures(pictures_, screen.layoutWidth);
    const QRect machine = MachinePlace.scaled(geometry_);
    surface_ = QImage(machine.size(), QImage::Format_RGB32);
    surface_.fill(Qt::black);
    machineCopy_ = pictures_.MachineBackground.scaled(machine.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    SymbolCopy = stretched(pictures_.SymbolSheet, geometry_);
    MotionCopy = stretched(pictures_.ReelMotion, geometry_);
}

void MachineSurface::markChanged(const QRect& rect) {
    if (changed) {
        changed(rect.intersected(surface_.rect()));
    }
}

QRect MachineSurface::reelColumn(int reel) const {
    const ReelGeometry& g = geometry_;
    return {g.ReelLeft + reel * g.ReelPitch, g.ReelTop, g.SymbolSize, 3 * g.SymbolSize};
}

// --- Meters ------------------------------------------------------------------

// Each meter's room on the meters' row: Winnings owns the box every bet clears
// (WinningsClearBox) up to its anchor, Credits what lies right of that box, Coins
// its one digit and the cell cleared beside it.
void MachineSurface::drawMeter(std::int32_t value, std::int32_t designX, bool green, bool rightAnchored,
                               int room) {
    QPainter painter(&surface_);
    markChanged(DrawDigits(painter, pictures_, geometry_.layoutWidth, value, ScaleUnit(designX),
                           ScaleUnit(MeterTop), green, rightAnchored, room));
}

void MachineSurface::ShowCredits() {
    drawMeter(state_.Credits, CreditsMeterRight, true, true,
              ScaleUnit(CreditsMeterRight) - ScaleUnit(WinningsClearBox.right));
}

void MachineSurface::ShowCoins() {
    const QRect box = WinningsClearBox.scaled(geometry_);
    {
        QPainter painter(&surface_);
        painter.fillRect(box, Qt::black);
    }
    markChanged(box);
    DrawCaption(QStringLiteral("Coins"), CoinsMeterLeft, false);
    drawMeter(state_.Coins, CoinsMeterLeft, true, false, 2 * digitCellFor(geometry_.layoutWidth).width);
}

void MachineSurface::ShowWinnings(std::int32_t counted) {
    drawMeter(counted, WinningsMeterRight, false, true,
              ScaleUnit(WinningsMeterRight) - ScaleUnit(WinningsClearBox.left));
}

void MachineSurface::DrawCaption(const QString& text, std::int32_t designX, bool rightAnchored) {
    QPainter painter(&surface_);
    const QFont font = captionFont(screen_);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    const int x = rightAnchored ? ScaleUnit(designX) - width : ScaleUnit(designX);
    const int top = ScaleUnit(CaptionTop);
    const QRect area(x, top, width, metrics.height());
    // Redrawn over the machine picture's own pixels, so a caption drawn again and
    // again keeps its soft edges instead of thickening.
    painter.drawImage(area, machineCopy_, area);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(x, top + metrics.ascent(), text);
    markChanged(area);
}

void MachineSurface::ShowBonusMeter() {
    const int points = std::clamp(state_.BonusPts, 0, FullBonusPoints);
    const QRect source(0, (FullBonusPoints - points) * BonusCellHeight, BonusCellWidth, BonusCellHeight);
    const int width = grownPixels(geometry_.layoutWidth, BonusCellWidth);
    const int height = grownPixels(geometry_.layoutWidth, BonusCellHeight);
    const int l = ScaleUnit(BonusMeterBox.left);
    const int r = ScaleUnit(BonusMeterBox.right);
    const int t = ScaleUnit(BonusMeterBox.top);
    const int b = ScaleUnit(BonusMeterBox.bottom);
    const QRect target(l + (r - l - width) / 2, t + (b - t - height) / 2, width, height);
    QPainter painter(&surface_);
    if (target.size() == source.size()) {
        painter.drawImage(target.topLeft(), pictures_.BonusMeter, source);
    } else {
        // The cell alone is stretched, so its neighbours do not bleed into its edges.
        painter.drawImage(target, pictures_.BonusMeter.copy(source).scaled(target.size(), Qt::IgnoreAspectRatio,
                                                                         Qt::SmoothTransformation));
    }
    markChanged(target);
}

void MachineSurface::DrawPayline() {
    QPainter painter(&surface_);
    game_.drawPayline(painter, geometry_);
    // Every game's paylines lie across the reel windows.
    const QRect reels = reelColumn(0).united(reelColumn(2));
    markChanged(QRect(ScaleUnit(230), reels.top(), ScaleUnit(340), reels.height()));
}

// --- Buttons, lamps, pictures ------------------------------------------------------

void MachineSurface::DrawButton(MachineButton button, bool lit) {
    const QImage& picture = button == MachineButton::BetOne    ? pictures_.BetOneButton
                            : button == MachineButton::BetFive ? pictures_.BetFiveButton
                                                               : pictures_.SpinButton;
    // The halves are measured on the Bet One picture and cut from all three alike.
    const int width = pictures_.BetOneButton.width();
    const int half = pictures_.BetOneButton.height() / 2;
    const QRect source =
        lit ? QRect(0, half, width, pictures_.BetOneButton.height() - half) : QRect(0, 0, width, half);
    const QRect target = placeOf(button).scaled(geometry_);
    QPainter painter(&surface_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture, source);
    markChanged(target);
}

void MachineSurface::DrawLamp(Lamp lamp, bool lit) {
    const DesignRect& place = lamp == Lamp::TitleGlass   ? game_.values().titleGlass
                              : lamp == Lamp::TitleStrip ? TitleStripPlace
                                                         : CoinSignPlace;
    const QImage& unlit = lamp == Lamp::TitleGlass   ? pictures_.TitleGlassUnlit
                          : lamp == Lamp::TitleStrip ? pictures_.TitleStripUnlit
                                                     : pictures_.CoinSignUnlit;
    const QRect target = place.scaled(geometry_);
    QPainter painter(&surface_);
    if (lit) {
        painter.drawImage(target, machineCopy_, target);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, unlit);
    }
    markChanged(target);
}

void MachineSurface::DrawMachinePicture() {
    QPainter painter(&surface_);
    painter.drawImage(0, 0, machineCopy_);
    markChanged(surface_.rect());
}

void MachineSurface::DrawLogo() {
    const QRect target(LogoMargin, LogoMargin, pictures_.SealLogo.width(), pictures_.SealLogo.height());
    QPainter painter(&surface_);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(target.topLeft(), pictures_.SealMask);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(target.topLeft(), pictures_.SealLogo);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    markChanged(target);
}

// --- Reels ---------------------------------------------------------------------

void MachineSurface::drawSymbol(QPainter& painter, int reel, int position, const QRect& cell) const {
    drawSheetCell(painter, game_.symbolNumber(reel, position), cell);
}

void MachineSurface::drawSheetCell(QPainter& painter, int n, const QRect& cell) const {
    const int size = geometry_.SymbolSize;
    const QRect source((n % 4) * size, (n / 4) * size, size, size);
    if (n < 0 || !SymbolCopy.rect().contains(source)) {
        // A sheet too small for this symbol: an empty reel face, not stale pixels.
        painter.fillRect(cell, Qt::white);
    }
    painter.drawImage(cell, SymbolCopy, source);
}

void MachineSurface::DrawReelAtRest(int reel) {
    const int size = geometry_.SymbolSize;
    const QRect column = reelColumn(reel);
    {
        QPainter painter(&surface_);
        int position = state_.ReelStop[static_cast<std::size_t>(reel)];
        for (int row = 0; row < 3; ++row) {
            drawSymbol(painter, reel, position, QRect(column.left(), column.top() + row * size, size, size));
            position = nextPosition(position);
        }
    }
    markChanged(column);
    DrawPayline();
}

void MachineSurface::DrawSpinFrame(int reel, std::int32_t offset) {
    const QRect column = reelColumn(reel);
    const int strip = MotionCopy.height();
    {
        QPainter painter(&surface_);
        // The motion picture is an endless loop: the column is filled from `offset`
        // down, starting again at the top of the picture when it runs out.
        int source = strip > 0 ? ((offset % strip) + strip) % strip : 0;
        for (int y = 0; y < column.height() && strip > 0;) {
            const int rows = std::min(strip - source, column.height() - y);
            painter.drawImage(QRect(column.left(), column.top() + y, column.width(), rows), MotionCopy,
                              QRect(0, source, column.width(), rows));
            y += rows;
            source = 0;
        }
    }
    markChanged(column);
    DrawPayline();
}

void MachineSurface::HoldReelPicture(int reel) {
    const QRect column = reelColumn(reel);
    // The lowest rows are left out, so the picture can move down without dragging
    // the frame below the reel along.
    heldReels_[static_cast<std::size_t>(reel)] =
        surface_.copy(column.left(), column.top(), column.width(), column.height() - 8);
    DrawHeldReel(reel, 1);
}

void MachineSurface::DrawHeldReel(int reel, int dy) {
    const QImage& held = heldReels_[static_cast<std::size_t>(reel)];
    const QRect column = reelColumn(reel);
    {
        QPainter painter(&surface_);
        painter.drawImage(column.left(), column.top() + dy, held);
    }
    markChanged(QRect(column.left(), column.top() + dy, held.width(), held.height()));
    DrawPayline();
}

void MachineSurface::FillMovePicture(int reel, int first) {
    const int size = geometry_.SymbolSize;
    QImage& picture = movePictures_[static_cast<std::size_t>(reel)];
    picture = QImage(size, 4 * size, QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        int position = first;
        for (int row = 0; row < 4; ++row) {
            drawSymbol(painter, reel, position, QRect(0, row * size, size, size));
            position = nextPosition(position);
        }
    }
    DrawPayline();
}

void MachineSurface::DrawMoveFrame(int reel, std::int32_t top) {
    const QImage& picture = movePictures_[static_cast<std::size_t>(reel)];
    const QRect column = reelColumn(reel);
    {
        QPainter painter(&surface_);
        painter.drawImage(column.topLeft(), picture, QRect(0, top, column.width(), column.height()));
    }
    markChanged(column);
    DrawPayline();
}

void MachineSurface::TakeReelPicture(int reel, std::int32_t cut) {
    const QRect column = reelColumn(reel);
    heldReels_[static_cast<std::size_t>(reel)] =
        surface_.copy(column.left(), column.top(), column.width(), std::max(0, column.height() - cut));
    DrawPayline();
}

} // namespace slotmachine

namespace slotmachine {

// --- Drawing for a game's own features ---------------------------------------------

namespace {

// The lit (lower) or unlit (upper) half of a picture, halves of its height
// rounded down.
QRect halfOf(const QImage& picture, bool lit) {
    const int half = picture.height() / 2;
    return lit ? QRect(0, half, picture.width(), picture.height() - half)
               : QRect(0, 0, picture.width(), half);
}

} // namespace

void MachineSurface::DrawPictureHalf(const QString& name, const DesignRect& place, bool lit) {
    const QImage* picture = pictures_.named(name);
    if (picture == nullptr || picture->isNull()) {
        return;
    }
    const QRect target = place.scaled(geometry_);
    QPainter painter(&surface_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, *picture, halfOf(*picture, lit));
    markChanged(target);
}

void MachineSurface::DrawMaskedPictureHalf(const QString& name, const QString& maskName,
                                           const DesignRect& place, bool lit) {
    const QImage* picture = pictures_.named(name);
    const QImage* mask = pictures_.named(maskName);
    if (picture == nullptr || mask == nullptr || picture->isNull() || mask->isNull()) {
        return;
    }
    // Both halves are cut by the picture's size, as the mask is made to match it.
    const QRect source = halfOf(*picture, lit);
    const QRect target = place.scaled(geometry_);
    // Scaled without smoothing first: a mask blurred at its edges would darken
    // what it should leave alone.
    const QImage maskPart = mask->copy(source)
                                .scaled(target.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    const QImage picturePart =
        picture->copy(source).scaled(target.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPainter painter(&surface_);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(target.topLeft(), maskPart);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(target.topLeft(), picturePart);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    markChanged(target);
}

void MachineSurface::DrawMeter(std::int32_t value, std::int32_t designX, MeterColour colour,
                               bool rightAnchored, int roomCells) {
    const int cell = digitCellFor(geometry_.layoutWidth).width;
    int room = roomCells * cell;
    // On large layouts the digit cells outgrow the design's spacing, and a game's
    // meter beside the Coins meter (its clearing cell, or a further digit) would
    // blank the Coins digit: a game's meter never paints over it.
    const int coinsDigitRight = ScaleUnit(CoinsMeterLeft) + cell;
    if (rightAnchored && ScaleUnit(designX) > coinsDigitRight) {
        room = std::min(room, ScaleUnit(designX) - coinsDigitRight);
    }
    drawMeter(value, designX, colour == MeterColour::Green, rightAnchored, room);
}

int MachineSurface::pixelSizeOf(double points) const {
    return std::max(1, static_cast<int>(std::lround(points * screen_.logicalDpi / 72.0)));
}

void MachineSurface::DrawTextBox(const DesignRect& place, const std::vector<TextBoxLine>& lines) {
    const QRect box = place.scaled(geometry_);
    QPainter painter(&surface_);
    painter.fillRect(box, Qt::black);
    // Whatever a line's font does, nothing is painted outside the box.
    painter.setClipRect(box);
    QRect changedArea = box;
    for (const TextBoxLine& line : lines) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        // A line wider than the box (a count only a damaged record brings), or too
        // tall for what is left of it below the line's top, is written smaller until
        // it fits: all of its value stays in sight. Lines that fit keep their size.
        int pixels = pixelSizeOf(line.points);
        const int roomBelow = box.bottom() + 1 - ScaleUnit(line.designTop);
        font.setPixelSize(pixels);
        while (pixels > 1 && (QFontMetrics(font).horizontalAdvance(line.text) > box.width() ||
                              QFontMetrics(font).ascent() > roomBelow)) {
            font.setPixelSize(--pixels);
        }
        const QFontMetrics metrics(font);
        const int width = metrics.horizontalAdvance(line.text);
        const int left = ScaleUnit(line.designCentreX) - width / 2;
        const int top = ScaleUnit(line.designTop);
        painter.setFont(font);
        painter.setPen(line.colour);
        painter.drawText(left, top + metrics.ascent(), line.text);
        changedArea = changedArea.united(QRect(left, top, width, metrics.height()));
    }
    markChanged(changedArea);
}

void MachineSurface::DrawSymbolCell(int reel, int row, int cell) {
    const int size = geometry_.SymbolSize;
    const QRect column = reelColumn(reel);
    const QRect target(column.left(), column.top() + row * size, size, size);
    {
        QPainter painter(&surface_);
        drawSheetCell(painter, cell, target);
    }
    markChanged(target);
    DrawPayline();
}

} // namespace slotmachine
