#pragma once

#include "engine/core/Game.h"
#include "engine/records/PaybackReturns.h"
#include "tools/par/ParSheet.h"
#include "tools/sim/PlayableGame.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace slotmachine::manual {

// Where the template wants the pay table.
inline constexpr char PaytableMarker[] = "<!-- paytable -->";
// Where the template wants the payback figures.
inline constexpr char PaybackMarker[] = "<!-- payback -->";
// Where the template wants a section that every game's manual shares (the menus'
// Options and Help, saving and opening, the loan desk, where games are kept):
// "<!-- common: loan-desk -->" takes common/loan-desk.html. In a shared section
// {{title}} is the game's title, {{title-unbroken}} the same with non-breaking
// spaces, {{program}} its program name, and its <h2> and <h3> take the style of the
// first of each in the page.
inline constexpr char CommonSectionPattern[] = R"(<!-- common: ([a-z-]+) -->)";

// The game's pay rules as an HTML table (in the subset QTextBrowser shows): one row
// per rule with its description and its pay for 1 to coinLimit coins, or one pay
// column when every rule pays per line.
QString paytableHtml(const Game& game);

// The PAR sheets (tools/par/) behind the Payback topic: one at every coin count, and
// as many again for each of the game's own ways of spending its holds or nudges.
struct PaybackSheets {
    std::vector<par::ParSheet> plain;               // spending nothing
    std::vector<std::vector<par::ParSheet>> played; // each strategy of the game's own
};
PaybackSheets paybackSheets(const PlayableGame& game);

// The return table of the Payback topic, column by column: what the statistics
// window shows too (the returns file that the manual command writes beside it).
PaybackReturns paybackReturns(const PaybackSheets& sheets);

// The game's payback in words and tables, from its PAR sheets at every coin count:
// the return, how often a spin wins, how often the bonus game comes, and the chance
// of every pay rule.
QString paybackHtml(const PlayableGame& game);
QString paybackHtml(const PaybackSheets& sheets);

// The template with every pay table marker replaced by the pay table, every
// shared section marker by its section, and the gamepad's marker
// (GamepadTable.h) by the table of the pad's controls; nothing, and `error` set, when the
// template has no pay table marker or names a shared section there is not.
std::optional<QString> fillManual(const QString& templateText, const Game& game, QString& error);

// <game>-docs manual TEMPLATE.html OUT.html [RETURNS.json]: the template filled in for
// the game, its Payback topic too, and the topic's returns for the program's
// resources (paybackReturnsJson); returns the process exit status.
int runManualCommand(const PlayableGame& game, const QStringList& args);

} // namespace slotmachine::manual
