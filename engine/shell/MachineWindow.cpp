#include "engine/shell/MachineWindow.h"

#include "engine/display/PictureChecks.h"
#include "engine/display/PointerInput.h"
#include "engine/game/Game.h"
#include "engine/records/GameRecords.h"
#include "engine/shell/MachineView.h"
#include "engine/records/LoadSaveWindow.h"
#include "engine/records/StatsForm.h"
#include "engine/shell/BorrowWindow.h"
#include "engine/shell/HelpWindow.h"
#include "engine/shell/PaychartWindow.h"
#include "engine/shell/HelpViewer.h"
#include "engine/shell/PublisherPage.h"
#include "engine/state/ClampedMath.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDateTime>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser> // HelpWindow hands out its browser
#include <algorithm>
#include <cstdio>
#include <utility>

namespace slotmachine {

namespace {

constexpr int TimerIntervals[] = {250, 200, 300, 100, 400, 300, 300, 300};

// The publisher's lines of the Version box.
constexpr const char* PublisherDistributor = "Distributed by Brightplay Games";
constexpr const char* PublisherRights = "\u00a9 2026 Brightplay Games. All rights reserved.";

// The machine's keys by their virtual key codes, whatever the shift state.
int virtualKeyOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyEnter;
    case Qt::Key_Space:
        return KeySpace;
    case Qt::Key_B:
        return KeyBetOne;
    case Qt::Key_M:
        return KeyBetFive;
    default:
        return 0;
    }
}

// What the record store has to tell the player (a damaged file moved aside).
void showRecordsNotice(GameRecords& records, Dialogs& dialogs) {
    if (const std::optional<QString> notice = records.takeNotice()) {
        dialogs.error(*notice);
    }
}

} // namespace

std::unique_ptr<TForm1> TForm1::create(Game& game, GameRecords& records, AudioOutputs audio,
                                       const QString& programPath) {
    std::unique_ptr<TForm1> window(new TForm1(game, records, audio, programPath));
    if (!window->FormCreate()) {
        return nullptr;
    }
    return window;
}

TForm1::TForm1(Game& game, GameRecords& records, AudioOutputs audio, const QString& programPath)
    : game_(game), records_(records), programPath_(programPath), audioOutputs_(audio), dialogs_(QString(), this) {
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        timers_[i].setInterval(TimerIntervals[i]);
    }
    timer(MachineTimer::Timer1).setSingleShot(true);
}

TForm1::~TForm1() {
    for (QTimer& t : timers_) {
        t.stop();
    }
}

QTimer& TForm1::timer(MachineTimer which) {
    return timers_[static_cast<std::size_t>(which) - 1];
}

const QTimer& TForm1::timer(MachineTimer which) const {
    return timers_[static_cast<std::size_t>(which) - 1];
}

void TForm1::start(MachineTimer which) {
    timer(which).start();
}

void TForm1::stop(MachineTimer which) {
    timer(which).stop();
}

bool TForm1::isActive(MachineTimer which) const {
    return timer(which).isActive();
}

bool TForm1::FormCreate() {
    random_.seedFromTimeOfDay();
    values_ = startupValuesFor(game_.values(), programPath_);
    state_.Busy = true;
    applyTestingIni(values_);
    setWindowTitle(values_.GameTitle);
    dialogs_ = QtDialogs(values_.GameTitle, this);
    help_ = std::make_unique<HelpWindow>(values_.ProgramDir + values_.ProgramBaseName + QStringLiteral(".html"),
                                         values_.GameTitle, dialogs_, this);
    createMenu();

    QScreen* screen = QGuiApplication::primaryScreen();
    // The built-in pictures are filed under the game's own program name, which a
    // renamed program file does not change.
    const GameValues& gameValues = game_.values();
    const QString builtInFolder =
        QString::fromUtf8(gameValues.programName.data(), static_cast<qsizetype>(gameValues.programName.size()));
    std::optional<MachinePictures> pictures = prepareMachinePictures(
        builtInPictures(builtInFolder), QDir(values_.ProgramDir), values_.SoundPrefix, screen->depth(), dialogs_);
    if (!pictures) {
        return false;
    }
    surface_ = std::make_unique<MachineSurface>(state_, game_, std::move(*pictures),
                                                SurfaceScreen{layoutWidthOn(*screen), screen->logicalDotsPerInch()});
    audio_ = std::make_unique<MachineAudio>(state_, audioOutputs_, dialogs_, values_.ProgramDir, values_.SoundPrefix);
    audio_->effects().loadHeldSounds();
    bonusGame_ = std::make_unique<BoxBonusWindow>(builtInFolder, values_.ProgramDir);
    machine_ = std::make_unique<SlotMachine>(
        MachineParts{state_, game_, random_, clock_, *audio_, dialogs_, *surface_, *this, *bonusGame_});
    machine_->setGeometry(surface_->geometry());
    lamps_ = std::make_unique<BlinkingLamps>(*machine_);
    createView();
    connectTimers();

    machine_->powerOn();
    records_.loadCurrentGame(state_);
    showRecordsNotice(records_, dialogs_);
    machine_->FullRepaint();
    game_.windowCreated(*machine_);

    start(MachineTimer::Timer1);
    start(MachineTimer::Timer2);
    start(MachineTimer::Timer4);
    start(MachineTimer::Timer5);
    showCentred(*screen);
    return true;
}

