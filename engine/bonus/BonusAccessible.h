#pragma once

class QAccessibleInterface;
class QObject;

namespace slotmachine {

// The bonus window as a screen reader reads it: its eight boxes as push buttons
// "Box 1" to "Box 8" whose press opens the box as a click on it does; unavailable
// once a box is open. Null for an object that is no bonus window.
QAccessibleInterface* bonusWindowAccessible(QObject* object);

} // namespace slotmachine
