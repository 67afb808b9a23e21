#include "engine/shell/TrayNotes.h"

#include <QCoreApplication>

namespace slotmachine {

void TrayNotes::setAutoplay(const TrayMessage& message, bool running) {
    autoplay_ = message;
    running_ = running;
    refresh();
}

void TrayNotes::dismissAutoplayNote() {
    if (!running_) {
        autoplay_ = {};
        refresh();
    }
}

void TrayNotes::setWin(const QString& words) {
    win_ = words;
    refresh();
}

void TrayNotes::refresh() {
    if (win_.isEmpty()) {
        surface_.showMessage(autoplay_);
    } else if (running_) {
        // The win below, the spins left above it.
        surface_.showMessage({autoplay_.heading + QStringLiteral(" \u00b7 ") + autoplay_.text, win_});
    } else {
        //: The coin tray's heading over the win being paid (a noun).
        surface_.showMessage({QCoreApplication::translate("TrayNotes", "Win"), win_});
    }
}

} // namespace slotmachine
