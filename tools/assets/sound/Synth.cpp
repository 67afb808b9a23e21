#include "tools/assets/sound/Synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace slotmachine::sound {

namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;
// ln(1000): an exponential falls by 60 dB after exp(-Ln1000 * t / T60).
constexpr double Ln1000 = 6.907755278982137;
// Nothing is generated this close to the Nyquist frequency.
constexpr double HighestHz = 0.45 * SampleRate;

double clampHz(double hz) {
    return std::clamp(hz, 1.0, HighestHz);
}

double dieAway(double t, double ring) {
    return std::exp(-Ln1000 * t / ring);
}

} // namespace

int samplesFor(double seconds) {
    return std::max(0, static_cast<int>(std::lround(seconds * SampleRate)));
}

double secondsOf(const Wave& wave) {
    return static_cast<double>(wave.size()) / SampleRate;
}

double noteHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

double Random::uniform() {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

// --- Curves ------------------------------------------------------------------

Curve::Curve(std::initializer_list<Point> points, Kind kind) : points_(points), kind_(kind) {
    std::stable_sort(points_.begin(), points_.end(),
                     [](const Point& a, const Point& b) { return a.time < b.time; });
    if (points_.empty()) {
        points_.push_back({0.0, 0.0});
    }
}

double Curve::operator()(double t) const {
    if (t <= points_.front().time) {
        return points_.front().value;
    }
    if (t >= points_.back().time) {
        return points_.back().value;
    }
    const auto next = std::upper_bound(points_.begin(), points_.end(), t,
                                       [](double time, const Point& p) { return time < p.time; });
    const Point& b = *next;
    const Point& a = *(next - 1);
    const double u = (t - a.time) / (b.time - a.time);
    if (kind_ == Kind::Exponential && a.value > 0 && b.value > 0) {
        return a.value * std::pow(b.value / a.value, u);
    }
    return a.value + (b.value - a.value) * u;
}

Shape steady(double value) {
    return [value](double) { return value; };
}

Shape vibrato(Shape base, double rate, double depth, double delay) {
    return [base = std::move(base), rate, depth, delay](double t) {
        const double fadeIn = std::clamp((t - delay) / 0.15, 0.0, 1.0);
        const double semitones = depth * fadeIn * std::sin(TwoPi * rate * std::max(0.0, t - delay));
        return base(t) * std::pow(2.0, semitones / 12.0);
    };
}

double Adsr::level(double t, double length) const {
    const auto held = [this](double s) {
        if (s < attack) {
            return s / attack;
        }
        return sustain + (1.0 - sustain) * dieAway(s - attack, decay);
    };
    if (t < 0) {
        return 0.0;
    }
    if (t < length) {
        return held(t);
    }
    return held(length) * dieAway(t - length, release);
}

Shape Adsr::over(double length) const {
    return [adsr = *this, length](double t) { return adsr.level(t, length); };
}

double strike(double t, double attack, double ring) {
    if (t < 0) {
        return 0.0;
    }
    if (t < attack) {
        return t / attack;
    }
    return dieAway(t - attack, ring);
}

// --- Sources -----------------------------------------------------------------

Wave silence(double seconds) {
    return Wave(samplesFor(seconds), 0.0);
}

Wave whiteNoise(double seconds, Random& random) {
    Wave wave(samplesFor(seconds));
    for (double& x : wave) {
        x = random.bipolar();
    }
    return wave;
}

Wave sine(const Shape& frequency, double seconds) {
    Wave wave(samplesFor(seconds));
    double phase = 0.0;
    for (std::size_t n = 0; n < wave.size(); ++n) {
        wave[n] = std::sin(TwoPi * phase);
        phase += clampHz(frequency(static_cast<double>(n) / SampleRate)) / SampleRate;
        phase -= std::floor(phase);
    }
    return wave;
}

Wave struck(const Shape& frequency, std::span<const Partial> partials, double seconds, double attack) {
    Wave wave(samplesFor(seconds), 0.0);
    std::vector<double> phases(partials.size(), 0.0);
    for (std::size_t n = 0; n < wave.size(); ++n) {
        const double t = static_cast<double>(n) / SampleRate;
        const double f = frequency(t);
        double sum = 0.0;
        for (std::size_t i = 0; i < partials.size(); ++i) {
            const double hz = f * partials[i].ratio;
            if (hz >= HighestHz) {
                continue;
            }
            sum += partials[i].gain * strike(t, attack, partials[i].ring) * std::sin(TwoPi * phases[i]);
            phases[i] += hz / SampleRate;
            phases[i] -= std::floor(phases[i]);
        }
        wave[n] = sum;
    }
    return wave;
}

Wave blown(const Shape& frequency, const Shape& loudness, double brightness, double seconds) {
    Wave wave(samplesFor(seconds), 0.0);
    double phase = 0.0;
    for (std::size_t n = 0; n < wave.size(); ++n) {
        const double t = static_cast<double>(n) / SampleRate;
        const double f = clampHz(frequency(t));
        const double loud = std::max(0.0, loudness(t));
        // The harmonic number around which the spectrum rolls off.
        const double knee = 1.0 + brightness * 12.0 * std::pow(loud, 1.5);
        const int harmonics = std::clamp(static_cast<int>(HighestHz / f), 1, 48);
        const double theta = TwoPi * phase;
        const double twoCos = 2.0 * std::cos(theta);
        // sin(k*theta) by the Chebyshev recurrence: one sine and cosine per sample.
        double previous = 0.0;
        double current = std::sin(theta);
        double sum = 0.0;
        for (int k = 1; k <= harmonics; ++k) {
            const double ratio = k / knee;
            sum += current / (k * (1.0 + ratio * ratio * ratio));
            const double next = twoCos * current - previous;
            previous = current;
            current = next;
        }
        wave[n] = loud * sum;
        phase += f / SampleRate;
        phase -= std::floor(phase);
    }
    return wave;
}

Wave pluck(double frequency, double seconds, const PluckStyle& style, Random& random) {
    Wave wave(samplesFor(seconds), 0.0);
    const double brightness = std::clamp(style.brightness, 0.0, 1.0);
    // The loop's two-tap lowpass delays by `lag` samples; brighter strings lose
    // less of their overtones on each round trip.
    const double lag = 0.5 - 0.45 * brightness;
    const double period = SampleRate / clampHz(frequency);
    const double rest = period - lag;
    const int delay = std::max(2, static_cast<int>(std::floor(rest - 0.1)));
    const double fraction = rest - delay;
    const double allpass = (1.0 - fraction) / (1.0 + fraction);
    const double loss = std::pow(10.0, -3.0 / (clampHz(frequency) * style.ring));

    // The pluck: one period of noise, softened for darker strings and notched
    // at the pick position.
    Wave burst(delay + 1);
    double smooth = 0.0;
    const double soften = 0.9 - 0.6 * brightness;
    for (double& x : burst) {
        smooth = (1.0 - soften) * random.bipolar() + soften * smooth;
        x = smooth;
    }
    const int notch = std::max(1, static_cast<int>(std::lround(style.pickPosition * period)));
    Wave excitation(burst.size());
    for (std::size_t n = 0; n < burst.size(); ++n) {
        excitation[n] = burst[n] - (n >= static_cast<std::size_t>(notch) ? burst[n - notch] : 0.0);
    }

    std::vector<double> line(delay, 0.0);
    std::size_t at = 0;
    double lastOut = 0.0;
    double apIn = 0.0;
    double apOut = 0.0;
    for (std::size_t n = 0; n < wave.size(); ++n) {
        const double out = line[at];
        const double low = (1.0 - lag) * out + lag * lastOut;
        lastOut = out;
        const double shifted = allpass * low + apIn - allpass * apOut;
        apIn = low;
        apOut = shifted;
        const double in = n < excitation.size() ? excitation[n] : 0.0;
        line[at] = in + loss * shifted;
        wave[n] = line[at];
        at = (at + 1) % line.size();
    }
    return wave;
}

// --- Bodies and filters ------------------------------------------------------

Wave resonate(const Wave& excitation, std::span<const Mode> modes) {
    Wave wave(excitation.size(), 0.0);
    for (const Mode& mode : modes) {
        if (mode.frequency >= HighestHz) {
            continue;
        }
        const double r = dieAway(1.0 / SampleRate, mode.ring);
        const double a1 = 2.0 * r * std::cos(TwoPi * mode.frequency / SampleRate);
        const double a2 = r * r;
        const double b0 = (1.0 - a2) / 2.0;
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (std::size_t n = 0; n < wave.size(); ++n) {
            const double x = excitation[n];
            const double y = b0 * (x - x2) + a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
            wave[n] += mode.gain * y;
        }
    }
    return wave;
}

Biquad::Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
    : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}

