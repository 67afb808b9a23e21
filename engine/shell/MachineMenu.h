#pragma once

#include "engine/records/SessionTally.h"
#include "engine/shell/PlayerSettings.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <optional>

class QAction;
class QString;
class QMainWindow;
class QMenu;
class QMenuBar;
class QWidget;

namespace slotmachine {

class Autoplay;
class Dialogs;
class GameKeeper;
class GameRecords;
class HelpViewer;
class MachineAudio;
class MachineSurface;
class PlayerSettings;
class SlotMachine;
struct StartupValues;

// What the menu's commands work on; all of it outlives the menu.
struct MenuParts {
    SlotMachine& machine;
    GameRecords& records;
    Dialogs& dialogs;
    HelpViewer& help;
    const StartupValues& values;
    MachineSurface& surface;
    MachineAudio& audio;
    GameKeeper& keeper;
};

// The machine window's menu and its commands: File (New Game, Open Game, Save Game,
// Exit), Options (Sound, Music, Volume, Quick Spin, Autoplay, Borrow, Stats, Game History, Payoffs, Show Advice) and Help (Version, the
// manual, the publisher's page, Company Information). Every command runs through
// the GameKeeper, so a close that comes while one of its windows is open is
// finished after it.
class MachineMenu final {
    Q_DECLARE_TR_FUNCTIONS(MachineMenu)

public:
    // Fills the window's menu bar; the window's height below it depends on the menu,
    // so this comes before the machine that the commands work on exists.
    MachineMenu(QMainWindow& window, const QString& gameTitle);
    // What the commands work on, before any of them can run; from then on the menu
    // keeps this session's tally of the machine's plays for the statistics window.
    void setParts(const MenuParts& parts);
    // Quick spin and autoplay, with the settings that remember them; opening any
    // menu stops autoplay.
    void setPlayOptions(PlayerSettings& settings, Autoplay& autoplay);
    ~MachineMenu();
    MachineMenu(const MachineMenu&) = delete;
    MachineMenu& operator=(const MachineMenu&) = delete;

    // New Game, Open Game, Save Game and Borrow replace the game, so they wait
    // while a spin or bonus game runs, and after the close has begun.
    bool canReplaceGame() const;
    void updateCommandAvailability();
    // Runs the menu item that shows `keys` as its shortcut, as a click on it would
    // (nothing while it is unavailable); false when no item shows them.
    bool runShortcut(const QKeySequence& keys);
    // Every item's availability and check mark as the machine stands now; called
    // after every command the keeper runs, so a menu open during a spin follows it.
    void refreshItems();

    void newGame();
    void openGame();
    void saveGame();
    void exitGame();
    void switchSound();
    void switchMusic();
    // The volume window; the volumes it sets are kept in the player's settings.
    void showVolume();
    void openLoanDesk();
    void showStatistics();
    void showGameHistory();
    void switchQuickSpin();
    // The autoplay window; Start begins autoplay with the choices, which are kept.
    void startAutoplay();
    void showPayChart();
    // Show Advice on or off, kept in the player's settings.
    void switchAdvice();
    // The window to full screen and back (F11).
    void switchFullScreen();
    void showVersion();
    void showManual();
    void showPublisherPage();
    void showCompanyInformation();

private:
    void createMenu(const QString& gameTitle);
    QAction* item(QMenu* menu, const QString& caption, void (MachineMenu::*handler)());
    void showSaveOpen(bool saveMode);
    void followMachine();
    void rememberSoundSwitches();
    QWidget* parentWindow() const;

    QMainWindow& window_;
    std::optional<MenuParts> parts_;
    QMenuBar* menuBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* optionsMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* newGameAction_ = nullptr;
    QAction* openGameAction_ = nullptr;
    QAction* saveGameAction_ = nullptr;
    QAction* soundAction_ = nullptr;
    QAction* musicAction_ = nullptr;
    QAction* borrowAction_ = nullptr;
    QAction* quickSpinAction_ = nullptr;
    QAction* adviceAction_ = nullptr;
    QAction* fullScreenAction_ = nullptr;
    PlayerSettings* settings_ = nullptr;
    Autoplay* autoplay_ = nullptr;
    SessionTally session_;
};

} // namespace slotmachine
