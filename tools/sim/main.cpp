#include "tools/sim/Simulation.h"

#include <iostream>

int main(int argc, char** argv) {
    return slotmachine::sim::runCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                        std::cerr);
}
