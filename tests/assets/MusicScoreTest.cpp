// The score format: what its notes, repeats, patterns and form come to, and faults
// reported on the right line.
#include "tools/assets/music/Arrangement.h"
#include "tools/assets/music/Score.h"

#include <QFile>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace slotmachine::music;

namespace {

constexpr int Q = TicksPerQuarter;

const std::string Head = "tempo 120\nmeter 4/4\n"; // lines 1 and 2

// A score with one part "a" (program 1) and one section "A" holding `notes`.
std::string oneLine(const std::string& notes, const std::string& form = "A") {
    return Head + "part a program 1\nsection A\n  a: " + notes + "\nform " + form + "\n";
}

std::vector<Note> notesOf(const std::string& notes) {
    return parseScore(oneLine(notes)).sections.at(0).notes.at(0);
}

struct Fault {
    std::string score;
    int line;
    std::string says;
};

} // namespace

TEST(MusicScore, ReadsPitchesDurationsAndMarks) {
    const auto notes = notesOf("C4w | Bb3h F#e C##5s C4s C4e3 D E | [G3 B D4]q~ [G3 B D4]e G5e>' r q A4_");
    ASSERT_EQ(notes.size(), 13u);
    EXPECT_EQ(notes[0].key, 60);
    EXPECT_EQ(notes[0].length, 4 * Q);
    EXPECT_EQ(notes[1].key, 58); // Bb3
    EXPECT_EQ(notes[1].length, 2 * Q);
    EXPECT_EQ(notes[2].key, 54); // the octave carries over: F#3
    EXPECT_EQ(notes[3].key, 74); // C##5
    EXPECT_EQ(notes[5].length, Q / 3);
    EXPECT_EQ(notes[7].start, 7 * Q + 2 * Q / 3);
    // The tied chord is three notes of a dotted quarter; G5 is short and accented.
    EXPECT_EQ(notes[8].key, 55);
    EXPECT_TRUE(notes[9].chord);
    EXPECT_EQ(notes[10].key, 62);
    EXPECT_EQ(notes[10].length, Q + Q / 2);
    EXPECT_EQ(notes[11].key, 79);
    EXPECT_EQ(notes[11].length, Q / 4);
    EXPECT_EQ(notes[11].accent, 16);
    EXPECT_EQ(notes[12].start, 10 * Q + Q / 2); // after the eighth rest; a bare 'q' only sets the duration
    EXPECT_EQ(notes[12].accent, -16);
}

TEST(MusicScore, PartLinesGoOnAndEqualsStrikesTheLastChordAgain) {
    const Score score = parseScore(Head + "part a program 1\n"
                                          "part d drums\n"
                                          "section A\n"
                                          "  a: [C4 E4]q =e =e_\n"
                                          "     =h |\n"
                                          "  d: e [kick> hat_] (hat)*7 |\n"
                                          "form A\n");
    const auto& chords = score.sections[0].notes[0];
    ASSERT_EQ(chords.size(), 8u);
    EXPECT_EQ(chords[4].key, 60);
    EXPECT_EQ(chords[5].accent, -16);
    EXPECT_EQ(chords[6].start, 2 * Q);
    EXPECT_EQ(chords[7].length, 2 * Q);
    const auto& drums = score.sections[0].notes[1];
    ASSERT_EQ(drums.size(), 9u);
    EXPECT_EQ(drums[0].accent, 16);
    EXPECT_EQ(drums[1].accent, -16);
    EXPECT_EQ(drums[8].start, 7 * Q / 2);
}

