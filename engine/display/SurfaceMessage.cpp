// The machine's messages on the coin tray's glass: a plate in the cabinet's dark
// ground, lettered in the colour of its trim with a faint glow, like a lit sign.
#include "engine/core/Game.h"
#include "engine/display/MachineLayout.h"
#include "engine/display/MachineSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace slotmachine {

namespace {

// Writes `text` centred in `band`, as large as the band's height allows and never
// wider than the band: a long text is written smaller, never cut.
void writeFitted(QPainter& painter, const QString& text, const QRectF& band, QFont font, const QColor& colour) {
    if (text.isEmpty()) {
        return;
    }
    qreal pixels = std::max<qreal>(1, band.height() * 0.8);
    font.setPixelSize(static_cast<int>(pixels));
    while (pixels > 1 && QFontMetricsF(font).horizontalAdvance(text) > band.width()) {
        pixels -= 1;
        font.setPixelSize(static_cast<int>(pixels));
    }
    painter.setFont(font);
    // The glow: the letters a little wider and faint behind the sharp ones.
    QColor glow = colour;
    glow.setAlpha(70);
    painter.setPen(glow);
    const qreal spread = std::max<qreal>(1, pixels / 14);
    for (const QPointF shift : {QPointF(-spread, 0), QPointF(spread, 0), QPointF(0, -spread), QPointF(0, spread)}) {
        painter.drawText(band.translated(shift), Qt::AlignCenter, text);
    }
    painter.setPen(colour);
    painter.drawText(band, Qt::AlignCenter, text);
}

} // namespace

void MachineSurface::showMessage(const TrayMessage& message) {
    if (message == message_) {
        return;
    }
    message_ = message;
    drawMessage();
}

void MachineSurface::drawMessage() {
    const QRect glass = CoinTrayGlass.scaled(geometry_);
    QPainter painter(&surface_);
    painter.drawImage(glass, machineCopy_, glass); // the tray as painted
    if (!message_.empty()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const GameColours& colours = game_.values().colours;
        const QColor trim = QColor::fromRgb(colours.line);
        QColor ground = QColor::fromRgb(colours.ground);
        ground.setAlpha(235); // the coins show faintly through

        const QRectF plate = QRectF(glass).adjusted(1, 1, -1, -1);
        const qreal radius = plate.height() * 0.2;
        painter.setBrush(ground);
        painter.setPen(QPen(trim.darker(160), std::max(1.0, plate.height() / 24)));
        painter.drawRoundedRect(plate, radius, radius);

        // A small heading in spaced capitals over a larger line.
        const qreal margin = plate.height() * 0.12;
        const QRectF inner = plate.adjusted(radius, margin, -radius, -margin);
        const qreal headingHeight = inner.height() * 0.4;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        QFont heading = font;
        heading.setCapitalization(QFont::AllUppercase);
        heading.setLetterSpacing(QFont::PercentageSpacing, 112);
        const bool both = !message_.heading.isEmpty() && !message_.text.isEmpty();
        const QRectF top(inner.left(), inner.top(), inner.width(), both ? headingHeight : inner.height());
        const QRectF bottom(inner.left(), both ? inner.top() + headingHeight : inner.top(), inner.width(),
                            both ? inner.height() - headingHeight : inner.height());
        writeFitted(painter, message_.heading, top, heading, trim.darker(115));
        writeFitted(painter, message_.text, bottom, font, trim);
    }
    painter.end();
    markChanged(glass);
}

} // namespace slotmachine
