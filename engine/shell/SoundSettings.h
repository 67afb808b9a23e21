#pragma once

#include <QString>

namespace slotmachine {

class MachineAudio;
class PlayerSettings;
struct GameState;

// The player's sound choices in the player's settings file: the effects and the
// music on or off (both on at the first start), and their loudness in percent
// (full at first). They are the player's, not the game's, so the record file never
// holds them.
inline const QString SoundKey = QStringLiteral("Sound");
inline const QString MusicKey = QStringLiteral("Music");
inline const QString EffectsVolumeKey = QStringLiteral("Volume/Effects");
inline const QString MusicVolumeKey = QStringLiteral("Volume/Music");

// At start-up, after the machine's power-on: the switches into the game state and
// the volumes into the audio. A volume outside 0 to 100 is taken as the nearest
// end, one that is no number as full; a switch that is neither true nor false as on.
void applySoundSettings(const PlayerSettings& settings, GameState& state, MachineAudio& audio);

// The audio's volumes as they are now.
void saveVolumes(PlayerSettings& settings, const MachineAudio& audio);

} // namespace slotmachine
