// The reels on the surface: at rest, in motion, held for a bounce, and moved by a
// feature.
#include "engine/core/Game.h"
#include "engine/core/GameState.h"
#include "engine/display/MachineSurface.h"
#include "engine/state/ReelStrips.h"

#include <QPainter>
#include <algorithm>

namespace slotmachine {

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