namespace {

struct Angles {
    double cosw;
    double sinw;
};

Angles anglesOf(double frequency) {
    const double w = TwoPi * clampHz(frequency) / SampleRate;
    return {std::cos(w), std::sin(w)};
}

} // namespace

Biquad Biquad::lowPass(double frequency, double q) {
    const auto [c, s] = anglesOf(frequency);
    const double alpha = s / (2.0 * q);
    return Biquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::highPass(double frequency, double q) {
    const auto [c, s] = anglesOf(frequency);
    const double alpha = s / (2.0 * q);
    return Biquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::bandPass(double frequency, double q) {
    const auto [c, s] = anglesOf(frequency);
    const double alpha = s / (2.0 * q);
    return Biquad(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::peak(double frequency, double q, double gainDb) {
    const auto [c, s] = anglesOf(frequency);
    const double alpha = s / (2.0 * q);
    const double a = std::pow(10.0, gainDb / 40.0);
    return Biquad(1 + alpha * a, -2 * c, 1 - alpha * a, 1 + alpha / a, -2 * c, 1 - alpha / a);
}

Biquad Biquad::highShelf(double frequency, double gainDb) {
    const auto [c, s] = anglesOf(frequency);
    const double a = std::pow(10.0, gainDb / 40.0);
    const double k = 2.0 * std::sqrt(a) * s / std::numbers::sqrt2; // 2*sqrt(A)*alpha, shelf slope 1
    return Biquad(a * ((a + 1) + (a - 1) * c + k), -2 * a * ((a - 1) + (a + 1) * c),
                  a * ((a + 1) + (a - 1) * c - k), (a + 1) - (a - 1) * c + k, 2 * ((a - 1) - (a + 1) * c),
                  (a + 1) - (a - 1) * c - k);
}

double Biquad::process(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

void Biquad::apply(Wave& wave) {
    for (double& x : wave) {
        x = process(x);
    }
}

Wave filtered(Wave wave, Biquad filter) {
    filter.apply(wave);
    return wave;
}

Wave swept(const Wave& wave, const Shape& cutoff, double q, SweepMode mode) {
    // The trapezoidal state-variable filter stays stable while its cutoff moves.
    Wave out(wave.size());
    const double k = 1.0 / q;
    double ic1 = 0.0;
    double ic2 = 0.0;
    for (std::size_t n = 0; n < wave.size(); ++n) {
        const double g =
            std::tan(std::numbers::pi * clampHz(cutoff(static_cast<double>(n) / SampleRate)) / SampleRate);
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double v3 = wave[n] - ic2;
        const double v1 = a1 * ic1 + a2 * v3;
        const double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2.0 * v1 - ic1;
        ic2 = 2.0 * v2 - ic2;
        switch (mode) {
        case SweepMode::LowPass:
            out[n] = v2;
            break;
        case SweepMode::BandPass:
            out[n] = v1;
            break;
        case SweepMode::HighPass:
            out[n] = wave[n] - k * v1 - v2;
            break;
        }
    }
    return out;
}

// --- Shaping and mixing ------------------------------------------------------

void envelope(Wave& wave, const Shape& level) {
    for (std::size_t n = 0; n < wave.size(); ++n) {
        wave[n] *= level(static_cast<double>(n) / SampleRate);
    }
}

void fade(Wave& wave, double inSeconds, double outSeconds) {
    const std::size_t in = std::min(wave.size(), static_cast<std::size_t>(samplesFor(inSeconds)));
    for (std::size_t n = 0; n < in; ++n) {
        wave[n] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(n) / in);
    }
    const std::size_t out = std::min(wave.size(), static_cast<std::size_t>(samplesFor(outSeconds)));
    if (out < 2) {
        return;
    }
    const std::size_t start = wave.size() - out;
    for (std::size_t n = 0; n < out; ++n) {
        wave[start + n] *= 0.5 + 0.5 * std::cos(std::numbers::pi * static_cast<double>(n) / (out - 1));
    }
}

void scale(Wave& wave, double gain) {
    for (double& x : wave) {
        x *= gain;
    }
}

void normalize(Wave& wave, double peak) {
    double highest = 0.0;
    for (const double x : wave) {
        highest = std::max(highest, std::abs(x));
    }
    if (highest > 0.0) {
        scale(wave, peak / highest);
    }
}

void saturate(Wave& wave, double drive) {
    if (drive <= 0) {
        return;
    }
    for (double& x : wave) {
        x = std::tanh(drive * x) / drive;
    }
}

void addAt(Wave& mix, const Wave& sound, double atSeconds, double gain) {
    const std::size_t start = static_cast<std::size_t>(samplesFor(atSeconds));
    if (mix.size() < start + sound.size()) {
        mix.resize(start + sound.size(), 0.0);
    }
    for (std::size_t n = 0; n < sound.size(); ++n) {
        mix[start + n] += gain * sound[n];
    }
}

Wave reverberate(const Wave& dry, const Room& room) {
    // Delays in samples at 44.1 kHz, mutually prime so that the echoes do not pile up.
    constexpr std::array<int, 6> CombDelays{1116, 1188, 1277, 1356, 1422, 1491};
    constexpr std::array<int, 3> AllpassDelays{556, 441, 341};
    const std::size_t length = dry.size() + static_cast<std::size_t>(samplesFor(room.tail));
    Wave tail(length, 0.0);

    for (const int baseDelay : CombDelays) {
        const int delay = std::max(8, static_cast<int>(baseDelay * room.size));
        const double feedback = std::pow(10.0, -3.0 * delay / (SampleRate * room.decay));
        // Scaled so that each comb passes about as much energy as it takes in.
        const double input = std::sqrt(1.0 - feedback * feedback) / std::sqrt(double(CombDelays.size()));
        std::vector<double> line(delay, 0.0);
        std::size_t at = 0;
        double damped = 0.0;
        for (std::size_t n = 0; n < length; ++n) {
            const double out = line[at];
            damped = out * (1.0 - room.damping) + damped * room.damping;
            const double x = n < dry.size() ? dry[n] : 0.0;
            line[at] = input * x + feedback * damped;
            tail[n] += out;
            at = (at + 1) % line.size();
        }
    }
    for (const int baseDelay : AllpassDelays) {
        const int delay = std::max(4, static_cast<int>(baseDelay * room.size));
        constexpr double g = 0.5;
        std::vector<double> line(delay, 0.0);
        std::size_t at = 0;
        for (double& x : tail) {
            const double stored = line[at];
            const double out = stored - g * x;
            line[at] = x + g * stored;
            x = out;
            at = (at + 1) % line.size();
        }
    }

    Wave out(length, 0.0);
    for (std::size_t n = 0; n < length; ++n) {
        out[n] = (n < dry.size() ? dry[n] : 0.0) + room.wet * tail[n];
    }
    return out;
}

} // namespace slotmachine::sound
