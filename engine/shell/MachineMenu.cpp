#include "engine/shell/MachineMenu.h"

#include "engine/audio/MachineAudio.h"
#include "engine/core/ClampedMath.h"
#include "engine/core/Game.h"
#include "engine/core/HelpViewer.h"
#include "engine/display/MachineSurface.h"
#include "engine/machine/SlotMachine.h"
#include "engine/records/PaybackReturns.h"
#include "engine/records/SaveOpenWindow.h"
#include "engine/records/StatisticsWindow.h"
#include "engine/shell/Autoplay.h"
#include "engine/shell/AutoplayWindow.h"
#include "engine/shell/GameHistoryWindow.h"
#include "engine/shell/GameKeeper.h"
#include "engine/shell/LoanDeskWindow.h"
#include "engine/shell/PayChartWindow.h"
#include "engine/shell/PlayerSettings.h"
#include "engine/shell/PublisherPage.h"
#include "engine/shell/SoundSettings.h"
#include "engine/shell/StartupValues.h"
#include "engine/shell/VolumeWindow.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <utility>

namespace slotmachine {

namespace {

// Shows `keys` beside `action` in its menu. The keys work on the action only while
// its menu is open; on the machine the window's own key handling runs them (see
// MachineWindow::keyPressEvent), so that a key first stops autoplay and the
// machine's own keys stay as they are.
void showShortcut(QAction* action, const QKeySequence& keys) {
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
}

// The publisher's lines of the Version box.
constexpr const char* PublisherDistributor =
    QT_TRANSLATE_NOOP("MachineMenu", "Distributed by Brightplay Games");
constexpr const char* PublisherRights =
    QT_TRANSLATE_NOOP("MachineMenu", "\u00a9 2026 Brightplay Games. All rights reserved.");

} // namespace

MachineMenu::MachineMenu(QMainWindow& window, const QString& gameTitle) : window_(window) {
    createMenu(gameTitle);
}

void MachineMenu::setParts(const MenuParts& parts) {
    parts_.emplace(parts);
    parts.machine.addPlayListener(this, [this](const PlayRecord& play) { session_.add(play); });
    followMachine();
}

void MachineMenu::setPlayOptions(PlayerSettings& settings, Autoplay& autoplay) {
    settings_ = &settings;
    autoplay_ = &autoplay;
    quickSpinAction_->setChecked(parts_->machine.quickSpin());
    adviceAction_->setChecked(settings.flag(QStringLiteral("ShowAdvice"), false));
    parts_->machine.game().showAdvice(adviceAction_->isChecked());
    for (QMenu* menu : {fileMenu_, optionsMenu_, helpMenu_}) {
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { autoplay_->stop(AutoplayStop::Player); });
    }
}

