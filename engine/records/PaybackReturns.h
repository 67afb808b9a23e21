#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <optional>
#include <string_view>
#include <vector>

namespace slotmachine {

// The machine's long-run return at one bet, as the manual's Payback topic gives it.
struct MachineReturn {
    double rtp = 0.0;  // credits paid back per credit bet
    bool exact = true; // false: estimated from simulated spins
};

// One column of the Payback topic's return table: its caption ("Pays back", "With
// holds played well") and the return at 1 coin, 2 coins and so on.
struct ReturnColumn {
    QString caption;
    std::vector<MachineReturn> byCoins;
};

// The machine's returns as the game's docs program writes them at build time and
// the statistics window reads them from the program's resources, so that the window
// shows the manual's figures without working them out again.
using PaybackReturns = std::vector<ReturnColumn>;

// Where a program finds its returns among its resources.
QString paybackReturnsResource(std::string_view programName);

// The returns as the file holds them (JSON).
QByteArray paybackReturnsJson(const PaybackReturns& returns);

// The returns in `path`; nothing when the file is missing, or damaged: no columns,
// a column without returns, columns of different lengths, a value of the wrong kind.
std::optional<PaybackReturns> readPaybackReturns(const QString& path);

// A return as the manual shows it: "98.01%" for an exact one, "about 105%" for an
// estimate.
QString machineReturnText(const MachineReturn& value, const QLocale& locale);

// A column's caption as the player reads it: the file holds the English caption,
// shown in the player's language ("With holds played well" names the game's stock
// in its words). A caption it does not know is shown as it stands.
QString returnCaptionText(const QString& caption);

} // namespace slotmachine
