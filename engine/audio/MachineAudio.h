#pragma once

#include "engine/audio/AudioOutput.h"
#include "engine/audio/MusicRing.h"
#include "engine/audio/SoundEffects.h"
#include "engine/core/Audio.h"

#include <algorithm>

namespace slotmachine {

// The machine's sound: its effects and its music ring, played through one back end.
class MachineAudio final : public Audio {
public:
    MachineAudio(GameState& state, AudioOutputs outputs, Dialogs& dialogs, const QString& programDir,
                 const QString& prefix)
        : outputs_(outputs), effects_(outputs.effects, programDir, prefix),
          music_(state, outputs.music, dialogs, programDir, prefix) {}

    SoundEffects& effects() { return effects_; }
    MusicRing& music() { return music_; }

    // The player's loudness of the effects and of the music, 0 to 100 % (values
    // beyond are taken as the nearest end); both are full at first.
    void setEffectsVolume(int percent) {
        effectsVolume_ = std::clamp(percent, 0, 100);
        outputs_.effects.setVolume(effectsVolume_);
    }
    void setMusicVolume(int percent) {
        musicVolume_ = std::clamp(percent, 0, 100);
        outputs_.music.setVolume(musicVolume_);
    }
    int effectsVolume() const { return effectsVolume_; }
    int musicVolume() const { return musicVolume_; }

    void playSound(int number, bool waitForEnd) override { effects_.play(number, waitForEnd); }
    void playWinSound() override { effects_.playWin(); }
    void startDueTrack() override { music_.startDueTrack(); }

private:
    AudioOutputs outputs_;
    SoundEffects effects_;
    MusicRing music_;
    int effectsVolume_ = 100;
    int musicVolume_ = 100;
};

} // namespace slotmachine
