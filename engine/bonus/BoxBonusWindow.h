#pragma once

#include "engine/core/BonusGame.h"

#include <QString>

namespace slotmachine {

class BonusWindow;

// The box bonus game in its own window (BonusWindow), shown modally over the
// machine. The pictures are read afresh for every game: the built-in ones in the
// player's language, then the "bonus1.bmp" to "bonus3.bmp" beside the program.
class BoxBonusWindow final : public BonusGame {
public:
    // `builtInFolder`: the program name the built-in pictures are filed under;
    // `language`: the player's language ("de", "es", empty for English).
    BoxBonusWindow(QString builtInFolder, QString programDir, QString language = {});

    bool play(GameContext& machine) override;
    void closeNow() override;

    // The window on screen, or null.
    BonusWindow* shownWindow() const { return shown_; }

private:
    QString builtInFolder_;
    QString programDir_;
    QString language_;
    BonusWindow* shown_ = nullptr;
    bool closing_ = false;
};

} // namespace slotmachine