TEST(MusicScore, RepeatsPatternsAndTheFormAddUp) {
    const Score score = parseScore(Head + "part a program 1\n"
                                          "pattern run\n"
                                          "  C4e D E F\n"
                                          "section A\n"
                                          "  a: (C4q D)*2 | @run+2*2 |\n"
                                          "section B rit 60\n"
                                          "  a: !p @run G4h\n"
                                          "form A*2 B-12\n");
    const Section& a = score.sections[0];
    EXPECT_EQ(a.length, 8 * Q);
    ASSERT_EQ(a.notes[0].size(), 12u);
    EXPECT_EQ(a.notes[0][3].start, 3 * Q);
    EXPECT_EQ(a.notes[0][4].key, 62); // the run, a tone up
    EXPECT_EQ(a.notes[0][11].start, 7 * Q + Q / 2);
    EXPECT_EQ(score.sections[1].notes[0][0].level, 48); // the pattern takes the dynamic where it is used

    const Arrangement arrangement = arrange(score);
    EXPECT_EQ(arrangement.notes[0].size(), 12u * 2 + 5);
    EXPECT_EQ(arrangement.musicEnd, 20u * Q);
    EXPECT_EQ(arrangement.notes[0].back().key, 67 - 12);
    // Sixteen quarters at 120, then four slowing evenly from 120 to 60.
    EXPECT_NEAR(secondsAt(arrangement, 16 * Q), 8.0, 1e-9);
    EXPECT_NEAR(secondsAt(arrangement, 20 * Q), 8.0 + 0.5 + 0.6 + 0.75 + 1.0, 1e-9);
    EXPECT_EQ(arrangement.tempos.size(), 4u);
    EXPECT_EQ(arrangement.end, 20u * Q + 2 * Q); // the two-second tail at 60
}

TEST(MusicScore, SwingStrumAndStressShapeThePlaying) {
    const Score score = parseScore("tempo 100\nmeter 4/4\nswing 60\n"
                                   "part g program 26 strum 10 velocity 70\n"
                                   "section A\n"
                                   "  g: C4e D [C3 G3 E4]q !f F4e> r h\n"
                                   "form A\n");
    const auto notes = arrange(score).notes[0];
    ASSERT_EQ(notes.size(), 6u);
    EXPECT_EQ(notes[0].velocity, 70 + 6);                             // downbeat
    EXPECT_EQ(notes[1].on, static_cast<std::uint32_t>(Q * 60 / 100)); // the off-beat comes late
    EXPECT_EQ(notes[1].off, static_cast<std::uint32_t>(Q));
    EXPECT_EQ(notes[2].on, static_cast<std::uint32_t>(Q)); // lowest chord note first
    EXPECT_EQ(notes[3].on, static_cast<std::uint32_t>(Q + 10));
    EXPECT_EQ(notes[4].on, static_cast<std::uint32_t>(Q + 20));
    EXPECT_EQ(notes[4].key, 64);
    EXPECT_EQ(notes[5].velocity, 86 + 16 + 2); // forte, accented, on the third beat
}

