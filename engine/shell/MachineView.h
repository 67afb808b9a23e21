#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace slotmachine {

// Shows the machine's surface centred on a black window and passes pointer
// presses on as surface pixels. It draws nothing of its own: everything on the
// machine is painted on the surface first.
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

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QSizeF machineSize() const;

    const QImage* surface_ = nullptr;
};

} // namespace slotmachine
