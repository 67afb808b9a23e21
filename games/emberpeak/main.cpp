// Emberpeak Slots, the program.
#include "engine/shell/ProgramStart.h"
#include "games/emberpeak/EmberpeakGame.h"

int main(int argc, char** argv) {
    slotmachine::emberpeak::EmberpeakGame game;
    return slotmachine::runSlotProgram(argc, argv, game);
}
