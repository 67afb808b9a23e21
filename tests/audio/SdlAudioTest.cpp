// The SDL back end on SDL's dummy device, which plays in real time: waits last as
// long as their sounds, a new sound cuts off the old one, and MIDI tracks played
// through FluidSynth report their ends so that the ring moves on.
#include "engine/audio/MachineAudio.h"
#include "engine/audio/sdl/SdlAudio.h"
#include "engine/core/GameState.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/MachineTimers.h"
#include "engine/core/Random.h"
#include "engine/machine/SlotMachine.h"
#include "engine/machine/VirtualClock.h"
#include "tests/support/Recorders.h"
#include "tests/support/SyntheticGame.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <SDL_mixer.h>
#include <cmath>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

// A sine tone of the given length as a 16-bit mono WAV file.
void writeTone(const QString& path, int milliseconds) {
    constexpr int rate = 22050;
    const quint32 frames = static_cast<quint32>(rate * milliseconds / 1000);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + frames * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(frames * 2);
    for (quint32 i = 0; i < frames; ++i) {
        out << static_cast<qint16>(8000 * std::sin(i * 0.06));
    }
}

// A MIDI file of one piano note lasting `quarterTicks` of 480 per half second.
void writeNote(const QString& path, int ticks) {
    QByteArray track = QByteArray::fromHex("00FF510307A120" "00C000" "00903C64");
    track += static_cast<char>(0x80 | (ticks >> 7));
    track += static_cast<char>(ticks & 0x7F);
    track += QByteArray::fromHex("803C00" "00FF2F00");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.writeRawData("MThd", 4);
    out << quint32(6) << quint16(0) << quint16(1) << quint16(480);
    out.writeRawData("MTrk", 4);
    out << quint32(track.size());
    out.writeRawData(track.constData(), static_cast<int>(track.size()));
}

struct SdlAudioTest : ::testing::Test {
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    static qint64 timed(const std::function<void()>& action) {
        QElapsedTimer elapsed;
        elapsed.start();
        action();
        return elapsed.elapsed();
    }
};

} // namespace

TEST_F(SdlAudioTest, AWaitLastsAsLongAsItsSoundAndAMissingFilePlaysTheDefaultSound) {
    SdlAudio sdl;
    ASSERT_TRUE(sdl.hasDevice()) << "SDL_AUDIODRIVER=dummy gives a device";
    EffectsOutput& effects = sdl.outputs().effects;
    writeTone(path("Tone.wav"), 400);

    // Well short of the 400 ms sound, whatever else the machine is doing meanwhile.
    EXPECT_LT(timed([&] { effects.playFile(path("Tone.wav"), false); }), 250) << "no wait asked";
    // The mixer lets go of a sound when it hands its last buffer to the device, a
    // buffer or two before the sound is heard to end.
    const qint64 waited = timed([&] { effects.playFile(path("Tone.wav"), true); });
    EXPECT_GE(waited, 330);
    EXPECT_LT(waited, 800);
    const qint64 missing = timed([&] { effects.playFile(path("Nowhere.wav"), true); });
    EXPECT_GE(missing, 220) << "the default sound (300 ms) is heard and waited for";
    EXPECT_LT(missing, 800);
}

TEST_F(SdlAudioTest, ANewSoundCutsOffTheOneStillPlaying) {
    SdlAudio sdl;
    EffectsOutput& effects = sdl.outputs().effects;
    writeTone(path("Long.wav"), 2000);
    writeTone(path("Short.wav"), 200);

    effects.playFile(path("Long.wav"), false);
    const qint64 waited = timed([&] { effects.playFile(path("Short.wav"), true); });
    EXPECT_LT(waited, 600);
    EXPECT_EQ(Mix_Playing(0), 0) << "the long sound went when the short one started";

    // Silence ends a wait in progress, as a close does.
    effects.playFile(path("Long.wav"), false);
    QTimer::singleShot(100, [&] { effects.silence(); });
    EXPECT_LT(timed([&] { effects.playFile(path("Long.wav"), true); }), 700);
}

