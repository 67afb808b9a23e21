#include "tools/assets/paychart/Paychart.h"

#include "tools/assets/PictureRendering.h"
#include "tools/assets/paychart/PaychartRows.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace slotmachine::paychart {

namespace {

constexpr qreal Frame = 8;       // the brass frame around the glass
constexpr qreal ContentTop = 78; // below the title and the heading
constexpr qreal Margin = 18;     // from the frame's inside to the panels
constexpr qreal PanelGap = 10;   // between the pay table and the extras
constexpr qreal HeaderHeight = 30;
constexpr qreal NoteHeight = 16;
constexpr qreal MaxRowHeight = 36;
constexpr int MaxCoinColumns = 10;

void drawFrame(QPainter& p, const QRectF& whole) {
    QLinearGradient brass(whole.topLeft(), whole.bottomRight());
    brass.setColorAt(0.0, QColor(92, 60, 20));
    brass.setColorAt(0.2, QColor(226, 180, 90));
    brass.setColorAt(0.45, QColor(122, 82, 32));
    brass.setColorAt(0.7, QColor(236, 198, 108));
    brass.setColorAt(1.0, QColor(90, 58, 20));
    p.fillRect(whole, brass);
    p.setPen(QPen(QColor(40, 22, 6), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(whole.adjusted(0.5, 0.5, -0.5, -0.5));
    const QRectF glass = whole.adjusted(Frame, Frame, -Frame, -Frame);
    p.setPen(QPen(QColor(255, 236, 170, 160), 1));
    p.drawRect(glass.adjusted(-1.5, -1.5, 1.5, 1.5));

    // The glass: deep brown, lit from behind the title.
    QRadialGradient light(QPointF(glass.center().x(), glass.top() + 40), glass.width() * 0.75);
    light.setColorAt(0, QColor(92, 54, 22));
    light.setColorAt(0.5, QColor(50, 29, 13));
    light.setColorAt(1, QColor(24, 13, 6));
    p.fillRect(glass, light);

    // Faint rays fanning out from the title, as on the machine's title glass.
    p.save();
    p.setClipRect(glass);
    const QPointF hub(glass.center().x(), glass.top() + 34);
    p.setPen(Qt::NoPen);
    for (int ray = 0; ray < 24; ++ray) {
        const qreal a = ray * M_PI / 12;
        QPainterPath wedge;
        wedge.moveTo(hub);
        wedge.lineTo(hub + QPointF(std::cos(a - 0.06), std::sin(a - 0.06)) * 700);
        wedge.lineTo(hub + QPointF(std::cos(a + 0.06), std::sin(a + 0.06)) * 700);
        wedge.closeSubpath();
        QRadialGradient fade(hub, 330);
        fade.setColorAt(0, QColor(255, 210, 120, 34));
        fade.setColorAt(1, QColor(255, 210, 120, 0));
        p.setBrush(fade);
        p.drawPath(wedge);
    }
    p.restore();

    // A brass screw in each corner of the frame.
    for (const QPointF& c :
         {whole.topLeft() + QPointF(Frame / 2, Frame / 2), whole.topRight() + QPointF(-Frame / 2, Frame / 2),
          whole.bottomLeft() + QPointF(Frame / 2, -Frame / 2),
          whole.bottomRight() + QPointF(-Frame / 2, -Frame / 2)}) {
        QRadialGradient head(c - QPointF(1, 1), 4);
        head.setColorAt(0, QColor(255, 240, 190));
        head.setColorAt(1, QColor(110, 72, 24));
        p.setBrush(head);
        p.setPen(QPen(QColor(50, 28, 8), 0.8));
        p.drawEllipse(c, 3.2, 3.2);
        p.drawLine(c + QPointF(-2, 2), c + QPointF(2, -2));
    }
}

void drawTitle(QPainter& p, const QRectF& glass, const QString& title) {
    QFont font = style::serif(31);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    font.setCapitalization(QFont::AllUppercase);
    style::drawEmbossedText(p, QRectF(glass.left(), glass.top() + 6, glass.width(), 40), title.toUpper(),
                            font);

    QFont heading = style::sans(11.5, true);
    heading.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    const QString text = QCoreApplication::translate("PayChart", "PAYOFF CHART");
    const QFontMetricsF metrics(heading);
    const qreal width = metrics.horizontalAdvance(text) - 4; // no spacing after the last letter
    const qreal baseline = glass.top() + 60;
    const qreal middle = glass.center().x();
    p.save();
    p.setFont(heading);
    p.setPen(style::cream());
    p.drawText(QPointF(middle - width / 2, baseline), text);
    // A rule either side, ending in a small diamond.
    const qreal y = baseline - metrics.ascent() / 2 + 0.5;
    for (const int side : {-1, 1}) {
        const qreal inner = middle + side * (width / 2 + 12);
        const qreal outer = middle + side * (width / 2 + 120);
        QLinearGradient fade(inner, 0, outer, 0);
        fade.setColorAt(0, style::gold());
        fade.setColorAt(1, QColor(240, 194, 74, 0));
        p.setPen(QPen(QBrush(fade), 1.2));
        p.drawLine(QPointF(inner, y), QPointF(outer, y));
        QPainterPath diamond;
        diamond.moveTo(inner, y - 3.5);
        diamond.lineTo(inner + side * 3.5, y);
        diamond.lineTo(inner, y + 3.5);
        diamond.lineTo(inner - side * 3.5, y);
        diamond.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(style::gold());
        p.drawPath(diamond);
    }
    p.restore();
}

void drawPayTable(QPainter& p, const QRectF& panel, const std::vector<ChartRow>& rows,
                  const SymbolSheet& sheet, int coinLimit) {
    style::drawPanel(p, panel);
    const QRectF inner = panel.adjusted(8, 6, -8, -6);
    bool anyOther = false;
    bool mixed = false;
    int wildCell = -1;
    for (const ChartRow& row : rows) {
        mixed = mixed || row.mixed;
        wildCell = wildCell < 0 ? row.wildCell : wildCell;
        for (const ChartCell& cell : row.cells) {
            anyOther = anyOther || cell.kind == ChartCell::Kind::AnyOther;
        }
    }
    const qreal note = anyOther || mixed || wildCell >= 0 ? NoteHeight : 0;
    const qreal rowsTop = inner.top() + HeaderHeight;
    const qreal rowHeight =
        rows.empty()
            ? MaxRowHeight
            : std::min(MaxRowHeight, (inner.bottom() - note - rowsTop) / static_cast<qreal>(rows.size()));
    const qreal tile = std::floor(rowHeight - 5);
    const qreal symbolsWidth = ReelCount * tile + (ReelCount - 1) * 4 + 10;
    // Where coins open lines, a line pays the same whatever the bet: one column says it.
    const bool perLine = std::all_of(rows.begin(), rows.end(),
                                     [](const ChartRow& r) { return r.payout == Payout::PerLine; }) &&
                         !rows.empty();
    const int columns = perLine ? 1 : coinLimit;
    const qreal columnWidth = (inner.width() - symbolsWidth) / columns;
    auto column = [&](int c) {
        return QRectF(inner.left() + symbolsWidth + c * columnWidth, 0, columnWidth, 0);
    };
    const qreal rowsBottom = rowsTop + rowHeight * static_cast<qreal>(rows.size());

    // The column of the most coins is lit: it is where the biggest pays are.
    const QRectF best = column(columns - 1);
    QLinearGradient glow(best.left(), 0, best.right(), 0);
    glow.setColorAt(0, QColor(240, 194, 74, 26));
    glow.setColorAt(0.5, QColor(240, 194, 74, 48));
    glow.setColorAt(1, QColor(240, 194, 74, 26));
    p.fillRect(QRectF(best.left() + 2, inner.top(), best.width() - 4, rowsBottom - inner.top()), glow);

    // Each column's heading: the number of coins large, the word small beneath it;
    // the one column of a game whose coins open lines reads PAYS, EACH LINE.
    const QFont number = style::sans(14, true);
    QFont word = style::sans(8, true);
    word.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    //: under "PAYS", the heading of the one column of a game whose coins open lines
    const QString eachLine = QCoreApplication::translate("PayChart", "EACH LINE");
    //: a column heading under the number 1: the pays for one coin bet
    const QString coin = QCoreApplication::translate("PayChart", "COIN");
    //: a column heading under a number of coins bet (2 to 5)
    const QString coins = QCoreApplication::translate("PayChart", "COINS");
    // A translation's longer words keep a gap to the next column's, all at one size.
    const QFont columnWord = style::fitted(style::fitted(word, perLine ? eachLine : coins, columnWidth - 4),
                                           coin, columnWidth - 4);
    const qreal numberBaseline = inner.top() + 15;
    const qreal wordBaseline = inner.top() + HeaderHeight - 5;
    for (int c = 0; c < columns; ++c) {
        const qreal right = column(c).right() - 6;
        const QString label = perLine ? eachLine : (c == 0 ? coin : coins);
        p.setPen(style::paleGold());
        p.setFont(number);
        //: over "EACH LINE": the column of what a line pays
        const QString count =
            perLine ? QCoreApplication::translate("PayChart", "PAYS") : QString::number(c + 1);
        p.drawText(QPointF(right - QFontMetricsF(number).horizontalAdvance(count), numberBaseline), count);
        p.setPen(style::gold());
        p.setFont(columnWord);
        // Letter spacing also follows the last letter; leave it out of the width.
        p.drawText(QPointF(right - QFontMetricsF(columnWord).horizontalAdvance(label) + 1, wordBaseline),
                   label);
    }
    p.setFont(word);
    //: the heading over the column of symbols that a line shows to win
    p.drawText(QPointF(inner.left() + 2, wordBaseline),
               QCoreApplication::translate("PayChart", "WINNING LINE"));
    p.setPen(QPen(style::deepGold(), 1));
    p.drawLine(QPointF(inner.left(), rowsTop - 1.5), QPointF(inner.right(), rowsTop - 1.5));

    QFont pays = style::sans(std::min<qreal>(13, rowHeight * 0.42), true);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ChartRow& row = rows[i];
        const qreal top = rowsTop + rowHeight * static_cast<qreal>(i);
        if (i % 2 == 1) {
            p.fillRect(QRectF(inner.left(), top, inner.width(), rowHeight), QColor(255, 220, 150, 12));
        }
        const qreal tileTop = top + (rowHeight - tile) / 2;
        for (int reel = 0; reel < ReelCount; ++reel) {
            const QRectF target(inner.left() + 2 + reel * (tile + 4), tileTop, tile, tile);
            const ChartCell& cell = row.cells[static_cast<std::size_t>(reel)];
            if (cell.kind == ChartCell::Kind::AnyOther) {
                style::drawAnyOther(p, target);
            } else {
                sheet.drawTile(p, cell.sheetCell, target);
            }
        }
        p.setFont(pays);
        for (int c = 0; c < columns; ++c) {
            // The top prize stands out in gold, the rest in cream.
            p.setPen(i == 0 ? style::paleGold() : style::cream());
            const QRectF cell(column(c).left(), top, columnWidth - 6, rowHeight);
            p.drawText(cell, Qt::AlignRight | Qt::AlignVCenter,
                       //: in the pay column of the rule that starts the bonus game
                       row.payout == Payout::BonusGame
                           ? QCoreApplication::translate("PayChart", "BONUS")
                           : style::number(row.pays[static_cast<std::size_t>(c)]));
        }
        if (i + 1 < rows.size()) {
            p.setPen(QPen(QColor(0, 0, 0, 110), 1));
            p.drawLine(QPointF(inner.left(), top + rowHeight + 0.5),
                       QPointF(inner.right(), top + rowHeight + 0.5));
        }
    }

    // The legend: what the marks and the mixed rows mean.
    p.setFont(style::sans(10));
    p.setPen(style::dimCream());
    const QRectF legend(inner.left() + 2, rowsBottom + 2, inner.width() - 2, NoteHeight);
    qreal x = legend.left();
    if (anyOther) {
        const QRectF mark(x, legend.top() + 1, 26, NoteHeight - 3);
        style::drawAnyOther(p, mark);
        x = mark.right() + 5;
        //: the legend of the mark drawn where a reel may show any symbol but the row's own
        const QString text = QCoreApplication::translate("PayChart", "any other symbol");
        p.drawText(QRectF(x, legend.top(), legend.right() - x, NoteHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   text);
        x += QFontMetricsF(p.font()).horizontalAdvance(text) + 16;
    }
    if (wildCell >= 0) {
        const QRectF mark(x, legend.top() + 1, NoteHeight - 2, NoteHeight - 2);
        sheet.drawTile(p, wildCell, mark);
        x = mark.right() + 5;
        //: the legend of the wild symbol's small picture: it stands in for the symbols of the rows
        const QString text = QCoreApplication::translate("PayChart", "wild: stands in for them");
        p.drawText(QRectF(x, legend.top(), legend.right() - x, NoteHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   text);
        x += QFontMetricsF(p.font()).horizontalAdvance(text) + 16;
    }
    if (mixed) {
        p.drawText(QRectF(x, legend.top(), legend.right() - x, NoteHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("PayChart", "Different symbols: any mix of them pays"));
    }
}

bool checkSheet(const SymbolSheet& sheet, const std::vector<int>& cells, QString& error) {
    for (const int cell : cells) {
        if (!sheet.has(cell)) {
            error = QStringLiteral("the symbol sheet has no cell %1 (four square cells a row)").arg(cell);
            return false;
        }
    }
    return true;
}

int fail(const QString& message) {
    std::fprintf(stderr, "paychart: %s\n", message.toLocal8Bit().constData());
    return 1;
}

} // namespace

QImage drawPaychart(const Game& game, const QImage& sheetImage, const ChartExtras* extras, QString& error, int scale) {
    const int coinLimit = game.values().coinLimit;
    if (coinLimit < 1 || coinLimit > MaxCoinColumns) {
        error = QStringLiteral("a coin limit of %1 does not fit the chart (1 to %2 coins)")
                    .arg(coinLimit)
                    .arg(MaxCoinColumns);
        return {};
    }
    std::vector<ChartRow> rows;
    try {
        rows = chartRows(game, symbolCells(game));
    } catch (const std::invalid_argument& e) {
        error = QString::fromStdString(e.what());
        return {};
    }
    const SymbolSheet sheet(sheetImage);
    std::vector<int> needed = extras != nullptr ? extras->cells : std::vector<int>{};
    for (const ChartRow& row : rows) {
        for (const ChartCell& cell : row.cells) {
            if (cell.kind == ChartCell::Kind::Symbol) {
                needed.push_back(cell.sheetCell);
            }
        }
        if (row.wildCell >= 0) {
            needed.push_back(row.wildCell);
        }
    }
    if (!checkSheet(sheet, needed, error)) {
        return {};
    }

    QImage chart(ChartSize * scale, QImage::Format_RGB32);
    QPainter p(&chart);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    if (scale != 1) {
        p.scale(scale, scale);
    }
    const QRectF whole(QPointF(0, 0), QSizeF(ChartSize));
    drawFrame(p, whole);
    const QRectF glass = whole.adjusted(Frame, Frame, -Frame, -Frame);
    drawTitle(
        p, glass,
        QString::fromUtf8(game.values().title.data(), static_cast<qsizetype>(game.values().title.size())));

    const qreal bottom = glass.bottom() - 10;
    qreal tableRight = glass.right() - Margin;
    if (extras != nullptr && extras->paint != nullptr) {
        const QRectF panel(glass.right() - Margin - extras->panelWidth, ContentTop, extras->panelWidth,
                           bottom - ContentTop);
        style::drawPanel(p, panel);
        extras->paint(p, panel, sheet, game);
        tableRight = panel.left() - PanelGap;
    }
    const QRectF table(glass.left() + Margin, ContentTop, tableRight - glass.left() - Margin,
                       bottom - ContentTop);
    drawPayTable(p, table, rows, sheet, coinLimit);
    return chart;
}

int runPaychartCommand(const Game& game, const ChartExtras* extras, const QStringList& args) {
    if (args.size() != 2 && args.size() != 4) {
        return fail(QStringLiteral("usage: paychart SHEET OUT.bmp|OUT.png [LARGE_SHEET LARGE_OUT.png]"));
    }
    // The game's own chart file is a BMP; a translated chart beside it is a PNG.
    const char* format = args[1].endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? "PNG" : "BMP";
    const QImage sheet(args[0]);
    if (sheet.isNull()) {
        return fail(QStringLiteral("cannot read %1 as a picture").arg(args[0]));
    }
    QString error;
    const QImage chart = drawPaychart(game, sheet, extras, error);
    if (chart.isNull()) {
        return fail(QStringLiteral("%1 (sheet %2)").arg(error, args[0]));
    }
    if (!assets::toPictureFormat(chart, assets::PictureFormat::Rgb24).save(args[1], format)) {
        return fail(QStringLiteral("cannot write %1").arg(args[1]));
    }
    if (args.size() == 4) {
        // The same chart drawn LargeChartScale times larger, its symbols from a sheet
        // rendered at least as much larger, for the pay chart window on a grown machine.
        const QImage largeSheet(args[2]);
        if (largeSheet.isNull()) {
            return fail(QStringLiteral("cannot read %1 as a picture").arg(args[2]));
        }
        const QImage large = drawPaychart(game, largeSheet, extras, error, LargeChartScale);
        if (large.isNull()) {
            return fail(QStringLiteral("%1 (sheet %2)").arg(error, args[2]));
        }
        // It names the chart it enlarges, so that the game tells its own chart from
        // a player's replacement of the same name.
        QImage written = assets::toPictureFormat(large, assets::PictureFormat::Rgb24);
        written.setText(QString::fromLatin1(ChartDigestKey), chartFileDigest(args[1]));
        if (!written.save(args[3], "PNG")) {
            return fail(QStringLiteral("cannot write %1").arg(args[3]));
        }
    }
    return 0;
}

} // namespace slotmachine::paychart
