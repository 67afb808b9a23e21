#pragma once

namespace slotmachine {

// Whether the command line tells Qt which platform or display to use, so that
// the environment need not.
bool namesItsDisplay(int argc, char** argv);

// Once Qt has taken its own options out of argv: the first argument that neither Qt
// nor the program reads, or nullptr when there is none. X11's options, which only
// Qt's X11 platform reads, are accepted with their values whatever platform runs.
const char* unknownArgument(int argc, char** argv);

} // namespace slotmachine
