#include "engine/display/MachineSurface.h"

#include "engine/core/Game.h"
#include "engine/core/GameState.h"
#include "engine/display/Digits.h"
#include "engine/display/FixedSizes.h"
#include "engine/display/MachineLayout.h"
#include "engine/display/VectorArt.h"
#include "engine/state/ReelStrips.h"

#include <QCoreApplication>
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
    winningsShown_ = 0;
    DrawCaption(QCoreApplication::translate("MachineDisplay", "Coins"), CoinsMeterLeft, false);
    drawMeter(state_.Coins, CoinsMeterLeft, true, false, 2 * digitCellFor(geometry_.layoutWidth).width);
}

void MachineSurface::ShowWinnings(std::int32_t counted) {
    winningsShown_ = counted;
    drawMeter(counted, WinningsMeterRight, false, true,
              ScaleUnit(WinningsMeterRight) - ScaleUnit(WinningsClearBox.left));
}

void MachineSurface::DrawCaption(const QString& text, std::int32_t designX, bool rightAnchored) {
    QPainter painter(&surface_);
    QFont font = captionFont(screen_);
    // The caption of one of the engine's meters stays within the meter's place.
    for (const DesignRect& place : {CreditsMeterPlace, CoinsMeterPlace, WinningsMeterPlace}) {
        if ((rightAnchored ? place.right : place.left) == designX) {
            const int room = ScaleUnit(place.right) - ScaleUnit(place.left);
            while (font.pixelSize() > 1 && QFontMetrics(font).horizontalAdvance(text) > room) {
                font.setPixelSize(font.pixelSize() - 1);
            }
        }
    }
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
    painter.end();
    if (!message_.empty()) {
        drawMessage();
    }
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

} // namespace slotmachine
