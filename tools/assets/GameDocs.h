#pragma once

// The program that writes one game's pay chart, manual and the manual's gamepad
// picture, <game>-docs. Its main is
// written by slots_add_game (cmake/SlotsGame.cmake) with the game's own parts, so
// that it links that game alone:
//   <game>-docs paychart SHEET OUT.bmp|OUT.png [LARGE_SHEET LARGE_OUT.png]
//   <game>-docs manual TEMPLATE.html OUT.html [RETURNS.json]
//   <game>-docs gamepad OUT.png
// each in English, or with "--language de" in a language the games are translated
// into (engine/shell/PlayerLanguage.h): the manual from that language's template
// and shared sections, its words and numbers, and the pictures' words, in it.

#include "tools/assets/paychart/ChartExtras.h"
#include "tools/sim/PlayableGame.h"

namespace slotmachine::assets {

struct GameDocs {
    PlayableGame game; // its rules, and its strategies for the Payback topic
    const paychart::ChartExtras& (*chartExtras)() = nullptr; // the pay chart's panel, if it has one
};

// The whole program; returns its exit status.
int runGameDocsProgram(int argc, char** argv, const GameDocs& docs);

} // namespace slotmachine::assets
