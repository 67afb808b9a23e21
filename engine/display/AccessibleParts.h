#pragma once

// The parts of a painted window (meters, buttons, reels, boxes) as a screen reader
// reads them through Qt's accessibility: each part a child of the window's widget,
// with its role, name, description, value and state, and a press action for the
// parts that take presses.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

namespace slotmachine {

// One part as a screen reader is told of it now.
struct AccessiblePart {
    QAccessible::Role role = QAccessible::StaticText;
    QString name;
    QString description;
    std::optional<double> value; // a meter's count
    bool pressable = false;      // offers the press action
    bool unavailable = false;    // a press would do nothing now
    bool pressed = false;        // lit for good (a held reel)
    QRect screenRect;            // in screen pixels

    // Whether the two tell a screen reader the same (the place aside).
    bool sameAs(const AccessiblePart& other) const {
        return role == other.role && name == other.name && description == other.description &&
               value == other.value && pressable == other.pressable && unavailable == other.unavailable &&
               pressed == other.pressed;
    }
};

// What a painted widget shows, part by part.
class AccessibleParts {
public:
    virtual ~AccessibleParts() = default;
    virtual int partCount() const = 0;
    virtual AccessiblePart part(int index) const = 0;
    // The press action of a pressable part: it must act as a pointer press on it.
    virtual void press(int index) = 0;
};

// A painted widget whose children are its parts. The parts' interfaces are made
// and registered with the widget's and deleted with it.
class PartsWidgetAccessible : public QAccessibleWidget {
public:
    PartsWidgetAccessible(QWidget* widget, QAccessible::Role role, AccessibleParts& parts, const QString& name);
    ~PartsWidgetAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    std::vector<QAccessible::Id> children_;
};

// Tells a screen reader how part `index` of `widget` changed from `before` to `now`:
// its name, description, value and states.
void tellPartChanged(QWidget& widget, int index, const AccessiblePart& before, const AccessiblePart& now);

// A rectangle of the widget's own pixels on the screen.
QRect onScreen(const QWidget& widget, const QRect& widgetRect);

} // namespace slotmachine
