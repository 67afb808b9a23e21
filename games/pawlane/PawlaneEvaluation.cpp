#include "games/pawlane/PawlaneEvaluation.h"

#include "engine/core/ClampedMath.h"
#include "engine/core/GameContext.h"
#include "engine/core/MachineTimers.h"
#include "engine/core/Paytable.h"
#include "engine/state/ReelStrips.h"
#include "games/pawlane/PawlaneHolds.h"
#include "games/pawlane/PawlaneSymbols.h"
#include "games/pawlane/PawlaneTimers.h"

#include <algorithm>

namespace slotmachine::pawlane {

namespace {
constexpr int MeterResetSound = 2;
constexpr int BonusPointSound = 6;
constexpr int HoldWonSound = 8;
} // namespace

ReelReading readReels(const GameState& s, const Paytable& paytable, std::int32_t coins) {
    ReelReading reading;
    std::array<std::array<int, ReelCount>, 3> rows{}; // [row][reel]
    for (int reel = 0; reel < ReelCount; ++reel) {
        for (int row = 0; row < 3; ++row) {
            const int position = rowPosition(s, reel, row);
            rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(reel)] = symbolAt(reel, position);
            const MarkedStop* mark = markedStopAt(reel, position);
            if (mark == nullptr || !rowActive(row, coins)) {
                continue;
            }
            switch (mark->effect) {
            case MarkEffect::Points:
                reading.points += mark->points;
                break;
            case MarkEffect::Reset:
                reading.reset = true;
                break;
            case MarkEffect::Hold:
                reading.holds += 1;
                break;
            }
        }
    }
    for (int line = 0; line < LineCount; ++line) {
        if (!lineActive(line, coins)) {
            continue;
        }
        const auto& codes = rows[static_cast<std::size_t>(Paylines[static_cast<std::size_t>(line)].row)];
        reading.linePay[static_cast<std::size_t>(line)] =
            paytable.credits(codes[0], codes[1], codes[2], coins);
    }
    return reading;
}

void evaluateSpin(GameContext& machine, const Paytable& paytable, PawlaneHolds& holds, LineBars& bars) {
    GameState& s = machine.state();
    s.SpinWin = 0;
    holds.close();
    const ReelReading reading = readReels(s, paytable, s.Coins);

    for (int line = 0; line < LineCount; ++line) {
        const std::int32_t pay = reading.linePay[static_cast<std::size_t>(line)];
        if (pay > 0) {
            s.SpinWin = addClamped(s.SpinWin, pay);
            bars.setWon(line);
        }
    }
    machine.noteLineWin(s.SpinWin);

    if (reading.holds > 0) {
        s.Stock = addClamped(s.Stock, 1);
        machine.playSound(HoldWonSound, true);
        PawlaneHolds::show(machine);
    }
    if (reading.reset) {
        // A reset cancels the points of the same spin.
        machine.playSound(MeterResetSound, true);
        if (s.BonusPts > 0) {
            s.BonusPts = 0;
            machine.ShowBonusMeter();
        }
    } else if (reading.points > 0) {
        // Worked out in 64 bits: a damaged record may hold any number of points.
        const auto points = static_cast<int>(
            std::clamp<std::int64_t>(std::int64_t{FullBonusPoints} - s.BonusPts, 0, reading.points));
        for (int i = 0; i < points; ++i) {
            s.BonusPts += 1;
            machine.ShowBonusMeter();
            machine.playSound(BonusPointSound, true);
        }
    }

    if (s.SpinWin > 0) {
        machine.playWinSound();
        holds.drawLamps(machine, false);
        machine.timers().start(MachineTimer::WinLamps);
        machine.timers().start(WinningLineBlinking);
        machine.countUp();
    } else {
        holds.openAfterLoss(machine);
    }

    if (s.BonusPts >= FullBonusPoints) {
        if (!machine.runBonusGame()) {
            return; // not played (the program is closing): the points stay, and the game is due
        }
        if (s.SpinWin > 0) {
            machine.countUp();
        }
        s.BonusPts = 0;
        machine.ShowBonusMeter();
    }
}

} // namespace slotmachine::pawlane
