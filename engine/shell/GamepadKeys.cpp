#include "engine/shell/GamepadKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace slotmachine {

namespace {

// Whether `widget` lies in `window` or in a window opened over it (a child window,
// or one made its transient, as the help window over a modal one): what the modal
// window does not block.
bool liesWithin(const QWidget* widget, const QWidget* window) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w == window) {
            return true;
        }
    }
    const QWindow* own = widget != nullptr ? widget->window()->windowHandle() : nullptr;
    const QWindow* over = window->windowHandle();
    return own != nullptr && over != nullptr && over->isAncestorOf(own, QWindow::IncludeTransients);
}

} // namespace

QWidget* padKeyTarget() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        return popup->focusWidget() != nullptr ? popup->focusWidget() : popup;
    }
    if (QApplication::activeWindow() == nullptr) {
        return nullptr; // the player is in another program
    }
    QWidget* focus = QApplication::focusWidget();
    // A modal window takes the keys even before the desktop has moved the focus
    // into it: the windows it blocks never see a key.
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && !liesWithin(focus, modal)) {
        return modal->focusWidget() != nullptr ? modal->focusWidget() : modal;
    }
    return focus != nullptr ? focus : QApplication::activeWindow();
}

PadFocus padFocusOf(const QWidget& target, const QWidget* machineWindow) {
    if (target.window()->windowType() == Qt::Popup) {
        return PadFocus::Menu; // a menu, or a list dropped down from a choice
    }
    if (target.testAttribute(Qt::WA_InputMethodEnabled)) {
        return PadFocus::TextField; // it takes typed text: a name, a number
    }
    if (machineWindow != nullptr && target.window() == machineWindow) {
        return PadFocus::Machine;
    }
    return PadFocus::Window;
}

bool sendPadKey(PadControl control, const QWidget* machineWindow) {
    QPointer<QWidget> target = padKeyTarget();
    if (target == nullptr) {
        return false;
    }
    const PadKey key = padKey(control, padFocusOf(*target, machineWindow));
    if (key.key == 0) {
        return false;
    }
    const QString text = padKeyText(key);
    QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    // The press may have run a window of its own and closed the one it came to.
    if (target != nullptr) {
        QKeyEvent release(QEvent::KeyRelease, key.key, key.modifiers, text);
        QCoreApplication::sendEvent(target, &release);
    }
    return true;
}

} // namespace slotmachine
