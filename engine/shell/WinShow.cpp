#include "engine/shell/WinShow.h"

#include "engine/core/Game.h"
#include "engine/core/GameContext.h"
#include "engine/core/GameText.h"
#include "engine/core/Paytable.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace slotmachine {

namespace {

// The cells of `line` that paid: for a rule that counts one symbol ("Any two
// Nuggets"), the cells showing it; for any other, the whole line.
std::vector<int> paidReels(const LineResult& line, const PayRule* rule) {
    std::vector<int> reels;
    for (int reel = 0; reel < ReelCount; ++reel) {
        if (rule == nullptr || rule->kind != PayRule::Kind::ExactCount ||
            line.symbols[static_cast<std::size_t>(reel)] == rule->symbol) {
            reels.push_back(reel);
        }
    }
    return reels;
}

} // namespace

WinShow winShowFor(const Game& game, const GameContext& machine, const ReelGeometry& geometry) {
    const GameState& s = machine.state();
    WinShow show;
    if (s.SpinWin <= 0) {
        return show;
    }
    const std::vector<LineResult> lines = game.paidLines(machine, s.Coins, s.SpinWin);
    const LineResult* best = nullptr;
    int paid = 0;
    for (const LineResult& line : lines) {
        if (line.pay <= 0) {
            continue;
        }
        ++paid;
        if (best == nullptr || line.pay > best->pay) {
            best = &line;
        }
        const PayRule* rule = game.paytable().match(line.symbols[0], line.symbols[1], line.symbols[2]);
        for (const int reel : paidReels(line, rule)) {
            show.cells.emplace_back(geometry.ReelLeft + reel * geometry.ReelPitch,
                                    geometry.ReelTop + line.row * geometry.SymbolSize, geometry.SymbolSize,
                                    geometry.SymbolSize);
        }
    }
    const QLocale locale;
    if (best != nullptr) {
        const PayRule* rule = game.paytable().match(best->symbols[0], best->symbols[1], best->symbols[2]);
        const QString what = rule != nullptr && !rule->description.empty()
                                 ? gameText(rule->description)
                                 : QCoreApplication::translate("WinShow", "Line win");
        show.words = what + QStringLiteral(" \u00b7 ") + locale.toString(best->pay);
        if (paid > 1) {
            //: After the best win: how many other lines paid too.
            show.words +=
                QLatin1Char(' ') + QCoreApplication::translate("WinShow", "(+%1 more)").arg(paid - 1);
        }
    } else {
        //: Before the amount won, when no single line tells the win (a noun).
        show.words = QCoreApplication::translate("WinShow", "Win") + QStringLiteral(" \u00b7 ") +
                     locale.toString(s.SpinWin);
    }
    show.big = s.Coins > 0 && std::int64_t{s.SpinWin} >= std::int64_t{BigWinTimesBet} * s.Coins;
    return show;
}

} // namespace slotmachine
