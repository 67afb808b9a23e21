#pragma once

// The synthesizer's building blocks: signals, seeded noise, curves, oscillators,
// struck and resonating bodies, plucked strings, filters and a small room. Every
// block is a plain function of its arguments, so the same recipe always gives the
// same samples.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

namespace slotmachine::sound {

inline constexpr int SampleRate = 44100;

// A mono signal at SampleRate; full scale is ±1.
using Wave = std::vector<double>;

// A value over time in seconds: a frequency, a loudness, a filter cutoff.
using Shape = std::function<double(double)>;

int samplesFor(double seconds);
double secondsOf(const Wave& wave);

// The frequency of a MIDI note number (69 is A4, 440 Hz); fractions bend it.
double noteHz(double note);

// --- Randomness --------------------------------------------------------------

// A seeded generator of our own (splitmix64): the standard library's
// distributions may differ between library versions, and the build must not.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    double uniform(); // [0, 1)
    double uniform(double low, double high) { return low + (high - low) * uniform(); }
    double bipolar() { return uniform(-1.0, 1.0); }

private:
    std::uint64_t state_;
};

// --- Curves ------------------------------------------------------------------

// A value that moves through breakpoints; it holds the first value before the
// first point and the last after the last. Exponential segments suit pitch and
// cutoff glides (both points must then be positive).
class Curve {
public:
    enum class Kind { Linear, Exponential };
    struct Point {
        double time;
        double value;
    };

    Curve(std::initializer_list<Point> points, Kind kind = Kind::Linear);
    double operator()(double t) const;

private:
    std::vector<Point> points_;
    Kind kind_;
};

Shape steady(double value);
// `base` with a sine wobble of `depth` semitones at `rate` Hz, faded in after `delay`.
Shape vibrato(Shape base, double rate, double depth, double delay);

// Attack-decay-sustain-release over a note held for `length` seconds; the decay
// and release are exponential, reaching -60 dB in their stated times.
struct Adsr {
    double attack = 0.005;
    double decay = 0.2;
    double sustain = 0.7;
    double release = 0.1;

    double level(double t, double length) const;
    Shape over(double length) const;
};

// A struck envelope: a straight rise over `attack`, then -60 dB after `ring` seconds.
double strike(double t, double attack, double ring);

// --- Sources -----------------------------------------------------------------

Wave silence(double seconds);
Wave whiteNoise(double seconds, Random& random);

// A sine that follows a frequency shape, e.g. a falling thump.
Wave sine(const Shape& frequency, double seconds);

// One component of a struck body: its frequency as a ratio of the fundamental,
// its level and the seconds it takes to die away by 60 dB.
struct Partial {
    double ratio;
    double gain;
    double ring;
};

// Additive synthesis of a struck body (bell, bar, coin): inharmonic partials that
// die away each at its own rate. Partials above hearing are left out.
Wave struck(const Shape& frequency, std::span<const Partial> partials, double seconds, double attack = 0.0);

// A band-limited sawtooth-like tone whose upper harmonics open up with its
// loudness, the way a brass instrument brightens when blown harder. `brightness`
// scales how far they open; `loudness` is the envelope (0 to 1).
Wave blown(const Shape& frequency, const Shape& loudness, double brightness, double seconds);

// A plucked string (Karplus-Strong with fractional-delay tuning). `brightness`
// in 0..1 sets both the pluck's tone and how long the overtones last; `ring` is
// the fundamental's -60 dB time; `pickPosition` (0..0.5) notches the overtones
// the way plucking near the bridge does.
struct PluckStyle {
    double brightness = 0.7;
    double ring = 1.0;
    double pickPosition = 0.18;
};
Wave pluck(double frequency, double seconds, const PluckStyle& style, Random& random);

// --- Bodies and filters ------------------------------------------------------

// A body that rings when excited (wood, a hollow box): two-pole resonators, each
// with unity gain at its frequency and its own -60 dB time.
struct Mode {
    double frequency;
    double gain;
    double ring;
};
Wave resonate(const Wave& excitation, std::span<const Mode> modes);

// A second-order filter with the usual audio-cookbook designs.
class Biquad {
public:
    static Biquad lowPass(double frequency, double q = 0.7071);
    static Biquad highPass(double frequency, double q = 0.7071);
    static Biquad bandPass(double frequency, double q); // 0 dB at the centre
    static Biquad peak(double frequency, double q, double gainDb);
    static Biquad highShelf(double frequency, double gainDb);

    double process(double x);
    void apply(Wave& wave);

private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

Wave filtered(Wave wave, Biquad filter);

// A state-variable filter whose cutoff may move every sample (a wah, a closing
// muffle) without the zipper noise of recomputed biquads.
enum class SweepMode { LowPass, BandPass, HighPass };
Wave swept(const Wave& wave, const Shape& cutoff, double q, SweepMode mode);

// --- Shaping and mixing ------------------------------------------------------

// Multiplies by a level shape.
void envelope(Wave& wave, const Shape& level);
void scale(Wave& wave, double gain);
// Raised-cosine fades over the first and last seconds given: the first and last
// samples become exactly zero.
void fade(Wave& wave, double inSeconds, double outSeconds);
// Scales so that the highest sample is `peak` (a silent wave stays silent).
void normalize(Wave& wave, double peak = 1.0);
// Gentle tanh saturation that keeps the level of quiet passages: warmth for brass.
void saturate(Wave& wave, double drive);
// Adds `sound` into `mix` at `atSeconds`, growing `mix` when needed.
void addAt(Wave& mix, const Wave& sound, double atSeconds, double gain = 1.0);

// A small room after Schroeder: parallel damped combs into allpasses. `decay` is
// the tail's -60 dB time, `size` (0.3..1) scales the delays, `damping` (0..1)
// darkens the tail, `wet` is the tail's level against the dry sound. The result
// is `tail` seconds longer than the input.
struct Room {
    double decay = 0.6;
    double size = 0.6;
    double damping = 0.4;
    double wet = 0.2;
    double tail = 0.3;
};
Wave reverberate(const Wave& dry, const Room& room);

} // namespace slotmachine::sound
