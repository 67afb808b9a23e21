// The Emberpeak cabinet script draws the places the engine draws over and takes
// presses on; its numbers must be the engine's and the game's.
#include "engine/display/MachineLayout.h"
#include "games/emberpeak/EmberpeakGame.h"
#include "games/emberpeak/NudgeButtons.h"
#include "games/emberpeak/NudgeCount.h"
#include "tests/support/ArtworkScript.h"

#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

TEST(EmberpeakArtwork, TheCabinetScriptUsesTheEnginesPlaces) {
    const ScriptPlace places[] = {
        {"TITLE_GLASS", emberpeak::emberpeakValues().titleGlass},
        {"COIN_SIGN", CoinSignPlace},
        {"spin", SpinButtonPlace},
        {"bet1", BetOneButtonPlace},
        {"bet5", BetFiveButtonPlace},
        {"TITLE_STRIP", TitleStripPlace},
        // The nudge keys above the three reels and the box the count is written in.
        {"nudge0", emberpeak::NudgeButtonPlaces[0]},
        {"nudge1", emberpeak::NudgeButtonPlaces[1]},
        {"nudge2", emberpeak::NudgeButtonPlaces[2]},
        {"NUDGE_COUNT", emberpeak::NudgeCountPlace},
    };
    expectScriptPlaces("games/emberpeak/artwork/cabinet/cabinet.py", places);
}
