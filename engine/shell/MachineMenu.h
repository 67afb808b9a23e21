#pragma once

#include <optional>

class QAction;
class QString;
class QMainWindow;
class QMenu;
class QMenuBar;
class QWidget;

namespace slotmachine {

class Dialogs;
class GameKeeper;
class GameRecords;
class HelpViewer;
class MachineAudio;
class MachineSurface;
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
// Exit), Options (Sound, Music, Borrow, Stats, Payoffs) and Help (Version, the
// manual, the publisher's page, Company Information). Every command runs through
// the GameKeeper, so a close that comes while one of its windows is open is
// finished after it.
class MachineMenu final {
public:
    // Fills the window's menu bar; the window's height below it depends on the menu,
    // so this comes before the machine that the commands work on exists.
    MachineMenu(QMainWindow& window, const QString& gameTitle);
    // What the commands work on, before any of them can run.
    void setParts(const MenuParts& parts) { parts_.emplace(parts); }
    MachineMenu(const MachineMenu&) = delete;
    MachineMenu& operator=(const MachineMenu&) = delete;

    // New Game, Open Game, Save Game and Borrow replace the game, so they wait
    // while a spin or bonus game runs, and after the close has begun.
    bool canReplaceGame() const;
    void updateCommandAvailability();

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

private:
    void createMenu(const QString& gameTitle);
    QAction* item(QMenu* menu, const QString& caption, void (MachineMenu::*handler)());
    void showLoadSave(bool saveMode);
    QWidget* parentWindow() const;

    QMainWindow& window_;
    std::optional<MenuParts> parts_;
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
};

} // namespace slotmachine
