#include "tools/assets/sound/Instruments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace slotmachine::sound {

namespace {

// A noise tick of `seconds`, dying away quickly: what sets a body ringing.
Wave tick(double seconds, Random& random) {
    Wave wave = whiteNoise(seconds, random);
    envelope(wave, [seconds](double t) { return strike(t, 0.0002, seconds); });
    return wave;
}

} // namespace

Wave coin(double frequency, double ring, double hardness, Random& random) {
    // A thin free plate's modes; the first three come as close pairs, as on a
    // real coin that is not quite round, and beat gently.
    constexpr std::array<double, 6> Ratios{1.0, 1.73, 2.33, 3.91, 4.11, 6.30};
    constexpr std::array<double, 6> Gains{1.0, 0.8, 0.6, 0.4, 0.35, 0.2};
    constexpr std::array<double, 6> Rings{1.0, 0.75, 0.6, 0.4, 0.3, 0.2};
    std::vector<Partial> partials;
    for (std::size_t i = 0; i < Ratios.size(); ++i) {
        const double ratio = Ratios[i] * random.uniform(0.985, 1.015);
        const double gain = Gains[i] * random.uniform(0.55, 1.0) * std::pow(0.4 + 0.6 * hardness, double(i));
        partials.push_back({ratio, gain, ring * Rings[i]});
        if (i < 3) {
            partials.push_back({ratio * random.uniform(1.002, 1.005), gain * 0.6, ring * Rings[i] * 0.8});
        }
    }
    Wave wave = struck(steady(frequency), partials, ring);
    Wave contact = filtered(tick(0.003, random), Biquad::highPass(4000));
    normalize(contact);
    normalize(wave);
    addAt(wave, contact, 0.0, 0.45 * hardness);
    normalize(wave);
    return wave;
}

Wave bell(double frequency, double ring, Random& random) {
    return bell(steady(frequency), ring, random);
}

Wave bell(const Shape& frequency, double ring, Random& random) {
    const std::array<Partial, 6> partials{{
        {1.0, 1.0, ring},
        {2.005, 0.35, ring * 0.55},
        {2.76, 0.3, ring * 0.35},
        {4.07, 0.14, ring * 0.22},
        {5.40, 0.1, ring * 0.15},
        {0.5, 0.08, ring * 0.8},
    }};
    Wave wave = struck(frequency, partials, ring, 0.0004);
    normalize(wave);
    const double malletHz = std::min(3.0 * frequency(0.0), 9000.0);
    Wave mallet = filtered(tick(0.002, random), Biquad::bandPass(malletHz, 1.5));
    normalize(mallet);
    addAt(wave, mallet, 0.0, 0.12);
    normalize(wave);
    return wave;
}

Wave woodKnock(double frequency, double ring, Random& random) {
    const std::array<Mode, 5> modes{{
        {frequency, 1.0, ring},
        {frequency * 2.32, 0.55, ring * 0.6},
        {frequency * 4.25, 0.35, ring * 0.4},
        {frequency * 6.63, 0.2, ring * 0.3},
        {frequency * 9.1, 0.1, ring * 0.2},
    }};
    const Wave hit = filtered(tick(0.0015, random), Biquad::lowPass(5000));
    Wave excitation = hit;
    excitation.resize(samplesFor(ring), 0.0);
    Wave wave = resonate(excitation, modes);
    normalize(wave);
    Wave dry = hit;
    normalize(dry);
    addAt(wave, dry, 0.0, 0.25);
    normalize(wave);
    return wave;
}

Wave thump(double fromHz, double toHz, double ring) {
    const Curve fall({{0.0, fromHz}, {std::min(0.08, ring * 0.5), toHz}}, Curve::Kind::Exponential);
    Wave wave = sine(fall, ring);
    envelope(wave, [ring](double t) { return strike(t, 0.0015, ring); });
    normalize(wave);
    return wave;
}

Wave click(double centreHz, double q, double ring, Random& random) {
    Wave wave = filtered(tick(ring, random), Biquad::bandPass(centreHz, q));
    normalize(wave);
    return wave;
}

Wave banjo(double frequency, double seconds, Random& random) {
    // Lower strings ring a little longer.
    const double ring = std::clamp(1.4 * std::pow(220.0 / frequency, 0.4), 0.5, 2.0);
    Wave wave = pluck(frequency, seconds, {.brightness = 0.7, .ring = ring, .pickPosition = 0.12}, random);
    // The drum head's body and the nasal twang above it; the head damps the
    // highest overtones.
    wave = filtered(std::move(wave), Biquad::highPass(110));
    wave = filtered(std::move(wave), Biquad::lowPass(6500, 0.6));
    wave = filtered(std::move(wave), Biquad::peak(380, 1.2, 5.0));
    wave = filtered(std::move(wave), Biquad::peak(2300, 1.6, 4.0));
    normalize(wave);
    Wave pick = filtered(tick(0.001, random), Biquad::bandPass(3500, 1.0));
    normalize(pick);
    addAt(wave, pick, 0.0, 0.08);
    normalize(wave);
    // A string still ringing when the note's time is up is damped, not cut.
    fade(wave, 0.0, 0.03);
    return wave;
}

Wave brass(double frequency, double length, double seconds, const BrassStyle& style) {
    const Curve approach({{0.0, frequency * std::pow(2.0, -style.scoop / 12.0)}, {0.035, frequency}},
                         Curve::Kind::Exponential);
    const Shape pitch = vibrato(approach, 5.5, style.vibrato, 0.22);
    Wave wave = blown(pitch, style.envelope.over(length), style.brightness, seconds);
    normalize(wave);
    saturate(wave, 1.2);
    wave = filtered(std::move(wave), Biquad::lowPass(7000));
    normalize(wave);
    return wave;
}

Wave noiseBurst(double seconds, Biquad filter, const Shape& level, Random& random) {
    Wave wave = filtered(whiteNoise(seconds, random), filter);
    envelope(wave, level);
    normalize(wave);
    return wave;
}

Wave sweptNoise(double seconds, const Shape& centreHz, double q, const Shape& level, Random& random) {
    Wave wave = swept(whiteNoise(seconds, random), centreHz, q, SweepMode::BandPass);
    envelope(wave, level);
    normalize(wave);
    return wave;
}

Wave stickSlip(double seconds, const StickSlip& style, std::span<const Mode> body, Random& random) {
    Wave pulses = silence(seconds);
    for (double t = 0.0; samplesFor(t) < static_cast<int>(pulses.size());) {
        const double swing = std::sin(std::numbers::pi * t / seconds);
        pulses[samplesFor(t)] =
            (style.level + style.swingLevel * swing) * random.uniform(style.leastLevel, 1.0);
        t += random.uniform(style.shortest, style.longest) / (style.rate + style.swingRate * swing);
    }
    Wave wave = filtered(resonate(pulses, body), Biquad::lowPass(style.lowPassHz));
    normalize(wave);
    return wave;
}

} // namespace slotmachine::sound