int TForm1::layoutWidthOn(const QScreen& screen) const {
    // The largest 4:3 area below the title and the menu, in device pixels.
    const QRect available = screen.availableGeometry();
    const int chrome = menuBar()->sizeHint().height() + style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const qreal ratio = screen.devicePixelRatio();
    const int width = layoutWidthFor(static_cast<int>((available.width() - 10) * ratio),
                                     static_cast<int>((available.height() - 10 - chrome) * ratio));
    return std::max(DesignWidth / 4, width);
}

void TForm1::createView() {
    view_ = new MachineView(this);
    setCentralWidget(view_);
    view_->setSurface(&surface_->image());
    surface_->changed = [this](const QRect& r) { view_->surfaceChanged(r); };
    view_->pressed = [this](QPoint p) { FormMouseDown(p); };
    trace_ = qEnvironmentVariableIsSet("SLOTS_TRACE");
    view_->painted = [this] {
        if (trace_ && !firstPaintTraced_) {
            firstPaintTraced_ = true;
            std::fprintf(stderr, "slots-trace first-paint epoch-ms=%lld\n",
                         static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        }
    };
}

void TForm1::connectTimers() {
    connect(&timer(MachineTimer::Timer1), &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(&timer(MachineTimer::Timer2), &QTimer::timeout, this, [this] { lamps_->Timer2Timer(); });
    connect(&timer(MachineTimer::Timer3), &QTimer::timeout, this, [this] { lamps_->Timer3Timer(); });
    connect(&timer(MachineTimer::Timer4), &QTimer::timeout, this, [this] { audio_->music().startDueTrack(); });
    connect(&timer(MachineTimer::Timer5), &QTimer::timeout, this, [this] { lamps_->Timer5Timer(); });
    for (const MachineTimer t : {MachineTimer::Timer6, MachineTimer::Timer7, MachineTimer::Timer8}) {
        connect(&timer(t), &QTimer::timeout, this, [this, t] { game_.timerTick(*machine_, t); });
    }
}

void TForm1::showCentred(const QScreen& screen) {
    // Ten pixels smaller than the screen's free area, and never smaller than the machine.
    const QRect available = screen.availableGeometry();
    const QSizeF machine = QSizeF(surface_->image().size()) / screen.devicePixelRatio();
    resize(std::max(available.width() - 10, static_cast<int>(machine.width())),
           std::max(available.height() - 10, static_cast<int>(machine.height()) + menuBar()->sizeHint().height()));
    move(available.left() + (available.width() - frameGeometry().width()) / 2,
         available.top() + (available.height() - frameGeometry().height()) / 2);
    // Screens of low resolution get the whole screen.
    if (screen.logicalDotsPerInch() < 100) {
        showMaximized();
    } else {
        show();
    }
    view_->setFocus();
}

void TForm1::createMenu() {
    MainMenu1 = menuBar();
    const auto item = [this](QMenu* menu, const QString& caption, void (TForm1::*handler)()) {
        QAction* action = menu->addAction(caption);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    File1 = MainMenu1->addMenu(QStringLiteral("&File"));
    NewGame1 = item(File1, QStringLiteral("&New Game"), &TForm1::NewGame1Click);
    File1->addSeparator();
    OpenGame1 = item(File1, QStringLiteral("&Open Game"), &TForm1::OpenGame1Click);
    SaveGame1 = item(File1, QStringLiteral("&Save Game"), &TForm1::SaveGame1Click);
    File1->addSeparator();
    item(File1, QStringLiteral("E&xit"), &TForm1::Exit1Click);

    Options1 = MainMenu1->addMenu(QStringLiteral("&Options"));
    Sound1 = item(Options1, QStringLiteral("Sound"), &TForm1::Sound1Click);
    Sound1->setCheckable(true);
    Sound1->setChecked(true);
    Music1 = item(Options1, QStringLiteral("Music"), &TForm1::Music1Click);
    Music1->setCheckable(true);
    Music1->setChecked(true);
    Borrow1 = item(Options1, QStringLiteral("&Borrow"), &TForm1::Borrow1Click);
    item(Options1, QStringLiteral("&Stats"), &TForm1::Stats1Click);
    item(Options1, QStringLiteral("&Payoffs"), &TForm1::Payoffs1Click);

    Help1 = MainMenu1->addMenu(QStringLiteral("&Help"));
    item(Help1, QStringLiteral("Version"), &TForm1::Version1Click);
    Help1->addSeparator();
    item(Help1, QStringLiteral("&") + values_.GameTitle + QStringLiteral(" Manual"), &TForm1::GameManual1Click);
    Help1->addSeparator();
    item(Help1, QStringLiteral("&Brightplay Homepage"), &TForm1::PublisherHomepage1Click);
    Help1->addSeparator();
    item(Help1, QStringLiteral("&Company Information"), &TForm1::CompanyInformation1Click);

    // Commands that replace the game wait until the spin or bonus game has ended.
    connect(File1, &QMenu::aboutToShow, this, [this] { updateCommandAvailability(); });
    connect(Options1, &QMenu::aboutToShow, this, [this] { updateCommandAvailability(); });
}

void TForm1::updateCommandAvailability() {
    const bool free = canReplaceGame();
    for (QAction* action : {NewGame1, OpenGame1, SaveGame1, Borrow1}) {
        action->setEnabled(free);
    }
}

bool TForm1::canReplaceGame() const {
    return machine_->canReplaceGame() && !closing_;
}

void TForm1::NewGame1Click() {
    if (canReplaceGame() && machine_->newGame()) {
        storeRunningGame();
    }
}

void TForm1::OpenGame1Click() {
    showLoadSave(false);
}

void TForm1::SaveGame1Click() {
    showLoadSave(true);
}

void TForm1::showLoadSave(bool saveMode) {
    if (!canReplaceGame()) {
        return;
    }
    // A bet placed but not yet spun belongs to the game that is saved or left.
    const std::int32_t coins = std::exchange(state_.Coins, 0);
    state_.Credits = addClamped(state_.Credits, coins);
    {
        TLoadSave window(state_, records_, dialogs_, *help_, values_.GameTitle, saveMode, this);
        if (window.listed()) {
            window.exec();
        }
    }
    showRecordsNotice(records_, dialogs_);
    // The bet stays placed on the game now running, as far as its credits go.
    const std::int32_t replaced = std::min(coins, state_.Credits);
    state_.Credits -= replaced;
    state_.Coins = replaced;
    machine_->FullRepaint();
}

void TForm1::Exit1Click() {
    state_.StopReels = true;
    close();
}

void TForm1::Borrow1Click() {
    if (!canReplaceGame()) {
        return;
    }
    {
        TBorrowC window(state_, surface_->pictures(), surface_->geometry().layoutWidth, dialogs_, *help_, this);
        window.exec();
    }
    machine_->FullRepaint();
    storeRunningGame();
}

void TForm1::Stats1Click() {
    TStatsForm window(state_, this);
    window.exec();
}

void TForm1::Payoffs1Click() {
    TPaychart window(values_.ProgramDir, dialogs_, *help_, this);
    window.exec();
}

void TForm1::Version1Click() {
    const QString newline = QStringLiteral("\r\n");
    dialogs_.information(values_.GameTitle + newline + QStringLiteral("Version:  ") + values_.VersionText + newline +
                         QLatin1String(PublisherDistributor) + newline + QString::fromUtf8(PublisherRights));
}

void TForm1::GameManual1Click() {
    help_->showContents();
}

void TForm1::PublisherHomepage1Click() {
    openPublisherPage(values_, dialogs_);
}

void TForm1::CompanyInformation1Click() {
    help_->showTopic(HelpCompanyInformation);
}

void TForm1::Sound1Click() {
    // A sound already playing plays on.
    state_.SoundOn = !state_.SoundOn;
    Sound1->setChecked(state_.SoundOn);
}

void TForm1::Music1Click() {
    state_.MusicOn = !state_.MusicOn;
    Music1->setChecked(state_.MusicOn);
    audio_->music().musicSwitched();
}

template <typename Command>
void TForm1::runCommand(Command command) {
    const std::int32_t spinsBefore = state_.Spins;
    command();
    if (trace_ && state_.Spins != spinsBefore) {
        std::fprintf(stderr, "slots-trace spin reels-at-rest-ms=%lld\n",
                     static_cast<long long>(machine_->lastSpin().msToReelsAtRest));
    }
    if (machine_->operationRunning()) {
        return;
    }
    if (closing_) {
        finishClose();
    } else if (state_.Spins != spinsBefore) {
        storeRunningGame();
    }
}

GameState TForm1::gameToStore() const {
    GameState game = state_;
    // Coins bet on a spin that has not been played are still the player's.
    game.Credits = addClamped(game.Credits, game.Coins);
    game.Coins = 0;
    return game;
}

void TForm1::storeRunningGame() {
    if (closeDone_) {
        return; // stored for the last time already
    }
    try {
        records_.storeCurrentGame(gameToStore());
        storeFailureShown_ = false;
    } catch (const RecordWriteError& e) {
        // Said once, not after every spin, until a write succeeds again.
        if (!storeFailureShown_) {
            storeFailureShown_ = true;
            dialogs_.error(QString::fromStdString(e.what()));
        }
    }
    showRecordsNotice(records_, dialogs_);
}

void TForm1::FormMouseDown(QPoint position) {
    if (closing_) {
        return;
    }
    bool logo = false;
    runCommand([&] { logo = slotmachine::FormMouseDown(*machine_, position.x(), position.y(),
                                                       surface_->pictures().SealLogo.width()); });
    if (logo && !closing_) {
        openPublisherPage(values_, dialogs_);
    }
}

void TForm1::FormKeyDown(int virtualKey) {
    if (closing_) {
        return;
    }
    runCommand([&] { machine_->keyDown(virtualKey); });
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && !closing_) {
        help_->showContents();
        return;
    }
    const int key = virtualKeyOf(*event);
    if (key == 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    FormKeyDown(key);
}

void TForm1::Timer1Timer() {
    stop(MachineTimer::Timer1);
    if (state_.MusicOn) {
        audio_->music().startMusic();
    }
    machine_->playSound(7, false);
    // A spin started in the first moments after start-up keeps its Busy.
    if (!machine_->operationRunning()) {
        state_.Busy = false;
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closing_) {
        return;
    }
    closing_ = true;
    hide();
    QCoreApplication::processEvents();
    for (QTimer& t : timers_) {
        t.stop();
    }
    audioOutputs_.music.close();
    audioOutputs_.effects.silence();
    // A spin still running ends its animation at once and settles without sounds
    // or waits; the game is stored once it has.
    machine_->beginShutdown();
    // A bonus window on screen closes too; an unopened bonus stays due.
    bonusGame_->closeNow();
    // So do the other windows (a close asked for by a signal can come while one
    // is open); each one's own close keeps the game whole.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible()) {
            dialog->reject();
        }
    }
    if (!machine_->operationRunning()) {
        finishClose();
    }
}

void TForm1::finishClose() {
    if (closeStarted_) {
        return;
    }
    closeStarted_ = true;
    game_.closing(*machine_);
    storeFailureShown_ = false;
    storeRunningGame();
    closeDone_ = true;
    QCoreApplication::quit();
}

} // namespace slotmachine
