// The player's sound settings as the start reads them, and the volume window's keys.
#include "engine/shell/SoundSettings.h"

#include "engine/audio/MachineAudio.h"
#include "engine/core/GameState.h"
#include "engine/shell/PlayerSettings.h"
#include "engine/shell/VolumeWindow.h"
#include "tests/support/Recorders.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace sound_settings_test {

struct SoundParts {
    GameState state;
    EventLog log;
    RecordingEffects effects{log};
    RecordingMusic music{log};
    ScriptedDialogs dialogs{log};
    MachineAudio audio{state, AudioOutputs{effects, music}, dialogs, QString(), QStringLiteral("Synth")};
};

void press(QWidget& widget, Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace sound_settings_test

using namespace sound_settings_test;

TEST(SoundSettings, AHandEditedFileReadsAsTheNearestSensibleValue) {
    struct Case {
        const char* file;
        bool soundOn;
        bool musicOn;
        int effects;
        int music;
    };
    const Case cases[] = {
        {"", true, true, 100, 100}, // the first start
        {"Sound=false\nMusic=0\n[Volume]\nEffects=40\nMusic=0\n", false, false, 40, 0},
        {"Sound=perhaps\nMusic=\n[Volume]\nEffects=-5\nMusic=9999\n", true, true, 0, 100},
        {"[Volume]\nEffects=loud\nMusic=99999999999999999999\n", true, true, 100, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("synthetic-slots-settings.ini"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("[General]\n") + c.file);
        file.close();
        SoundParts a;
        a.state.SoundOn = !c.soundOn;
        a.state.MusicOn = !c.musicOn;
        applySoundSettings(PlayerSettings(path), a.state, a.audio);
        EXPECT_EQ(a.state.SoundOn, c.soundOn);
        EXPECT_EQ(a.state.MusicOn, c.musicOn);
        EXPECT_EQ(a.effects.volume, c.effects) << "the back end hears it at start";
        EXPECT_EQ(a.music.volume, c.music);
    }
}

TEST(VolumeWindow, ArrowKeysMoveTheFocusedSliderAndAreHeardAtOnceTabMovesOnEnterAndEscapeClose) {
    SoundParts a;
    a.audio.setEffectsVolume(50);
    a.audio.setMusicVolume(100);
    for (const Qt::Key closeKey : {Qt::Key_Return, Qt::Key_Escape}) {
        VolumeWindow window(a.audio, nullptr);
        window.show();
        ASSERT_EQ(window.focusWidget(), window.effects) << "the effects slider first";
        press(*window.effects, Qt::Key_Right);
        EXPECT_EQ(a.effects.volume, 55);
        EXPECT_EQ(window.effectsValue->text(), QStringLiteral("55 %"));
        press(*window.effects, Qt::Key_Left);
        press(*window.effects, Qt::Key_Tab);
        ASSERT_EQ(window.focusWidget(), window.music);
        press(*window.music, Qt::Key_PageDown);
        EXPECT_EQ(a.music.volume, 80);
        EXPECT_EQ(a.audio.musicVolume(), 80);
        press(*window.music, Qt::Key_Tab);
        EXPECT_TRUE(qobject_cast<QPushButton*>(window.focusWidget())) << "then Close";
        press(*window.music, closeKey);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(a.audio.effectsVolume(), 50) << "what was set stays set";
        a.audio.setMusicVolume(100);
    }
}
