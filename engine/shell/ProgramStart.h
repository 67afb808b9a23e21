#pragma once

namespace slotmachine {

class Game;

// A game's whole program: at most one copy plays a record file (a second one, from
// whichever session it starts, asks the first to come forward and ends silently
// within about 200 ms), the machine window opens and the program runs until it
// closes. Returns the process's exit status. "--help" and "--version" print their
// text and end at once, with no window and no lock taken; an option neither Qt nor
// the game reads, or a platform or display Qt cannot open, ends it with one line on
// standard error and status 2.
int runSlotProgram(int argc, char** argv, Game& game);

} // namespace slotmachine
