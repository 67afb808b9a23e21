#include "engine/audio/sdl/SdlAudio.h"

#include "engine/audio/sdl/SdlEffects.h"
#include "engine/audio/sdl/SdlMusic.h"

#include <QFileInfo>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>

namespace slotmachine {

namespace {

// Small buffers keep a reel's click with its stop: 512 frames are 12 ms.
constexpr int SampleRate = 44100;
constexpr int BufferFrames = 512;

// The General MIDI sound font for the music, unless SDL_SOUNDFONTS names one.
void chooseSoundFont() {
    if (!qEnvironmentVariableIsEmpty("SDL_SOUNDFONTS")) {
        return;
    }
    for (const char* path : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
                             "/usr/share/sounds/sf3/default-GM.sf3"}) {
        if (QFileInfo(QString::fromLatin1(path)).isFile()) {
            Mix_SetSoundFonts(path);
            return;
        }
    }
}

} // namespace

SdlAudio::SdlAudio() {
    // SDL would otherwise take SIGINT and SIGTERM for an event queue that nothing
    // reads, and the program could no longer be ended by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    subsystem_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (subsystem_) {
        Mix_Init(MIX_INIT_MID);
        chooseSoundFont();
        device_ = Mix_OpenAudio(SampleRate, AUDIO_S16SYS, 2, BufferFrames) == 0;
    }
    if (device_) {
        Mix_AllocateChannels(1);
    } else {
        std::fprintf(stderr, "No sound: %s\n", SDL_GetError());
    }
    effects_ = std::make_unique<SdlEffects>(device_, clock_);
    music_ = std::make_unique<SdlMusic>(device_);
}

SdlAudio::~SdlAudio() {
    music_.reset();
    effects_.reset();
    if (device_) {
        Mix_CloseAudio();
    }
    if (subsystem_) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

AudioOutputs SdlAudio::outputs() {
    return AudioOutputs{*effects_, *music_};
}

} // namespace slotmachine
