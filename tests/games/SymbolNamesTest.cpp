// Each game names the symbol drawn at a strip position as a screen reader says it,
// with the marks that change what it does.
#include "games/emberpeak/EmberpeakGame.h"
#include "games/orevein/OreveinGame.h"
#include "games/pawlane/PawlaneGame.h"

#include <gtest/gtest.h>

using namespace slotmachine;

TEST(SymbolNames, NameTheSymbolWithItsMark) {
    const orevein::OreveinGame orevein;
    const pawlane::PawlaneGame pawlane;
    const emberpeak::EmberpeakGame emberpeak;
    struct Case {
        const Game& game;
        int reel;
        int position;
        const char* name;
    };
    const Case cases[] = {
        {orevein, 0, 5, "Ingot"},
        {orevein, 0, 2, "Blank"},
        {orevein, 0, 1, "Pickaxe with an Up arrow"},
        {orevein, 0, 15, "Pickaxe with a Down arrow"},
        {orevein, 0, 21, "Pickaxe with a 1 star"},
        {orevein, 0, 11, "Dynamite"},
        {pawlane, 0, 1, "Dog"},
        {pawlane, 0, 4, "Rooster in a gold ring"},
        {emberpeak, 2, 1, "Compass"},
        {emberpeak, 0, 9, "SOS Bonus sign"},
        {emberpeak, 2, 8, "Wild"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.game.symbolNameAt(c.reel, c.position), c.name) << c.game.values().title << " reel " << c.reel
                                                                   << " position " << c.position;
    }
}
