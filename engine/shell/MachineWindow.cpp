#include "engine/shell/MachineWindow.h"

#include "engine/core/Game.h"
#include "engine/display/PictureChecks.h"
#include "engine/records/GameRecords.h"
#include "engine/shell/GameKeeper.h"
#include "engine/shell/HelpWindow.h"
#include "engine/shell/MachineAccessibility.h"
#include "engine/shell/MachineMenu.h"
#include "engine/shell/PlayerLanguage.h"
#include "engine/shell/WindowFinish.h"
#include "engine/display/FixedSizes.h"
#include "engine/shell/MachineView.h"
#include "engine/shell/MachineWindowPlacement.h"
#include "engine/shell/RunningCopy.h"
#include "engine/shell/SoundSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDateTime>
#include <QScreen>
#include <QTextBrowser> // HelpWindow hands out its browser
#include <cstdio>
#include <utility>

namespace slotmachine {

namespace {

constexpr int TimerIntervals[] = {250, 200, 300, 100, 400, 300, 300, 300};

// Closes every dialog on screen as its Cancel would; each one's exec returns when
// its event loop runs again.
void rejectOpenDialogs() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible()) {
            dialog->reject();
        }
    }
}

} // namespace

std::unique_ptr<MachineWindow> MachineWindow::create(Game& game, GameRecords& records, AudioOutputs audio,
                                       const QString& programPath, Clock* clock, const QString& settingsPath) {
    std::unique_ptr<MachineWindow> window(new MachineWindow(game, records, audio, programPath, clock, settingsPath));
    if (!window->startUp()) {
        return nullptr;
    }
    return window;
}

MachineWindow::MachineWindow(Game& game, GameRecords& records, AudioOutputs audio, const QString& programPath, Clock* clock,
                             const QString& settingsPath)
    : game_(game), records_(records), programPath_(programPath), clock_(clock != nullptr ? *clock : realClock_),
      audioOutputs_(audio), dialogs_(QString(), this), settings_(settingsPath) {
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        timers_[i].setInterval(TimerIntervals[i]);
    }
    timer(MachineTimer::StartUp).setSingleShot(true);
}

MachineWindow::~MachineWindow() {
    for (QTimer& t : timers_) {
        t.stop();
    }
}

QTimer& MachineWindow::timer(MachineTimer which) {
    return timers_[static_cast<std::size_t>(which) - 1];
}

const QTimer& MachineWindow::timer(MachineTimer which) const {
    return timers_[static_cast<std::size_t>(which) - 1];
}

void MachineWindow::start(MachineTimer which) {
    timer(which).start();
    if (which == MachineTimer::WinLamps) {
        showWin(true);
    }
}

void MachineWindow::stop(MachineTimer which) {
    timer(which).stop();
    if (which == MachineTimer::WinLamps) {
        showWin(false);
    }
}


bool MachineWindow::isActive(MachineTimer which) const {
    return timer(which).isActive();
}

bool MachineWindow::startUp() {
    random_.seedFromTimeOfDay();
    values_ = startupValuesFor(game_.values(), programPath_);
    state_.Busy = true;
    applyTestingIni(values_);
    setWindowTitle(values_.GameTitle);
    dialogs_ = QtDialogs(values_.GameTitle, this);
    help_ = std::make_unique<HelpWindow>(values_.ProgramDir + values_.ProgramBaseName + QStringLiteral(".html"),
                                         values_.GameTitle, dialogs_, this);
    menu_ = std::make_unique<MachineMenu>(*this, values_.GameTitle);

    QScreen* screen = QGuiApplication::primaryScreen();
    // The built-in pictures are filed under the game's own program name, which a
    // renamed program file does not change.
    const GameValues& gameValues = game_.values();
    const QString builtInFolder =
        QString::fromUtf8(gameValues.programName.data(), static_cast<qsizetype>(gameValues.programName.size()));
    std::optional<MachinePictures> pictures = prepareMachinePictures(
        builtInPictures(builtInFolder, gameValues.pictures), QDir(values_.ProgramDir), values_.SoundPrefix, screen->depth(), dialogs_);
    if (!pictures) {
        return false;
    }
    surface_ = std::make_unique<MachineSurface>(state_, game_, std::move(*pictures),
                                                SurfaceScreen{machineLayoutWidthOn(*this, *screen), screen->logicalDotsPerInch()});
    // Every other window in the game's finish, grown as the machine's fixed sizes are.
    applyWindowFinish(gameValues.colours,
                      fixedSizeScale(static_cast<int>(surface_->geometry().layoutWidth / devicePixelRatioF())));
    audio_ = std::make_unique<MachineAudio>(state_, audioOutputs_, dialogs_, values_.ProgramDir, values_.SoundPrefix);
    audio_->effects().loadHeldSounds();
    bonusGame_ = std::make_unique<BoxBonusWindow>(builtInFolder, values_.ProgramDir, playerLanguage());
    machine_ = std::make_unique<SlotMachine>(
        MachineParts{state_, game_, random_, clock_, *audio_, dialogs_, *surface_, *this, *bonusGame_});
    machine_->setGeometry(surface_->geometry());
    machine_->setRecalling(true);
    keeper_ = std::make_unique<GameKeeper>(*machine_, records_, dialogs_, [] { QCoreApplication::quit(); });
    trayNotes_ = std::make_unique<TrayNotes>(*surface_);
    autoplay_ = std::make_unique<Autoplay>(*machine_, *keeper_);
    autoplay_->changed = [this] { showAutoplay(); };
    machine_->setQuickSpin(settings_.flag(QuickSpinKey, false));
    menu_->setParts(MenuParts{*machine_, records_, dialogs_, *help_, values_, *surface_, *audio_, *keeper_});
    menu_->setPlayOptions(settings_, *autoplay_);
    lamps_ = std::make_unique<BlinkingLamps>(*machine_);
    createView();
    connectTimers();

    machine_->powerOn();
    applySoundSettings(settings_, state_, *audio_);
    menu_->refreshItems();
    records_.loadCurrentGame(state_, machine_->recallLog());
    machine_->FullRepaint();
    game_.windowCreated(*machine_);
    // What a screen reader reads of the machine; its presses take the player's paths.
    access_ = std::make_unique<MachineAccessibility>(
        *machine_, *surface_, *view_,
        MachineAccessInput{[this](QPoint p) { pressAt(p); }, [this](int reel) { pressReelControlAsKey(reel); }});

    start(MachineTimer::StartUp);
    start(MachineTimer::ButtonBlinking);
    start(MachineTimer::MusicTick);
    start(MachineTimer::CoinSignBlinking);
    showMachineWindowCentred(*this, *screen, surface_->image().size());
    view_->setFocus();
    // Once the program runs its event loop (so that a termination signal finds the
    // game kept): what the start-up read has to say (a damaged record file kept
    // aside, one that cannot be read), then a bonus game won in the last run and not
    // yet played, before any bet.
    QTimer::singleShot(0, this, [this] {
        if (!keeper_->closing()) {
            keeper_->tellRecordsNotice();
        }
        if (!keeper_->closing()) {
            forward([this] { machine_->playDueBonus(); });
        }
    });
    return true;
}

