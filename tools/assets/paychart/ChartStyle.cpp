#include "tools/assets/paychart/ChartStyle.h"

#include "engine/shell/PlayerLanguage.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace slotmachine::paychart {

SymbolSheet::SymbolSheet(QImage sheet) : sheet_(std::move(sheet)), cellSize_(sheet_.width() / 4) {}

bool SymbolSheet::has(int cell) const {
    return !sheet_.isNull() && cell >= 0 && cellSize_ > 0 && (cell / 4 + 1) * cellSize_ <= sheet_.height();
}

void SymbolSheet::drawTile(QPainter& painter, int cell, const QRectF& target) const {
    painter.save();
    QPainterPath window;
    window.addRoundedRect(target, 3, 3);
    painter.setClipPath(window);
    if (has(cell)) {
        // Scaled once with smoothing to the size it lands at on the picture; drawing
        // scaled by the painter looks soft at this size.
        const QImage cellPicture = sheet_.copy((cell % 4) * cellSize_, (cell / 4) * cellSize_, cellSize_, cellSize_);
        if (painter.transform().isScaling()) {
            const QSize landing = painter.transform().mapRect(target).size().toSize();
            painter.drawImage(target, cellPicture.scaled(landing, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        } else {
            painter.drawImage(target.topLeft(), cellPicture.scaled(target.size().toSize(), Qt::IgnoreAspectRatio,
                                                                   Qt::SmoothTransformation));
        }
    } else {
        painter.fillRect(target, style::cream());
    }
    // A faint shade at the top and bottom, as on a curved reel.
    QLinearGradient curve(target.topLeft(), target.bottomLeft());
    curve.setColorAt(0, QColor(60, 30, 0, 70));
    curve.setColorAt(0.25, QColor(60, 30, 0, 0));
    curve.setColorAt(0.75, QColor(60, 30, 0, 0));
    curve.setColorAt(1, QColor(60, 30, 0, 80));
    painter.fillRect(target, curve);
    painter.setClipping(false);
    painter.setPen(QPen(style::deepGold(), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(target.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.restore();
}

namespace style {

QString number(std::int32_t value) {
    return (playerLanguage().isEmpty() ? QLocale(QLocale::English) : QLocale()).toString(value);
}

QFont sans(qreal pixels, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixels));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont serif(qreal pixels, bool bold) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(qRound(pixels));
    font.setBold(bold);
    return font;
}

QFont fitted(QFont font, const QString& text, qreal width) {
    constexpr int SmallestPixels = 5;
    while (font.pixelSize() > SmallestPixels && QFontMetricsF(font).horizontalAdvance(text) > width) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

void drawPanel(QPainter& painter, const QRectF& area) {
    painter.save();
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, QColor(44, 26, 12, 235));
    fill.setColorAt(1, QColor(30, 17, 8, 235));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(0, 0, 0, 150), 3));
    painter.drawRoundedRect(area, 6, 6);
    painter.setPen(QPen(deepGold(), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(area.adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);
    painter.restore();
}

void drawEmbossedText(QPainter& painter, const QRectF& area, const QString& text, const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    const QPointF origin(area.center().x() - width / 2,
                         area.center().y() + (metrics.ascent() - metrics.descent()) / 2);
    QPainterPath path;
    path.addText(origin, font, text);

    painter.save();
    painter.setBrush(QColor(0, 0, 0, 140));
    painter.setPen(Qt::NoPen);
    painter.drawPath(path.translated(1.5, 2));
    painter.setPen(QPen(QColor(58, 30, 6), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    const QRectF bounds = path.boundingRect();
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0, QColor(255, 246, 200));
    fill.setColorAt(0.45, gold());
    fill.setColorAt(0.55, QColor(214, 150, 40));
    fill.setColorAt(1, QColor(250, 214, 120));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

qreal drawHeading(QPainter& painter, const QRectF& area, const QString& text) {
    QFont font = sans(11, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    const QFontMetricsF metrics(font);
    painter.save();
    painter.setFont(font);
    painter.setPen(gold());
    const qreal baseline = area.top() + metrics.ascent();
    painter.drawText(QPointF(area.left(), baseline), text.toUpper());
    const qreal rule = baseline + metrics.descent() + 2;
    QLinearGradient fade(area.left(), 0, area.right(), 0);
    fade.setColorAt(0, deepGold());
    fade.setColorAt(1, QColor(168, 116, 28, 0));
    painter.setPen(QPen(QBrush(fade), 1));
    painter.drawLine(QPointF(area.left(), rule + 0.5), QPointF(area.right(), rule + 0.5));
    painter.restore();
    return rule + 1;
}

qreal drawNote(QPainter& painter, const QRectF& area, const QString& text, qreal pixels) {
    painter.save();
    painter.setFont(sans(pixels));
    painter.setPen(cream());
    QRectF used;
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, &used);
    painter.restore();
    return used.bottom();
}

qreal drawTileWithNote(QPainter& painter, const SymbolSheet& sheet, int cell, const QRectF& area,
                       const QString& title, const QString& note, qreal tile, qreal gap) {
    sheet.drawTile(painter, cell, QRectF(area.topLeft(), QSizeF(tile, tile)));
    const qreal textLeft = area.left() + tile + gap;
    painter.save();
    const QFont font = sans(10.5, true);
    painter.setFont(font);
    painter.setPen(paleGold());
    const QFontMetricsF metrics(font);
    painter.drawText(QPointF(textLeft, area.top() + metrics.ascent() - 1), title);
    painter.restore();
    const qreal bottom = drawNote(
        painter, QRectF(textLeft, area.top() + metrics.height() - 1, area.right() - textLeft, 60), note, 10);
    return std::max(area.top() + tile, bottom);
}

void drawAnyOther(QPainter& painter, const QRectF& target) {
    painter.save();
    const QRectF inner = target.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setBrush(darkBrown());
    painter.setPen(QPen(deepGold(), 1, Qt::DashLine));
    painter.drawRoundedRect(inner, 3, 3);
    //: the mark drawn where a reel may show any other symbol, in a symbol's small square
    const QString word = QCoreApplication::translate("PayChart", "ANY");
    // Never smaller than legible, for the small mark of a legend, unless a longer word
    // would cross the mark's rim.
    painter.setFont(fitted(sans(std::max(7.0, target.height() * 0.3), true), word, target.width() - 2));
    painter.setPen(paleGold());
    painter.drawText(target, Qt::AlignCenter, word);
    painter.restore();
}

} // namespace style

} // namespace slotmachine::paychart
