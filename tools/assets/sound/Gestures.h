#pragma once

// Figures that the games' recipes play in their own voices and numbers: a strum, a
// dropped coin, a counter's tick, a fanfare, a scatter of onsets. Each game passes
// its constants (and, where the figure calls for one, its own voice).

#include "tools/assets/sound/Synth.h"

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

namespace slotmachine::sound {

// Banjo strings raked by a thumb: the notes (MIDI numbers) plucked 12 ms apart, low
// to high, from `at`, each `seconds` long at `gain`.
void strum(Wave& mix, std::initializer_list<double> notes, double at, double seconds, double gain,
           Random& random);

// One strike of a dropped coin: when, how long it rings, how hard, how loud.
struct CoinStrike {
    double at;
    double ring;
    double hardness;
    double gain;
};

// A coin dropped onto something: the same coin (one seed, so the same ring) strikes
// once per entry, each with its own ring, hardness and level; `landsOn` adds what it
// lands on to the mix right after the first strike.
void dropCoin(Wave& mix, double frequency, std::uint64_t seed, std::span<const CoinStrike> strikes,
              const std::function<void(Wave&)>& landsOn);

// One tick of a win count-up: a small body of `partials` struck for 65 ms at
// `frequency`, with `knock`, what it is mounted on, at `knockGain`.
Wave counterTick(double frequency, std::span<const Partial> partials, const Wave& knock, double knockGain);

// "Ta-ta-ta-taaa" in two parts: four quick notes, the last held.
struct Fanfare {
    std::array<double, 4> times;  // the onsets
    std::array<double, 4> lead;   // MIDI notes of the upper part
    std::array<double, 4> second; // and of the lower
    double quick;                 // a quick note's held length,
    double quickSeconds;          // and how long it is rendered
    double held;                  // the last note's held length,
    double heldTail;              // and how long it rings on after it
    double leadGain;
    double secondGain;
};
// A part's voice: `note` held for `length` seconds, rendered for `seconds`; `last`
// tells the held note from the quick ones.
using FanfareVoice = std::function<Wave(double note, double length, double seconds, bool last)>;
void playFanfare(Wave& mix, const Fanfare& fanfare, const FanfareVoice& lead, const FanfareVoice& second);

// `count` onsets scattered over `seconds` from `start`, in order; a `bunching` above 1
// crowds them towards the start (1 spreads them evenly).
std::vector<double> scatterOnsets(int count, double start, double seconds, double bunching, Random& random);

} // namespace slotmachine::sound
