#pragma once

#include "engine/audio/AudioOutput.h"

#include <QObject>
#include <SDL_stdinc.h>
#include <atomic>
#include <cstdint>

struct _Mix_Music;

namespace slotmachine {

// MIDI tracks through SDL_mixer's music stream. SDL_mixer reports the end of a
// track on its audio thread; the report is passed to the user-interface thread as
// a queued call, and only for the play still current, never for a track that was
// closed or replaced.
class SdlMusic final : public MusicOutput {
public:
    explicit SdlMusic(bool device);
    ~SdlMusic() override;
    SdlMusic(const SdlMusic&) = delete;
    SdlMusic& operator=(const SdlMusic&) = delete;

    bool openAndPlay(const QString& path, QString& error) override;
    void close() override;
    void setVolume(int percent) override;

private:
    static void SDLCALL musicFinished();
    void reportFinished(std::uint64_t play);

    static std::atomic<SdlMusic*> current_;
    bool device_;
    _Mix_Music* music_ = nullptr;
    std::atomic<std::uint64_t> play_{0};
    std::atomic<bool> closing_{false};
    QObject receiver_;
};

} // namespace slotmachine
