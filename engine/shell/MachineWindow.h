#pragma once

#include "engine/audio/AudioOutput.h"
#include "engine/audio/MachineAudio.h"
#include "engine/bonus/BoxBonusWindow.h"
#include "engine/display/BlinkingLamps.h"
#include "engine/display/MachineSurface.h"
#include "engine/display/MachineTimers.h"
#include "engine/reels/EventLoopClock.h"
#include "engine/reels/Random.h"
#include "engine/reels/SlotMachine.h"
#include "engine/shell/HelpViewer.h"
#include "engine/shell/QtDialogs.h"
#include "engine/shell/StartupValues.h"
#include "engine/state/GameState.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

class QAction;
class QMenu;
class QMenuBar;
class QScreen;

namespace slotmachine {

class Game;
class GameRecords;
class HelpViewer;
class MachineView;

// The machine window: hosts the machine's surface, its timers and its menu, and
// passes keys and pointer presses to the engine.
class TForm1 final : public QMainWindow, public MachineTimers {
public:
    // Creates the window and runs its start-up. Null when the program must end
    // (the symbol sheet is missing; the player has been told).
    static std::unique_ptr<TForm1> create(Game& game, GameRecords& records, AudioOutputs audio,
                                          const QString& programPath);
    ~TForm1() override;

    SlotMachine& machine() { return *machine_; }
    MachineAudio& audio() { return *audio_; }
    MachineSurface& surface() { return *surface_; }
    const StartupValues& startupValues() const { return values_; }

    void start(MachineTimer timer) override;
    void stop(MachineTimer timer) override;
    bool isActive(MachineTimer timer) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TForm1(Game& game, GameRecords& records, AudioOutputs audio, const QString& programPath);
    bool FormCreate();
    void createMenu();
    int layoutWidthOn(const QScreen& screen) const;
    void createView();
    void connectTimers();
    void showCentred(const QScreen& screen);
    void FormMouseDown(QPoint position);
    void FormKeyDown(int virtualKey);
    void Timer1Timer();
    // The menu's commands.
    void NewGame1Click();
    void OpenGame1Click();
    void SaveGame1Click();
    void Exit1Click();
    void Sound1Click();
    void Music1Click();
    void Borrow1Click();
    void Stats1Click();
    void Payoffs1Click();
    void Version1Click();
    void GameManual1Click();
    void PublisherHomepage1Click();
    void CompanyInformation1Click();
    // New Game, Open Game, Save Game and Borrow wait while a spin or bonus game runs.
    bool canReplaceGame() const;
    void updateCommandAvailability();
    void showLoadSave(bool saveMode);
    // Writes the running game to the record file; a failure is reported once.
    void storeRunningGame();
    GameState gameToStore() const;
    // Runs a player's command; a close that came while it ran is finished after it.
    template <typename Command>
    void runCommand(Command command);
    void finishClose();
    QTimer& timer(MachineTimer which);
    const QTimer& timer(MachineTimer which) const;

    Game& game_;
    GameRecords& records_;
    QString programPath_;
    StartupValues values_;
    GameState state_;
    Random random_;
    EventLoopClock clock_;
    AudioOutputs audioOutputs_;
    std::unique_ptr<MachineAudio> audio_;
    QtDialogs dialogs_;
    std::unique_ptr<BoxBonusWindow> bonusGame_;
    std::unique_ptr<MachineSurface> surface_;
    std::unique_ptr<SlotMachine> machine_;
    std::unique_ptr<BlinkingLamps> lamps_;
    MachineView* view_ = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QMenu* File1 = nullptr;
    QMenu* Options1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* NewGame1 = nullptr;
    QAction* OpenGame1 = nullptr;
    QAction* SaveGame1 = nullptr;
    QAction* Sound1 = nullptr;
    QAction* Music1 = nullptr;
    QAction* Borrow1 = nullptr;
    std::unique_ptr<HelpViewer> help_;

    // Timer1 to Timer8; game timers (Timer6 to Timer8) tick the game's hook.
    std::array<QTimer, 8> timers_;
    // SLOTS_TRACE in the environment makes the window report its timings on
    // standard error, for the benchmarks.
    bool trace_ = false;
    bool firstPaintTraced_ = false;
    bool closing_ = false;
    bool closeStarted_ = false;
    bool closeDone_ = false;
    bool storeFailureShown_ = false;
};

} // namespace slotmachine
