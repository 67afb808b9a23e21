#pragma once

#include <QByteArray>

namespace slotmachine {

// The sound heard when a game's sound file is missing or cannot be read: a soft
// two-tone chime, as a whole WAV file image (16-bit mono PCM).
QByteArray defaultSoundWav();

} // namespace slotmachine
