// Pawlane's cabinet artwork: the script draws the places the engine and the Pawlane
// rules draw over, and the payline bars leave the reels alone.
#include "engine/core/ReelGeometry.h"
#include "engine/display/MachineLayout.h"
#include "games/pawlane/PawlaneGame.h"
#include "tests/support/ArtworkScript.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

constexpr DesignRect RedBar = pawlane::Paylines[0].barPlace;
constexpr DesignRect BlueBar = pawlane::Paylines[1].barPlace;
constexpr DesignRect GreenBar = pawlane::Paylines[2].barPlace;

bool overAReel(int designX) {
    const ReelGeometry g;
    for (int reel = 0; reel < 3; ++reel) {
        const int left = g.ReelLeft + reel * g.ReelPitch;
        if (designX >= left && designX < left + g.SymbolSize) {
            return true;
        }
    }
    return false;
}

QImage pawlanePicture(const char* name) {
    return QImage(QStringLiteral(":/pictures/pawlane-slots/%1.png").arg(QLatin1String(name)));
}

} // namespace

TEST(PawlaneArtwork, TheCabinetScriptUsesTheEnginesAndTheRulesPlaces) {
    const ScriptPlace places[] = {
        {"TITLE_GLASS", pawlane::pawlaneValues().titleGlass},
        {"COIN_SIGN", CoinSignPlace},
        {"BONUS_BOX", BonusMeterBox},
        {"spin", SpinButtonPlace},
        {"bet1", BetOneButtonPlace},
        {"bet5", BetFiveButtonPlace},
        {"TITLE_STRIP", TitleStripPlace},
        {"hold0", pawlane::HoldLampPlaces[0]},
        {"hold1", pawlane::HoldLampPlaces[1]},
        {"hold2", pawlane::HoldLampPlaces[2]},
        {"red", RedBar},
        {"blue", BlueBar},
        {"green", GreenBar},
    };
    expectScriptPlaces("games/pawlane/artwork/cabinet/machine.py", places);
}

// The bars are drawn with the mask (AND), then the bar (OR): over the reels the mask
// must be white and every bar black, or a bar would smear the symbols.
TEST(PawlaneArtwork, TheBarsAndTheirMaskLeaveTheReelsUntouched) {
    const QImage mask = pawlanePicture("Mask");
    ASSERT_EQ(mask.size(), QSize(RedBar.right - RedBar.left, 2 * (RedBar.bottom - RedBar.top)));
    for (const char* bar : {"Red", "Blue", "Green"}) {
        const QImage picture = pawlanePicture(bar);
        ASSERT_EQ(picture.size(), mask.size()) << bar;
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const bool reel = overAReel(RedBar.left + x);
                ASSERT_EQ(qGray(mask.pixel(x, y)), reel ? 255 : 0) << "mask at " << x << "," << y;
                if (reel) {
                    ASSERT_EQ(qGray(picture.pixel(x, y)), 0) << bar << " at " << x << "," << y;
                }
            }
        }
    }
}

// Until a lamp or bar is drawn the machine picture shows it: unlit, and exactly where
// its picture goes, so drawing it unlit changes nothing.
TEST(PawlaneArtwork, TheMachinePictureShowsTheBarsAndHoldPlatesUnlit) {
    const QImage machine = pawlanePicture("MachineBackground");
    ASSERT_EQ(machine.size(), QSize(800, 600));
    const std::pair<const char*, DesignRect> halves[] = {
        {"Red", RedBar},
        {"Blue", BlueBar},
        {"Green", GreenBar},
        {"HoldLamp", pawlane::HoldLampPlaces[0]},
        {"HoldLamp", pawlane::HoldLampPlaces[1]},
        {"HoldLamp", pawlane::HoldLampPlaces[2]},
    };
    for (const auto& [name, place] : halves) {
        const QImage picture = pawlanePicture(name);
        ASSERT_EQ(picture.height() / 2, place.bottom - place.top) << name;
        for (int y = 0; y < picture.height() / 2; ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (QLatin1String(name) != QLatin1String("HoldLamp") && overAReel(place.left + x)) {
                    continue;
                }
                const QRgb want = picture.pixel(x, y);
                const QRgb got = machine.pixel(place.left + x, place.top + y);
                const int diff =
                    std::max({std::abs(qRed(want) - qRed(got)), std::abs(qGreen(want) - qGreen(got)),
                              std::abs(qBlue(want) - qBlue(got))});
                ASSERT_LE(diff, 32) << name << " at " << place.left + x << "," << place.top + y;
            }
        }
    }
}
