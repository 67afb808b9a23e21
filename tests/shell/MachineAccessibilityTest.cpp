// The machine window as a screen reader reads it through Qt's accessibility
// interfaces (no AT-SPI here): its parts' names, roles, values and states, presses
// that take the player's paths, and the result of each play told in words.
#include "engine/display/MachineLayout.h"
#include "engine/records/GameRecords.h"
#include "engine/shell/MachineView.h"
#include "engine/shell/MachineWindow.h"
#include "games/pawlane/PawlaneGame.h"
#include "tests/support/Recorders.h"
#include "tests/support/SyntheticPictures.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace machine_accessibility_test {

// A fresh game with Pawlane's six holds; nothing is kept.
class FreshRecords final : public GameRecords {
public:
    void readGame(int, GameState& state, RecallLog&) override { state.Stock = 6; }
    void writeGame(int, const GameState&, const RecallLog&, const QString&) override {}
    QString gameName() const override { return {}; }
    QString gameDate() const override { return {}; }
};

struct MachineAccessibilityTest : ::testing::Test {
    QTemporaryDir dir;
    pawlane::PawlaneGame game;
    FreshRecords records;
    EventLog audioLog;
    RecordingEffects effects{audioLog};
    RecordingMusic music{audioLog};
    std::unique_ptr<MachineWindow> window;
    QAccessibleInterface* view = nullptr;

    MachineAccessibilityTest() {
        // Meters are told in the reader's locale; here the C locale's "1,000".
        QLocale::setDefault(QLocale::c());
        cells(4, 4, 76, 76, symbolColour).save(dir.filePath(QStringLiteral("Animal.bmp")), "BMP");
        window = MachineWindow::create(game, records, {effects, music}, dir.filePath(QStringLiteral("pawlane-slots")));
        view = QAccessible::queryAccessibleInterface(window->centralWidget());
    }
    ~MachineAccessibilityTest() override { QLocale::setDefault(QLocale::system()); }

    QAccessibleInterface* part(const QString& name) const {
        for (int i = 0; i < view->childCount(); ++i) {
            if (view->child(i)->text(QAccessible::Name) == name) {
                return view->child(i);
            }
        }
        ADD_FAILURE() << "no part " << name.toStdString();
        return view->child(0);
    }
    QAccessibleInterface* result() const { return view->child(view->childCount() - 1); }
    static double value(QAccessibleInterface* part) { return part->valueInterface()->currentValue().toDouble(); }
    // A press through the action interface, and the event loop until `done`.
    static bool pressUntil(QAccessibleInterface* part, const std::function<bool()>& done) {
        part->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return done();
    }
};

} // namespace machine_accessibility_test

using namespace machine_accessibility_test;

TEST_F(MachineAccessibilityTest, TheViewShowsEveryPartWithItsRoleNameAndValue) {
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->text(QAccessible::Name), QStringLiteral("Pawlane Slots"));
    const std::pair<const char*, QAccessible::Role> parts[] = {
        {"Credits", QAccessible::StaticText}, {"Coins", QAccessible::StaticText},
        {"Winnings", QAccessible::StaticText}, {"Holds", QAccessible::StaticText},
        {"Spin", QAccessible::Button},         {"Bet 1", QAccessible::Button},
        {"Bet 3", QAccessible::Button},        {"Hold reel 1", QAccessible::Button},
        {"Hold reel 2", QAccessible::Button},  {"Hold reel 3", QAccessible::Button},
        {"Reel 1", QAccessible::Graphic},      {"Reel 2", QAccessible::Graphic},
        {"Reel 3", QAccessible::Graphic},      {"", QAccessible::StatusBar},
    };
    ASSERT_EQ(view->childCount(), static_cast<int>(std::size(parts)));
    for (int i = 0; i < view->childCount(); ++i) {
        EXPECT_EQ(view->child(i)->text(QAccessible::Name), QString::fromUtf8(parts[i].first));
        EXPECT_EQ(view->child(i)->role(), parts[i].second) << parts[i].first;
        EXPECT_EQ(view->indexOfChild(view->child(i)), i);
        EXPECT_EQ(view->child(i)->actionInterface() != nullptr, parts[i].second == QAccessible::Button);
        const QRect place = view->child(i)->rect();
        EXPECT_TRUE(!place.isEmpty() && view->rect().contains(place)) << parts[i].first << " lies on the machine";
    }
    EXPECT_EQ(value(part(QStringLiteral("Credits"))), 1000);
    EXPECT_EQ(part(QStringLiteral("Credits"))->text(QAccessible::Description), QStringLiteral("1,000"));
    EXPECT_EQ(part(QStringLiteral("Holds"))->text(QAccessible::Description), QStringLiteral("6"));
    // Pawlane's reels are told on all three rows, top first; stop 11 of the left reel
    // is a marked fish.
    EXPECT_EQ(part(QStringLiteral("Reel 1"))->text(QAccessible::Description),
              QStringLiteral("top Fish in a gold ring, middle Wild, bottom Rabbit"));
    // A part's place on the screen is where the pointer presses it.
    auto* machineView = static_cast<MachineView*>(window->centralWidget());
    const QPoint spin = machineView->toSurface(machineView->mapFromGlobal(part(QStringLiteral("Spin"))->rect().center()));
    EXPECT_TRUE(SpinButtonPlace.hit(window->machine().geometry(), spin.x(), spin.y()));
    EXPECT_EQ(view->childAt(part(QStringLiteral("Bet 1"))->rect().center().x(), part(QStringLiteral("Bet 1"))->rect().center().y()),
              part(QStringLiteral("Bet 1")));
}

TEST_F(MachineAccessibilityTest, PressesTakeThePlayersPathsAndEachPlayIsTold) {
    GameState& state = window->machine().state();
    state.Busy = true; // as while a spin runs
    EXPECT_TRUE(part(QStringLiteral("Spin"))->state().disabled);
    EXPECT_TRUE(part(QStringLiteral("Hold reel 1"))->state().disabled) << "holds are offered after a loss";
    state.Busy = false;
    EXPECT_FALSE(part(QStringLiteral("Spin"))->state().disabled);

    window->machine().setQuickSpin(true);
    window->machine().forceStops(std::array<std::int32_t, ReelCount>{1, 1, 1}); // no line pays
    EXPECT_TRUE(pressUntil(part(QStringLiteral("Bet 1")), [&] { return state.Coins == 1; }));
    EXPECT_EQ(value(part(QStringLiteral("Coins"))), 1);
    EXPECT_TRUE(pressUntil(part(QStringLiteral("Spin")),
                           [&] { return state.Spins == 1 && !window->machine().operationRunning(); }));
    EXPECT_EQ(result()->text(QAccessible::Name), QStringLiteral("No win"));
    window->autoplay().start(AutoplayChoices{});
    EXPECT_EQ(result()->text(QAccessible::Description), QStringLiteral("Autoplay: 10 spins left")) << "the coin tray's note";
    window->autoplay().stop(AutoplayStop::Player);
    EXPECT_EQ(part(QStringLiteral("Credits"))->text(QAccessible::Description), QStringLiteral("999"));

    QAccessibleInterface* hold = part(QStringLiteral("Hold reel 2"));
    ASSERT_FALSE(hold->state().disabled);
    EXPECT_FALSE(hold->state().pressed);
    EXPECT_TRUE(pressUntil(hold, [&] { return state.Stock == 5; }));
    EXPECT_TRUE(hold->state().pressed) << "held for the next spin";
}
