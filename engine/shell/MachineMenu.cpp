#include "engine/shell/MachineMenu.h"

#include "engine/audio/MachineAudio.h"
#include "engine/display/MachineSurface.h"
#include "engine/game/Game.h"
#include "engine/records/SaveOpenWindow.h"
#include "engine/records/StatisticsWindow.h"
#include "engine/reels/SlotMachine.h"
#include "engine/shell/LoanDeskWindow.h"
#include "engine/shell/GameKeeper.h"
#include "engine/shell/HelpViewer.h"
#include "engine/shell/PayChartWindow.h"
#include "engine/shell/PublisherPage.h"
#include "engine/shell/StartupValues.h"
#include "engine/state/ClampedMath.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <utility>

namespace slotmachine {

namespace {

// The publisher's lines of the Version box.
constexpr const char* PublisherDistributor = "Distributed by Brightplay Games";
constexpr const char* PublisherRights = "\u00a9 2026 Brightplay Games. All rights reserved.";

} // namespace

MachineMenu::MachineMenu(QMainWindow& window, const QString& gameTitle) : window_(window) {
    createMenu(gameTitle);
}

QWidget* MachineMenu::parentWindow() const {
    return &window_;
}

QAction* MachineMenu::item(QMenu* menu, const QString& caption, void (MachineMenu::*handler)()) {
    QAction* action = menu->addAction(caption);
    QObject::connect(action, &QAction::triggered, action, [this, handler] {
        if (parts_) {
            parts_->keeper.run([this, handler] { (this->*handler)(); });
        }
    });
    return action;
}

void MachineMenu::createMenu(const QString& gameTitle) {
    MainMenu1 = window_.menuBar();

    File1 = MainMenu1->addMenu(QStringLiteral("&File"));
    NewGame1 = item(File1, QStringLiteral("&New Game"), &MachineMenu::NewGame1Click);
    File1->addSeparator();
    OpenGame1 = item(File1, QStringLiteral("&Open Game"), &MachineMenu::OpenGame1Click);
    SaveGame1 = item(File1, QStringLiteral("&Save Game"), &MachineMenu::SaveGame1Click);
    File1->addSeparator();
    // Ctrl+Q, as every desktop program quits; the menu shows the shortcut.
    item(File1, QStringLiteral("E&xit"), &MachineMenu::Exit1Click)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    Options1 = MainMenu1->addMenu(QStringLiteral("&Options"));
    Sound1 = item(Options1, QStringLiteral("Sound"), &MachineMenu::Sound1Click);
    Sound1->setCheckable(true);
    Sound1->setChecked(true);
    Music1 = item(Options1, QStringLiteral("Music"), &MachineMenu::Music1Click);
    Music1->setCheckable(true);
    Music1->setChecked(true);
    Borrow1 = item(Options1, QStringLiteral("&Borrow"), &MachineMenu::Borrow1Click);
    item(Options1, QStringLiteral("&Stats"), &MachineMenu::Stats1Click);
    item(Options1, QStringLiteral("&Payoffs"), &MachineMenu::Payoffs1Click);

    Help1 = MainMenu1->addMenu(QStringLiteral("&Help"));
    item(Help1, QStringLiteral("Version"), &MachineMenu::Version1Click);
    Help1->addSeparator();
    item(Help1, QStringLiteral("&") + gameTitle + QStringLiteral(" Manual"),
         &MachineMenu::GameManual1Click);
    Help1->addSeparator();
    item(Help1, QStringLiteral("&Brightplay Homepage"), &MachineMenu::PublisherHomepage1Click);
    Help1->addSeparator();
    item(Help1, QStringLiteral("&Company Information"), &MachineMenu::CompanyInformation1Click);

    // Commands that replace the game wait until the spin or bonus game has ended.
    QObject::connect(File1, &QMenu::aboutToShow, File1, [this] {
        if (parts_) {
            updateCommandAvailability();
        }
    });
    QObject::connect(Options1, &QMenu::aboutToShow, Options1, [this] {
        if (parts_) {
            updateCommandAvailability();
        }
    });
}

void MachineMenu::updateCommandAvailability() {
    const bool free = canReplaceGame();
    for (QAction* action : {NewGame1, OpenGame1, SaveGame1, Borrow1}) {
        action->setEnabled(free);
    }
}

bool MachineMenu::canReplaceGame() const {
    return parts_->machine.canReplaceGame() && !parts_->keeper.closing();
}

void MachineMenu::NewGame1Click() {
    if (canReplaceGame() && parts_->machine.newGame()) {
        parts_->keeper.store();
    }
}

void MachineMenu::OpenGame1Click() {
    showLoadSave(false);
}

void MachineMenu::SaveGame1Click() {
    showLoadSave(true);
}

void MachineMenu::showLoadSave(bool saveMode) {
    if (!canReplaceGame()) {
        return;
    }
    GameState& state = parts_->machine.state();
    // A bet placed but not yet spun belongs to the game that is saved or left, and so
    // does stock set aside for that spin.
    parts_->machine.game().returnStockSetAside(parts_->machine);
    const std::int32_t coins = std::exchange(state.Coins, 0);
    state.Credits = addClamped(state.Credits, coins);
    {
        SaveOpenWindow window(state, parts_->records, parts_->dialogs, parts_->help, parts_->values.GameTitle, saveMode,
                         parentWindow());
        if (window.listed() && !parts_->keeper.closing()) {
            window.exec();
        }
    }
    parts_->keeper.tellRecordsNotice();
    // The bet stays placed on the game now running, as far as its credits go.
    const std::int32_t replaced = std::min(coins, state.Credits);
    state.Credits -= replaced;
    state.Coins = replaced;
    parts_->machine.FullRepaint();
    // An opened game may hold a bonus game still to be played.
    parts_->machine.playDueBonus();
}

void MachineMenu::Exit1Click() {
    parts_->machine.state().StopReels = true;
    window_.close();
}

void MachineMenu::Borrow1Click() {
    if (!canReplaceGame()) {
        return;
    }
    {
        LoanDeskWindow window(parts_->machine.state(), parts_->surface.pictures(), parts_->surface.geometry().layoutWidth,
                        parts_->dialogs, parts_->help, parentWindow());
        window.exec();
    }
    parts_->machine.FullRepaint();
    parts_->keeper.store();
}

void MachineMenu::Stats1Click() {
    StatisticsWindow window(parts_->machine.state(), parentWindow());
    window.exec();
}

void MachineMenu::Payoffs1Click() {
    PayChartWindow window(parts_->values.ProgramDir, parts_->dialogs, parts_->help, parentWindow());
    window.exec();
}

void MachineMenu::Version1Click() {
    const QString newline = QStringLiteral("\r\n");
    const StartupValues& values = parts_->values;
    parts_->dialogs.information(values.GameTitle + newline + QStringLiteral("Version:  ") + values.VersionText +
                               newline + QLatin1String(PublisherDistributor) + newline +
                               QString::fromUtf8(PublisherRights));
}

void MachineMenu::GameManual1Click() {
    parts_->help.showContents();
}

void MachineMenu::PublisherHomepage1Click() {
    openPublisherPage(parts_->values, parts_->dialogs);
}

void MachineMenu::CompanyInformation1Click() {
    parts_->help.showTopic(HelpCompanyInformation);
}

void MachineMenu::Sound1Click() {
    GameState& state = parts_->machine.state();
    // A sound already playing plays on.
    state.SoundOn = !state.SoundOn;
    Sound1->setChecked(state.SoundOn);
}

void MachineMenu::Music1Click() {
    GameState& state = parts_->machine.state();
    state.MusicOn = !state.MusicOn;
    Music1->setChecked(state.MusicOn);
    parts_->audio.music().musicSwitched();
}

} // namespace slotmachine
