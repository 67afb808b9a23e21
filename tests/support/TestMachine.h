#pragma once

#include "engine/core/Random.h"
#include "engine/machine/SlotMachine.h"
#include "tests/support/Recorders.h"

#include <algorithm>
#include <memory>

namespace slotmachine::testing {

// A slot machine with recording stand-ins around it, powered on like a program
// at start (fresh game, reels at their initial stops) for the game it is given.
// Spins skip the reel animation's frames unless a test turns them on.
class TestMachine {
public:
    explicit TestMachine(std::unique_ptr<Game> game, std::uint32_t seed = 1)
        : game_(std::move(game)), random(seed), audio(log, clock), dialogs(log), display(log), timers(log),
          bonus(log), machine({state, *game_, random, clock, audio, dialogs, display, timers, bonus}) {
        machine.setAnimated(false);
        machine.powerOn();
        log.clear();
    }

    // Puts the reels where the payline shows the given strip positions.
    void setPayline(int p0, int p1, int p2) {
        const int positions[] = {p0, p1, p2};
        for (int reel = 0; reel < ReelCount; ++reel) {
            state.ReelStop[static_cast<std::size_t>(reel)] =
                positions[reel] == 1 ? StripLength : positions[reel] - 1;
        }
    }

    int count(const std::string& event) const {
        return static_cast<int>(std::count(log.begin(), log.end(), event));
    }

    // Index of the first log entry equal to `event`, or -1.
    int indexOf(const std::string& event) const {
        const auto it = std::find(log.begin(), log.end(), event);
        return it == log.end() ? -1 : static_cast<int>(it - log.begin());
    }

    Game& game() { return *game_; }

private:
    std::unique_ptr<Game> game_;

public:
    EventLog log;
    GameState state;
    Random random;
    VirtualClock clock;
    RecordingAudio audio;
    ScriptedDialogs dialogs;
    RecordingDisplay display;
    RecordingTimers timers;
    ScriptedBonusGame bonus;
    SlotMachine machine;
};

} // namespace slotmachine::testing
