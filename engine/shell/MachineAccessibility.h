#pragma once

#include "engine/core/PlayRecord.h"
#include "engine/display/AccessibleParts.h"

#include <QCoreApplication>
#include <QObject>
#include <QPoint>
#include <QTimer>
#include <array>
#include <functional>
#include <vector>

namespace slotmachine {

class MachineSurface;
class MachineView;
class SlotMachine;

// How the window takes a screen reader's presses, each on the path of the
// player's own input: a pointer press at a surface pixel, a press on a reel's
// control as keys 1 to 3 give it.
struct MachineAccessInput {
    std::function<void(QPoint surfacePosition)> pressAt;
    std::function<void(int reel)> pressReelControl;
};

// The machine as a screen reader hears it: the meters (Credits, Coins, Winnings
// and the game's stock), the Spin and bet buttons, the game's reel controls, the
// three reels by the symbols on their open rows, and the result of the last play
// with what the coin tray says (autoplay's spins left, what won).
// It is a child object of the machine's view, which shows these parts as its
// accessible children (installMachineAccessibility), and must go before the
// machine; it tells a screen reader of every change while one listens.
class MachineAccessibility final : public QObject, public AccessibleParts {
    Q_DECLARE_TR_FUNCTIONS(MachineAccessibility)

public:
    MachineAccessibility(SlotMachine& machine, const MachineSurface& surface, MachineView& view,
                         MachineAccessInput input);
    ~MachineAccessibility() override;

    int partCount() const override { return static_cast<int>(parts_.size()); }
    AccessiblePart part(int index) const override;
    // Acts once the event loop runs again, as a click would come from it.
    void press(int index) override;

    // The machine's parts of the view's widget, or null for another widget.
    static MachineAccessibility* of(QObject* view);

    // Compares every part with what a screen reader was last told and tells it
    // what changed.
    void tellChanges();

private:
    enum class Kind { Meter, Button, ReelControl, Reel, Result };
    struct Part {
        Kind kind;
        int index; // which meter, button or reel
        QString name;
    };

    AccessiblePart meter(int index) const;
    AccessiblePart button(int index) const;
    AccessiblePart reelControl(int reel) const;
    AccessiblePart reel(int reel) const;
    // The symbols on the reel's open rows, top first. Unless the reels are known to
    // be at rest, the words of the reels last seen at rest: a spin draws its stops
    // as it starts, and a reel must not be told before it stops.
    QString reelSymbols(int reel, bool atRestNow) const;
    QRect onScreen(const QRect& surfaceRect) const;

    SlotMachine& machine_;
    const MachineSurface& surface_;
    MachineView& view_;
    MachineAccessInput input_;
    std::vector<Part> parts_;
    std::vector<AccessiblePart> told_;
    QString result_;
    bool newPlay_ = false;
    mutable std::array<QString, 3> reelsAtRest_;
    QTimer watch_;
};

// Makes Qt ask this program's factory for the interfaces of the machine's view and
// the bonus window; once per program.
void installMachineAccessibility();

} // namespace slotmachine
