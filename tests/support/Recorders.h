#pragma once

// Stand-ins for the machine's window, sound and dialogs that write what the
// engine asks of them into one shared log, so tests can check both effects and
// their order.

#include "engine/audio/AudioOutput.h"
#include "engine/core/Audio.h"
#include "engine/core/BonusGame.h"
#include "engine/core/Dialogs.h"
#include "engine/core/HelpViewer.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/MachineTimers.h"
#include "engine/machine/VirtualClock.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace slotmachine::testing {

using EventLog = std::vector<std::string>;

class RecordingDisplay final : public MachineDisplay {
public:
    explicit RecordingDisplay(EventLog& log) : log_(log) {}
    void ShowCredits() override { log_.push_back("ShowCredits"); }
    void ShowCoins() override { log_.push_back("ShowCoins"); }
    void ShowWinnings(std::int32_t counted) override {
        log_.push_back("ShowWinnings " + std::to_string(counted));
    }
    void DrawCaption(const QString& text, std::int32_t x, bool right) override {
        log_.push_back("DrawCaption " + text.toStdString() + " " + std::to_string(x) +
                       (right ? " right" : " left"));
    }
    void ShowBonusMeter() override { log_.push_back("ShowBonusMeter"); }
    void DrawButton(MachineButton button, bool lit) override {
        static const char* names[] = {"BetOne", "BetFive", "Spin"};
        log_.push_back(std::string("DrawButton ") + names[static_cast<int>(button)] +
                       (lit ? " lit" : " dim"));
    }
    void DrawLamp(Lamp lamp, bool lit) override {
        static const char* names[] = {"TitleGlass", "TitleStrip", "CoinSign"};
        log_.push_back(std::string("DrawLamp ") + names[static_cast<int>(lamp)] + (lit ? " lit" : " unlit"));
    }
    void DrawPayline() override { log_.push_back("DrawPayline"); }
    void DrawMachinePicture() override { log_.push_back("DrawMachinePicture"); }
    void DrawLogo() override { log_.push_back("DrawLogo"); }
    void DrawReelAtRest(int reel) override { log_.push_back("DrawReelAtRest " + std::to_string(reel)); }
    void DrawSpinFrame(int reel, std::int32_t offset) override {
        if (logFrames) {
            log_.push_back("DrawSpinFrame " + std::to_string(reel) + " " + std::to_string(offset));
        }
    }
    void HoldReelPicture(int reel) override { log_.push_back("HoldReelPicture " + std::to_string(reel)); }
    void DrawHeldReel(int reel, int dy) override {
        if (logFrames) {
            log_.push_back("DrawHeldReel " + std::to_string(reel) + " " + std::to_string(dy));
        }
    }
    void FillMovePicture(int reel, int first) override {
        log_.push_back("FillMovePicture " + std::to_string(reel) + " " + std::to_string(first));
    }
    void DrawMoveFrame(int reel, std::int32_t top) override {
        log_.push_back("DrawMoveFrame " + std::to_string(reel) + " " + std::to_string(top));
    }
    void TakeReelPicture(int reel, std::int32_t cut) override {
        log_.push_back("TakeReelPicture " + std::to_string(reel) + " " + std::to_string(cut));
    }
    void DrawPictureHalf(const QString& picture, const DesignRect& place, bool lit) override {
        log_.push_back("DrawPictureHalf " + picture.toStdString() + " " + std::to_string(place.left) +
                       (lit ? " lit" : " unlit"));
    }
    void DrawMaskedPictureHalf(const QString& picture, const QString& mask, const DesignRect& place,
                               bool lit) override {
        log_.push_back("DrawMaskedPictureHalf " + picture.toStdString() + " " + mask.toStdString() + " " +
                       std::to_string(place.top) + (lit ? " lit" : " unlit"));
    }
    void DrawMeter(std::int32_t value, std::int32_t x, MeterColour colour, bool right, int) override {
        log_.push_back("DrawMeter " + std::to_string(value) + " " + std::to_string(x) +
                       (colour == MeterColour::Green ? " green" : " red") + (right ? " right" : " left"));
    }
    void DrawTextBox(const DesignRect& place, const std::vector<TextBoxLine>& lines) override {
        std::string entry = "DrawTextBox " + std::to_string(place.left);
        for (const TextBoxLine& line : lines) {
            entry += " " + line.text.toStdString() + "@" + std::to_string(line.points);
        }
        log_.push_back(entry);
    }
    void DrawSymbolCell(int reel, int row, int cell) override {
        log_.push_back("DrawSymbolCell " + std::to_string(reel) + " " + std::to_string(row) + " " +
                       std::to_string(cell));
    }
    // Spin and bounce frames are many; tests that look at them turn this on.
    bool logFrames = false;

private:
    EventLog& log_;
};

// Sounds take time on the machine's clock as real ones would: a sound that is
// waited for lasts `waitedSoundMs` (the win sound `winSoundMs`).
class RecordingAudio final : public Audio {
public:
    RecordingAudio(EventLog& log, VirtualClock& clock) : log_(log), clock_(clock) {}
    void playSound(int number, bool waitForEnd) override {
        log_.push_back("Sound " + std::to_string(number) + (waitForEnd ? " wait" : ""));
        if (waitForEnd) {
            clock_.waitUntil(clock_.now() + waitedSoundMs);
        }
    }
    void playWinSound() override {
        log_.push_back("WinSound");
        clock_.waitUntil(clock_.now() + winSoundMs);
    }
    void startDueTrack() override { log_.push_back("StartDueTrack"); }

