// The program's own reading of its command line, beside Qt's.
#include "engine/shell/ProgramOptions.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace slotmachine {

namespace {

// X11's options, which Qt's X11 platform reads: when another platform runs they are
// left in argv, and -sync always is. They are accepted and ignored, with their values.
struct PlatformOption {
    const char* name;
    bool takesValue;
};
constexpr PlatformOption x11Options[] = {{"-display", true}, {"-geometry", true}, {"-title", true},
                                         {"-icon", true},    {"-name", true},     {"-visual", true},
                                         {"-nograb", false}, {"-dograb", false},  {"-sync", false}};

} // namespace

bool namesItsDisplay(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] == '-' && arg[1] == '-') {
            ++arg;
        }
        if (std::strcmp(arg, "-platform") == 0 || std::strcmp(arg, "-display") == 0) {
            return true;
        }
    }
    return false;
}

const char* unknownArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] == '-' && arg[1] == '-') {
            ++arg;
        }
        const auto* known =
            std::find_if(std::begin(x11Options), std::end(x11Options),
                         [arg](const PlatformOption& option) { return std::strcmp(arg, option.name) == 0; });
        if (known == std::end(x11Options) || (known->takesValue && i + 1 == argc)) {
            return argv[i];
        }
        i += known->takesValue ? 1 : 0;
    }
    return nullptr;
}

} // namespace slotmachine
