#pragma once

#include "engine/audio/AudioOutput.h"
#include "engine/audio/MachineAudio.h"
#include "engine/bonus/BoxBonusWindow.h"
#include "engine/core/GameState.h"
#include "engine/core/HelpViewer.h"
#include "engine/core/MachineTimers.h"
#include "engine/core/Random.h"
#include "engine/display/MachineSurface.h"
#include "engine/machine/BlinkingLamps.h"
#include "engine/machine/EventLoopClock.h"
#include "engine/machine/SlotMachine.h"
#include "engine/shell/Autoplay.h"
#include "engine/shell/PlayerSettings.h"
#include "engine/shell/QtDialogs.h"
#include "engine/shell/StartupValues.h"
#include "engine/shell/TrayNotes.h"
#include "engine/shell/WinDisplay.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>


namespace slotmachine {

class Game;
class GameKeeper;
class GameRecords;
class HelpViewer;
class MachineAccessibility;
class MachineMenu;
class MachineView;

// The machine window: hosts the machine's surface, its timers and its menu
// (MachineMenu), and passes keys, pointer presses and the game timers' ticks to the
// engine. The GameKeeper decides when the game is stored and when a close ends.
class MachineWindow final : public QMainWindow, public MachineTimers {
public:
    // Creates the window and runs its start-up. Null when the program must end
    // (the symbol sheet is missing; the player has been told). The machine waits on
    // real time unless a tool that drives the window itself hands it a `clock`.
    // The player's settings (quick spin, autoplay's choices) are kept in the file
    // at `settingsPath`; without one, nothing is kept.
    static std::unique_ptr<MachineWindow> create(Game& game, GameRecords& records, AudioOutputs audio,
                                          const QString& programPath, Clock* clock = nullptr,
                                          const QString& settingsPath = QString());
    ~MachineWindow() override;

    SlotMachine& machine() { return *machine_; }
    MachineAudio& audio() { return *audio_; }
    MachineSurface& surface() { return *surface_; }
    const StartupValues& startupValues() const { return values_; }
    GameKeeper& keeper() { return *keeper_; }
    Autoplay& autoplay() { return *autoplay_; }
    const WinDisplay& winDisplay() const { return *winDisplay_; }

    // The program was asked to end (SIGTERM, SIGINT, SIGHUP): nobody may be there to
    // answer a message, so none waits any more, every window open is closed and the
    // machine window closes; the game is stored once the spin has settled.
    void endUnattended();

    // Another start of the game asked this copy to come forward (see RunningCopy);
    // `activationToken` is the one that start was given, if any.
    void comeForward(const QString& activationToken);

    void start(MachineTimer timer) override;
    void stop(MachineTimer timer) override;
    bool isActive(MachineTimer timer) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    MachineWindow(Game& game, GameRecords& records, AudioOutputs audio, const QString& programPath, Clock* clock,
                  const QString& settingsPath);
    bool startUp();
    void createView();
    void connectTimers();
    void pressAt(QPoint position);
    void keyPressed(int virtualKey);
    // A press on the game's control over `reel`, as keys 1 to 3 give it.
    void pressReelControlAsKey(int reel);
    // The coin tray shows that autoplay runs and how many spins are left, or why it
    // stopped, until the player's next key or press.
    void showAutoplay();
    // A key or press of the player's: cuts a big win's moment short, stops autoplay
    // (true: the input is spent on that), and takes a stop note off the coin tray.
    bool interruptAutoplay();
    // While the win lamps flash: the paid symbols framed, what won on the coin tray.
    void showWin(bool shown);
    // The start timer's one tick: the music, the start sound, and Busy cleared.
    void finishStartUp();
    // Hands a player's command (or a game timer's tick) to the machine through the keeper.
    void forward(const std::function<void()>& command);
    // Makes whatever runs end soon: timers, sound and music stop, the spin settles
    // without waits, and every window open on the machine closes.
    void shutDown();
    QTimer& timer(MachineTimer which);
    const QTimer& timer(MachineTimer which) const;

    Game& game_;
    GameRecords& records_;
    QString programPath_;
    StartupValues values_;
    GameState state_;
    Random random_;
    EventLoopClock realClock_;
    Clock& clock_;
    AudioOutputs audioOutputs_;
    std::unique_ptr<MachineAudio> audio_;
    QtDialogs dialogs_;
    std::unique_ptr<BoxBonusWindow> bonusGame_;
    std::unique_ptr<MachineSurface> surface_;
    std::unique_ptr<SlotMachine> machine_;
    std::unique_ptr<GameKeeper> keeper_;
    PlayerSettings settings_;
    std::unique_ptr<Autoplay> autoplay_;
    std::unique_ptr<BlinkingLamps> lamps_;
    MachineView* view_ = nullptr;
    std::unique_ptr<TrayNotes> trayNotes_;
    std::unique_ptr<WinDisplay> winDisplay_;
    std::unique_ptr<HelpViewer> help_;
    std::unique_ptr<MachineMenu> menu_;
    // A child of the view, but gone before the machine it listens to.
    std::unique_ptr<MachineAccessibility> access_;

    // Every MachineTimer, in its order; the game feature timers tick the game's hook.
    std::array<QTimer, 8> timers_;
    // SLOTS_TRACE in the environment makes the window report its timings on
    // standard error, for the benchmarks.
    bool trace_ = false;
    bool firstPaintTraced_ = false;
};

} // namespace slotmachine
