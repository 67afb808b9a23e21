// Emberpeak's side of the pay chart: the wild symbol of the right reel and its
// animation frames, the bonus symbols with the prizes of the boxes, and the nudges.
#include "tools/assets/paychart/ChartExtras.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace slotmachine::emberpeak {

namespace {

using namespace paychart;

// Sheet cells: the strip digit is the cell, and the wild symbol's two further
// animation frames follow the ten symbols.
constexpr int BonusCell = 8;
constexpr int WildCell = 9;
constexpr int WildFrames[] = {WildCell, 10, 11};

constexpr qreal Tile = 30;
constexpr qreal SmallTile = 24;
constexpr qreal NotePixels = 10;
constexpr qreal SectionGap = 11; // above a section's heading
constexpr qreal HeadingGap = 6;  // below it

QFont captionFont() {
    return style::sans(9, true);
}

// A small pale-gold word centred in `area`.
void caption(QPainter& painter, const QRectF& area, const QString& text) {
    painter.save();
    painter.setFont(captionFont());
    painter.setPen(style::paleGold());
    painter.drawText(area, Qt::AlignCenter, text);
    painter.restore();
}

// "250, 100, 50 or 25": the credit prizes among the box values, largest first.
QString creditPrizes(const GameValues& values) {
    std::vector<std::int32_t> credits;
    for (const std::int32_t value : values.boxValues) {
        if (value > 1 && std::find(credits.begin(), credits.end(), value) == credits.end()) {
            credits.push_back(value);
        }
    }
    std::sort(credits.rbegin(), credits.rend());
    QStringList words;
    for (const std::int32_t value : credits) {
        words.append(style::number(value));
    }
    const QString last = words.isEmpty() ? QString() : words.takeLast();
    return words.isEmpty() ? last
                           //: the last of a list of prizes: "250, 100, 50 or 25"
                           : QCoreApplication::translate("EmberpeakExtras", "%1 or %2")
                                 .arg(words.join(QStringLiteral(", ")), last);
}

void paintEmberpeak(QPainter& painter, const QRectF& panel, const SymbolSheet& sheet, const Game& game) {
    const GameValues& values = game.values();
    const qreal left = panel.left() + 12;
    const qreal width = panel.right() - 10 - left;
    auto below = [&](qreal top) { return QRectF(left, top, width, panel.bottom() - top); };
    qreal y = panel.top() + 9;

    y = style::drawHeading(painter, below(y), QCoreApplication::translate("EmberpeakExtras", "Wild")) +
        HeadingGap;
    y = style::drawTileWithNote(
            painter, sheet, WildCell, below(y),
            QCoreApplication::translate("EmberpeakExtras", "Right reel only"),
            QCoreApplication::translate("EmberpeakExtras",
                                        "Stands in for any symbol there. Alone it pays your bet back."),
            Tile) +
        5;
    // The frames it glows through while it stands on the payline.
    const qreal framesLeft = left + 2;
    for (std::size_t i = 0; i < std::size(WildFrames); ++i) {
        sheet.drawTile(painter, WildFrames[i],
                       QRectF(framesLeft + static_cast<qreal>(i) * (SmallTile + 3), y, SmallTile, SmallTile));
    }
    const qreal noteLeft = framesLeft + 3 * (SmallTile + 3) + 5;
    y = std::max(y + SmallTile,
                 style::drawNote(painter, QRectF(noteLeft, y, left + width - noteLeft, 40),
                                 QCoreApplication::translate("EmberpeakExtras",
                                                             "On the payline it glows, and earns a nudge."),
                                 NotePixels)) +
        SectionGap;

    y = style::drawHeading(painter, below(y), QCoreApplication::translate("EmberpeakExtras", "Bonus game")) +
        HeadingGap;
    for (int i = 0; i < 3; ++i) {
        sheet.drawTile(painter, BonusCell, QRectF(left + 2 + i * (SmallTile + 3), y, SmallTile, SmallTile));
    }
    const qreal orLeft = left + 2 + 3 * (SmallTile + 3);
    //: between the three bonus symbols and the wild symbol on the right reel
    const QString orWord = QCoreApplication::translate("EmberpeakExtras", "or");
    // 18 wide, or wider for a translation's longer word.
    const qreal orWidth = std::max<qreal>(18, QFontMetricsF(captionFont()).horizontalAdvance(orWord) + 4);
    caption(painter, QRectF(orLeft, y, orWidth, SmallTile), orWord);
    const qreal wildLeft = orLeft + orWidth;
    sheet.drawTile(painter, WildCell, QRectF(wildLeft, y, SmallTile, SmallTile));
    caption(painter,
            QRectF(wildLeft + SmallTile + 4, y, left + width - (wildLeft + 4 + SmallTile), SmallTile),
            QCoreApplication::translate("EmberpeakExtras", "on the right"));
    y += SmallTile + 4;
    y = style::drawNote(painter, below(y),
                        QCoreApplication::translate("EmberpeakExtras",
                                                    "Open one of eight boxes: %1 credits, two nudges for "
                                                    "every coin bet, or nothing.")
                            .arg(creditPrizes(values)),
                        NotePixels) +
        SectionGap;

    y = style::drawHeading(painter, below(y), QCoreApplication::translate("EmberpeakExtras", "Nudges")) +
        HeadingGap;
    style::drawNote(painter, below(y),
                    QCoreApplication::translate("EmberpeakExtras",
                                                "After a losing spin the NUDGE buttons blink: each press "
                                                "moves its reel down one stop, and the line "
                                                "pays again. A new game holds %1.")
                        .arg(values.stock->atNewGame),
                    NotePixels);
}

} // namespace

// The catalog lists it beside the game (cmake/SlotsGame.cmake).
const paychart::ChartExtras& emberpeakChartExtras() {
    static const paychart::ChartExtras extras{
        212,
        {BonusCell, WildCell, 10, 11},
        paintEmberpeak,
    };
    return extras;
}

} // namespace slotmachine::emberpeak
