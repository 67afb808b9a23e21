#include "engine/shell/FinishStyle.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyleFactory>
#include <cmath>

namespace slotmachine {

namespace {

QColor rgb(std::uint32_t value) {
    return QColor::fromRgb(static_cast<QRgb>(value));
}

// A round badge with a sign on it, as the message boxes show.
enum class Sign { Information, Question, Warning, Critical };

QPixmap badge(Sign sign, const GameColours& colours, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QColor face = rgb(colours.accent);
    if (sign == Sign::Warning) {
        face = rgb(colours.line);
    } else if (sign == Sign::Critical) {
        face = QColor(214, 48, 40); // an error reads red in every finish
    }
    const QRectF disc(s * 0.06, s * 0.06, s * 0.88, s * 0.88);
    p.setPen(QPen(rgb(colours.ground), s * 0.05));
    p.setBrush(face);
    if (sign == Sign::Warning) {
        QPainterPath triangle;
        triangle.moveTo(s * 0.5, s * 0.06);
        triangle.lineTo(s * 0.96, s * 0.9);
        triangle.lineTo(s * 0.04, s * 0.9);
        triangle.closeSubpath();
        p.drawPath(triangle);
    } else {
        p.drawEllipse(disc);
    }
    const QColor ink = face.lightness() > 150 ? QColor(24, 16, 8) : QColor(Qt::white);
    p.setPen(QPen(ink, s * 0.11, Qt::SolidLine, Qt::RoundCap));
    switch (sign) {
    case Sign::Information:
        p.drawLine(QPointF(s * 0.5, s * 0.45), QPointF(s * 0.5, s * 0.74));
        p.drawPoint(QPointF(s * 0.5, s * 0.28));
        break;
    case Sign::Warning:
        p.drawLine(QPointF(s * 0.5, s * 0.36), QPointF(s * 0.5, s * 0.6));
        p.drawPoint(QPointF(s * 0.5, s * 0.76));
        break;
    case Sign::Critical:
        p.drawLine(QPointF(s * 0.34, s * 0.34), QPointF(s * 0.66, s * 0.66));
        p.drawLine(QPointF(s * 0.66, s * 0.34), QPointF(s * 0.34, s * 0.66));
        break;
    case Sign::Question: {
        QPainterPath hook;
        hook.moveTo(s * 0.36, s * 0.38);
        hook.cubicTo(s * 0.36, s * 0.2, s * 0.64, s * 0.2, s * 0.64, s * 0.38);
        hook.cubicTo(s * 0.64, s * 0.5, s * 0.5, s * 0.5, s * 0.5, s * 0.6);
        p.setBrush(Qt::NoBrush);
        p.drawPath(hook);
        p.drawPoint(QPointF(s * 0.5, s * 0.76));
        break;
    }
    }
    return pixmap;
}

// A check mark in the button text colour, on the save and open window's slot buttons.
QPixmap check(const GameColours& colours, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(QPen(rgb(colours.buttonText), s * 0.14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF stroke[] = {{s * 0.18, s * 0.52}, {s * 0.42, s * 0.76}, {s * 0.84, s * 0.26}};
    p.drawPolyline(stroke, 3);
    return pixmap;
}

// A plain arrow in the text colour, pointing left or right.
QPixmap arrow(bool left, const GameColours& colours, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(QPen(rgb(colours.buttonText), s * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal tip = left ? s * 0.2 : s * 0.8;
    const qreal back = s * 0.5;
    p.drawLine(QPointF(s * 0.2, s * 0.5), QPointF(s * 0.8, s * 0.5));
    p.drawLine(QPointF(tip, s * 0.5), QPointF(back, s * 0.22));
    p.drawLine(QPointF(tip, s * 0.5), QPointF(back, s * 0.78));
    return pixmap;
}

template <typename Draw>
QIcon iconAtSizes(Draw draw) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 96, 128}) {
        icon.addPixmap(draw(size));
    }
    return icon;
}

} // namespace

FinishStyle::FinishStyle(const GameColours& colours, double scale)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), colours_(colours), scale_(scale) {}

int FinishStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_MessageBoxIconSize:
    case PM_ButtonIconSize:
    case PM_SmallIconSize:
        return static_cast<int>(std::lround(base * scale_));
    default:
        return base;
    }
}

QIcon FinishStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    const auto signed_ = [this](Sign sign) { return iconAtSizes([&](int size) { return badge(sign, colours_, size); }); };
    switch (icon) {
    case SP_MessageBoxInformation:
        return signed_(Sign::Information);
    case SP_MessageBoxQuestion:
        return signed_(Sign::Question);
    case SP_MessageBoxWarning:
        return signed_(Sign::Warning);
    case SP_MessageBoxCritical:
        return signed_(Sign::Critical);
    case SP_ArrowBack:
    case SP_ArrowLeft:
        return iconAtSizes([this](int size) { return arrow(true, colours_, size); });
    case SP_ArrowForward:
    case SP_ArrowRight:
        return iconAtSizes([this](int size) { return arrow(false, colours_, size); });
    case SP_DialogApplyButton:
        return iconAtSizes([this](int size) { return check(colours_, size); });
    case SP_DialogOkButton:
    case SP_DialogCancelButton:
    case SP_DialogHelpButton:
    case SP_DialogCloseButton:
    case SP_DialogYesButton:
    case SP_DialogNoButton:
    case SP_DialogSaveButton:
    case SP_DialogOpenButton:
    case SP_DialogDiscardButton:
    case SP_DialogResetButton:
        return {};
    default:
        return QProxyStyle::standardIcon(icon, option, widget);
    }
}

int FinishStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
        return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace slotmachine