MachineMenu::~MachineMenu() {
    if (parts_) {
        parts_->machine.removePlayListeners(this);
        parts_->keeper.setCommandEnded(nullptr);
    }
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
    menuBar_ = window_.menuBar();

    fileMenu_ = menuBar_->addMenu(tr("&File"));
    newGameAction_ = item(fileMenu_, tr("&New Game"), &MachineMenu::newGame);
    showShortcut(newGameAction_, QKeySequence(Qt::CTRL | Qt::Key_N));
    fileMenu_->addSeparator();
    openGameAction_ = item(fileMenu_, tr("&Open Game"), &MachineMenu::openGame);
    showShortcut(openGameAction_, QKeySequence(Qt::CTRL | Qt::Key_O));
    saveGameAction_ = item(fileMenu_, tr("&Save Game"), &MachineMenu::saveGame);
    showShortcut(saveGameAction_, QKeySequence(Qt::CTRL | Qt::Key_S));
    fileMenu_->addSeparator();
    // Ctrl+Q, as every desktop program quits; the menu shows the shortcut.
    item(fileMenu_, tr("E&xit"), &MachineMenu::exitGame)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    optionsMenu_ = menuBar_->addMenu(tr("&Options"));
    soundAction_ = item(optionsMenu_, tr("Sound"), &MachineMenu::switchSound);
    soundAction_->setCheckable(true);
    soundAction_->setChecked(true);
    musicAction_ = item(optionsMenu_, tr("Music"), &MachineMenu::switchMusic);
    musicAction_->setCheckable(true);
    musicAction_->setChecked(true);
    item(optionsMenu_, tr("&Volume\u2026"), &MachineMenu::showVolume);
    quickSpinAction_ = item(optionsMenu_, tr("&Quick Spin"), &MachineMenu::switchQuickSpin);
    quickSpinAction_->setCheckable(true);
    showShortcut(quickSpinAction_, QKeySequence(Qt::Key_F));
    showShortcut(item(optionsMenu_, tr("&Autoplay\u2026"), &MachineMenu::startAutoplay),
                 QKeySequence(Qt::Key_A));
    borrowAction_ = item(optionsMenu_, tr("&Borrow"), &MachineMenu::openLoanDesk);
    item(optionsMenu_, tr("&Stats"), &MachineMenu::showStatistics);
    showShortcut(item(optionsMenu_, tr("Game &History"), &MachineMenu::showGameHistory),
                 QKeySequence(Qt::Key_H));
    item(optionsMenu_, tr("&Payoffs"), &MachineMenu::showPayChart);
    adviceAction_ = item(optionsMenu_, tr("Show &Advice"), &MachineMenu::switchAdvice);
    adviceAction_->setCheckable(true);
    fullScreenAction_ = item(optionsMenu_, tr("F&ull Screen"), &MachineMenu::switchFullScreen);
    fullScreenAction_->setCheckable(true);
    showShortcut(fullScreenAction_, QKeySequence(Qt::Key_F11));

    helpMenu_ = menuBar_->addMenu(tr("&Help"));
    item(helpMenu_, tr("Version"), &MachineMenu::showVersion);
    helpMenu_->addSeparator();
    showShortcut(item(helpMenu_,
                      //: The Help menu's item that opens the game's manual; %1 is the game's name.
                      tr("&%1 Manual").arg(gameTitle), &MachineMenu::showManual),
                 QKeySequence(Qt::Key_F1));
    helpMenu_->addSeparator();
    item(helpMenu_, tr("&Brightplay Homepage"), &MachineMenu::showPublisherPage);
    helpMenu_->addSeparator();
    item(helpMenu_, tr("&Company Information"), &MachineMenu::showCompanyInformation);

    // Commands that replace the game wait until the spin or bonus game has ended.
    QObject::connect(fileMenu_, &QMenu::aboutToShow, fileMenu_, [this] {
        if (parts_) {
            updateCommandAvailability();
        }
    });
    QObject::connect(optionsMenu_, &QMenu::aboutToShow, optionsMenu_, [this] {
        if (parts_) {
            updateCommandAvailability();
        }
    });
}

void MachineMenu::updateCommandAvailability() {
    fullScreenAction_->setChecked(window_.isFullScreen());
    const bool free = canReplaceGame();
    for (QAction* action : {newGameAction_, openGameAction_, saveGameAction_, borrowAction_}) {
        action->setEnabled(free);
    }
}

bool MachineMenu::runShortcut(const QKeySequence& keys) {
    updateCommandAvailability();
    for (QMenu* menu : {fileMenu_, optionsMenu_, helpMenu_}) {
        for (QAction* action : menu->actions()) {
            if (!action->shortcut().isEmpty() && action->shortcut() == keys) {
                if (action->isEnabled()) {
                    action->trigger();
                }
                return true;
            }
        }
    }
    return false;
}

void MachineMenu::switchFullScreen() {
    window_.setWindowState(window_.windowState() ^ Qt::WindowFullScreen);
    fullScreenAction_->setChecked(window_.isFullScreen());
}

bool MachineMenu::canReplaceGame() const {
    return parts_->machine.canReplaceGame() && !parts_->keeper.closing();
}

void MachineMenu::newGame() {
    if (canReplaceGame() && parts_->machine.newGame()) {
        parts_->keeper.store();
    }
}

void MachineMenu::openGame() {
    showSaveOpen(false);
}

void MachineMenu::saveGame() {
    showSaveOpen(true);
}

