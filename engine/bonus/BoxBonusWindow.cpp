#include "engine/bonus/BoxBonusWindow.h"

#include "engine/bonus/BonusPictures.h"
#include "engine/bonus/BonusWindow.h"
#include "engine/core/GameContext.h"

#include <QDir>
#include <memory>

namespace slotmachine {

BoxBonusWindow::BoxBonusWindow(QString builtInFolder, QString programDir, QString language)
    : builtInFolder_(std::move(builtInFolder)), programDir_(std::move(programDir)), language_(std::move(language)) {}

bool BoxBonusWindow::play(GameContext& machine) {
    // Once the program is closing, the bonus stays due for the next run.
    if (closing_) {
        return false;
    }
    auto window = std::make_unique<BonusWindow>(
        machine,
        [this] {
            BonusPictures pictures = builtInBonusPictures(builtInFolder_, language_);
            loadBonusOverrides(pictures, QDir(programDir_));
            return pictures;
        },
        BonusScreen::primary());
    shown_ = window.get();
    window->exec();
    shown_ = nullptr;
    const bool opened = window->boxOpened();
    window.reset();
    // The window covered the machine.
    machine.FullRepaint();
    return opened;
}

void BoxBonusWindow::closeNow() {
    closing_ = true;
    if (shown_ != nullptr) {
        shown_->closeNow();
    }
}

} // namespace slotmachine