TEST_F(SdlAudioTest, KeptSoundsPlayFromMemoryAndBadImagesAreRefused) {
    SdlAudio sdl;
    EffectsOutput& effects = sdl.outputs().effects;
    writeTone(path("Click.wav"), 150);
    QFile file(path("Click.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const int handle = effects.keep(file.readAll());
    ASSERT_GE(handle, 0);
    effects.playKept(handle);
    EXPECT_EQ(Mix_Playing(0), 1);
    EXPECT_EQ(effects.keep(QByteArray("RIFF and nothing more")), -1);
    EXPECT_EQ(effects.keep(QByteArray()), -1);
    effects.playKept(-1); // the default sound, not a crash
}

TEST_F(SdlAudioTest, WithoutADeviceTheGameIsSilentButWaitsKeepTheirTime) {
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    {
        SdlAudio sdl;
        qputenv("SDL_AUDIODRIVER", driver);
        EXPECT_FALSE(sdl.hasDevice());
        writeTone(path("Tone.wav"), 300);
        const qint64 waited = timed([&] { sdl.outputs().effects.playFile(path("Tone.wav"), true); });
        EXPECT_GE(waited, 290);
        EXPECT_LT(waited, 700);
        QString error;
        EXPECT_TRUE(sdl.outputs().music.openAndPlay(path("Synth0.mid"), error))
            << "no error box without a device";
    }
    qputenv("SDL_AUDIODRIVER", driver);
}

TEST_F(SdlAudioTest, AWinWaitsForTheWinSoundUnlessSoundIsOff) {
    writeTone(path("SynthWin.wav"), 500);
    SdlAudio sdl;
    GameState state;
    SyntheticGame game;
    Random random(1);
    VirtualClock clock; // the count-up's steps take no real time, the sound does
    EventLog log;
    ScriptedDialogs dialogs(log);
    BlankDisplay display;
    TimerFlags timers;
    ScriptedBonusGame bonus(log);
    MachineAudio audio(state, sdl.outputs(), dialogs, dir.path() + QLatin1Char('/'), QStringLiteral("Synth"));
    SlotMachine machine({state, game, random, clock, audio, dialogs, display, timers, bonus});
    machine.powerOn();

    const auto winThreeZeros = [&] {
        state.ReelStop = {30, 10, 20}; // zeros on the payline: 100 a coin
        state.Coins = 1;
        return timed([&] { machine.evaluatePayline(); });
    };
    const qint64 withSound = winThreeZeros();
    EXPECT_EQ(machine.lastSpin().lineWin, 100);
    // The mixer lets go of a sound when it hands its last buffer to the device,
    // a buffer's length before the sound is heard to end.
    EXPECT_GE(withSound, 400);
    state.SoundOn = false;
    EXPECT_LT(winThreeZeros(), 100) << "straight to the count-up";
    EXPECT_EQ(machine.lastSpin().lineWin, 100);
    EXPECT_EQ(state.Credits, 1200);
}

// FluidSynth lets a track ring out for two seconds after its last event, so each
// of these short tracks takes about two and a quarter seconds.
TEST_F(SdlAudioTest, AMidiTrackPlayedToItsEndMovesTheRingOnButOneClosedByMusicOffDoesNot) {
    writeNote(path("Synth1.mid"), 240);
    writeNote(path("Synth3.mid"), 240);
    SdlAudio sdl;
    GameState state;
    EventLog log;
    ScriptedDialogs dialogs(log);
    MachineAudio audio(state, sdl.outputs(), dialogs, dir.path() + QLatin1Char('/'), QStringLiteral("Synth"));

    std::vector<int> started;
    QEventLoop loop;
    QTimer timer4;
    QObject::connect(&timer4, &QTimer::timeout, [&] {
        const bool due = state.MusicTrack >= 10;
        audio.startDueTrack();
        if (due) {
            started.push_back(state.MusicTrack);
        }
        if (started.size() == 2 || !dialogs.messages.empty()) {
            loop.quit();
        }
    });
    audio.music().startMusic();
    timer4.start(100);
    QTimer::singleShot(150, [&] {
        state.MusicOn = false;
        audio.music().musicSwitched();
    });
    QTimer::singleShot(2800, [&] {
        EXPECT_EQ(state.MusicTrack, 1) << "a closed track is not reported as ended";
        state.MusicOn = true;
        audio.music().musicSwitched(); // track 1 again, from its beginning
    });
    QTimer::singleShot(9000, &loop, &QEventLoop::quit);
    loop.exec();

    EXPECT_TRUE(dialogs.messages.empty()) << (dialogs.messages.empty() ? "" : dialogs.messages.front());
    EXPECT_EQ(started, (std::vector<int>{1, 3})) << "1 restarted by the switch, then 3 when it ended";
}
