// Orevein's side of the pay chart: the Up and Down symbols, the bonus symbols and
// the dynamite that empties the bonus meter, each with its pictures from the sheet.
#include "games/orevein/OreveinSymbols.h"
#include "tools/assets/paychart/ChartExtras.h"

#include <QCoreApplication>
#include <QPainter>

namespace slotmachine::orevein {

namespace {

using namespace paychart;

constexpr qreal Tile = 32;
constexpr qreal NotePixels = 10;
constexpr qreal Gap = 8;         // between the two rows of a section
constexpr qreal SectionGap = 17; // above a section's heading
constexpr qreal HeadingGap = 8;  // below it

void paintOrevein(QPainter& painter, const QRectF& panel, const SymbolSheet& sheet, const Game&) {
    const qreal left = panel.left() + 12;
    const qreal width = panel.right() - 10 - left;
    auto below = [&](qreal top) { return QRectF(left, top, width, panel.bottom() - top); };
    qreal y = panel.top() + 10;

    y = style::drawHeading(painter, below(y), QCoreApplication::translate("OreveinExtras", "Up and Down")) +
        HeadingGap;
    y = style::drawTileWithNote(
            painter, sheet, FirstUpCell, below(y), QCoreApplication::translate("OreveinExtras", "Up"),
            QCoreApplication::translate("OreveinExtras", "Below the payline, moves its reel up one step."),
            Tile) +
        Gap;
    y = style::drawTileWithNote(
            painter, sheet, FirstDownCell, below(y), QCoreApplication::translate("OreveinExtras", "Down"),
            QCoreApplication::translate("OreveinExtras", "Above the payline, moves its reel down one step."),
            Tile) +
        SectionGap;

    y = style::drawHeading(painter, below(y), QCoreApplication::translate("OreveinExtras", "Bonus points")) +
        HeadingGap;
    painter.save();
    painter.setFont(style::sans(10, true));
    painter.setPen(style::paleGold());
    const qreal step = (width - 3 * Tile - 8) / 2 + Tile;
    for (int i = 0; i < 3; ++i) {
        const QRectF tile(left + 4 + i * step, y, Tile, Tile);
        sheet.drawTile(painter, FirstBonusCell + i, tile);
        const int points = 3 - i; // the bonus cells run from the symbol worth 3 down to 1
        painter.drawText(QRectF(tile.left() - 12, tile.bottom() + 1, Tile + 24, 14), Qt::AlignCenter,
                         points == 1 ? QCoreApplication::translate("OreveinExtras", "1 point")
                                     : QCoreApplication::translate("OreveinExtras", "%1 points").arg(points));
    }
    painter.restore();
    y += Tile + 17;
    y = style::drawNote(painter, below(y),
                        QCoreApplication::translate(
                            "OreveinExtras", "Score them on the payline: %1 points open the bonus game!")
                            .arg(FullBonusPoints),
                        NotePixels) +
        SectionGap;

    y = style::drawHeading(painter, below(y), QCoreApplication::translate("OreveinExtras", "Dynamite")) +
        HeadingGap;
    style::drawTileWithNote(
        painter, sheet, ClearCell, below(y), QCoreApplication::translate("OreveinExtras", "Look out!"),
        QCoreApplication::translate("OreveinExtras", "On the payline it empties the bonus meter."), Tile);
}

} // namespace

// The catalog lists it beside the game (cmake/SlotsGame.cmake).
const paychart::ChartExtras& oreveinChartExtras() {
    static const paychart::ChartExtras extras{
        210,
        {FirstUpCell, FirstDownCell, FirstBonusCell, FirstBonusCell + 1, FirstBonusCell + 2, ClearCell},
        paintOrevein,
    };
    return extras;
}

} // namespace slotmachine::orevein
