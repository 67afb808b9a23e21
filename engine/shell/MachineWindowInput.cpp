// The machine window's input: the player's keys and presses, and what the machine
// shows of autoplay and of a win on the coin tray and over the reels.
#include "engine/machine/PointerInput.h"
#include "engine/shell/GameKeeper.h"
#include "engine/shell/HelpWindow.h"
#include "engine/shell/MachineMenu.h"
#include "engine/shell/MachineWindow.h"
#include "engine/shell/PublisherPage.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <cstdio>

namespace slotmachine {

namespace {

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

} // namespace

void MachineWindow::showWin(bool shown) {
    if (winDisplay_ == nullptr) {
        return;
    }
    if (shown) {
        winDisplay_->show(winShowFor(game_, *machine_, surface_->geometry()));
    } else {
        winDisplay_->clear();
    }
    trayNotes_->setWin(winDisplay_->shown().words);
}

void MachineWindow::showAutoplay() {
    const TrayMessage message = autoplayMessage(*autoplay_);
    trayNotes_->setAutoplay(message, autoplay_->running());
    if (trace_) {
        std::fprintf(stderr, "slots-trace autoplay %s: %s\n", qPrintable(message.heading), qPrintable(message.text));
    }
}

bool MachineWindow::interruptAutoplay() {
    // A big win's moment ends at any key or press, which then does what it always
    // does: the player is never kept waiting for the show.
    winDisplay_->cutShort();
    if (autoplay_->running()) {
        autoplay_->stop(AutoplayStop::Player);
        return true;
    }
    // The note of why the last run stopped goes at the player's next key or click.
    trayNotes_->dismissAutoplayNote();
    return false;
}

void MachineWindow::pressAt(QPoint position) {
    if (keeper_->closing() || interruptAutoplay()) {
        return;
    }
    forward([&] {
        slotmachine::pressMachineAt(*machine_, position.x(), position.y(), surface_->pictures().SealLogo.width(),
                                   [this] {
                                       if (!keeper_->closing()) {
                                           openPublisherPage(values_, dialogs_);
                                       }
                                   });
    });
}

void MachineWindow::pressReelControlAsKey(int reel) {
    if (keeper_->closing() || interruptAutoplay()) {
        return;
    }
    forward([this, reel] { pressReelControl(*machine_, reel); });
}

void MachineWindow::keyPressed(int virtualKey) {
    if (keeper_->closing()) {
        return;
    }
    forward([&] { machine_->keyDown(virtualKey); });
}

void MachineWindow::keyPressEvent(QKeyEvent* event) {
    if (!keeper_->closing() && interruptAutoplay()) {
        return; // any key stops autoplay, and does nothing else
    }
    // Ctrl+N, Ctrl+O and Ctrl+S: the menu's commands, as their items run them.
    if ((event->modifiers() & Qt::ControlModifier) != 0 && !keeper_->closing() &&
        menu_->runShortcut(QKeySequence(event->keyCombination()))) {
        return;
    }
    if (event->key() == Qt::Key_A && !keeper_->closing()) {
        keeper_->run([this] { menu_->startAutoplay(); });
        return;
    }
    if (event->key() == Qt::Key_F && !keeper_->closing()) {
        menu_->switchQuickSpin();
        return;
    }
    if (event->key() == Qt::Key_F1 && !keeper_->closing()) {
        help_->showContents();
        return;
    }
    if (event->key() == Qt::Key_H && !keeper_->closing()) {
        keeper_->run([this] { menu_->showGameHistory(); });
        return;
    }
    // F11 switches full screen on and off; the machine stays centred at its size.
    if (event->key() == Qt::Key_F11) {
        menu_->switchFullScreen();
        return;
    }
    // 1, 2 and 3 press the game's own control over that reel: a hold lamp, a nudge button.
    if (event->key() >= Qt::Key_1 && event->key() <= Qt::Key_3) {
        pressReelControlAsKey(event->key() - Qt::Key_1);
        return;
    }
    const int key = virtualKeyOf(*event);
    if (key == 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    keyPressed(key);
}

} // namespace slotmachine
