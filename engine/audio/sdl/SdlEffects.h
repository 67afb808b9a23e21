#pragma once

#include "engine/audio/AudioOutput.h"

#include <cstdint>
#include <vector>

struct Mix_Chunk;

namespace slotmachine {

class Clock;

// Sound effects on SDL_mixer's single channel. Without a device nothing is heard,
// but a sound's length is still read from its file, so waits keep their time.
class SdlEffects final : public EffectsOutput {
public:
    SdlEffects(bool device, Clock& clock);
    ~SdlEffects() override;
    SdlEffects(const SdlEffects&) = delete;
    SdlEffects& operator=(const SdlEffects&) = delete;

    int keep(const QByteArray& fileImage) override;
    void playKept(int handle) override;
    void playFile(const QString& path, bool waitForEnd) override;
    void silence() override;
    void setVolume(int percent) override;

private:
    struct Sound {
        Mix_Chunk* chunk = nullptr; // null without a device
        std::int64_t lengthMs = 0;
        bool valid = false;
    };

    Sound decode(const QByteArray& fileImage) const;
    void free(Sound& sound) const;
    // Starts a sound on the channel, cutting off the one playing; returns its
    // play number. A sound from a file is owned until the next one starts.
    std::uint64_t start(const Sound& sound, bool owned);
    void waitForEnd(const Sound& sound, std::uint64_t play);

    bool device_;
    Clock& clock_;
    Sound default_;
    std::vector<Sound> kept_;
    Sound playingFile_;
    std::uint64_t plays_ = 0;
};

} // namespace slotmachine
