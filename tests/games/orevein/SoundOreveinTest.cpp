#include "games/orevein/sound/OreveinSounds.h"
#include "tools/assets/sound/Mastering.h"
#include "tools/assets/sound/SoundCommand.h"
#include "tools/assets/sound/WavFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <sndfile.h>

using namespace slotmachine;
using namespace slotmachine::sound;

namespace {

// How long each sound may last: the moments in play they accompany.
const std::map<std::string, double> LengthLimits{
    {"0", 0.25}, {"1", 0.35}, {"2", 0.6}, {"3", 0.07}, {"4", 0.8},   {"5", 1.5},
    {"6", 0.45}, {"7", 2.0},  {"8", 0.5}, {"9", 0.5},  {"Win", 2.0},
};

class SoundOreveinTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        sounds_ = new std::vector<FinishedSound>(render(orevein::oreveinSounds()));
    }
    static void TearDownTestSuite() {
        delete sounds_;
        sounds_ = nullptr;
    }
    static const std::vector<FinishedSound>& sounds() { return *sounds_; }

private:
    static std::vector<FinishedSound>* sounds_;
};

std::vector<FinishedSound>* SoundOreveinTest::sounds_ = nullptr;

double peakOf(const Wave& wave, std::size_t from, std::size_t to) {
    double peak = 0.0;
    for (std::size_t n = from; n < std::min(to, wave.size()); ++n) {
        peak = std::max(peak, std::abs(wave[n]));
    }
    return peak;
}

int runSounds(const QStringList& args) {
    return assets::runSoundsCommand(orevein::oreveinSounds(), args);
}

} // namespace

TEST_F(SoundOreveinTest, EverySoundIsThereInOrder) {
    std::vector<std::string> names;
    for (const FinishedSound& sound : sounds()) {
        names.push_back(sound.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "Win"}));
}

TEST_F(SoundOreveinTest, SoundsAreCrispCleanAndFitTheirMoment) {
    for (const FinishedSound& sound : sounds()) {
        SCOPED_TRACE("sound " + sound.name);
        const Wave& wave = sound.wave;
        ASSERT_GT(secondsOf(wave), 0.03);
        EXPECT_LE(secondsOf(wave), LengthLimits.at(sound.name));

        // Peaks stay under -1 dBFS once stored as 16-bit samples.
        const std::vector<std::int16_t> pcm = toPcm16(wave);
        const auto loudest =
            std::max_element(pcm.begin(), pcm.end(), [](int a, int b) { return std::abs(a) < std::abs(b); });
        EXPECT_LE(20.0 * std::log10(std::abs(*loudest) / 32768.0), CeilingDb);

        // Heard at once: within 10 ms it is no more than 20 dB below its peak.
        const double peak = peakOf(wave, 0, wave.size());
        EXPECT_GE(peakOf(wave, 0, samplesFor(0.01)), 0.1 * peak);

        // No clicks at either end and no DC.
        EXPECT_LT(std::abs(wave.front()), 1e-3);
        EXPECT_LT(std::abs(wave.back()), 1e-3);
        EXPECT_LT(std::abs(std::accumulate(wave.begin(), wave.end(), 0.0) / wave.size()), 0.002);
    }
}

TEST_F(SoundOreveinTest, SoundsShareOneLoudness) {
    std::vector<double> levels;
    for (const FinishedSound& sound : sounds()) {
        levels.push_back(loudnessDb(sound.wave));
    }
    std::vector<double> sorted = levels;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    for (std::size_t i = 0; i < levels.size(); ++i) {
        EXPECT_NEAR(levels[i], median, 3.5) << "sound " << sounds()[i].name;
    }
}

TEST_F(SoundOreveinTest, RenderingIsRepeatable) {
    const std::vector<FinishedSound> again = render(orevein::oreveinSounds());
    ASSERT_EQ(again.size(), sounds().size());
    for (std::size_t i = 0; i < again.size(); ++i) {
        EXPECT_EQ(toPcm16(again[i].wave), toPcm16(sounds()[i].wave)) << "sound " << again[i].name;
    }
}

TEST(SoundCommandTest, WritesEverySoundAsMono16BitWav) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // The prefix's folder does not exist yet: the command makes it.
    const QString prefix = folder.filePath(QStringLiteral("orevein/Orev"));
    ASSERT_EQ(runSounds({prefix}), 0);

    for (const auto& [name, limit] : LengthLimits) {
        SCOPED_TRACE("sound " + name);
        const std::string path =
            (prefix + QString::fromStdString(name) + QStringLiteral(".wav")).toStdString();
        SF_INFO info{};
        SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
        ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
        sf_close(file);
        EXPECT_EQ(info.samplerate, 44100);
        EXPECT_EQ(info.channels, 1);
        EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        EXPECT_GT(info.frames, 0);
        EXPECT_LE(static_cast<double>(info.frames) / info.samplerate, limit);
    }
    EXPECT_EQ(QDir(folder.filePath(QStringLiteral("orevein"))).entryList(QDir::Files).size(), 11);

    // A second run writes the very same bytes.
    const QString again = folder.filePath(QStringLiteral("again/Orev"));
    ASSERT_EQ(runSounds({again}), 0);
    for (const auto& [name, limit] : LengthLimits) {
        QFile first(prefix + QString::fromStdString(name) + QStringLiteral(".wav"));
        QFile second(again + QString::fromStdString(name) + QStringLiteral(".wav"));
        ASSERT_TRUE(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
        EXPECT_TRUE(first.readAll() == second.readAll()) << "sound " << name;
    }
}

TEST(SoundCommandTest, RefusesBadArgumentsWithoutWriting) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString prefix = folder.filePath(QStringLiteral("Snd"));
    EXPECT_NE(runSounds({}), 0);
    EXPECT_NE(runSounds({prefix, QStringLiteral("extra")}), 0);
    EXPECT_NE(runSounds({QString()}), 0);
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());

    // A folder that cannot be made: a plain file stands where it should be.
    QFile blocker(folder.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_NE(runSounds({folder.filePath(QStringLiteral("file/sub/Orev"))}), 0);
}
