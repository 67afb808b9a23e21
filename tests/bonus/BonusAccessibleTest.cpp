// The bonus window's boxes as a screen reader reads them: push buttons that open
// their own box as a click on it does, on a board grown with the screen.
#include "engine/bonus/BonusWindow.h"
#include "engine/shell/MachineAccessibility.h"
#include "tests/support/SyntheticGame.h"
#include "tests/support/SyntheticPictures.h"
#include "tests/support/TestMachine.h"

#include <QAccessible>
#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

TEST(BonusAccessible, EachBoxIsAPushButtonThatOpensItsOwnBox) {
    installMachineAccessibility();
    TestMachine m{std::make_unique<SyntheticGame>()};
    // Each box holds 100 + its number, so the prize tells which box was opened.
    m.state.BoxValues = {101, 102, 103, 104, 105, 106, 107, 108};
    const QImage board = filled(640, 480, QColor(30, 90, 30));
    const BonusWindow::PictureLoader pictures = [&] { return BonusPictures{board, board, board}; };
    for (int box = 1; box <= BoxCount; ++box) {
        // 1.8 times the board's own size: a box's middle must land in it after rounding.
        BonusWindow window(m.machine, pictures, BonusScreen{QRect(0, 0, 1920, 1080), 120});
        QAccessibleInterface* boxes = QAccessible::queryAccessibleInterface(&window);
        ASSERT_NE(boxes, nullptr);
        ASSERT_EQ(boxes->childCount(), BoxCount);
        QAccessibleInterface* part = boxes->child(box - 1);
        EXPECT_EQ(part->text(QAccessible::Name), QStringLiteral("Box %1").arg(box));
        EXPECT_EQ(part->role(), QAccessible::Button);
        EXPECT_FALSE(part->state().disabled);
        EXPECT_TRUE(window.board().rect().translated(window.mapToGlobal(QPoint(0, 0))).contains(part->rect()));
        part->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        EXPECT_EQ(window.BonusPrize(), 100 + box);
        EXPECT_TRUE(boxes->child(BoxCount - box)->state().disabled) << "one box a game";
    }
}
