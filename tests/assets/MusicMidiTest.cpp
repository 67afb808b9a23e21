// The MIDI writer's bytes, and the music command as the build runs it.
#include "tools/assets/music/Arrangement.h"
#include "tools/assets/music/MidiFile.h"
#include "tools/assets/music/MusicCommand.h"
#include "tools/assets/music/Score.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine::music;

namespace {

Bytes variableLength(std::uint32_t value) {
    Bytes out;
    appendVariableLength(out, value);
    return out;
}

Bytes compose(std::string_view score) {
    return toMidiFile(arrange(parseScore(score)));
}

bool writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

TEST(MusicMidiFile, VariableLengthQuantitiesUseSevenBitsABytes) {
    EXPECT_EQ(variableLength(0), (Bytes{0x00}));
    EXPECT_EQ(variableLength(0x7F), (Bytes{0x7F}));
    EXPECT_EQ(variableLength(0x80), (Bytes{0x81, 0x00}));
    EXPECT_EQ(variableLength(0x2000), (Bytes{0xC0, 0x00}));
    EXPECT_EQ(variableLength(0x3FFF), (Bytes{0xFF, 0x7F}));
    EXPECT_EQ(variableLength(0x4000), (Bytes{0x81, 0x80, 0x00}));
    EXPECT_EQ(variableLength(0x1FFFFF), (Bytes{0xFF, 0xFF, 0x7F}));
    EXPECT_EQ(variableLength(0x200000), (Bytes{0x81, 0x80, 0x80, 0x00}));
    EXPECT_EQ(variableLength(0x0FFFFFFF), (Bytes{0xFF, 0xFF, 0xFF, 0x7F}));
}

TEST(MusicMidiFile, ATinyScoreGivesExactlyTheseBytes) {
    const Bytes file = compose("tempo 120\n"
                               "meter 3/4\n"
                               "tail 0\n"
                               "part solo program 1 volume 90 pan -10 reverb 20\n"
                               "section A\n"
                               "  solo: C4q r E4q |\n"
                               "form A\n");
    const Bytes expected = {
        'M',  'T',  'h',  'd',  0,    0,    0,    6,   0,    1,    0,  2,
        0x01, 0xE0,                                    // format 1, two tracks, 480 a quarter
        'M',  'T',  'r',  'k',  0,    0,    0,    20,  //
        0x00, 0xFF, 0x58, 0x04, 3,    2,    24,   8,   // 3/4
        0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,      // 500000 microseconds a quarter
        0x8B, 0x20, 0xFF, 0x2F, 0x00,                  // end after 1440 ticks
        'M',  'T',  'r',  'k',  0,    0,    0,    46,  //
        0x00, 0xFF, 0x03, 4,    's',  'o',  'l',  'o', //
        0x00, 0xC0, 0x00,                              // program 1 is stored as 0
        0x00, 0xB0, 7,    90,   0x00, 0xB0, 10,   54,  0x00, 0xB0, 91, 20, //
        0x00, 0x90, 60,   78,                                              // the downbeat stressed: 72 + 6
        0x83, 0x60, 0x80, 60,   64,                                        //
        0x83, 0x60, 0x90, 64,   74,                                        // a beat: 72 + 2
        0x83, 0x60, 0x80, 64,   64,                                        //
        0x00, 0xFF, 0x2F, 0x00,                                            //
    };
    EXPECT_EQ(file, expected);
}

TEST(MusicMidiFile, TheFirstTrackCarriesMeterKeyAndEveryTempoStep) {
    const Bytes file = compose("tempo 60\nmeter 6/8\nkey Bbm\ntail 0\n"
                               "part a program 1\n"
                               "section A rit 30\n"
                               "  a: C4h.\n"
                               "form A\n");
    const Bytes conductor = {
        'M',  'T',  'r',  'k',  0,    0,    0,    42,   //
        0x00, 0xFF, 0x58, 0x04, 6,    3,    36,   8,    // 6/8, a click each dotted quarter
        0x00, 0xFF, 0x59, 0x02, 0xFB, 1,                // five flats, minor
        0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,       // 60 a minute
        0x83, 0x60, 0xFF, 0x51, 0x03, 0x14, 0x58, 0x55, // 45
        0x83, 0x60, 0xFF, 0x51, 0x03, 0x1E, 0x84, 0x80, // 30
        0x83, 0x60, 0xFF, 0x2F, 0x00,
    };
    ASSERT_GT(file.size(), 14 + conductor.size());
    EXPECT_EQ(Bytes(file.begin() + 14, file.begin() + 14 + conductor.size()), conductor);
}

TEST(MusicMidiFile, DrumsPlayOnChannelTenAndOthersSkipIt) {
    std::string score = "tempo 100\nmeter 4/4\n";
    for (int i = 0; i < 10; ++i) {
        score += "part p" + std::to_string(i) + " program 1\n";
    }
    score += "part kit drums\nsection A\n  p9: C4w\n  kit: q kick r kick r\nform A\n";
    const Bytes file = compose(score);
    // p9 is the tenth melodic part: channel 11 (0x0A), since 10 (0x09) is the drums'.
    const Bytes p9Note = {0x90 | 0x0A, 60};
    const Bytes kick = {0x99, 36};
    EXPECT_NE(std::search(file.begin(), file.end(), p9Note.begin(), p9Note.end()), file.end());
    EXPECT_NE(std::search(file.begin(), file.end(), kick.begin(), kick.end()), file.end());
    const Bytes drumProgram = {0xC9};
    EXPECT_EQ(std::search(file.begin(), file.end(), drumProgram.begin(), drumProgram.end()), file.end());
}

TEST(MusicCommand, WritesTheTrackOrFailsWithoutWritingOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath("good.score");
    const QString bad = dir.filePath("bad.score");
    ASSERT_TRUE(writeFile(good, "tempo 90\nmeter 4/4\npart a program 25\nsection A\n  a: C4w\nform A\n"));
    ASSERT_TRUE(writeFile(bad, "tempo 90\nmeter 4/4\npart a program 25\nsection A\n  a: H4w\nform A\n"));

    EXPECT_NE(slotmachine::assets::runMusicCommand({good}), 0);
    EXPECT_NE(slotmachine::assets::runMusicCommand({dir.filePath("missing.score"), dir.filePath("x.mid")}),
              0);
    EXPECT_NE(slotmachine::assets::runMusicCommand({bad, dir.filePath("bad.mid")}), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("bad.mid")));

    ASSERT_EQ(slotmachine::assets::runMusicCommand({good, dir.filePath("good.mid")}), 0);
    QFile written(dir.filePath("good.mid"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("MThd"));
}