TEST(MusicScore, FaultsNameTheirLine) {
    const std::vector<Fault> faults = {
        {oneLine("C4q H4q"), 5, "cannot read 'H4q'"},
        {oneLine("Cq"), 5, "needs an octave"},
        {oneLine("C4"), 5, "needs a duration"},
        {oneLine("C4q D E | F"), 5, "bar line falls 3 beats into bar 1"},
        {oneLine("C4q~ D4q"), 5, "tie from C4 finds no C4"},
        {oneLine("C4h~ rh"), 5, "tie cannot end on a rest"},
        {oneLine("(C4q D)"), 5, "followed by the number of times"},
        {oneLine("[C4 E G q"), 5, "no ']' closes"},
        {oneLine("kick"), 5, "pitches are written in capitals"},
        {oneLine("C4q @nothing"), 5, "no pattern named 'nothing'"},
        {oneLine("C4w", "A B"), 6, "'B', which is no section"},
        {oneLine("C4w", "A+80"), 6, "transposition must be a whole number from -24 to 24"},
        {oneLine("G9w", "A+12"), 6, "outside the MIDI keys"},
        {Head + "part a program 1\npart b program 2\nsection A\n  a: C4w\n  b: C4h\nform A\n", 7,
         "b lasts 2 beats but a lasts 4"},
        {Head + "part a program 1\npattern p\n  C4q @p\nsection A\n  a: @p\nform A\n", 5,
         "pattern 'p' uses itself (in pattern p, used on line 7)"},
        {Head + "part a program 129\n", 3, "the program must be a whole number from 1 to 128"},
        {Head + "part a program 1\npart a program 2\n", 4, "already on line 3"},
        {Head + "part d drums\nsection A\n  d: q kick snare D4 kick\nform A\n", 5,
         "plays drums, not the pitch"},
        {Head + "part a program 1\ntempo 90\n", 4, "belongs in the head"},
        {"meter 4/4\npart a program 1\n", 2, "sets no tempo"},
        {"tempo 120\nmeter 5/7\n", 2, "the beat unit must be 2, 4, 8 or 16"},
        {Head + "part a program 1\nsection A\n  a: C4w\n", 0, "no form"},
        {oneLine("= C4w"), 5, "'=' repeats the note or chord before it, and there is none"},
        {oneLine("(C4q D E F |\n  a: )*2"), 5, "no ')' on this line closes"},
        {oneLine("C4h D4h~"), 5, "the tie from D4 goes past the end"},
        {Head + "part a program 1\nsection A\n  C4w\n", 5, "starts with its part's name"},
        {Head + "part a program 1\nsection A rit 130\n  a: C4w\nform A\n", 4, "must be below"},
        {Head + "part d drums\npart e drums\n", 4, "has a drum part already"},
        {Head + "part d drums\npattern p\n  q kick\nsection A\n  d: @p+2 rh.\nform A\n", 7,
         "cannot transpose"},
    };
    for (const Fault& fault : faults) {
        try {
            arrange(parseScore(fault.score));
            ADD_FAILURE() << "no fault found in:\n" << fault.score;
        } catch (const ScoreError& error) {
            EXPECT_EQ(error.line(), fault.line) << error.what();
            EXPECT_NE(std::string(error.what()).find(fault.says), std::string::npos)
                << "'" << error.what() << "' does not say '" << fault.says << "'";
        }
    }
}

// The game's own scores: each composes, lasts a minute and a half or so, and stays a
// quiet background; no two share tempo and key.
TEST(MusicScore, OreveinsTracksComposeIntoQuietTracksOfTheirLength) {
    const auto folder = std::filesystem::path(__FILE__).parent_path() / "../../games/orevein/music";
    std::set<std::pair<double, int>> tempoAndKey;
    for (int n = 0; n < 5; ++n) {
        const auto path = folder / ("track" + std::to_string(n) + ".score");
        QFile file(QString::fromStdString(path.string()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        const QByteArray text = file.readAll();
        try {
            const Score score = parseScore(std::string_view(text.constData(), text.size()));
            const Arrangement arrangement = arrange(score);
            const double seconds = secondsAt(arrangement, arrangement.end);
            EXPECT_GE(seconds, 75) << path;
            EXPECT_LE(seconds, 125) << path;
            for (std::size_t p = 0; p < arrangement.parts.size(); ++p) {
                EXPECT_GE(arrangement.parts[p].volume, 60) << path << " " << arrangement.parts[p].name;
                EXPECT_LE(arrangement.parts[p].volume, 90) << path << " " << arrangement.parts[p].name;
                for (const TimedNote& note : arrangement.notes[p]) {
                    ASSERT_LE(note.velocity, 110) << path << " " << arrangement.parts[p].name;
                }
            }
            EXPECT_FALSE(toMidiFile(arrangement).empty());
            tempoAndKey.insert({score.tempo, score.key ? score.key->sharps : 99});
        } catch (const ScoreError& error) {
            ADD_FAILURE() << path << ":" << error.line() << ": " << error.what();
        }
    }
    EXPECT_EQ(tempoAndKey.size(), 5u);
}
