#pragma once

// Voices built from the synthesizer's blocks, for the games' recipes to play.
// Each returns its sound at a peak of 1, so that recipes mix them by plain gains.

#include "tools/assets/sound/Synth.h"

namespace slotmachine::sound {

// A small metal disc (a coin, a token) striking something hard: the inharmonic
// modes of a free plate. `ring` is the lowest mode's -60 dB time and the sound's
// length; `hardness` (0..1) adds the contact click and lifts the upper modes.
// The seed varies the strike, so two coins never ring quite alike.
Wave coin(double frequency, double ring, double hardness, Random& random);

// A small tuned bell or bar with a soft mallet tick; clear enough in pitch to
// play tunes with.
Wave bell(double frequency, double ring, Random& random);
Wave bell(const Shape& frequency, double ring, Random& random); // a bell that bends

// A knock on wood: a brief noise tick ringing through a board's damped modes.
Wave woodKnock(double frequency, double ring, Random& random);

// The low thud of something heavy landing: a sine falling from `fromHz` to `toHz`.
Wave thump(double fromHz, double toHz, double ring);

// A snap of band-passed noise: latches, pawls, ratchet teeth.
Wave click(double centreHz, double q, double ring, Random& random);

// A burst of noise through `filter`, shaped by `level` over its `seconds`: breath in
// a horn, bow hiss, dust, the roar of a fire.
Wave noiseBurst(double seconds, Biquad filter, const Shape& level, Random& random);

// Noise through a band that moves with `centreHz` (q the band's sharpness), shaped
// by `level`: a fizzing fuse, falling ash, snow crust, a gust.
Wave sweptNoise(double seconds, const Shape& centreHz, double q, const Shape& level, Random& random);

// Something that sticks and slips as it swings (a hinge, a lid): uneven pulses,
// quicker and stronger in the middle of the swing, ringing through the modes of
// what they shake and darkened above `lowPassHz`.
struct StickSlip {
    double level;      // a pulse's level at the ends of the swing,
    double swingLevel; // and what the middle of the swing adds to it;
    double leastLevel; // each pulse is scaled by a draw from this to 1
    double rate;       // pulses a second at the ends of the swing,
    double swingRate;  // and what the middle adds;
    double shortest;   // each gap is scaled by a draw between these two
    double longest;
    double lowPassHz;
};
Wave stickSlip(double seconds, const StickSlip& style, std::span<const Mode> body, Random& random);

// A banjo-like pluck: a bright steel string over a drum head's body and twang.
Wave banjo(double frequency, double seconds, Random& random);

// A brass note held for `length` seconds and rendered for `seconds`: a slight
// scoop up into pitch, a brighter attack, vibrato on long notes.
struct BrassStyle {
    double brightness = 0.8;
    double vibrato = 0.12; // semitones
    double scoop = 0.5;    // semitones below pitch at the onset
    Adsr envelope{0.03, 0.35, 0.75, 0.15};
};
Wave brass(double frequency, double length, double seconds, const BrassStyle& style = {});

} // namespace slotmachine::sound
