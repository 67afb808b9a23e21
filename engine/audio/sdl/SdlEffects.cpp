#include "engine/audio/sdl/SdlEffects.h"

#include "engine/audio/sdl/DefaultSound.h"
#include "engine/core/Clock.h"

#include <QFile>
#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>

namespace slotmachine {

namespace {

constexpr int Channel = 0;
// The device plays a little behind the mixer; a wait allows for it before giving up.
constexpr std::int64_t DeviceSlackMs = 250;
constexpr std::int64_t PollMs = 5;

std::int64_t lengthMs(std::uint32_t bytes, int frequency, SDL_AudioFormat format, int channels) {
    const std::int64_t bytesPerSecond =
        std::int64_t{frequency} * channels * static_cast<std::int64_t>(SDL_AUDIO_BITSIZE(format) / 8);
    return bytesPerSecond > 0 ? std::int64_t{bytes} * 1000 / bytesPerSecond : 0;
}

QByteArray wholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

} // namespace

SdlEffects::SdlEffects(bool device, Clock& clock) : device_(device), clock_(clock) {
    default_ = decode(defaultSoundWav());
}

SdlEffects::~SdlEffects() {
    if (device_) {
        Mix_HaltChannel(Channel);
    }
    free(playingFile_);
    for (Sound& sound : kept_) {
        free(sound);
    }
    free(default_);
}

SdlEffects::Sound SdlEffects::decode(const QByteArray& fileImage) const {
    Sound sound;
    if (fileImage.isEmpty()) {
        return sound;
    }
    SDL_RWops* stream = SDL_RWFromConstMem(fileImage.constData(), static_cast<int>(fileImage.size()));
    if (stream == nullptr) {
        return sound;
    }
    if (device_) {
        sound.chunk = Mix_LoadWAV_RW(stream, 1);
        if (sound.chunk != nullptr) {
            int frequency = 0;
            Uint16 format = 0;
            int channels = 0;
            Mix_QuerySpec(&frequency, &format, &channels);
            sound.lengthMs = lengthMs(sound.chunk->alen, frequency, format, channels);
            sound.valid = true;
        }
        return sound;
    }
    SDL_AudioSpec wave{};
    Uint8* samples = nullptr;
    Uint32 bytes = 0;
    if (SDL_LoadWAV_RW(stream, 1, &wave, &samples, &bytes) != nullptr) {
        sound.lengthMs = lengthMs(bytes, wave.freq, wave.format, wave.channels);
        sound.valid = true;
        SDL_FreeWAV(samples);
    }
    return sound;
}

void SdlEffects::free(Sound& sound) const {
    if (sound.chunk != nullptr) {
        Mix_FreeChunk(sound.chunk);
    }
    sound = Sound{};
}

int SdlEffects::keep(const QByteArray& fileImage) {
    Sound sound = decode(fileImage);
    if (!sound.valid) {
        return -1;
    }
    kept_.push_back(sound);
    return static_cast<int>(kept_.size()) - 1;
}

void SdlEffects::playKept(int handle) {
    if (handle < 0 || handle >= static_cast<int>(kept_.size())) {
        start(default_, false);
        return;
    }
    start(kept_[static_cast<std::size_t>(handle)], false);
}

void SdlEffects::playFile(const QString& path, bool waitForEnd) {
    Sound sound = decode(wholeFile(path));
    const bool fromFile = sound.valid;
    if (!fromFile) {
        sound = default_;
    }
    const std::uint64_t play = start(sound, fromFile);
    if (waitForEnd) {
        this->waitForEnd(sound, play);
    }
}

std::uint64_t SdlEffects::start(const Sound& sound, bool owned) {
    Sound previous = playingFile_;
    playingFile_ = owned ? sound : Sound{};
    if (device_ && sound.chunk != nullptr) {
        Mix_PlayChannel(Channel, sound.chunk, 0);
    } else if (device_) {
        Mix_HaltChannel(Channel);
    }
    // Freed only now: the channel has let go of it.
    free(previous);
    return ++plays_;
}

void SdlEffects::waitForEnd(const Sound& sound, std::uint64_t play) {
    const std::int64_t started = clock_.now();
    const std::int64_t deadline = started + sound.lengthMs + (device_ ? DeviceSlackMs : 0);
    for (;;) {
        // Another sound that cut this one off, or a silence, ends the wait.
        if (plays_ != play) {
            return;
        }
        if (device_ && sound.chunk != nullptr &&
            (Mix_Playing(Channel) == 0 || Mix_GetChunk(Channel) != sound.chunk)) {
            return;
        }
        const std::int64_t now = clock_.now();
        if (now >= deadline) {
            return;
        }
        clock_.waitUntil(std::min(deadline, now + PollMs));
    }
}

void SdlEffects::silence() {
    if (device_) {
        Mix_HaltChannel(Channel);
    }
    free(playingFile_);
    ++plays_;
}

void SdlEffects::setVolume(int percent) {
    if (device_) {
        Mix_Volume(Channel, MIX_MAX_VOLUME * std::clamp(percent, 0, 100) / 100);
    }
}

} // namespace slotmachine
