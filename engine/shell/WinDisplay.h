#pragma once

#include "engine/core/GameValues.h"
#include "engine/shell/WinShow.h"

#include <QElapsedTimer>
#include <QRect>
#include <QTimer>

class QPainter;

namespace slotmachine {

class MachineView;

// Shows a win over the machine while its lamps flash: the paid symbols framed in
// the game's colours and, for a big win, a moment of light and motion over the
// reels. It draws through the view's overlay only, so the surface, the count-up,
// the sounds and the time a spin takes stay exactly as they are.
class WinDisplay {
public:
    // The big win's moment lasts this long at most.
    static constexpr int BigWinMs = 1800;

    // `reels`: the reels' window in surface pixels, where the moment plays.
    WinDisplay(MachineView& view, GameColours colours, QRect reels);
    ~WinDisplay();
    WinDisplay(const WinDisplay&) = delete;
    WinDisplay& operator=(const WinDisplay&) = delete;

    // Frames the show's cells; a big win's moment starts.
    void show(const WinShow& show);
    // Takes everything away (the next spin starts).
    void clear();
    // A key or press of the player's: ends a big win's moment. True when one ran.
    bool cutShort();

    const WinShow& shown() const { return shown_; }
    bool momentRunning() const { return momentTimer_.isActive(); }

private:
    void paint(QPainter& painter) const;
    void paintMoment(QPainter& painter, double t) const;
    void endMoment();
    void changed() const;

    MachineView& view_;
    GameColours colours_;
    QRect reels_;
    WinShow shown_;
    QTimer momentTimer_; // the moment's frames
    QElapsedTimer momentClock_;
};

} // namespace slotmachine
