#pragma once

#include <QString>

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
};

} // namespace slotmachine
