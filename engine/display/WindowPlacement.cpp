#include "engine/display/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace slotmachine {

QRect fittedClientArea(QSize wanted, const QRect& available, QMargins frame, bool fixed) {
    const QSize room = available.marginsRemoved(frame).size().expandedTo(QSize(1, 1));
    const QSize size = fixed ? wanted : wanted.boundedTo(room);
    const int left = available.left() + std::max(0, (available.width() - size.width() - frame.left() - frame.right()) / 2);
    const int top = available.top() + std::max(0, (available.height() - size.height() - frame.top() - frame.bottom()) / 2);
    return {QPoint(left + frame.left(), top + frame.top()), size};
}

void placeOnScreen(QWidget& window, QSize wanted) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        window.resize(wanted);
        return;
    }
    // A window shown before knows its frame; one not yet shown has none so far.
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    const bool knownFrame = window.isVisible() && outer != inner;
    const QMargins frame = knownFrame ? QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                                                 outer.right() - inner.right(), outer.bottom() - inner.bottom())
                                      : ExpectedFrame;
    const bool fixed = window.minimumSize() == window.maximumSize();
    const QRect client = fittedClientArea(fixed ? window.size() : wanted, screen->availableGeometry(), frame, fixed);
    if (!fixed) {
        window.resize(client.size());
    }
    // A top-level window's position is that of its frame.
    window.move(client.topLeft() - QPoint(frame.left(), frame.top()));
}

} // namespace slotmachine
