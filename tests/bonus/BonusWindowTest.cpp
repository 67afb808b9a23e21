// The box bonus window as a player drives it: boxes by pointer and key, the
// pictures shown, when it closes and what the game pays.
#include "engine/bonus/BoxBonusWindow.h"
#include "engine/bonus/BonusWindow.h"
#include "tests/support/SyntheticGame.h"
#include "tests/support/SyntheticPictures.h"
#include "tests/support/TestMachine.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <thread>
#include <vector>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

const QImage Board = filled(640, 480, QColor(30, 90, 30));
const QImage Prize = filled(640, 480, QColor(20, 20, 40));
const BonusScreen Screen800{QRect(0, 0, 800, 600), 120};

BonusPictures testPictures() { return {Board, filled(640, 480, QColor(90, 30, 30)), Prize}; }

void press(QWidget& w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(at), QPointF(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
}

void key(QWidget& w, int k) {
    QKeyEvent event(QEvent::KeyPress, k, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
}

struct BonusWindowTest : ::testing::Test {
    TestMachine m{std::make_unique<SyntheticGame>()};
    // Each box holds 100 + its position, so a prize tells which box was opened.
    BonusWindowTest() { m.state.BoxValues = {101, 102, 103, 104, 105, 106, 107, 108}; }

    std::unique_ptr<BonusWindow> bonusWindow(const BonusScreen& screen = Screen800,
                                     BonusWindow::PictureLoader pictures = testPictures) {
        return std::make_unique<BonusWindow>(m.machine, pictures, screen);
    }
    // The box opened by a press at (x, y) on the board, or by key k; 0 for none.
    int boxAt(int x, int y) {
        auto f = bonusWindow();
        press(*f, f->board().place + QPoint(x, y));
        return f->boxOpened() ? f->BonusPrize() - 100 : 0;
    }
    int boxOf(int k) {
        auto f = bonusWindow();
        key(*f, k);
        return f->boxOpened() ? f->BonusPrize() - 100 : 0;
    }
};

} // namespace

TEST_F(BonusWindowTest, CoversTheScreenWithTheBoardCentred) {
    auto f = bonusWindow(BonusScreen{QRect(0, 0, 1024, 768), 120});
    EXPECT_EQ(f->size(), QSize(1024, 768));
    EXPECT_TRUE(f->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(f->windowState() & Qt::WindowMaximized);
    // Grown 1.28 times to 819 x 614.
    EXPECT_EQ(f->board().place, QPoint(102, 77));
    EXPECT_TRUE(f->board().visible && !f->noPrize().visible && !f->prize().visible);
    EXPECT_TRUE(f->startSoundTimer().isActive());
    EXPECT_FALSE(f->closeTimer().isActive());
    EXPECT_TRUE(bonusWindow(BonusScreen{QRect(0, 0, 800, 600), 96})->windowState() & Qt::WindowMaximized);

    // Without pictures the board keeps the place of a 640 x 480 one, and works.
    auto blank = bonusWindow(BonusScreen{QRect(0, 0, 801, 601), 120}, [] { return BonusPictures{}; });
    EXPECT_EQ(blank->board().place, QPoint(80, 60));
    press(*blank, QPoint(80 + 400, 60 + 30));
    EXPECT_EQ(blank->BonusPrize(), 101);
}

TEST_F(BonusWindowTest, BoxesAnswerWithinTheirBoundsOnly) {
    const int cases[][3] = {
        {400, 30, 1},  {485, 115, 1}, {399, 30, 0},  {486, 30, 0},  {400, 29, 0},  {400, 116, 0},
        {400, 124, 0}, {400, 125, 2}, {485, 210, 2}, {400, 211, 0}, {400, 220, 3}, {485, 305, 3},
        {400, 315, 4}, {485, 400, 4}, {400, 401, 0}, {504, 30, 0},  {505, 30, 5},  {590, 125, 6},
        {591, 125, 0}, {505, 220, 7}, {590, 400, 8}, {0, 0, 0},     {639, 479, 0},
    };
    for (const auto& [x, y, box] : cases) {
        EXPECT_EQ(boxAt(x, y), box) << "at " << x << ", " << y;
    }
    auto f = bonusWindow();
    press(*f, f->board().place + QPoint(505, 315), Qt::RightButton);
    EXPECT_EQ(f->BonusPrize(), 108) << "any button opens a box";
}

TEST_F(BonusWindowTest, LetterKeysOpenFixedBoxes) {
    const int keys[][2] = {{Qt::Key_N, 1}, {Qt::Key_W, 3}, {Qt::Key_Y, 4}, {Qt::Key_E, 5},
                           {Qt::Key_A, 7}, {Qt::Key_R, 7}, {Qt::Key_B, 0}, {Qt::Key_1, 0}};
    for (const auto& [k, box] : keys) {
        EXPECT_EQ(boxOf(k), box) << "key " << k;
    }
    m.log.clear();
    auto f = bonusWindow();
    key(*f, Qt::Key_Escape);
    EXPECT_FALSE(f->finished()) << "Escape does not close the window";
    key(*f, Qt::Key_E);
    EXPECT_EQ(f->BonusPrize(), 105);
    EXPECT_EQ(m.state.SpinWin, 105);
    EXPECT_EQ(m.log, (EventLog{"Sound 5"}));
}

TEST_F(BonusWindowTest, EnterAndSpaceOpenOneOfTheFirstSevenBoxesOnce) {
    std::set<int> opened;
    const int keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
    for (int i = 0; i < 300; ++i) {
        auto f = bonusWindow(Screen800, [] { return BonusPictures{}; });
        key(*f, keys[i % 3]);
        opened.insert(f->BonusPrize() - 100);
        key(*f, keys[(i + 1) % 3]);
    }
    EXPECT_EQ(opened, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(m.count("Sound 5"), 300);
}

TEST_F(BonusWindowTest, TheArrowsMoveAFrameOverTheBoxesAndEnterOrSpaceOpensTheFramedOne) {
    struct Moves {
        std::vector<int> keys;
        int box;
    };
    const Moves table[] = {
        {{Qt::Key_Down, Qt::Key_Return}, 1}, // the first arrow shows the frame on box 1
        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Space}, 2},
        {{Qt::Key_Up, Qt::Key_Up, Qt::Key_Enter}, 4}, // up from the top wraps round
        {{Qt::Key_Left, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, 7},
        {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Return}, 8},
    };
    for (const Moves& moves : table) {
        auto f = bonusWindow();
        for (const int k : moves.keys) {
            key(*f, k);
        }
        EXPECT_EQ(f->BonusPrize() - 100, moves.box) << moves.box;
    }

    auto f = bonusWindow();
    key(*f, Qt::Key_Down);
    key(*f, Qt::Key_Right); // box 5
    const QImage shown = f->grab().toImage();
    const QRect box = f->boxOnWindow(5);
    EXPECT_EQ(shown.pixelColor(box.center().x(), box.top() - 3), QColor(255, 200, 0)) << "the frame round box 5";
    EXPECT_EQ(shown.pixelColor(f->boxOnWindow(1).center().x(), f->boxOnWindow(1).top() - 3), Board.pixelColor(0, 0))
        << "and none round box 1";
}

TEST_F(BonusWindowTest, AfterTheFirstBoxNothingOpensAnother) {
    m.state.BoxValues[2] = 0;
    m.state.BonusWon = 40;
    auto f = bonusWindow();
    key(*f, Qt::Key_W);
    EXPECT_TRUE(f->noPrize().visible && !f->board().visible && !f->prize().visible);
    const int remaining = f->closeTimer().remainingTime();
    m.log.clear();
    // Neither a letter key nor a press where the board was opens the prize beside it.
    key(*f, Qt::Key_N);
    key(*f, Qt::Key_Return);
    press(*f, f->board().place + QPoint(400, 30));
    EXPECT_TRUE(m.log.empty());
    EXPECT_FALSE(f->prize().visible);
    EXPECT_EQ(f->prize().picture, Prize) << "no prize text is written";
    EXPECT_EQ(f->BonusPrize(), 0);
    EXPECT_EQ(m.state.SpinWin, 0);
    EXPECT_LE(f->closeTimer().remainingTime(), remaining) << "the close is not put off";
    f->closeNow();
    EXPECT_EQ(f->result(), QDialog::Accepted);
    EXPECT_EQ(m.state.BonusWon, 40);
}

TEST_F(BonusWindowTest, PressesBesideThePictureAskForABoxThenClose) {
    auto f = bonusWindow();
    press(*f, QPoint(10, 10));
    EXPECT_EQ(m.dialogs.messages, (std::vector<std::string>{"Click on one of the Boxes!"}));
    f->close();
    EXPECT_FALSE(f->finished()) << "nothing but closeNow ends an unplayed game";
    key(*f, Qt::Key_Y);
    press(*f, f->board().place + QPoint(400, 30)); // on the prize picture: nothing
    EXPECT_FALSE(f->finished());
    press(*f, QPoint(799, 599));
    EXPECT_TRUE(f->finished());
    EXPECT_EQ(f->result(), QDialog::Accepted);

    // A 640 x 480 screen leaves no room beside the picture.
    auto small = bonusWindow(BonusScreen{QRect(0, 0, 640, 480), 120});
    press(*small, QPoint(639, 479));
    key(*small, Qt::Key_N);
    press(*small, QPoint(0, 0));
    EXPECT_EQ(m.dialogs.messages.size(), 1u);
    EXPECT_FALSE(small->finished());
}

TEST_F(BonusWindowTest, TheBonusWindowReadsReplacementPicturesAndRunsModally) {
    QTemporaryDir dir;
    ASSERT_TRUE(Board.save(dir.filePath(QStringLiteral("BONUS1.bmp")), "BMP"));
    BoxBonusWindow bonus(QStringLiteral("no-such-program"), dir.path() + QLatin1Char('/'));
    bool replaced = false;
    QTimer::singleShot(0, [&] {
        BonusWindow* f = bonus.shownWindow();
        ASSERT_EQ(QApplication::activeModalWidget(), f);
        replaced = f->board().picture == Board && f->noPrize().picture.isNull();
        key(*f, Qt::Key_E);
    });
    EXPECT_TRUE(bonus.play(m.machine)); // the close timer closes it after 3 s
    EXPECT_TRUE(replaced);
    EXPECT_EQ(bonus.shownWindow(), nullptr);
    EXPECT_EQ(m.state.BonusWon, 105);
    EXPECT_GT(m.indexOf("DrawMachinePicture"), m.indexOf("Sound 5")) << "the machine is repainted after";

    // The program closing: an unopened game is abandoned, and no other one shows.
    QTimer::singleShot(0, [&] { bonus.closeNow(); });
    EXPECT_FALSE(bonus.play(m.machine));
    EXPECT_FALSE(bonus.play(m.machine));
    EXPECT_EQ(m.state.BonusWon, 105);
    EXPECT_EQ(m.count("Sound 5"), 1);
}

namespace {

// The bounding box of the pixels where two pictures of one size differ.
QRect differing(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

const BonusScreen Screen1080{QRect(0, 0, 1920, 1080), 120};

} // namespace

TEST_F(BonusWindowTest, OnALargeScreenThePicturesGrowAndPressesMapToTheBoardsOwnPixels) {
    auto f = bonusWindow(Screen1080);
    // 1.8 times: 1152 x 864, centred.
    ASSERT_EQ(f->board().rect(), QRect(384, 108, 1152, 864));
    EXPECT_EQ(f->prize().picture.size(), QSize(1152, 864));
    const QPoint board = f->board().place;
    struct Case {
        QPoint own;     // on the board's own 640 x 480 pixels
        QPoint nudge;   // window pixels beyond the scaled own pixel's top-left
        int box;
    };
    const Case cases[] = {
        {{400, 30}, {0, 0}, 1},  {{485, 115}, {1, 1}, 1}, // the last window pixel of box 1's corner
        {{486, 30}, {0, 0}, 0},  {{399, 30}, {0, 0}, 0},  // just right of it, just left of it
        {{590, 400}, {1, 1}, 8},
    };
    for (const Case& c : cases) {
        auto g = bonusWindow(Screen1080);
        const QPoint at = board + QPoint(static_cast<int>(std::ceil(c.own.x() * 1.8)),
                                         static_cast<int>(std::ceil(c.own.y() * 1.8))) + c.nudge;
        press(*g, at);
        EXPECT_EQ(g->boxOpened() ? g->BonusPrize() - 100 : 0, c.box) << "own " << c.own.x() << ", " << c.own.y();
    }
    EXPECT_TRUE(m.dialogs.messages.empty());

    // The picture's last pixels are on it; one pixel beyond is beside it.
    press(*f, board + QPoint(1151, 863));
    EXPECT_TRUE(m.dialogs.messages.empty());
    press(*f, board + QPoint(1152, 0));
    press(*f, board + QPoint(0, -1));
    EXPECT_EQ(m.dialogs.messages.size(), 2u);
}

TEST_F(BonusWindowTest, ThePrizeTextGrowsWithThePicture) {
    auto small = bonusWindow();
    auto large = bonusWindow(Screen1080);
    key(*small, Qt::Key_N);
    key(*large, Qt::Key_N);
    const QRect at1 = differing(small->prize().picture, Prize);
    const QRect at18 = differing(large->prize().picture, Prize.scaled(1152, 864));
    ASSERT_FALSE(at1.isEmpty());
    EXPECT_NEAR(at18.left(), at1.left() * 1.8, 3);
    EXPECT_NEAR(at18.top(), at1.top() * 1.8, 3);
    EXPECT_NEAR(at18.width(), at1.width() * 1.8, 6);
    EXPECT_NEAR(at18.height(), at1.height() * 1.8, 6);
}
