#include "tools/assets/sound/Gestures.h"

#include "tools/assets/sound/Instruments.h"

#include <algorithm>
#include <cmath>

namespace slotmachine::sound {

void strum(Wave& mix, std::initializer_list<double> notes, double at, double seconds, double gain,
           Random& random) {
    double t = at;
    for (const double note : notes) {
        addAt(mix, banjo(noteHz(note), seconds, random), t, gain);
        t += 0.012;
    }
}

void dropCoin(Wave& mix, double frequency, std::uint64_t seed, std::span<const CoinStrike> strikes,
              const std::function<void(Wave&)>& landsOn) {
    for (std::size_t i = 0; i < strikes.size(); ++i) {
        const CoinStrike& strike = strikes[i];
        Random same(seed);
        addAt(mix, coin(frequency, strike.ring, strike.hardness, same), strike.at, strike.gain);
        if (i == 0) {
            landsOn(mix);
        }
    }
}

Wave counterTick(double frequency, std::span<const Partial> partials, const Wave& knock, double knockGain) {
    Wave mix = struck(steady(frequency), partials, 0.065, 0.0003);
    normalize(mix);
    addAt(mix, knock, 0.0, knockGain);
    return mix;
}

void playFanfare(Wave& mix, const Fanfare& fanfare, const FanfareVoice& lead, const FanfareVoice& second) {
    for (std::size_t i = 0; i < fanfare.times.size(); ++i) {
        const bool last = i + 1 == fanfare.times.size();
        const double length = last ? fanfare.held : fanfare.quick;
        const double seconds = last ? fanfare.held + fanfare.heldTail : fanfare.quickSeconds;
        addAt(mix, lead(fanfare.lead[i], length, seconds, last), fanfare.times[i], fanfare.leadGain);
        addAt(mix, second(fanfare.second[i], length, seconds, last), fanfare.times[i], fanfare.secondGain);
    }
}

std::vector<double> scatterOnsets(int count, double start, double seconds, double bunching, Random& random) {
    std::vector<double> times(static_cast<std::size_t>(count));
    for (double& t : times) {
        const double u = random.uniform();
        t = start + seconds * (bunching == 1.0 ? u : std::pow(u, bunching));
    }
    std::sort(times.begin(), times.end());
    return times;
}

} // namespace slotmachine::sound
