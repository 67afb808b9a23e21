#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class QPainter;

namespace slotmachine {

// Shows the machine's surface centred on a black window and passes pointer
// presses on as surface pixels. Everything of the machine is painted on the
// surface first; only passing highlights that are no part of it (a win's frames)
// are drawn over the copy, by `overlay`.
class MachineView final : public QWidget {
public:
    explicit MachineView(QWidget* parent = nullptr);

    // The surface lives as long as the view shows it.
    void setSurface(const QImage* surface);
    // The surface rectangle that was drawn over; it is copied at the next paint.
    void surfaceChanged(const QRect& surfaceRect);

    // Where the machine's top left corner lies in the view, in view coordinates.
    QPoint machineOrigin() const;
    // A view position in surface pixels.
    QPoint toSurface(QPointF viewPosition) const;

    std::function<void(QPoint surfacePosition)> pressed;
    // After the machine has been copied to the screen.
    std::function<void()> painted;
    // Draws over the machine, in surface pixels, at every paint; the rectangles it
    // changes are reported through surfaceChanged like the surface's own.
    std::function<void(QPainter&)> overlay;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QSizeF machineSize() const;

    const QImage* surface_ = nullptr;
};

} // namespace slotmachine