    std::int64_t waitedSoundMs = 400;
    std::int64_t winSoundMs = 1500;

private:
    EventLog& log_;
    VirtualClock& clock_;
};

// An audio back end's effects channel that logs what it is asked to play.
class RecordingEffects final : public EffectsOutput {
public:
    explicit RecordingEffects(EventLog& log) : log_(log) {}
    int keep(const QByteArray& fileImage) override {
        log_.push_back("Keep " + std::to_string(fileImage.size()) + " bytes");
        kept.push_back(fileImage);
        return static_cast<int>(kept.size()) - 1;
    }
    void playKept(int handle) override { log_.push_back("PlayKept " + std::to_string(handle)); }
    void playFile(const QString& path, bool waitForEnd) override {
        log_.push_back("PlayFile " + path.toStdString() + (waitForEnd ? " wait" : ""));
    }
    void silence() override { log_.push_back("Silence"); }
    void setVolume(int percent) override { volume = percent; }
    std::vector<QByteArray> kept;
    int volume = -1; // never set

private:
    EventLog& log_;
};

// An audio back end's music player that logs the tracks it opens; a track whose
// path is in `failing` cannot be played.
class RecordingMusic final : public MusicOutput {
public:
    explicit RecordingMusic(EventLog& log) : log_(log) {}
    bool openAndPlay(const QString& path, QString& error) override {
        log_.push_back("Open " + path.toStdString());
        opened.push_back(path);
        if (failing.contains(path)) {
            error = QStringLiteral("no music device");
            return false;
        }
        return true;
    }
    void close() override { log_.push_back("Close"); }
    void setVolume(int percent) override { volume = percent; }
    QStringList opened;
    int volume = -1; // never set
    QStringList failing;

private:
    EventLog& log_;
};

// A timer's name in the log.
inline std::string timerName(MachineTimer timer) {
    switch (timer) {
    case MachineTimer::StartUp:
        return "StartUp";
    case MachineTimer::ButtonBlinking:
        return "ButtonBlinking";
    case MachineTimer::WinLamps:
        return "WinLamps";
    case MachineTimer::MusicTick:
        return "MusicTick";
    case MachineTimer::CoinSignBlinking:
        return "CoinSignBlinking";
    case MachineTimer::GameFeature1:
        return "GameFeature1";
    case MachineTimer::GameFeature2:
        return "GameFeature2";
    case MachineTimer::GameFeature3:
        return "GameFeature3";
    }
    return "UnknownTimer";
}

class RecordingTimers final : public MachineTimers {
public:
    explicit RecordingTimers(EventLog& log) : log_(log) {}
    void start(MachineTimer timer) override {
        log_.push_back("Start " + timerName(timer));
        flags_.start(timer);
    }
    void stop(MachineTimer timer) override {
        log_.push_back("Stop " + timerName(timer));
        flags_.stop(timer);
    }
    bool isActive(MachineTimer timer) const override { return flags_.isActive(timer); }

private:
    EventLog& log_;
    TimerFlags flags_;
};

// Message boxes are answered at once and remembered.
class ScriptedDialogs final : public Dialogs {
public:
    explicit ScriptedDialogs(EventLog& log) : log_(log) {}
    void information(const QString& text) override {
        messages.push_back(text.toStdString());
        log_.push_back("Message " + text.toStdString());
    }
    void plain(const QString& text) override {
        messages.push_back(text.toStdString());
        log_.push_back("Plain " + text.toStdString());
    }
    void error(const QString& text) override {
        messages.push_back(text.toStdString());
        log_.push_back("Error " + text.toStdString());
    }
    // Answers the next input box with `inputAnswer`: the offered value is
    // recorded, and nullopt stands for Cancel.
    std::optional<QString> textInput(const QString& title, const QString&, const QString& value) override {
        log_.push_back("Input " + title.toStdString() + " [" + value.toStdString() + "]");
        offeredInputs.push_back(value.toStdString());
        return inputAnswer;
    }
    std::vector<std::string> messages;
    std::vector<std::string> offeredInputs;
    std::optional<QString> inputAnswer;

private:
    EventLog& log_;
};

// The help topics asked for; 0 stands for the manual's contents.
class RecordingHelp final : public HelpViewer {
public:
    void showContents() override { shown.push_back(0); }
    void showTopic(int topic) override { shown.push_back(topic); }
    std::vector<int> shown;
};

// The bonus game as a test scripts it: whatever `onPlay` does stands for the
// player's choice in the window.
class ScriptedBonusGame final : public BonusGame {
public:
    explicit ScriptedBonusGame(EventLog& log) : log_(log) {}
    bool play(GameContext& machine) override {
        log_.push_back("BonusGame");
        ++plays;
        if (onPlay) {
            onPlay(machine);
        }
        return boxOpened;
    }
    // False plays a game closed before a box was opened.
    bool boxOpened = true;
    std::function<void(GameContext&)> onPlay;
    int plays = 0;

private:
    EventLog& log_;
};

} // namespace slotmachine::testing
