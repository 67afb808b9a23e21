// "Testing.ini" beside the program: any bytes, applied to the start-up values.
// Promises checked: no crash or sanitizer report, and the title stays within its
// length.
#include "engine/shell/StartupValues.h"
#include "fuzz/FuzzFolder.h"

#include <cstdint>

using namespace slotmachine;
using namespace slotmachine::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeInput(QStringLiteral("Testing.ini"), QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    StartupValues values;
    values.ProgramDir = fuzzFolder().path() + QLatin1Char('/');
    values.GameTitle = QStringLiteral("Orevein Slots");
    values.SoundPrefix = QStringLiteral("Orev");
    applyTestingIni(values);
    if (values.GameTitle.size() > MaxTitleLength) {
        fail("the title is longer than a settings file may make it");
    }
    return 0;
}