void MachineWindow::createView() {
    view_ = new MachineView(this);
    setCentralWidget(view_);
    view_->setSurface(&surface_->image());
    surface_->changed = [this](const QRect& r) { view_->surfaceChanged(r); };
    view_->pressed = [this](QPoint p) { pressAt(p); };
    const ReelGeometry& g = surface_->geometry();
    // The moment of a big win plays over the reels' window, a little beyond the reels.
    const int margin = g.SymbolSize / 6;
    const QRect reels(g.ReelLeft - margin, g.ReelTop - margin, 2 * g.ReelPitch + g.SymbolSize + 2 * margin,
                      3 * g.SymbolSize + 2 * margin);
    winDisplay_ = std::make_unique<WinDisplay>(*view_, game_.values().colours, reels);
    trace_ = qEnvironmentVariableIsSet("SLOTS_TRACE");
    view_->painted = [this] {
        if (trace_ && !firstPaintTraced_) {
            firstPaintTraced_ = true;
            std::fprintf(stderr, "slots-trace first-paint epoch-ms=%lld\n",
                         static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        }
    };
}

void MachineWindow::connectTimers() {
    connect(&timer(MachineTimer::StartUp), &QTimer::timeout, this, [this] { finishStartUp(); });
    connect(&timer(MachineTimer::ButtonBlinking), &QTimer::timeout, this, [this] { lamps_->blinkButtons(); });
    connect(&timer(MachineTimer::WinLamps), &QTimer::timeout, this, [this] { lamps_->blinkWinLamps(); });
    connect(&timer(MachineTimer::MusicTick), &QTimer::timeout, this, [this] { audio_->music().startDueTrack(); });
    connect(&timer(MachineTimer::CoinSignBlinking), &QTimer::timeout, this, [this] { lamps_->blinkCoinSign(); });
    for (const MachineTimer t : {MachineTimer::GameFeature1, MachineTimer::GameFeature2, MachineTimer::GameFeature3}) {
        // A game's timer may run a feature (a nudge) that changes the game.
        connect(&timer(t), &QTimer::timeout, this,
                [this, t] { forward([this, t] { game_.timerTick(*machine_, t); }); });
    }
}

void MachineWindow::forward(const std::function<void()>& command) {
    const std::int32_t spinsBefore = state_.Spins;
    keeper_->run(command);
    if (trace_ && state_.Spins != spinsBefore) {
        std::fprintf(stderr, "slots-trace spin reels-at-rest-ms=%lld\n",
                     static_cast<long long>(machine_->lastSpin().msToReelsAtRest));
    }
}

void MachineWindow::finishStartUp() {
    stop(MachineTimer::StartUp);
    if (state_.MusicOn) {
        audio_->music().startMusic();
    }
    machine_->playSound(7, false);
    // A spin started in the first moments after start-up keeps its Busy.
    if (!machine_->operationRunning()) {
        state_.Busy = false;
    }
}

void MachineWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    keeper_->close([this] { shutDown(); });
}

void MachineWindow::shutDown() {
    hide();
    QCoreApplication::processEvents();
    for (QTimer& t : timers_) {
        t.stop();
    }
    autoplay_->stop(AutoplayStop::Closing);
    audioOutputs_.music.close();
    audioOutputs_.effects.silence();
    // A spin still running ends its animation at once and settles without sounds
    // or waits; the game is stored once it has.
    machine_->beginShutdown();
    // A bonus window on screen closes too; an unopened bonus stays due.
    bonusGame_->closeNow();
    // So do the other windows (a close asked for by a signal can come while one is
    // open); each one's own close keeps the game whole. Each ends the event loop
    // it runs in once this close has returned to it, and the command that opened
    // it returns; the keeper finishes the close after the outermost one.
    rejectOpenDialogs();
}

void MachineWindow::comeForward(const QString& activationToken) {
    if (keeper_->closing()) {
        return; // hidden for good
    }
    bringToFront(*this, activationToken);
    if (trace_) {
        std::fprintf(stderr, "slots-trace came forward\n");
    }
}

void MachineWindow::endUnattended() {
    dialogs_.setUnattended(true);
    if (keeper_->closing()) {
        // Already closing, perhaps waiting for the player to read why the last
        // store failed.
        rejectOpenDialogs();
        return;
    }
    close();
}

} // namespace slotmachine
