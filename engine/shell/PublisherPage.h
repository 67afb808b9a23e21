#pragma once

namespace slotmachine {

class Dialogs;
struct StartupValues;

// Opens the publisher's games page in the desktop's browser. The address is set
// when the program is built; a relative address names a file beside the program.
void openPublisherPage(const StartupValues& values, Dialogs& dialogs);

} // namespace slotmachine
