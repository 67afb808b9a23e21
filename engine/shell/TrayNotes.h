#pragma once

#include "engine/display/MachineSurface.h"

namespace slotmachine {

// What the coin tray's glass says: autoplay's spins left or why it stopped, and the
// win being paid ("Three Ingots · 250"), together when both apply.
class TrayNotes {
public:
    explicit TrayNotes(MachineSurface& surface) : surface_(surface) {}

    // Autoplay's own message (autoplayMessage); `running` while a run goes on.
    void setAutoplay(const TrayMessage& message, bool running);
    // The note of why autoplay stopped goes (the player's next key or press).
    void dismissAutoplayNote();
    // What the win being paid shows, or nothing once its lamps stop.
    void setWin(const QString& words);

private:
    void refresh();

    MachineSurface& surface_;
    TrayMessage autoplay_;
    bool running_ = false;
    QString win_;
};

} // namespace slotmachine
