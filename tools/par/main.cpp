#include "tools/par/ParCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    return slotmachine::par::runCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                        std::cerr);
}
