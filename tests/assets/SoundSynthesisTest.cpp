#include "tools/assets/sound/Gestures.h"
#include "tools/assets/sound/Instruments.h"
#include "tools/assets/sound/Mastering.h"
#include "tools/assets/sound/Synth.h"
#include "tools/assets/sound/WavFile.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <sndfile.h>

// A namespace of its own: the unity build compiles this file together with others.
namespace sound_synthesis_test {

using namespace slotmachine::sound;

namespace {

double amplitudeDb(double amplitude) {
    return 20.0 * std::log10(amplitude);
}

double peakFrom(const Wave& wave, double fromSeconds) {
    double peak = 0.0;
    for (std::size_t n = samplesFor(fromSeconds); n < wave.size(); ++n) {
        peak = std::max(peak, std::abs(wave[n]));
    }
    return peak;
}

// The period of a tone in samples: the best normalised autocorrelation between
// the two lags, refined between samples by a parabola through its neighbours.
double periodOf(const Wave& wave, int minLag, int maxLag) {
    const auto correlation = [&](int lag) {
        double sum = 0.0;
        for (std::size_t n = 0; n + lag < wave.size(); ++n) {
            sum += wave[n] * wave[n + lag];
        }
        return sum / static_cast<double>(wave.size() - lag);
    };
    int best = minLag;
    for (int lag = minLag; lag <= maxLag; ++lag) {
        if (correlation(lag) > correlation(best)) {
            best = lag;
        }
    }
    const double left = correlation(best - 1);
    const double middle = correlation(best);
    const double right = correlation(best + 1);
    return best + 0.5 * (left - right) / (left - 2.0 * middle + right);
}

double cents(double measuredHz, double wantedHz) {
    return 1200.0 * std::log2(measuredHz / wantedHz);
}

} // namespace

TEST(SoundSynthesisTest, PluckedStringsAreInTune) {
    // Karplus-Strong drifts flat unless the loop's own delays are tuned out,
    // worst on high notes.
    Random random(1);
    for (const double hz : {110.0, 392.0, 1046.5}) {
        Wave string = pluck(hz, 0.4, {}, random);
        string.erase(string.begin(), string.begin() + samplesFor(0.1));
        const double expected = SampleRate / hz;
        const double period =
            periodOf(string, static_cast<int>(expected * 0.8), static_cast<int>(expected * 1.2));
        EXPECT_NEAR(cents(SampleRate / period, hz), 0.0, 5.0) << hz << " Hz";
    }
}

TEST(SoundSynthesisTest, FiltersPassAndStopWhereTheySay) {
    const auto gainDb = [](Biquad filter, double hz) {
        Wave tone = filtered(sine(steady(hz), 0.3), filter);
        return amplitudeDb(peakFrom(tone, 0.2));
    };
    EXPECT_NEAR(gainDb(Biquad::lowPass(1000), 100), 0.0, 0.5);
    EXPECT_LT(gainDb(Biquad::lowPass(1000), 8000), -30.0);
    EXPECT_NEAR(gainDb(Biquad::highPass(1000), 8000), 0.0, 0.5);
    EXPECT_LT(gainDb(Biquad::highPass(1000), 100), -30.0);
    EXPECT_NEAR(gainDb(Biquad::bandPass(2000, 2.0), 2000), 0.0, 0.5);
    EXPECT_NEAR(gainDb(Biquad::peak(2000, 1.0, 6.0), 2000), 6.0, 0.5);
    EXPECT_NEAR(gainDb(Biquad::highShelf(1500, 4.0), 12000), 4.0, 0.5);
    EXPECT_NEAR(gainDb(Biquad::highShelf(1500, 4.0), 100), 0.0, 0.5);

    const Wave sweepLow = swept(sine(steady(6000), 0.3), steady(500), 0.7, SweepMode::LowPass);
    EXPECT_LT(amplitudeDb(peakFrom(sweepLow, 0.2)), -30.0);

    // A resonator has unity gain at its own frequency and lets others by far less.
    const std::array<Mode, 1> mode{{{700, 1.0, 0.2}}};
    EXPECT_NEAR(amplitudeDb(peakFrom(resonate(sine(steady(700), 1.0), mode), 0.8)), 0.0, 0.5);
    EXPECT_LT(amplitudeDb(peakFrom(resonate(sine(steady(2000), 1.0), mode), 0.8)), -20.0);
}

// The figures the games share: a dropped coin rings alike at every strike, with
// what it lands on after the first; scattered onsets come in order, inside their
// span, and bunch towards its start when asked to.
TEST(SoundSynthesisTest, GesturesKeepTheirShape) {
    Wave mix;
    int landings = 0;
    const CoinStrike strikes[] = {{0.0, 0.1, 0.5, 1.0}, {0.5, 0.1, 0.5, 1.0}};
    dropCoin(mix, 2500, 7, strikes, [&](Wave& under) {
        ++landings;
        EXPECT_EQ(under.size(), static_cast<std::size_t>(samplesFor(0.1)));
    });
    EXPECT_EQ(landings, 1);
    const std::size_t later = samplesFor(0.5);
    ASSERT_EQ(mix.size(), later + samplesFor(0.1));
    EXPECT_TRUE(std::equal(mix.begin() + later, mix.end(), mix.begin()));

    Random even(3);
    Random bunched(3);
    const std::vector<double> spread = scatterOnsets(200, 1.0, 2.0, 1.0, even);
    const std::vector<double> crowded = scatterOnsets(200, 1.0, 2.0, 2.0, bunched);
    for (const std::vector<double>* onsets : {&spread, &crowded}) {
        ASSERT_EQ(onsets->size(), 200u);
        EXPECT_TRUE(std::is_sorted(onsets->begin(), onsets->end()));
        EXPECT_GE(onsets->front(), 1.0);
        EXPECT_LT(onsets->back(), 3.0);
    }
    const double spreadMean = std::accumulate(spread.begin(), spread.end(), 0.0) / 200;
    const double crowdedMean = std::accumulate(crowded.begin(), crowded.end(), 0.0) / 200;
    EXPECT_NEAR(spreadMean, 2.0, 0.15);
    EXPECT_LT(crowdedMean, spreadMean - 0.2);
}

TEST(SoundSynthesisTest, CurvesAndEnvelopesHoldTheirShape) {
    const Curve glide({{0.1, 100}, {0.3, 400}}, Curve::Kind::Exponential);
    EXPECT_DOUBLE_EQ(glide(0.0), 100);
    EXPECT_NEAR(glide(0.2), 200, 1e-9);
    EXPECT_DOUBLE_EQ(glide(1.0), 400);

    const Adsr adsr{.attack = 0.01, .decay = 0.1, .sustain = 0.5, .release = 0.2};
    EXPECT_DOUBLE_EQ(adsr.level(0.0, 0.5), 0.0);
    EXPECT_DOUBLE_EQ(adsr.level(0.01, 0.5), 1.0);
    EXPECT_NEAR(adsr.level(0.4, 0.5), 0.5, 0.01);
    EXPECT_NEAR(amplitudeDb(adsr.level(0.7, 0.5) / adsr.level(0.5, 0.5)), -60.0, 0.1);
}

TEST(SoundSynthesisTest, LimiterHoldsTheCeilingAndSparesQuietSound) {
    Wave wave = sine(steady(440), 0.5);
    for (int n = samplesFor(0.2); n < samplesFor(0.25); ++n) {
        wave[n] *= 3.0;
    }
    limit(wave, 1.5);
    EXPECT_LE(peakFrom(wave, 0.0), 1.5 + 1e-12);
    EXPECT_GT(peakFrom(wave, 0.0), 1.4);
    // Before the burst's look-ahead nothing changed; well after it the gain has come back.
    EXPECT_NEAR(peakFrom(Wave(wave.begin(), wave.begin() + samplesFor(0.19)), 0.0), 1.0, 1e-4);
    EXPECT_NEAR(peakFrom(wave, 0.45), 1.0, 0.02);
}

TEST(SoundSynthesisTest, FinishingTrimsCentresFadesAndLevels) {
    Random random(7);
    // Silence first, then a knock riding on a DC offset that lasts long after it.
    Wave raw = silence(0.2);
    addAt(raw, woodKnock(300, 0.3, random), 0.2);
    for (std::size_t n = samplesFor(0.2); n < raw.size(); ++n) {
        raw[n] = 0.5 * raw[n] + 0.2;
    }
    raw.resize(samplesFor(2.0), 0.2);

    const Wave done = finish(raw, {.maxSeconds = 0.25});
    ASSERT_FALSE(done.empty());
    EXPECT_LE(secondsOf(done), 0.25);
    EXPECT_GT(peakFrom(Wave(done.begin(), done.begin() + samplesFor(0.005)), 0.0), 0.25 * peakFrom(done, 0.0))
        << "the knock should start within 5 ms";
    EXPECT_DOUBLE_EQ(done.front(), 0.0);
    EXPECT_DOUBLE_EQ(done.back(), 0.0);
    EXPECT_NEAR(std::accumulate(done.begin(), done.end(), 0.0) / done.size(), 0.0, 0.002);
    EXPECT_NEAR(loudnessDb(done), TargetLoudnessDb, 0.5);
    EXPECT_LE(peakDb(done), CeilingDb);

    EXPECT_TRUE(finish(silence(0.5), {.maxSeconds = 1.0}).empty());
}

TEST(SoundSynthesisTest, WavFilesReadBackAsWritten) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath(QStringLiteral("tone.wav")).toStdString();
    Wave wave = sine(steady(440), 0.1);
    scale(wave, 0.5);
    wave.push_back(1.5); // beyond full scale: clamped, not wrapped
    ASSERT_EQ(writeWav(path, wave), "");

    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(info.samplerate, SampleRate);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    ASSERT_EQ(info.frames, static_cast<sf_count_t>(wave.size()));
    std::vector<short> read(wave.size());
    EXPECT_EQ(sf_read_short(file, read.data(), info.frames), info.frames);
    sf_close(file);
    const std::vector<std::int16_t> pcm = toPcm16(wave);
    EXPECT_TRUE(std::equal(read.begin(), read.end(), pcm.begin(), pcm.end()));
    EXPECT_EQ(read.back(), 32767);

    EXPECT_NE(writeWav(folder.filePath(QStringLiteral("no/such/folder/x.wav")).toStdString(), wave), "");
}

} // namespace sound_synthesis_test
