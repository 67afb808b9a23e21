#include "engine/shell/SoundSettings.h"

#include "engine/audio/MachineAudio.h"
#include "engine/core/GameState.h"
#include "engine/shell/PlayerSettings.h"

#include <algorithm>
#include <limits>

namespace slotmachine {

namespace {

int volumeSetting(const PlayerSettings& settings, const QString& key) {
    const std::optional<int> value =
        settings.number(key, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    return std::clamp(value.value_or(100), 0, 100);
}

} // namespace

void applySoundSettings(const PlayerSettings& settings, GameState& state, MachineAudio& audio) {
    state.SoundOn = settings.flag(SoundKey, true);
    state.MusicOn = settings.flag(MusicKey, true);
    audio.setEffectsVolume(volumeSetting(settings, EffectsVolumeKey));
    audio.setMusicVolume(volumeSetting(settings, MusicVolumeKey));
}

void saveVolumes(PlayerSettings& settings, const MachineAudio& audio) {
    settings.setNumber(EffectsVolumeKey, audio.effectsVolume());
    settings.setNumber(MusicVolumeKey, audio.musicVolume());
}

} // namespace slotmachine
