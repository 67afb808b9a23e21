// Every meter stays inside its box whatever value a damaged or edited record
// brings: drawn at the 32-bit limit over a freshly painted machine, it changes no
// pixel outside its box, at the design's layout and larger ones.
#include "engine/core/Audio.h"
#include "engine/core/Random.h"
#include "engine/display/Digits.h"
#include "engine/display/MachineLayout.h"
#include "engine/display/MachineSurface.h"
#include "engine/machine/SlotMachine.h"
#include "engine/machine/VirtualClock.h"
#include "games/Catalog.h"
#include "games/emberpeak/NudgeCount.h"
#include "games/pawlane/PawlaneHolds.h"
#include "tests/support/Recorders.h"
#include "tests/support/SyntheticPictures.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();

// A powered-on machine of one game drawing on a surface of flat colours, where any
// pixel a meter paints stands out.
struct SurfaceRig {
    SurfaceRig(std::string_view name, int layoutWidth)
        : game(makeGame(name)), audio(log, clock), dialogs(log), timers(log), bonus(log),
          surface(state, *game, syntheticPictures(), SurfaceScreen{layoutWidth, 96}),
          machine({state, *game, random, clock, audio, dialogs, surface, timers, bonus}) {
        machine.setGeometry(surface.geometry());
        machine.powerOn();
    }
    std::unique_ptr<Game> game;
    EventLog log;
    GameState state;
    Random random{1};
    VirtualClock clock;
    RecordingAudio audio;
    ScriptedDialogs dialogs;
    RecordingTimers timers;
    ScriptedBonusGame bonus;
    MachineSurface surface;
    SlotMachine machine;
};

// The meters' row between two x, in surface pixels.
QRect meterRow(const MachineSurface& s, int left, int right) {
    const int top = s.ScaleUnit(MeterTop);
    return {QPoint(left, top), QPoint(right - 1, top + digitCellFor(s.geometry().layoutWidth).height - 1)};
}

struct Meter {
    const char* game;
    const char* name;
    std::function<void(SurfaceRig&)> drawAtLimit;
    std::function<QRegion(const MachineSurface&)> box;
};

} // namespace

TEST(MeterBoxes, NoMeterPaintsOutsideItsBoxAtTheLargestValue) {
    const auto cell = [](const MachineSurface& s) { return digitCellFor(s.geometry().layoutWidth).width; };
    const Meter meters[] = {
        // Credits keep right of the Winnings box that every bet clears.
        {"orevein", "Credits",
         [](SurfaceRig& r) {
             r.state.Credits = Largest;
             r.surface.ShowCredits();
         },
         [](const MachineSurface& s) {
             return meterRow(s, s.ScaleUnit(WinningsClearBox.right), s.ScaleUnit(CreditsMeterRight));
         }},
        {"orevein", "Winnings", [](SurfaceRig& r) { r.surface.ShowWinnings(Largest); },
         [](const MachineSurface& s) {
             return meterRow(s, s.ScaleUnit(WinningsClearBox.left), s.ScaleUnit(WinningsMeterRight));
         }},
        // Coins: its digit and the cell cleared beside it; it blanks the Winnings box.
        {"orevein", "Coins",
         [](SurfaceRig& r) {
             r.state.Coins = Largest;
             r.surface.ShowCoins();
         },
         [&cell](const MachineSurface& s) {
             return QRegion(
                        meterRow(s, s.ScaleUnit(CoinsMeterLeft), s.ScaleUnit(CoinsMeterLeft) + 2 * cell(s)))
                 .united(WinningsClearBox.scaled(s.geometry()));
         }},
        {"orevein", "bonus meter",
         [](SurfaceRig& r) {
             r.state.BonusPts = Largest;
             r.machine.ShowBonusMeter();
         },
         [](const MachineSurface& s) { return BonusMeterBox.scaled(s.geometry()); }},
        // Holds: two digits and their cleared cell, clear of the Coins meter's cells
        // where the layout leaves room for both, and never over the Coins digit.
        {"pawlane", "Holds",
         [](SurfaceRig& r) {
             r.state.Stock = Largest;
             pawlane::PawlaneHolds::show(r.machine);
         },
         [&cell](const MachineSurface& s) {
             const int right = s.ScaleUnit(pawlane::HoldsMeterRight);
             return meterRow(s, std::max(right - 3 * cell(s), s.ScaleUnit(CoinsMeterLeft) + cell(s)), right);
         }},
        {"emberpeak", "Nudges",
         [](SurfaceRig& r) {
             r.state.Stock = Largest;
             emberpeak::ShowNudges(r.machine);
         },
         [](const MachineSurface& s) { return emberpeak::NudgeCountPlace.scaled(s.geometry()); }},
    };
    for (const int layoutWidth : {800, 1024, 1920}) {
        for (const Meter& meter : meters) {
            SurfaceRig rig(meter.game, layoutWidth);
            const QImage before = rig.surface.image();
            meter.drawAtLimit(rig);
            const QImage& after = rig.surface.image();
            const QRegion box = meter.box(rig.surface);
            QRect changed;
            QRect outside;
            for (int y = 0; y < after.height(); ++y) {
                for (int x = 0; x < after.width(); ++x) {
                    if (after.pixel(x, y) != before.pixel(x, y)) {
                        changed |= QRect(x, y, 1, 1);
                        if (!box.contains(QPoint(x, y))) {
                            outside |= QRect(x, y, 1, 1);
                        }
                    }
                }
            }
            EXPECT_FALSE(changed.isEmpty()) << meter.name << " at " << layoutWidth;
            EXPECT_TRUE(outside.isEmpty())
                << meter.name << " at " << layoutWidth << " painted outside its box, within x "
                << outside.left() << ".." << outside.right() << " y " << outside.top() << ".."
                << outside.bottom();
        }
    }
}
