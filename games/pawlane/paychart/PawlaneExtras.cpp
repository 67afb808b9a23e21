// Pawlane's side of the pay chart: the wild symbol, the three lines and the coin
// that opens each, the marked stops, the holds and the bonus game's boxes.
#include "engine/core/GameState.h"
#include "games/pawlane/PawlaneSymbols.h"
#include "tools/assets/paychart/ChartExtras.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <functional>

namespace slotmachine::pawlane {

namespace {

using namespace paychart;

constexpr int WildCell = Wild;

// The sheet cell of the first marked stop with this effect (and these points).
int markedCell(MarkEffect effect, int points = 0) {
    for (const MarkedStop& stop : markedStops()) {
        if (stop.effect == effect && stop.points == points) {
            return cellAt(stop.reel, stop.position);
        }
    }
    return WildCell;
}

constexpr qreal Tile = 30;
constexpr qreal SmallTile = 26;
constexpr qreal NotePixels = 10;
constexpr qreal SectionGap = 14; // above a section's heading
constexpr qreal HeadingGap = 6;  // below it

// A row of tiles, each with a caption beneath; returns the bottom edge of the captions.
qreal captionedTiles(QPainter& painter, const SymbolSheet& sheet, const QRectF& area,
                     const std::vector<std::pair<int, QString>>& tiles) {
    painter.save();
    painter.setFont(style::sans(9, true));
    painter.setPen(style::paleGold());
    const qreal step = area.width() / static_cast<qreal>(tiles.size());
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const qreal middle = area.left() + step * (static_cast<qreal>(i) + 0.5);
        const QRectF tile(middle - SmallTile / 2, area.top(), SmallTile, SmallTile);
        sheet.drawTile(painter, tiles[i].first, tile);
        painter.drawText(QRectF(middle - step / 2, tile.bottom() + 1, step, 12), Qt::AlignCenter,
                         tiles[i].second);
    }
    painter.restore();
    return area.top() + SmallTile + 13;
}

// The three lines in the order coins open them, each as a short bar of its colour
// over three reel windows; returns the bottom edge.
qreal lines(QPainter& painter, const QRectF& area) {
    struct Line {
        QColor colour;
        QString text;
    };
    const Line all[] = {
        {QColor(236, 40, 36), QCoreApplication::translate("PawlaneExtras", "1st coin: middle line")},
        {QColor(52, 104, 240), QCoreApplication::translate("PawlaneExtras", "2nd coin: top line")},
        {QColor(40, 170, 64), QCoreApplication::translate("PawlaneExtras", "3rd coin: bottom line")},
    };
    const int rowOf[] = {1, 0, 2}; // middle, top, bottom
    constexpr qreal Window = 9;
    const QRectF reels(area.left(), area.top() + 2, 3 * Window + 4, 3 * Window);
    painter.save();
    painter.setPen(QPen(style::deepGold(), 0.8));
    for (int reel = 0; reel < 3; ++reel) {
        painter.setBrush(QColor(250, 244, 226));
        painter.drawRect(QRectF(reels.left() + reel * (Window + 2), reels.top(), Window, 3 * Window));
    }
    painter.setFont(style::sans(NotePixels, true));
    const QFontMetricsF metrics(painter.font());
    for (int i = 0; i < 3; ++i) {
        const qreal y = reels.top() + (rowOf[i] + 0.5) * Window;
        painter.setPen(QPen(all[i].colour, 2.2));
        painter.drawLine(QPointF(reels.left() - 3, y), QPointF(reels.right() + 3, y));
        painter.setPen(style::cream());
        const qreal baseline = area.top() + 2 + i * 13 + metrics.ascent() - 1;
        painter.setPen(all[i].colour.lighter(130));
        painter.drawText(QPointF(reels.right() + 10, baseline), all[i].text);
    }
    painter.restore();
    return std::max(reels.bottom(), area.top() + 2 + 3 * 13);
}

void paintPawlane(QPainter& painter, const QRectF& panel, const SymbolSheet& sheet, const Game& game) {
    const qreal gutter = 12;
    const qreal half = (panel.width() - 3 * gutter) / 2;
    const QRectF leftColumn(panel.left() + gutter, panel.top() + 10, half, panel.height() - 20);
    const QRectF rightColumn(leftColumn.right() + gutter, leftColumn.top(), half, leftColumn.height());
    auto below = [](const QRectF& column, qreal top) {
        return QRectF(column.left(), top, column.width(), column.bottom() - top);
    };

    // Left: the wild, the lines and the holds.
    const auto rules = game.paytable().rules();
    const QString topPrize = rules.empty() ? QString() : style::number(rules.front().credits(1));
    qreal y = leftColumn.top();
    y = style::drawHeading(painter, below(leftColumn, y),
                           QCoreApplication::translate("PawlaneExtras", "Wild")) +
        HeadingGap;
    y = style::drawTileWithNote(
            painter, sheet, WildCell, below(leftColumn, y),
            QCoreApplication::translate("PawlaneExtras", "Three pay %1").arg(topPrize),
            QCoreApplication::translate("PawlaneExtras", "It stands in for every other symbol on a line."),
            Tile, 7) +
        SectionGap;
    y = style::drawHeading(painter, below(leftColumn, y),
                           QCoreApplication::translate("PawlaneExtras", "Lines")) +
        HeadingGap;
    y = lines(painter, below(leftColumn, y)) + 4;
    y = style::drawNote(painter, below(leftColumn, y),
                        QCoreApplication::translate(
                            "PawlaneExtras", "Every open line is paid on its own, and the wins add up."),
                        NotePixels) +
        SectionGap;
    y = style::drawHeading(painter, below(leftColumn, y),
                           QCoreApplication::translate("PawlaneExtras", "Holds")) +
        HeadingGap;
    style::drawNote(painter, below(leftColumn, y),
                    QCoreApplication::translate("PawlaneExtras",
                                                "After a losing spin the HOLD lamps blink: click up to two, "
                                                "and those reels stay still on the next spin."),
                    NotePixels);

    // Right: the marked stops and the bonus game.
    y = rightColumn.top();
    y = style::drawHeading(painter, below(rightColumn, y),
                           QCoreApplication::translate("PawlaneExtras", "Marked stops")) +
        HeadingGap;
    y = captionedTiles(
            painter, sheet, below(rightColumn, y),
            {{markedCell(MarkEffect::Points, 3), QCoreApplication::translate("PawlaneExtras", "3 points")},
             {markedCell(MarkEffect::Points, 2), QCoreApplication::translate("PawlaneExtras", "2 points")},
             {markedCell(MarkEffect::Points, 1), QCoreApplication::translate("PawlaneExtras", "1 point")}}) +
        4;
    y = captionedTiles(
            painter, sheet, below(rightColumn, y),
            {{markedCell(MarkEffect::Reset), QCoreApplication::translate("PawlaneExtras", "Meter reset")},
             {markedCell(MarkEffect::Hold), QCoreApplication::translate("PawlaneExtras", "+1 hold")}}) +
        4;
    y = style::drawNote(
            painter, below(rightColumn, y),
            QCoreApplication::translate("PawlaneExtras", "They count on the row of an open line."),
            NotePixels) +
        SectionGap;

    y = style::drawHeading(painter, below(rightColumn, y),
                           QCoreApplication::translate("PawlaneExtras", "Bonus game")) +
        HeadingGap;
    std::vector<std::int32_t> credits;
    int holdBoxes = 0;
    int emptyBoxes = 0;
    for (const std::int32_t value : game.values().boxValues) {
        if (value > 1) {
            credits.push_back(value);
        }
        holdBoxes += value == 1;
        emptyBoxes += value == 0;
    }
    std::sort(credits.begin(), credits.end(), std::greater<>());
    QStringList amounts;
    for (const std::int32_t value : credits) {
        amounts.append(style::number(value));
    }
    const QString last = amounts.isEmpty() ? QString() : amounts.takeLast();
    const QString prizes = amounts.isEmpty() ? last
                                             //: the last of a list of prizes: "250, 100 or 50"
                                             : QCoreApplication::translate("PawlaneExtras", "%1 or %2")
                                                   .arg(amounts.join(QStringLiteral(", ")), last);
    style::drawNote(painter, below(rightColumn, y),
                    QCoreApplication::translate("PawlaneExtras",
                                                "%1 points open it: pick one of %2 animal boxes. %3 hold %4 "
                                                "credits, %5 hold 2 holds for each coin bet, %6 are empty.")
                        .arg(FullBonusPoints)
                        .arg(game.values().boxValues.size())
                        .arg(credits.size())
                        .arg(prizes)
                        .arg(holdBoxes)
                        .arg(emptyBoxes),
                    NotePixels);
}

} // namespace

// The catalog lists it beside the game (cmake/SlotsGame.cmake).
const paychart::ChartExtras& pawlaneChartExtras() {
    static const paychart::ChartExtras extras{
        360,
        {WildCell, markedCell(MarkEffect::Points, 3), markedCell(MarkEffect::Points, 2),
         markedCell(MarkEffect::Points, 1), markedCell(MarkEffect::Reset), markedCell(MarkEffect::Hold)},
        paintPawlane,
    };
    return extras;
}

} // namespace slotmachine::pawlane
