#include "engine/audio/sdl/SdlMusic.h"

#include <QFile>
#include <QFileInfo>
#include <SDL_mixer.h>
#include <algorithm>

namespace slotmachine {

namespace {

// Music sits below the effects in the mix: at 100 % it plays at three quarters of
// the mixer's full volume.
constexpr int MusicVolume = MIX_MAX_VOLUME * 3 / 4;

} // namespace

std::atomic<SdlMusic*> SdlMusic::current_{nullptr};

SdlMusic::SdlMusic(bool device) : device_(device) {
    if (device_) {
        Mix_VolumeMusic(MusicVolume);
        current_ = this;
        Mix_HookMusicFinished(&SdlMusic::musicFinished);
    }
}

SdlMusic::~SdlMusic() {
    if (device_) {
        // The hook runs under the audio lock, which setting it takes too: once
        // this returns, no hook is running or will run with this object.
        current_ = nullptr;
        Mix_HookMusicFinished(nullptr);
    }
    close();
}

bool SdlMusic::openAndPlay(const QString& path, QString& error) {
    close();
    if (!device_) {
        // Nothing to be heard; the track counts as playing and never ends.
        return true;
    }
    music_ = Mix_LoadMUS(QFile::encodeName(path).constData());
    if (music_ == nullptr) {
        error = QString::fromUtf8(Mix_GetError());
        return false;
    }
    ++play_;
    if (Mix_PlayMusic(music_, 1) != 0) {
        error = QString::fromUtf8(Mix_GetError());
        close();
        return false;
    }
    return true;
}

void SdlMusic::close() {
    // Halting reports the end to the hook at once: that report is not a play that
    // ran to its end.
    ++play_;
    if (music_ == nullptr) {
        return;
    }
    closing_ = true;
    Mix_HaltMusic();
    closing_ = false;
    Mix_FreeMusic(music_);
    music_ = nullptr;
}

void SDLCALL SdlMusic::musicFinished() {
    SdlMusic* self = current_;
    if (self == nullptr || self->closing_) {
        return;
    }
    const std::uint64_t play = self->play_;
    QMetaObject::invokeMethod(
        &self->receiver_, [self, play] { self->reportFinished(play); }, Qt::QueuedConnection);
}

void SdlMusic::reportFinished(std::uint64_t play) {
    if (play == play_ && music_ != nullptr && playedToEnd) {
        playedToEnd();
    }
}

void SdlMusic::setVolume(int percent) {
    if (device_) {
        Mix_VolumeMusic(MusicVolume * std::clamp(percent, 0, 100) / 100);
    }
}

} // namespace slotmachine
