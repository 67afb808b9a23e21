#include "tools/assets/manual/GamepadPicture.h"

#include "tools/assets/PictureRendering.h"
#include "tools/assets/manual/GamepadTable.h"
#include "tools/assets/paychart/ChartStyle.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace slotmachine::manual {

namespace {

namespace style = paychart::style;

// The pad's controls in the picture's pixels: where each is drawn, where its label's
// line ends on it, and which column and row its label takes.
struct Place {
    PadControl control;
    QPointF anchor;
    bool rightColumn;
    int row;
};
constexpr int Rows = 8;
const Place Places[] = {
    {PadControl::LeftTrigger, {223, 86}, false, 0}, {PadControl::LeftShoulder, {213, 105}, false, 1},
    {PadControl::DpadUp, {248, 132}, false, 2},     {PadControl::DpadLeft, {230, 150}, false, 3},
    {PadControl::DpadRight, {266, 150}, false, 4},  {PadControl::DpadDown, {248, 168}, false, 5},
    {PadControl::Back, {294, 136}, false, 6},       {PadControl::LeftStick, {286, 186}, false, 7},
    {PadControl::RightTrigger, {409, 86}, true, 0}, {PadControl::RightShoulder, {419, 105}, true, 1},
    {PadControl::Y, {384, 128}, true, 2},           {PadControl::X, {362, 150}, true, 3},
    {PadControl::B, {406, 150}, true, 4},           {PadControl::A, {384, 172}, true, 5},
    {PadControl::Start, {338, 136}, true, 6},       {PadControl::RightStick, {346, 186}, true, 7},
};
constexpr qreal LeftTextEdge = 184;
constexpr qreal RightTextEdge = 448;
// The least room between a label and the picture's edge, and the smallest font a
// long label shrinks to.
constexpr qreal TextMargin = 14;
constexpr int MinLabelPixels = 8;

qreal rowY(int row) {
    return 36 + row * 33;
}

QColor colourOf(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QPainterPath bodyOutline() {
    QPainterPath body;
    body.addRoundedRect(QRectF(200, 106, 232, 98), 46, 46);
    QPainterPath grips;
    grips.addEllipse(QPointF(234, 204), 40, 60);
    grips.addEllipse(QPointF(398, 204), 40, 60);
    return body.united(grips).simplified();
}

void drawBody(QPainter& painter, const Game& game) {
    const QColor ground = colourOf(game.values().colours.ground);
    const QColor line = colourOf(game.values().colours.line);
    painter.setPen(QPen(line.darker(130), 1.5));
    // The shoulders and triggers first: the body covers their lower edges.
    for (const QRectF& top : {QRectF(222, 66, 36, 30), QRectF(374, 66, 36, 30)}) {
        painter.setBrush(ground.lighter(220));
        painter.drawRoundedRect(top, 9, 9);
    }
    for (const QRectF& shoulder : {QRectF(212, 92, 60, 20), QRectF(360, 92, 60, 20)}) {
        painter.setBrush(ground.lighter(260));
        painter.drawRoundedRect(shoulder, 9, 9);
    }
    QLinearGradient fill(0, 106, 0, 264);
    fill.setColorAt(0, ground.lighter(300));
    fill.setColorAt(1, ground.lighter(150));
    painter.setBrush(fill);
    painter.setPen(QPen(line, 2));
    painter.drawPath(bodyOutline());
}

void drawStick(QPainter& painter, QPointF centre) {
    painter.setPen(QPen(QColor(0, 0, 0, 160), 1.5));
    painter.setBrush(QColor(22, 18, 14));
    painter.drawEllipse(centre, 17, 17);
    QRadialGradient cap(centre - QPointF(3, 3), 13);
    cap.setColorAt(0, QColor(92, 86, 78));
    cap.setColorAt(1, QColor(40, 36, 32));
    painter.setBrush(cap);
    painter.drawEllipse(centre, 12, 12);
}

void drawFaceButton(QPainter& painter, QPointF centre, const QColor& colour, const QString& letter) {
    painter.setPen(QPen(QColor(0, 0, 0, 170), 1.2));
    painter.setBrush(QColor(28, 24, 20));
    painter.drawEllipse(centre, 10, 10);
    painter.setPen(colour);
    painter.setFont(style::sans(11, true));
    painter.drawText(QRectF(centre.x() - 10, centre.y() - 10, 20, 20), Qt::AlignCenter, letter);
}

void drawControls(QPainter& painter) {
    // The D-pad.
    QPainterPath cross;
    cross.addRoundedRect(QRectF(240, 124, 16, 52), 3, 3);
    cross.addRoundedRect(QRectF(222, 142, 52, 16), 3, 3);
    painter.setPen(QPen(QColor(0, 0, 0, 170), 1.2));
    painter.setBrush(QColor(34, 30, 26));
    painter.drawPath(cross.simplified());
    drawStick(painter, {286, 186});
    drawStick(painter, {346, 186});
    drawFaceButton(painter, {384, 128}, QColor(236, 196, 64), QStringLiteral("Y"));
    drawFaceButton(painter, {362, 150}, QColor(96, 150, 232), QStringLiteral("X"));
    drawFaceButton(painter, {406, 150}, QColor(226, 88, 70), QStringLiteral("B"));
    drawFaceButton(painter, {384, 172}, QColor(110, 200, 90), QStringLiteral("A"));
    painter.setPen(QPen(QColor(0, 0, 0, 170), 1));
    painter.setBrush(QColor(40, 36, 32));
    painter.drawRoundedRect(QRectF(284, 131, 20, 10), 5, 5);
    painter.drawRoundedRect(QRectF(328, 131, 20, 10), 5, 5);
    painter.setFont(style::sans(9, true));
    painter.setPen(style::paleGold());
    painter.drawText(QRectF(222, 66, 36, 14), Qt::AlignCenter, QStringLiteral("LT"));
    painter.drawText(QRectF(374, 66, 36, 14), Qt::AlignCenter, QStringLiteral("RT"));
    painter.drawText(QRectF(212, 92, 60, 14), Qt::AlignCenter, QStringLiteral("LB"));
    painter.drawText(QRectF(360, 92, 60, 14), Qt::AlignCenter, QStringLiteral("RB"));
}

// A control's label: its name in gold, then what it does in cream, towards the pad.
// A label too long for the room beside the pad (a translation's) takes a smaller font.
void drawLabel(QPainter& painter, const Place& place, const QString& name, const QString& label) {
    const QFont nameFont = style::sans(10.5, true);
    const qreal nameWidth = QFontMetricsF(nameFont).horizontalAdvance(name + QLatin1Char(' '));
    const qreal room = place.rightColumn ? GamepadPictureSize.width() - TextMargin - RightTextEdge
                                         : LeftTextEdge - TextMargin;
    QFont labelFont = style::sans(10.5);
    qreal labelWidth = QFontMetricsF(labelFont).horizontalAdvance(label);
    for (int pixels = labelFont.pixelSize() - 1; nameWidth + labelWidth > room && pixels >= MinLabelPixels;
         --pixels) {
        labelFont = style::sans(pixels);
        labelWidth = QFontMetricsF(labelFont).horizontalAdvance(label);
    }
    const qreal y = rowY(place.row);
    const qreal left = place.rightColumn ? RightTextEdge : LeftTextEdge - nameWidth - labelWidth;
    const QRectF line(left, y - 9, nameWidth + labelWidth, 18);
    painter.setFont(nameFont);
    painter.setPen(style::gold());
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, name);
    painter.setFont(labelFont);
    painter.setPen(style::cream());
    painter.drawText(line.adjusted(nameWidth, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, label);
}

// The line from a label to its control, drawn over the pad's body and under its
// controls, so that it ends at the control's rim.
void drawLeader(QPainter& painter, const Place& place) {
    const qreal y = rowY(place.row);
    const qreal start = place.rightColumn ? RightTextEdge - 6 : LeftTextEdge + 6;
    const qreal bend = place.rightColumn ? RightTextEdge - 18 : LeftTextEdge + 18;
    painter.setPen(QPen(style::paleGold(), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QList<QPointF>{{start, y}, {bend, y}, place.anchor});
}

// The short name in the picture: an arrow for a direction of the D-pad, "L stick"
// for the left stick's press.
QString shortName(const PadBinding& binding) {
    switch (binding.control) {
    case PadControl::DpadUp:
        return QStringLiteral("\u2191");
    case PadControl::DpadDown:
        return QStringLiteral("\u2193");
    case PadControl::DpadLeft:
        return QStringLiteral("\u2190");
    case PadControl::DpadRight:
        return QStringLiteral("\u2192");
    case PadControl::LeftStick:
        return QCoreApplication::translate("GamepadPicture", "L stick");
    case PadControl::RightStick:
        return QCoreApplication::translate("GamepadPicture", "R stick");
    default:
        return padControlName(binding);
    }
}

} // namespace

QImage drawGamepadPicture(const Game& game) {
    QImage picture(GamepadPictureSize, QImage::Format_RGB32);
    picture.fill(style::darkBrown());
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    style::drawPanel(painter, QRectF(QPointF(0, 0), QSizeF(GamepadPictureSize)).adjusted(4, 4, -4, -4));
    drawBody(painter, game);
    for (const Place& place : Places) {
        drawLeader(painter, place);
    }
    drawControls(painter);
    for (const Place& place : Places) {
        const PadBinding* binding = padBinding(place.control);
        if (binding != nullptr) {
            drawLabel(painter, place, shortName(*binding), padLabel(*binding, game));
        }
    }
    painter.end();
    return picture;
}

int runGamepadCommand(const Game& game, const QStringList& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "manual: usage: gamepad OUT.png\n");
        return 1;
    }
    if (!assets::toPictureFormat(drawGamepadPicture(game), assets::PictureFormat::Rgb24)
             .save(args[0], "PNG")) {
        std::fprintf(stderr, "manual: cannot write %s\n", args[0].toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

} // namespace slotmachine::manual
