#pragma once

// slots-sim: the simulator (tools/sim/Simulator.h) for every game of the catalog,
// named on the command line.

#include "games/Catalog.h"
#include "tools/sim/Simulator.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace slotmachine::sim {

struct ParsedArguments {
    std::optional<Options> options; // set when the arguments are good
    bool helpAsked = false;
    std::string error; // what is wrong with them otherwise
};

ParsedArguments parseArguments(const std::vector<std::string>& arguments);

std::string usage();

// The catalog's game that the options name, simulated (see Simulator.h).
// Throws std::invalid_argument for an unknown game or strategy.
Figures simulate(const Options& options);
// The same with the given strategy in place of the one the options name.
Figures simulate(const Options& options, const SimStrategy& strategy);

// The whole command: returns the exit status (0, or 2 for bad arguments, 1 for a failure).
int runCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace slotmachine::sim
