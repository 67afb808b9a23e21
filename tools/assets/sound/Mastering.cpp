#include "tools/assets/sound/Mastering.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace slotmachine::sound {

namespace {

double fromDb(double db) {
    return std::pow(10.0, db / 20.0);
}

double peakOf(const Wave& wave) {
    double peak = 0.0;
    for (const double x : wave) {
        peak = std::max(peak, std::abs(x));
    }
    return peak;
}

} // namespace

double peakDb(const Wave& wave) {
    const double peak = peakOf(wave);
    return peak > 0.0 ? 20.0 * std::log10(peak) : -200.0;
}

double loudnessDb(const Wave& wave) {
    Wave weighted = filtered(wave, Biquad::highPass(60.0));
    weighted = filtered(std::move(weighted), Biquad::highShelf(1500.0, 4.0));
    const std::size_t window = static_cast<std::size_t>(samplesFor(0.05));
    const std::size_t hop = static_cast<std::size_t>(samplesFor(0.005));
    // Running sums of squares; a sound shorter than the window counts as padded with silence.
    std::vector<double> sums(weighted.size() + 1, 0.0);
    for (std::size_t n = 0; n < weighted.size(); ++n) {
        sums[n + 1] = sums[n] + weighted[n] * weighted[n];
    }
    double loudest = 0.0;
    for (std::size_t start = 0;; start += hop) {
        const std::size_t end = std::min(weighted.size(), start + window);
        loudest = std::max(loudest, (sums[end] - sums[start]) / window);
        if (end == weighted.size()) {
            break;
        }
    }
    return loudest > 0.0 ? 10.0 * std::log10(loudest) : -200.0;
}

void limit(Wave& wave, double ceiling, double release) {
    const std::size_t size = wave.size();
    const std::size_t ahead = static_cast<std::size_t>(samplesFor(0.0015));
    std::vector<double> needed(size);
    for (std::size_t n = 0; n < size; ++n) {
        const double level = std::abs(wave[n]);
        needed[n] = level > ceiling ? ceiling / level : 1.0;
    }
    // Ride the gain down in a straight line over the look-ahead before each peak.
    std::vector<double> gain(size, 1.0);
    for (std::size_t n = 0; n < size; ++n) {
        if (needed[n] >= 1.0) {
            continue;
        }
        const std::size_t first = n >= ahead ? n - ahead : 0;
        for (std::size_t m = first; m <= n; ++m) {
            const double ramp = needed[n] + (1.0 - needed[n]) * static_cast<double>(n - m) / ahead;
            gain[m] = std::min(gain[m], ramp);
        }
    }
    // ...and let it recover smoothly after.
    const double recover = 1.0 - std::exp(-1.0 / (release * SampleRate));
    double current = 1.0;
    for (std::size_t n = 0; n < size; ++n) {
        current = std::min(gain[n], current + (1.0 - current) * recover);
        wave[n] *= current;
    }
}

Wave finish(Wave raw, const Finish& finish) {
    Wave wave = filtered(std::move(raw), Biquad::highPass(25.0));
    const double peak = peakOf(wave);
    if (peak <= 0.0) {
        return {};
    }

    // The sound starts where it is first audible and ends where it has died away.
    const double startLevel = peak * fromDb(-45.0);
    const double endLevel = peak * fromDb(-60.0);
    const auto first =
        std::find_if(wave.begin(), wave.end(), [&](double x) { return std::abs(x) >= startLevel; });
    const auto last =
        std::find_if(wave.rbegin(), wave.rend(), [&](double x) { return std::abs(x) >= endLevel; });
    const std::size_t begin = static_cast<std::size_t>(first - wave.begin());
    const std::size_t end = static_cast<std::size_t>(wave.rend() - last);
    const std::size_t allowed = static_cast<std::size_t>(std::floor(finish.maxSeconds * SampleRate));
    const bool cutShort = end - begin > allowed;
    wave = Wave(wave.begin() + begin, wave.begin() + begin + std::min(end - begin, allowed));
    if (wave.empty()) {
        return {};
    }

    // A tail cut short by the length limit needs a longer fade to sound natural.
    const double fadeIn = 0.0005;
    const double fadeOut = cutShort ? 0.06 : 0.008;
    fade(wave, fadeIn, fadeOut);

    // Limiting takes back some of any gain, so search for the gain that lands on
    // the target after limiting (the result rises steadily with the gain).
    const double target = TargetLoudnessDb + finish.trimDb;
    const double ceiling = fromDb(CeilingDb - 0.05);
    const auto levelled = [&](double gainDb) {
        Wave out = wave;
        scale(out, fromDb(gainDb));
        limit(out, ceiling);
        return out;
    };
    double low = target - loudnessDb(wave);
    double high = low + 12.0;
    if (loudnessDb(levelled(low)) < target - 0.05) {
        for (int step = 0; step < 14; ++step) {
            const double middle = 0.5 * (low + high);
            (loudnessDb(levelled(middle)) < target ? low : high) = middle;
        }
    }
    wave = levelled(low);

    // The high-pass leaves a slow wobble after a strong offset, and limiting
    // lopsided peaks shifts the mean a little; take out what remains, shaped by
    // the fades so that the ends stay at zero.
    Wave weight(wave.size(), 1.0);
    fade(weight, fadeIn, fadeOut);
    const double spread = std::accumulate(weight.begin(), weight.end(), 0.0);
    const double offset = spread > 0.0 ? std::accumulate(wave.begin(), wave.end(), 0.0) / spread : 0.0;
    for (std::size_t n = 0; n < wave.size(); ++n) {
        wave[n] -= offset * weight[n];
    }
    return wave;
}

} // namespace slotmachine::sound