void MachineMenu::showSaveOpen(bool saveMode) {
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
        SaveOpenWindow window(state, parts_->machine.recallLog(), parts_->records, parts_->dialogs, parts_->help, parts_->values.GameTitle, saveMode,
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

void MachineMenu::exitGame() {
    parts_->machine.state().StopReels = true;
    window_.close();
}

void MachineMenu::openLoanDesk() {
    if (!canReplaceGame()) {
        return;
    }
    const GameState& state = parts_->machine.state();
    const std::int32_t creditsBefore = addClamped(state.Credits, state.Coins);
    const std::int32_t borrowedBefore = state.Borrowed;
    {
        LoanDeskWindow window(parts_->machine.state(), parts_->surface.pictures(), parts_->surface.geometry().layoutWidth,
                        parts_->dialogs, parts_->help, parentWindow());
        window.exec();
    }
    // A loan raises what is owed, a payback lowers it.
    if (state.Borrowed > borrowedBefore) {
        parts_->machine.recordLoanDesk(PlayKind::Loan, state.Borrowed - borrowedBefore, creditsBefore);
    } else if (state.Borrowed < borrowedBefore) {
        parts_->machine.recordLoanDesk(PlayKind::Payback, borrowedBefore - state.Borrowed, creditsBefore);
    }
    parts_->machine.FullRepaint();
    parts_->keeper.store();
}

void MachineMenu::showStatistics() {
    const GameValues& values = parts_->machine.game().values();
    StatisticsWindow window(parts_->machine.state(),
                            PlayFigures{parts_->machine.recallLog(), session_, values,
                                        paybackReturnsResource(values.programName)},
                            parentWindow());
    window.exec();
}

void MachineMenu::showGameHistory() {
    GameHistoryWindow window(parts_->machine.recallLog(), parts_->machine.game(), parts_->surface.pictures().SymbolSheet,
                             parts_->surface.geometry().layoutWidth, parentWindow());
    window.exec();
}

void MachineMenu::switchQuickSpin() {
    SlotMachine& machine = parts_->machine;
    machine.setQuickSpin(!machine.quickSpin());
    quickSpinAction_->setChecked(machine.quickSpin());
    settings_->setFlag(QuickSpinKey, machine.quickSpin());
}

void MachineMenu::startAutoplay() {
    if (parts_->keeper.closing()) {
        return;
    }
    autoplay_->stop(AutoplayStop::Player);
    AutoplayWindow window(loadAutoplayChoices(*settings_), parentWindow());
    if (window.exec() != QDialog::Accepted || parts_->keeper.closing()) {
        return;
    }
    saveAutoplayChoices(*settings_, window.choices());
    autoplay_->start(window.choices());
}

void MachineMenu::showPayChart() {
    PayChartWindow window(parts_->values.ProgramDir, parts_->dialogs, parts_->help, parentWindow());
    window.exec();
}

void MachineMenu::switchAdvice() {
    const bool on = adviceAction_->isChecked();
    parts_->machine.game().showAdvice(on);
    parts_->machine.game().adviceSwitched(parts_->machine);
    if (settings_) {
        settings_->setFlag(QStringLiteral("ShowAdvice"), on);
    }
}

void MachineMenu::showVersion() {
    const QString newline = QStringLiteral("\r\n");
    const StartupValues& values = parts_->values;
    parts_->dialogs.information(values.GameTitle + newline + tr("Version:  %1").arg(values.VersionText) +
                                newline + tr(PublisherDistributor) + newline + tr(PublisherRights));
}

void MachineMenu::showManual() {
    parts_->help.showContents();
}

void MachineMenu::showPublisherPage() {
    openPublisherPage(parts_->values, parts_->dialogs);
}

void MachineMenu::showCompanyInformation() {
    parts_->help.showTopic(HelpCompanyInformation);
}

void MachineMenu::switchSound() {
    GameState& state = parts_->machine.state();
    // A sound already playing plays on.
    state.SoundOn = !state.SoundOn;
    soundAction_->setChecked(state.SoundOn);
    rememberSoundSwitches();
}

void MachineMenu::switchMusic() {
    GameState& state = parts_->machine.state();
    state.MusicOn = !state.MusicOn;
    musicAction_->setChecked(state.MusicOn);
    parts_->audio.music().musicSwitched();
    rememberSoundSwitches();
}

void MachineMenu::rememberSoundSwitches() {
    if (settings_) {
        settings_->setFlag(SoundKey, parts_->machine.state().SoundOn);
        settings_->setFlag(MusicKey, parts_->machine.state().MusicOn);
    }
}

void MachineMenu::showVolume() {
    {
        VolumeWindow window(parts_->audio, parentWindow());
        window.exec();
    }
    if (settings_) {
        saveVolumes(*settings_, parts_->audio);
    }
}

void MachineMenu::followMachine() {
    parts_->keeper.setCommandEnded([this] { refreshItems(); });
}

void MachineMenu::refreshItems() {
    updateCommandAvailability();
    const GameState& state = parts_->machine.state();
    soundAction_->setChecked(state.SoundOn);
    musicAction_->setChecked(state.MusicOn);
    quickSpinAction_->setChecked(parts_->machine.quickSpin());
}

} // namespace slotmachine
