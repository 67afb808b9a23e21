#pragma once

// Makes a recipe's raw mix into a finished sound effect: no DC, no silence before
// the first sound, clickless ends, the family's common loudness, peaks held below
// the ceiling.

#include "tools/assets/sound/Synth.h"

namespace slotmachine::sound {

// Every finished sound's loudness (see loudnessDb) unless its recipe trims it.
inline constexpr double TargetLoudnessDb = -14.0;
// No finished sample goes above this, even after rounding to 16 bits.
inline constexpr double CeilingDb = -1.0;

// Short-term loudness: the loudest 50 ms of the sound after a rough ear
// weighting (low rumble cut, presence lifted), as dB of mean square against
// full scale. A full-scale 1 kHz sine reads about -3 dB.
double loudnessDb(const Wave& wave);

double peakDb(const Wave& wave);

struct Finish {
    double maxSeconds;   // hard limit on the length; longer tails fade out to fit
    double trimDb = 0.0; // deliberate offset from the common loudness
};

// DC removed, leading silence cut so that the sound starts at its first sample,
// trailing silence cut, tiny fades at both ends, loudness set, peaks limited.
Wave finish(Wave raw, const Finish& finish);

// A look-ahead peak limiter: gain rides down smoothly ahead of any sample above
// `ceiling` and recovers over `release` seconds. Quieter sounds pass unchanged.
void limit(Wave& wave, double ceiling, double release = 0.06);

} // namespace slotmachine::sound
