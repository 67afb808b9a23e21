// Pawlane Slots, the program.
#include "engine/shell/ProgramStart.h"
#include "games/pawlane/PawlaneGame.h"

int main(int argc, char** argv) {
    slotmachine::pawlane::PawlaneGame game;
    return slotmachine::runSlotProgram(argc, argv, game);
}
