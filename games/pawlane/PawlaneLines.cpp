#include "games/pawlane/PawlaneLines.h"

#include "engine/core/GameContext.h"
#include "engine/core/GameState.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/ReelGeometry.h"
#include "engine/display/Payline.h"

#include <QColor>
#include <QPainter>

namespace slotmachine::pawlane {

bool rowActive(int row, int coins) {
    for (int line = 0; line < LineCount; ++line) {
        if (Paylines[static_cast<std::size_t>(line)].row == row) {
            return lineActive(line, coins);
        }
    }
    return false;
}

void drawPaylineStrokes(QPainter& painter, const ReelGeometry& g) {
    const int x0 = g.ReelLeft - 4;
    const int x1 = g.ReelLeft + 2 * g.ReelPitch + g.SymbolSize + 8; // not drawn
    const int thickness = paylineThickness(g);
    const int half = g.SymbolSize / 2;
    struct Stroke {
        int y;
        QColor colour;
    };
    const Stroke strokes[] = {
        {g.ReelTop + g.SymbolSize + half, QColor(255, 0, 0)},
        {g.ReelTop + half - 2, QColor(0, 0, 255)},
        {g.ReelTop + 2 * g.SymbolSize + half, QColor(0, 128, 0)},
    };
    for (const Stroke& stroke : strokes) {
        painter.fillRect(x0, stroke.y - (thickness - 1) / 2, x1 - x0, thickness, stroke.colour);
    }
}

void LineBars::draw(GameContext& machine, int line, bool lit) {
    const Payline& p = Paylines[static_cast<std::size_t>(line)];
    machine.display().DrawMaskedPictureHalf(QString::fromLatin1(p.bar.data(), static_cast<int>(p.bar.size())),
                                            QStringLiteral("Mask"), p.barPlace, lit);
}

void LineBars::followCoins(GameContext& machine) {
    for (int line = 0; line < LineCount; ++line) {
        draw(machine, line, lineActive(line, machine.state().Coins));
    }
}

void LineBars::lightAll(GameContext& machine) {
    for (int line = 0; line < LineCount; ++line) {
        draw(machine, line, true);
    }
}

void LineBars::drawOpen(GameContext& machine) {
    for (int line = 0; line < LineCount; ++line) {
        if (lineActive(line, machine.state().Coins)) {
            draw(machine, line, true);
        }
    }
}

void LineBars::blink(GameContext& machine) {
    phase_ = !phase_;
    for (int line = 0; line < LineCount; ++line) {
        if (won(line)) {
            draw(machine, line, phase_);
        }
    }
}

} // namespace slotmachine::pawlane
