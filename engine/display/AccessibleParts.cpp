#include "engine/display/AccessibleParts.h"

#include <QWidget>
#include <limits>

namespace slotmachine {

namespace {

// One part of a painted widget: no object of its own, its text and state read
// from the widget's parts whenever asked.
class PartAccessible final : public QAccessibleInterface,
                             public QAccessibleActionInterface,
                             public QAccessibleValueInterface {
public:
    PartAccessible(QAccessibleInterface* parent, AccessibleParts& parts, int index)
        : parent_(parent), parts_(parts), index_(index) {}

    AccessiblePart now() const { return parts_.part(index_); }

    bool isValid() const override { return parent_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent_->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return parent_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return now().name;
        case QAccessible::Description:
        case QAccessible::Value:
            return now().description;
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return now().screenRect; }
    QAccessible::Role role() const override { return now().role; }
    QAccessible::State state() const override {
        const AccessiblePart part = now();
        QAccessible::State s;
        s.readOnly = !part.pressable;
        s.focusable = part.pressable;
        s.disabled = part.unavailable;
        s.pressed = part.pressed;
        s.invisible = parent_->state().invisible;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        const AccessiblePart part = now();
        if (type == QAccessible::ActionInterface && part.pressable) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        if (type == QAccessible::ValueInterface && part.value) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return nullptr;
    }

    QStringList actionNames() const override { return now().pressable ? QStringList{pressAction()} : QStringList{}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && now().pressable) {
            parts_.press(index_);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QVariant currentValue() const override { return now().value.value_or(0); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return double(std::numeric_limits<std::int32_t>::max()); }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 1.0; }

private:
    QAccessibleInterface* parent_;
    AccessibleParts& parts_;
    int index_;
};

} // namespace

PartsWidgetAccessible::PartsWidgetAccessible(QWidget* widget, QAccessible::Role role, AccessibleParts& parts,
                                             const QString& name)
    : QAccessibleWidget(widget, role, name) {
    for (int i = 0; i < parts.partCount(); ++i) {
        children_.push_back(QAccessible::registerAccessibleInterface(new PartAccessible(this, parts, i)));
    }
}

PartsWidgetAccessible::~PartsWidgetAccessible() {
    for (const QAccessible::Id id : children_) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

int PartsWidgetAccessible::childCount() const {
    return static_cast<int>(children_.size());
}

QAccessibleInterface* PartsWidgetAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    return QAccessible::accessibleInterface(children_[static_cast<std::size_t>(index)]);
}

int PartsWidgetAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i) {
        if (this->child(i) == child) {
            return i;
        }
    }
    return -1;
}

QAccessibleInterface* PartsWidgetAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        if (QAccessibleInterface* c = child(i); c->rect().contains(x, y)) {
            return c;
        }
    }
    return nullptr;
}

void tellPartChanged(QWidget& widget, int index, const AccessiblePart& before, const AccessiblePart& now) {
    QAccessibleInterface* parent = QAccessible::queryAccessibleInterface(&widget);
    QAccessibleInterface* part = parent != nullptr ? parent->child(index) : nullptr;
    if (part == nullptr) {
        return;
    }
    if (before.name != now.name) {
        QAccessibleEvent event(part, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (before.description != now.description) {
        QAccessibleEvent event(part, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (now.value && before.value != now.value) {
        QAccessibleValueChangeEvent event(part, *now.value);
        QAccessible::updateAccessibility(&event);
    }
    QAccessible::State changed;
    changed.disabled = before.unavailable != now.unavailable;
    changed.pressed = before.pressed != now.pressed;
    if (changed.disabled || changed.pressed) {
        QAccessibleStateChangeEvent event(part, changed);
        QAccessible::updateAccessibility(&event);
    }
}

QRect onScreen(const QWidget& widget, const QRect& widgetRect) {
    return {widget.mapToGlobal(widgetRect.topLeft()), widgetRect.size()};
}

} // namespace slotmachine
