#include "engine/records/CreditsChart.h"

#include "engine/display/WindowScale.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>

namespace slotmachine {

namespace {

constexpr int Pad = 8; // around the plot, inside the ground
constexpr int TickLength = 4;
constexpr int TargetTicks = 4; // about this many steps up the credits axis

QColor rgb(std::uint32_t value) {
    return QColor::fromRgb(static_cast<QRgb>(value));
}

// A round step (1, 2 or 5 times a power of ten) that cuts `span` into about `count` parts.
double roundStep(double span, int count) {
    const double raw = std::max(span / count, 1.0);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * magnitude >= raw) {
            return factor * magnitude;
        }
    }
    return 10.0 * magnitude;
}

QString grouped(double value) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<qlonglong>(std::llround(value)));
}

} // namespace

CreditsChart::CreditsChart(std::vector<std::int32_t> credits, GameColours colours, QWidget* parent)
    : QWidget(parent), credits_(std::move(credits)), colours_(colours) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QString CreditsChart::emptyText() {
    return tr("No plays yet in this game");
}

QSize CreditsChart::minimumSizeHint() const {
    return scaledSize(QSize(240, 150));
}

QSize CreditsChart::sizeHint() const {
    return scaledSize(QSize(360, 220));
}

void CreditsChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ground = rgb(colours_.ground);
    const QColor line = rgb(colours_.line);
    QColor ink = line.lighter(140);
    ink.setAlpha(230);
    QColor grid = line;
    grid.setAlpha(55);
    painter.fillRect(rect(), ground);
    painter.setPen(ink);
    if (credits_.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, emptyText());
        return;
    }

    // The credits axis runs over every value drawn, the starting level among them, in round steps.
    const auto [low, high] = std::minmax_element(credits_.begin(), credits_.end());
    const double step = roundStep(static_cast<double>(*high) - *low, TargetTicks);
    const double bottom = std::floor(*low / step) * step;
    const double top = std::max(std::ceil(*high / step) * step, bottom + step);

    const QFontMetrics metrics = painter.fontMetrics();
    const int labelWidth =
        std::max(metrics.horizontalAdvance(grouped(bottom)), metrics.horizontalAdvance(grouped(top)));
    const int lineHeight = metrics.height();
    const QRectF plot = QRectF(rect()).adjusted(Pad + labelWidth + TickLength + 4, Pad + lineHeight / 2.0,
                                                -Pad - metrics.horizontalAdvance(QStringLiteral("00")) / 2.0,
                                                -Pad - 2 * lineHeight - TickLength);
    const int lastPlay = static_cast<int>(credits_.size()) - 1;
    auto x = [&](int play) {
        return plot.left() + plot.width() * (lastPlay > 0 ? double(play) / lastPlay : 0.5);
    };
    auto y = [&](double value) { return plot.bottom() - plot.height() * (value - bottom) / (top - bottom); };

    // The credits axis: a grid line and a label at each step.
    for (double value = bottom; value <= top + step / 2; value += step) {
        const double at = y(value);
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(plot.left(), at), QPointF(plot.right(), at));
        painter.setPen(ink);
        painter.drawLine(QPointF(plot.left() - TickLength, at), QPointF(plot.left(), at));
        painter.drawText(QRectF(Pad, at - lineHeight / 2.0, labelWidth, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, grouped(value));
    }
    // The plays axis: the oldest, the middle and the latest play by their place in the log.
    painter.setPen(QPen(ink, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (const int play : {0, lastPlay / 2, lastPlay}) {
        const double at = x(play);
        painter.drawLine(QPointF(at, plot.bottom()), QPointF(at, plot.bottom() + TickLength));
        const QString label = QString::number(play);
        const double width = metrics.horizontalAdvance(label);
        painter.drawText(QRectF(at - width / 2, plot.bottom() + TickLength, width, lineHeight),
                         Qt::AlignCenter, label);
    }
    // The axis's caption stands under the plot, or under the whole chart when it is
    // wider than the plot.
    //: Under the chart's axis of plays.
    const QString playsCaption = tr("plays, oldest first");
    QRectF captionPlace(plot.left(), plot.bottom() + TickLength + lineHeight, plot.width(), lineHeight);
    if (metrics.horizontalAdvance(playsCaption) > plot.width()) {
        captionPlace.setLeft(Pad);
        captionPlace.setRight(width() - Pad);
    }
    painter.drawText(captionPlace, Qt::AlignCenter, playsCaption);

    // The level the oldest play began with, dashed.
    QColor level = line;
    level.setAlpha(150);
    painter.setPen(QPen(level, 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y(credits_.front())), QPointF(plot.right(), y(credits_.front())));

    QPainterPath path(QPointF(x(0), y(credits_.front())));
    for (int play = 1; play <= lastPlay; ++play) {
        path.lineTo(x(play), y(credits_[static_cast<std::size_t>(play)]));
    }
    painter.setPen(QPen(line, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setBrush(line);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(x(lastPlay), y(credits_.back())), 3, 3);
}

} // namespace slotmachine
