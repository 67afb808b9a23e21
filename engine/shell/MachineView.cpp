#include "engine/shell/MachineView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace slotmachine {

MachineView::MachineView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void MachineView::setSurface(const QImage* surface) {
    surface_ = surface;
    update();
}

QSizeF MachineView::machineSize() const {
    if (surface_ == nullptr) {
        return {};
    }
    // The surface is kept in device pixels, so the machine stays sharp on dense screens.
    return QSizeF(surface_->size()) / devicePixelRatioF();
}

QPoint MachineView::machineOrigin() const {
    const QSizeF size = machineSize();
    return {static_cast<int>((width() - size.width()) / 2), static_cast<int>((height() - size.height()) / 2)};
}

QPoint MachineView::toSurface(QPointF viewPosition) const {
    const QPointF p = (viewPosition - QPointF(machineOrigin())) * devicePixelRatioF();
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

void MachineView::surfaceChanged(const QRect& surfaceRect) {
    const qreal ratio = devicePixelRatioF();
    const QRectF view(QPointF(machineOrigin()) + QPointF(surfaceRect.topLeft()) / ratio, QSizeF(surfaceRect.size()) / ratio);
    update(view.toAlignedRect());
}

void MachineView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    if (surface_ == nullptr) {
        painter.fillRect(exposed, Qt::black);
        return;
    }
    const QRectF machine(QPointF(machineOrigin()), machineSize());
    // Black around the machine; only the exposed part of it is copied.
    const QRegion outside = QRegion(exposed).subtracted(QRegion(machine.toAlignedRect()));
    for (const QRect& r : outside) {
        painter.fillRect(r, Qt::black);
    }
    const QRectF part = machine.intersected(QRectF(exposed));
    if (part.isEmpty()) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QRectF source((part.topLeft() - machine.topLeft()) * ratio, part.size() * ratio);
    painter.drawImage(part, *surface_, source);
    if (overlay) {
        painter.save();
        painter.setClipRect(part);
        painter.translate(machine.topLeft());
        painter.scale(1 / ratio, 1 / ratio);
        overlay(painter);
        painter.restore();
    }
    if (painted) {
        painted();
    }
}

void MachineView::mousePressEvent(QMouseEvent* event) {
    if (pressed) {
        pressed(toSurface(event->position()));
    }
}

} // namespace slotmachine
