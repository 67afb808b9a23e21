// Orevein Slots, the program.
#include "engine/shell/ProgramStart.h"
#include "games/orevein/OreveinGame.h"

int main(int argc, char** argv) {
    slotmachine::orevein::OreveinGame game;
    return slotmachine::runSlotProgram(argc, argv, game);
}
