// The ring of music tracks and the sound effects' files, against recording
// back ends: which track plays when, and what is read at start.
#include "engine/audio/MachineAudio.h"
#include "engine/core/GameState.h"
#include "tests/support/Recorders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

struct MusicRingTest : ::testing::Test {
    QTemporaryDir dir;
    GameState state;
    EventLog log;
    RecordingEffects effects{log};
    RecordingMusic music{log};
    ScriptedDialogs dialogs{log};
    std::unique_ptr<MachineAudio> audio;

    QString programDir() const { return dir.path() + QLatin1Char('/'); }

    void withTracks(std::initializer_list<int> tracks) {
        for (const int n : tracks) {
            QFile file(dir.filePath(QStringLiteral("Synth%1.mid").arg(n)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        audio = std::make_unique<MachineAudio>(state, AudioOutputs{effects, music}, dialogs, programDir(),
                                               QStringLiteral("Synth"));
    }
    MusicRing& ring() { return audio->music(); }

    // Plays `count` tracks to their ends, as the start timer, the music tick and the
    // player's end-of-play reports would, and returns the tracks opened.
    std::vector<int> playRing(int count) {
        ring().startMusic();
        std::vector<int> played;
        for (int i = 0; i < count; ++i) {
            ring().startDueTrack();
            ring().startDueTrack(); // a second tick opens nothing more
            played.push_back(trackOf(music.opened.back()));
            music.playedToEnd();
        }
        return played;
    }
    static int trackOf(const QString& path) {
        return path.right(5).left(1).toInt(); // ".../Synth3.mid"
    }
};

} // namespace

TEST_F(MusicRingTest, TheTracksThatExistPlayInARing) {
    withTracks({1, 3});
    EXPECT_EQ(playRing(4), (std::vector<int>{1, 3, 1, 3}));
    EXPECT_EQ(music.opened.size(), 4);
}

TEST_F(MusicRingTest, AllFiveTracksPlayInOrderAndStartOver) {
    withTracks({0, 1, 2, 3, 4});
    EXPECT_EQ(playRing(7), (std::vector<int>{0, 1, 2, 3, 4, 0, 1}));
}

TEST_F(MusicRingTest, ASingleTrackRepeats) {
    withTracks({4});
    EXPECT_EQ(playRing(3), (std::vector<int>{4, 4, 4}));
}

TEST_F(MusicRingTest, TheEndOfATrackMakesTheNextOneDueAndClosesThePlayer) {
    withTracks({0, 2});
    ring().startMusic();
    EXPECT_EQ(state.MusicTrack, 10) << "the first track is due, not playing yet";
    ring().startDueTrack();
    EXPECT_EQ(state.MusicTrack, 0);
    log.clear();
    music.playedToEnd();
    EXPECT_EQ(state.MusicTrack, 12);
    EXPECT_EQ(log, EventLog{"Close"});
}

TEST_F(MusicRingTest, WithoutTrackFilesNothingIsEverOpened) {
    withTracks({});
    ring().startMusic();
    ring().startDueTrack();
    EXPECT_EQ(state.MusicTrack, 9);
    state.MusicOn = false;
    ring().musicSwitched();
    state.MusicOn = true;
    ring().musicSwitched();
    EXPECT_TRUE(music.opened.isEmpty());
}

TEST_F(MusicRingTest, MusicOffStopsTheTrackAndOnAgainRestartsTheSameOne) {
    withTracks({0, 1, 2});
    ring().startMusic();
    ring().startDueTrack();
    music.playedToEnd();
    ring().startDueTrack();
    ASSERT_EQ(state.MusicTrack, 1);
    log.clear();

    state.MusicOn = false;
    ring().musicSwitched();
    ring().startDueTrack();
    state.MusicOn = true;
    ring().musicSwitched();
    EXPECT_EQ(log, (EventLog{"Close", "Open " + dir.filePath(QStringLiteral("Synth1.mid")).toStdString()}));
    EXPECT_EQ(state.MusicTrack, 1);
}

TEST_F(MusicRingTest, MusicSwitchedOffBeforeTheStartTimerStartsWhenSwitchedOnAgain) {
    withTracks({3});
    state.MusicOn = false; // the start timer then leaves the ring alone
    ring().musicSwitched();
    state.MusicOn = true;
    ring().musicSwitched();
    ring().startDueTrack();
    ASSERT_EQ(music.opened.size(), 1);
    EXPECT_EQ(trackOf(music.opened.back()), 3);
}

TEST_F(MusicRingTest, ATrackDueWhileMusicIsOffWaitsUntilItIsOnAgain) {
    withTracks({0, 1});
    ring().startMusic();
    ring().startDueTrack();
    music.playedToEnd(); // track 1 falls due ...
    state.MusicOn = false;
    ring().musicSwitched(); // ... and the player switches music off before the next tick
    ring().startDueTrack();
    EXPECT_EQ(music.opened.size(), 1) << "nothing plays while music is off";
    EXPECT_EQ(state.MusicTrack, 11);

    state.MusicOn = true;
    ring().musicSwitched();
    ring().startDueTrack();
    ASSERT_EQ(music.opened.size(), 2);
    EXPECT_EQ(trackOf(music.opened.back()), 1);
}

TEST_F(MusicRingTest, ATrackThatCannotPlayIsReportedOnceAndTriedAgainOnlyAfterMusicOffAndOn) {
    withTracks({2});
    music.failing << dir.filePath(QStringLiteral("Synth2.mid"));
    ring().startMusic();
    for (int tick = 0; tick < 5; ++tick) {
        ring().startDueTrack();
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages.front().find("Synth2.mid"), std::string::npos);
    EXPECT_NE(dialogs.messages.front().find("no music device"), std::string::npos);
    EXPECT_EQ(music.opened.size(), 1);

    state.MusicOn = false;
    ring().musicSwitched();
    state.MusicOn = true;
    ring().musicSwitched();
    EXPECT_EQ(music.opened.size(), 2);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(MusicRingTest, ThePrefixNamesTheTracksAndTheSoundsAndMayHoldAFolder) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sounds")));
    MachineAudio prefixed(state, AudioOutputs{effects, music}, dialogs, programDir(), QStringLiteral("sounds/Test"));
    EXPECT_EQ(prefixed.music().TrackList()[4], programDir() + QStringLiteral("sounds/Test4.mid"));
    prefixed.playSound(8, false);
    prefixed.playWinSound();
    EXPECT_EQ(log, (EventLog{"PlayFile " + (programDir() + QStringLiteral("sounds/Test8.wav")).toStdString(),
                             "PlayFile " + (programDir() + QStringLiteral("sounds/TestWin.wav")).toStdString() +
                                 " wait"}));
}

TEST_F(MusicRingTest, SoundsZeroAndThreeAreReadOnceAtStartAndPlayFromMemory) {
    withTracks({});
    for (const char* name : {"Synth0.wav", "Synth3.wav"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(name).repeated(3));
    }
    audio->effects().loadHeldSounds();
    QFile::remove(dir.filePath(QStringLiteral("Synth0.wav")));
    log.clear();

    audio->playSound(0, false);
    audio->playSound(3, false);
    audio->playSound(6, true);
    EXPECT_EQ(
        log, (EventLog{"PlayKept 0", "PlayKept 1",
                       "PlayFile " + (programDir() + QStringLiteral("Synth6.wav")).toStdString() + " wait"}));
    ASSERT_EQ(effects.kept.size(), 2u);
    EXPECT_EQ(effects.kept[0], QByteArray("Synth0.wav").repeated(3));
    EXPECT_EQ(effects.kept[1], QByteArray("Synth3.wav").repeated(3));
}
