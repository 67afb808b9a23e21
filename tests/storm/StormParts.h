#pragma once

// What the machine window plays on during a storm: a clock whose time moves as
// soon as someone waits on it (after the events that arrived meanwhile have run),
// and an audio back end that plays nothing but keeps the waits of waited sounds
// on that clock.
#include "engine/audio/AudioOutput.h"
#include "engine/core/Clock.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdint>

namespace slotmachine::storm {

// Virtual time: a wait first handles the events that are pending (among them the
// storm's next step, standing in for the player's input during the wait), then
// jumps to its deadline. The machine does the same steps in the same order as on
// real time; only the sleeping is left out.
class StormClock final : public Clock {
public:
    std::int64_t now() const override { return now_; }
    void waitUntil(std::int64_t deadline) override {
        QCoreApplication::processEvents();
        now_ = std::max(now_, deadline);
    }

private:
    std::int64_t now_ = 0;
};

// A waited sound lasts this long on the storm's clock.
inline constexpr std::int64_t WaitedSoundMs = 300;

class SilentEffects final : public EffectsOutput {
public:
    explicit SilentEffects(Clock& clock) : clock_(clock) {}
    int keep(const QByteArray&) override { return kept_++; }
    void playKept(int) override {}
    void playFile(const QString&, bool waitForEnd) override {
        if (waitForEnd) {
            clock_.waitUntil(clock_.now() + WaitedSoundMs);
        }
    }
    void silence() override {}
    void setVolume(int) override {}

private:
    Clock& clock_;
    int kept_ = 0;
};

class SilentMusic final : public MusicOutput {
public:
    bool openAndPlay(const QString&, QString&) override { return true; }
    void close() override {}
    void setVolume(int) override {}
};

} // namespace slotmachine::storm
