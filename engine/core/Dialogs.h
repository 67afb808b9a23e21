#pragma once

#include <QString>
#include <optional>

namespace slotmachine {

// The modal message boxes the engine shows to the player. The programs show Qt
// message boxes; tests script and record them.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // An information box with an OK button; returns when the player has closed it.
    virtual void information(const QString& text) = 0;

    // A plain box without an icon and with an OK button.
    virtual void plain(const QString& text) = 0;

    // An error box with an OK button, for failures the player should know about.
    virtual void error(const QString& text) = 0;

    // A text input box with OK and Cancel, offering `value` for editing. The text
    // entered, or nothing when the player cancelled. Where nobody can answer (the
    // tools) the box counts as cancelled.
    virtual std::optional<QString> textInput(const QString& title, const QString& prompt,
                                             const QString& value) {
        (void)title, (void)prompt, (void)value;
        return std::nullopt;
    }
};

} // namespace slotmachine
