#include "engine/bonus/BonusAccessible.h"

#include "engine/bonus/BonusWindow.h"
#include "engine/core/GameState.h"
#include "engine/display/AccessibleParts.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

namespace slotmachine {

namespace {

class BonusBoxParts : public AccessibleParts {
public:
    explicit BonusBoxParts(BonusWindow& window) : window_(&window) {}

    int partCount() const override { return BoxCount; }

    AccessiblePart part(int index) const override {
        AccessiblePart a;
        a.role = QAccessible::Button;
        a.name = QCoreApplication::translate("BonusAccessible", "Box %1").arg(index + 1);
        a.pressable = true;
        if (window_ != nullptr) {
            a.unavailable = !window_->board().visible || window_->boxOpened();
            a.screenRect = onScreen(*window_, window_->boxOnWindow(index + 1));
        }
        return a;
    }

    // A left button press at the middle of the box, once the event loop runs again.
    void press(int index) override {
        QTimer::singleShot(0, window_.data(), [window = window_, index] {
            if (window == nullptr) {
                return;
            }
            const QPointF at(window->boxOnWindow(index + 1).center());
            QMouseEvent event(QEvent::MouseButtonPress, at, window->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(window, &event);
        });
    }

private:
    QPointer<BonusWindow> window_;
};

// The parts come first, so that they exist when the widget's interface registers them.
class BonusWindowAccessible final : private BonusBoxParts, public PartsWidgetAccessible {
public:
    explicit BonusWindowAccessible(BonusWindow& window)
        : BonusBoxParts(window), PartsWidgetAccessible(&window, QAccessible::Dialog, *this, window.windowTitle()) {}
};

} // namespace

QAccessibleInterface* bonusWindowAccessible(QObject* object) {
    auto* window = dynamic_cast<BonusWindow*>(object);
    return window != nullptr ? new BonusWindowAccessible(*window) : nullptr;
}

} // namespace slotmachine
