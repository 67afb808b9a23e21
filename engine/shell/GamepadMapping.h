#pragma once

// What each control of a standard gamepad does: the key a keyboard player would
// press for it. The one table that the game's pad input (GamepadInput), the manual's
// pad picture and its table are all made from.

#include <QString>
#include <Qt>
#include <optional>
#include <span>
#include <string_view>

namespace slotmachine {

// A gamepad's controls, by SDL's GameController names (the Xbox layout: A is the
// bottom face button, B the right, X the left, Y the top).
enum class PadControl {
    A,
    B,
    X,
    Y,
    Back,
    Start,
    LeftStick,
    RightStick,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
    LeftTrigger,
    RightTrigger,
};

// Where the keyboard's focus is, which decides some of the keys.
enum class PadFocus {
    Machine,   // the machine window itself
    Window,    // any other window or dialog
    Menu,      // an open menu, or the list of a choice dropped down
    TextField, // a field that takes typed text, such as the name of a saved game
};

// A key with its modifiers; `key` 0 is no key.
struct PadKey {
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    bool operator==(const PadKey&) const = default;
};

struct PadBinding {
    PadControl control;
    std::string_view name;           // as the manual names it: "A", "D-pad left", "LB"
    PadKey key;                      // the key it makes
    std::optional<PadKey> onMachine; // the key on the machine window, when another
    // The key in a menu or a text field, when another: where Space chooses nothing.
    std::optional<PadKey> inMenuOrField;
    // What the key does, in a few words for the manual's picture and table: on the
    // machine ("Spin"; {stock} stands for the game's feature, "Hold"), and in a window
    // or menu. Empty: nothing.
    std::string_view machineAction;
    std::string_view windowAction;
};

// Every control the games use, in the manual's order.
std::span<const PadBinding> padBindings();

// The binding of a control, or none for a control the games leave alone.
const PadBinding* padBinding(PadControl control);

// The key a control makes where the focus is; no key for a control without one,
// nor for a letter in a menu or a text field.
PadKey padKey(PadControl control, PadFocus focus);

// The key as the keyboard names it: "Space", "Shift+Tab", "Alt+F", "Left".
QString padKeyName(PadKey key);

// The text a key types, as a keyboard's key event carries it: "b", " ", "\r".
QString padKeyText(PadKey key);

} // namespace slotmachine
