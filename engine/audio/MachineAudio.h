#pragma once

#include "engine/audio/AudioOutput.h"
#include "engine/audio/MusicRing.h"
#include "engine/audio/SoundEffects.h"
#include "engine/core/Audio.h"

namespace slotmachine {

// The machine's sound: its effects and its music ring, played through one back end.
class MachineAudio final : public Audio {
public:
    MachineAudio(GameState& state, AudioOutputs outputs, Dialogs& dialogs, const QString& programDir,
                 const QString& prefix)
        : effects_(outputs.effects, programDir, prefix), music_(state, outputs.music, dialogs, programDir, prefix) {}

    SoundEffects& effects() { return effects_; }
    MusicRing& music() { return music_; }

    void playSound(int number, bool waitForEnd) override { effects_.play(number, waitForEnd); }
    void playWinSound() override { effects_.playWin(); }
    void startDueTrack() override { music_.startDueTrack(); }

private:
    SoundEffects effects_;
    MusicRing music_;
};

} // namespace slotmachine
