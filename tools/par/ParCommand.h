#pragma once

// slots-par: the PAR sheet (tools/par/ParSheet.h) of any game of the catalog, named
// on the command line.

#include <iosfwd>
#include <string>
#include <vector>

namespace slotmachine::par {

std::string usage();

// The whole command: returns the exit status (0, 2 for bad arguments, 1 for a failure).
int runCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace slotmachine::par
