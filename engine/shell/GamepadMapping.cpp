#include "engine/shell/GamepadMapping.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <algorithm>
#include <array>

namespace slotmachine {

namespace {

constexpr PadKey key(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return PadKey{code, modifiers};
}

// The machine's keys (MachineWindow), the keys every window and menu knows, and
// the menu bar's first menu, File, by its mnemonic. On the machine the D-pad
// holds or nudges a reel (keys 1 to 3) where a game has such a feature. The names
// and actions are translated where the manual shows them (GamepadTable); the
// buttons' letters and the names printed on a pad (LB, Start, Back) stay as they are.
const std::array<PadBinding, 16> Bindings{{
    {PadControl::A, "A", key(Qt::Key_Space), std::nullopt, key(Qt::Key_Return),
     QT_TRANSLATE_NOOP("GamepadMapping", "Spin"), QT_TRANSLATE_NOOP("GamepadMapping", "Press or choose")},
    {PadControl::B, "B", key(Qt::Key_Escape), std::nullopt, std::nullopt, "",
     QT_TRANSLATE_NOOP("GamepadMapping", "Cancel or close")},
    {PadControl::X, "X", key(Qt::Key_B), std::nullopt, std::nullopt,
     QT_TRANSLATE_NOOP("GamepadMapping", "Bet 1"), ""},
    {PadControl::Y, "Y", key(Qt::Key_M), std::nullopt, std::nullopt,
     QT_TRANSLATE_NOOP("GamepadMapping", "Bet max"), ""},
    {PadControl::DpadLeft, QT_TRANSLATE_NOOP("GamepadMapping", "D-pad left"), key(Qt::Key_Left),
     key(Qt::Key_1), std::nullopt, "{stock} reel 1", QT_TRANSLATE_NOOP("GamepadMapping", "Move left")},
    {PadControl::DpadUp, QT_TRANSLATE_NOOP("GamepadMapping", "D-pad up"), key(Qt::Key_Up), key(Qt::Key_2),
     std::nullopt, "{stock} reel 2", QT_TRANSLATE_NOOP("GamepadMapping", "Move up")},
    {PadControl::DpadRight, QT_TRANSLATE_NOOP("GamepadMapping", "D-pad right"), key(Qt::Key_Right),
     key(Qt::Key_3), std::nullopt, "{stock} reel 3", QT_TRANSLATE_NOOP("GamepadMapping", "Move right")},
    {PadControl::DpadDown, QT_TRANSLATE_NOOP("GamepadMapping", "D-pad down"), key(Qt::Key_Down), std::nullopt,
     std::nullopt, "", QT_TRANSLATE_NOOP("GamepadMapping", "Move down")},
    {PadControl::LeftShoulder, "LB", key(Qt::Key_Tab, Qt::ShiftModifier), std::nullopt, std::nullopt, "",
     QT_TRANSLATE_NOOP("GamepadMapping", "Previous field")},
    {PadControl::RightShoulder, "RB", key(Qt::Key_Tab), std::nullopt, std::nullopt, "",
     QT_TRANSLATE_NOOP("GamepadMapping", "Next field")},
    {PadControl::Start, "Start", key(Qt::Key_F, Qt::AltModifier), std::nullopt, std::nullopt,
     QT_TRANSLATE_NOOP("GamepadMapping", "Open the menu"), ""},
    {PadControl::Back, "Back", key(Qt::Key_F1), std::nullopt, std::nullopt,
     QT_TRANSLATE_NOOP("GamepadMapping", "Manual"), QT_TRANSLATE_NOOP("GamepadMapping", "Window help")},
    {PadControl::LeftTrigger, "LT", key(Qt::Key_A), std::nullopt, std::nullopt,
     QT_TRANSLATE_NOOP("GamepadMapping", "Autoplay"), ""},
    {PadControl::RightTrigger, "RT", key(Qt::Key_F), std::nullopt, std::nullopt,
     QT_TRANSLATE_NOOP("GamepadMapping", "Quick spin on or off"), ""},
    {PadControl::LeftStick, QT_TRANSLATE_NOOP("GamepadMapping", "Left stick press"), key(Qt::Key_H),
     std::nullopt, std::nullopt, QT_TRANSLATE_NOOP("GamepadMapping", "Game history"), ""},
    {PadControl::RightStick, QT_TRANSLATE_NOOP("GamepadMapping", "Right stick press"), key(Qt::Key_F11),
     std::nullopt, std::nullopt, QT_TRANSLATE_NOOP("GamepadMapping", "Full screen"), ""},
}};

} // namespace

std::span<const PadBinding> padBindings() {
    return Bindings;
}

const PadBinding* padBinding(PadControl control) {
    const auto found = std::find_if(Bindings.begin(), Bindings.end(),
                                    [control](const PadBinding& b) { return b.control == control; });
    return found != Bindings.end() ? &*found : nullptr;
}

PadKey padKey(PadControl control, PadFocus focus) {
    const PadBinding* binding = padBinding(control);
    if (binding == nullptr) {
        return {};
    }
    if (focus == PadFocus::Machine && binding->onMachine) {
        return *binding->onMachine;
    }
    if (focus == PadFocus::Menu || focus == PadFocus::TextField) {
        if (binding->inMenuOrField) {
            return *binding->inMenuOrField;
        }
        // A letter would type itself into a field, or choose a menu's item by its
        // underlined letter: a pad's button means neither.
        const QString text = padKeyText(binding->key);
        if (binding->key.modifiers == Qt::NoModifier && !text.isEmpty() && text.front().isLetterOrNumber()) {
            return {};
        }
    }
    return binding->key;
}

QString padKeyName(PadKey key) {
    return QKeySequence(QKeyCombination(key.modifiers, static_cast<Qt::Key>(key.key)))
        .toString(QKeySequence::PortableText);
}

QString padKeyText(PadKey key) {
    switch (key.key) {
    case Qt::Key_Return:
        return QStringLiteral("\r");
    case Qt::Key_Tab:
        return key.modifiers.testFlag(Qt::ShiftModifier) ? QString() : QStringLiteral("\t");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    default:
        break;
    }
    // The printable keys, Space to "~", type their character; letters in lower
    // case unless Shift is held.
    if (key.key < Qt::Key_Space || key.key > Qt::Key_AsciiTilde) {
        return {};
    }
    const QChar character(key.key);
    return key.modifiers.testFlag(Qt::ShiftModifier) ? QString(character) : QString(character.toLower());
}

} // namespace slotmachine
