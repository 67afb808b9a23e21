#include "engine/shell/WinDisplay.h"

#include "engine/shell/MachineView.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace slotmachine {

namespace {

constexpr int MomentFrameMs = 33;
constexpr int Sparkles = 28;
constexpr int Rays = 14;

// 0 to 1: up quickly at the start, down at the end.
double envelope(double t) {
    return std::clamp(std::min(t / 0.12, (1 - t) / 0.2), 0.0, 1.0);
}

// A fixed scatter in 0..1 for sparkle `i`, the same at every frame.
double scatter(int i, int salt) {
    const double v = std::sin((i + 1) * 12.9898 + salt * 78.233) * 43758.5453;
    return v - std::floor(v);
}

// A four-pointed star of radius `r` at `centre`.
QPainterPath star(QPointF centre, double r) {
    QPainterPath path;
    for (int k = 0; k < 8; ++k) {
        const double angle = k * std::numbers::pi / 4;
        const double reach = k % 2 == 0 ? r : r * 0.28;
        const QPointF p = centre + QPointF(std::cos(angle) * reach, std::sin(angle) * reach);
        k == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

} // namespace

WinDisplay::WinDisplay(MachineView& view, GameColours colours, QRect reels)
    : view_(view), colours_(colours), reels_(reels) {
    momentTimer_.setInterval(MomentFrameMs);
    QObject::connect(&momentTimer_, &QTimer::timeout, &view_, [this] {
        if (momentClock_.elapsed() >= BigWinMs) {
            endMoment();
        } else {
            view_.surfaceChanged(reels_);
        }
    });
    view_.overlay = [this](QPainter& painter) { paint(painter); };
}

WinDisplay::~WinDisplay() {
    view_.overlay = nullptr;
}

void WinDisplay::show(const WinShow& show) {
    clear();
    shown_ = show;
    if (shown_.big) {
        momentClock_.start();
        momentTimer_.start();
    }
    changed();
}

void WinDisplay::clear() {
    if (shown_.empty() && !momentRunning()) {
        return;
    }
    changed();
    momentTimer_.stop();
    shown_ = {};
}

bool WinDisplay::cutShort() {
    if (!momentRunning()) {
        return false;
    }
    endMoment();
    return true;
}

void WinDisplay::endMoment() {
    momentTimer_.stop();
    view_.surfaceChanged(reels_);
}

void WinDisplay::changed() const {
    QRect area = reels_;
    for (const QRect& cell : shown_.cells) {
        area = area.united(cell.adjusted(-8, -8, 8, 8));
    }
    view_.surfaceChanged(area);
}

void WinDisplay::paint(QPainter& painter) const {
    if (shown_.cells.empty() && !momentRunning()) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor trim = QColor::fromRgb(colours_.line);
    for (const QRect& cell : shown_.cells) {
        // The paid symbol in a frame of the cabinet's trim on a dark rim, its
        // corners rounded like the cabinet's glass.
        const double w = std::max(2.0, cell.width() / 20.0);
        const QRectF frame = QRectF(cell).adjusted(w, w, -w, -w);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0, 0, 0, 150), w * 2.2));
        painter.drawRoundedRect(frame, w * 3, w * 3);
        painter.setPen(QPen(trim, w));
        painter.drawRoundedRect(frame, w * 3, w * 3);
    }
    if (momentRunning()) {
        paintMoment(painter, std::clamp(momentClock_.elapsed() / double(BigWinMs), 0.0, 1.0));
    }
}

void WinDisplay::paintMoment(QPainter& painter, double t) const {
    const double glow = envelope(t);
    const QColor trim = QColor::fromRgb(colours_.line);
    QColor ground = QColor::fromRgb(colours_.ground);
    painter.save();
    painter.setClipRect(reels_);

    // The reels dim under the cabinet's ground, and rays of its trim turn slowly.
    ground.setAlphaF(0.55 * glow);
    painter.fillRect(reels_, ground);
    const QPointF centre = QRectF(reels_).center();
    const double reach = std::hypot(reels_.width(), reels_.height());
    QColor ray = trim;
    ray.setAlphaF(0.22 * glow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ray);
    for (int i = 0; i < Rays; ++i) {
        const double a = (i * 2 * std::numbers::pi / Rays) + t * std::numbers::pi / 3;
        const double half = std::numbers::pi / Rays / 2;
        QPainterPath wedge(centre);
        wedge.lineTo(centre + QPointF(std::cos(a - half) * reach, std::sin(a - half) * reach));
        wedge.lineTo(centre + QPointF(std::cos(a + half) * reach, std::sin(a + half) * reach));
        wedge.closeSubpath();
        painter.drawPath(wedge);
    }

    // Sparkles drift down and twinkle.
    for (int i = 0; i < Sparkles; ++i) {
        const double x = reels_.left() + scatter(i, 1) * reels_.width();
        const double fall = std::fmod(scatter(i, 2) + t * (0.5 + scatter(i, 3)), 1.0);
        const double y = reels_.top() + fall * reels_.height();
        const double twinkle = 0.5 + 0.5 * std::sin((t * 9 + scatter(i, 4)) * 2 * std::numbers::pi);
        QColor spark = i % 3 == 0 ? QColor(Qt::white) : trim;
        spark.setAlphaF(glow * (0.4 + 0.6 * twinkle));
        painter.setBrush(spark);
        painter.drawPath(star(QPointF(x, y), reels_.height() * (0.015 + 0.02 * scatter(i, 5))));
    }

    // "BIG WIN" pops in, lettered in the trim with a dark outline.
    const double pop = t < 0.15 ? 0.6 + 0.55 * (t / 0.15) : 1.15 - 0.15 * std::min(1.0, (t - 0.15) / 0.1);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(8, static_cast<int>(reels_.height() * 0.2 * pop)));
    QPainterPath text;
    const QString words = QCoreApplication::translate("WinDisplay", "BIG WIN");
    // Words longer than these are lettered smaller, so that they never run out of the reels' window.
    const double room = reels_.width() * 0.92;
    double width = QFontMetricsF(font).horizontalAdvance(words);
    if (width > room) {
        font.setPixelSize(std::max(8, static_cast<int>(font.pixelSize() * room / width)));
        width = QFontMetricsF(font).horizontalAdvance(words);
    }
    text.addText(centre.x() - width / 2, centre.y(), font, words);
    QColor outline(0, 0, 0);
    outline.setAlphaF(0.85 * glow);
    QColor fill = trim;
    fill.setAlphaF(glow);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(outline, std::max(2.0, font.pixelSize() / 9.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(text);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(text);
    painter.restore();
}

} // namespace slotmachine
