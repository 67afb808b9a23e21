// The cabinet artwork script draws the places the engine draws over and takes
// presses on; its numbers must be the engine's.
#include "engine/display/MachineLayout.h"
#include "games/orevein/OreveinGame.h"
#include "tests/support/ArtworkScript.h"

#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

TEST(OreveinArtwork, TheCabinetScriptUsesTheEnginesPlaces) {
    const ScriptPlace places[] = {
        {"TITLE_GLASS", orevein::oreveinValues().titleGlass},
        {"COIN_SIGN", CoinSignPlace},
        {"BONUS_BOX", BonusMeterBox},
        {"spin", SpinButtonPlace},
        {"bet1", BetOneButtonPlace},
        {"bet5", BetFiveButtonPlace},
        {"TITLE_STRIP", TitleStripPlace},
    };
    expectScriptPlaces("games/orevein/artwork/cabinet/machine.py", places);
}
