#pragma once

#include "engine/core/BonusGame.h"

#include <QString>

namespace slotmachine {

class BonusWindow;

// The box bonus game in its own window (BonusWindow), shown modally over the
// machine. The pictures are read afresh for every game: the built-in ones, then
// the "bonus1.bmp" to "bonus3.bmp" beside the program.
class BoxBonusWindow final : public BonusGame {
public:
    // `builtInFolder`: the program name the built-in pictures are filed under.
    BoxBonusWindow(QString builtInFolder, QString programDir);

    bool play(GameContext& machine) override;
    void closeNow() override;

    // The window on screen, or null.
    BonusWindow* shownWindow() const { return shown_; }

private:
    QString builtInFolder_;
    QString programDir_;
    BonusWindow* shown_ = nullptr;
    bool closing_ = false;
};

} // namespace slotmachine
