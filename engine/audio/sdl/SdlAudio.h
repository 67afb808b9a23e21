#pragma once

#include "engine/audio/AudioOutput.h"
#include "engine/machine/EventLoopClock.h"

#include <memory>

namespace slotmachine {

class SdlEffects;
class SdlMusic;

// The audio back end of the programs: SDL_mixer with one effects channel, and MIDI
// music through FluidSynth with a General MIDI sound font. Without an audio device
// the game plays on silently, and every sound it waits for still takes its time.
class SdlAudio {
public:
    SdlAudio();
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    bool hasDevice() const { return device_; }
    AudioOutputs outputs();

private:
    bool subsystem_ = false;
    bool device_ = false;
    EventLoopClock clock_;
    std::unique_ptr<SdlEffects> effects_;
    std::unique_ptr<SdlMusic> music_;
};

} // namespace slotmachine
