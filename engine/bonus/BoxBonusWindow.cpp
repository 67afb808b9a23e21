#include "engine/bonus/BoxBonusWindow.h"

#include "engine/bonus/BonusPictures.h"
#include "engine/bonus/BonusWindow.h"
#include "engine/reels/SlotMachine.h"

#include <QDir>
#include <memory>

namespace slotmachine {

BoxBonusWindow::BoxBonusWindow(QString builtInFolder, QString programDir)
    : builtInFolder_(std::move(builtInFolder)), programDir_(std::move(programDir)) {}

bool BoxBonusWindow::play(SlotMachine& machine) {
    // Once the program is closing, the bonus stays due for the next run.
    if (closing_) {
        return false;
    }
    auto form = std::make_unique<BonusWindow>(
        machine,
        [this] {
            BonusPictures pictures = builtInBonusPictures(builtInFolder_);
            loadBonusOverrides(pictures, QDir(programDir_));
            return pictures;
        },
        BonusScreen::primary());
    form_ = form.get();
    form->exec();
    form_ = nullptr;
    const bool opened = form->boxOpened();
    form.reset();
    // The window covered the machine.
    machine.FullRepaint();
    return opened;
}

void BoxBonusWindow::closeNow() {
    closing_ = true;
    if (form_ != nullptr) {
        form_->closeNow();
    }
}

} // namespace slotmachine
