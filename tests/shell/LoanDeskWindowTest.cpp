// The loan window as a player uses it: chips in both modes, the refusals, the
// meters it paints, its help.
#include "engine/shell/LoanDeskWindow.h"
#include "tests/support/Recorders.h"
#include "tests/support/SyntheticPictures.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <climits>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

// The synthetic digit strips with a black line at each glyph's left edge, so that
// repeated digits can be told apart on a grab.
MachinePictures separatedGlyphs() {
    MachinePictures p = syntheticPictures();
    for (QImage* strip : {&p.DigitsSmall, &p.DigitsLarge, &p.GreenSmall, &p.GreenLarge}) {
        const int cell = strip->height() == 21 ? 16 : 32;
        QPainter painter(strip);
        for (int x = 0; x < strip->width(); x += cell) {
            painter.fillRect(x, 0, 1, strip->height(), Qt::black);
        }
    }
    return p;
}

// A meter as painted: its digits left to right along one row, and where they lie.
struct Meter {
    std::string digits;
    int left = INT_MAX;
    int right = -1;
};

Meter readMeter(const QImage& shot, int y, bool green) {
    Meter m;
    int previous = -1;
    for (int x = 0; x < shot.width(); ++x) {
        int digit = -1;
        for (int d = 0; d < 10; ++d) {
            if (shot.pixelColor(x, y) == glyphColour(d, green)) {
                digit = d;
            }
        }
        if (digit >= 0 && digit != previous) {
            m.digits += static_cast<char>('0' + digit);
        }
        if (digit >= 0) {
            m.left = std::min(m.left, x);
            m.right = x;
        }
        previous = digit;
    }
    return m;
}

struct LoanDeskWindowTest : ::testing::Test {
    GameState state;
    MachinePictures pictures = separatedGlyphs();
    EventLog log;
    ScriptedDialogs dialogs{log};
    RecordingHelp help;

    std::unique_ptr<LoanDeskWindow> open(int layoutWidth = 800) {
        return std::make_unique<LoanDeskWindow>(state, pictures, layoutWidth, dialogs, help);
    }
    void setTotals(std::int32_t credits, std::int32_t borrowed) {
        state.Credits = credits;
        state.Borrowed = borrowed;
    }
    static void payBackMode(LoanDeskWindow& w) { w.payBackButton()->click(); }
    // Clicks the chips worth the amounts, in order.
    static void chips(LoanDeskWindow& w, std::initializer_list<int> amounts) {
        for (const int a : amounts) {
            QToolButton* chip = a == 1000 ? w.thousandChip() : a == 100 ? w.hundredChip() : a == 10 ? w.tenChip() : w.oneChip();
            chip->click();
        }
    }
};

} // namespace

TEST_F(LoanDeskWindowTest, ChipsBorrowTheirAmounts) {
    auto w = open();
    chips(*w, {1000, 1000});
    EXPECT_EQ(state.Credits, 3000);
    EXPECT_EQ(state.Borrowed, 3000);
    chips(*w, {100, 10, 1});
    EXPECT_EQ(state.Credits, 3111);
    EXPECT_EQ(state.Borrowed, 3111);
    w->chipClicked(4);
    w->chipClicked(-1);
    EXPECT_EQ(state.Credits, 3111) << "an unknown tag does nothing";
    EXPECT_TRUE(dialogs.messages.empty());

    // Past the 32-bit limit the desk refuses and nothing moves.
    setTotals(INT32_MAX - 500, 1000);
    chips(*w, {1000});
    EXPECT_EQ(state.Credits, INT32_MAX - 500);
    EXPECT_EQ(state.Borrowed, 1000);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "The machine cannot hold that many credits. Pay some back first!");
}

TEST_F(LoanDeskWindowTest, PayBackRefusalsChangeNothing) {
    auto w = open();
    payBackMode(*w);
    setTotals(999, 5000);
    chips(*w, {1000});
    setTotals(500, 50);
    chips(*w, {100});
    // Missing credits are named before a loan that is too small.
    setTotals(5, 0);
    chips(*w, {10});
    EXPECT_EQ(state.Credits, 5);
    EXPECT_EQ(state.Borrowed, 0);
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0], "You do not have 1000.00 credits!");
    EXPECT_EQ(dialogs.messages[1], "You cannot pay back more credits than you have borrowed!");
    EXPECT_EQ(dialogs.messages[2].rfind("You do not have", 0), 0u) << dialogs.messages[2];
    EXPECT_NE(dialogs.messages[2].find(" 10.00 credits!"), std::string::npos) << dialogs.messages[2];
}

TEST_F(LoanDeskWindowTest, PaysBackTheWholeLoan) {
    setTotals(1500, 1111);
    auto w = open();
    payBackMode(*w);
    chips(*w, {1000, 100, 10, 1});
    EXPECT_EQ(state.Credits, 389);
    EXPECT_EQ(state.Borrowed, 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LoanDeskWindowTest, EveryOpeningStartsInBorrowMode) {
    auto w = open();
    EXPECT_TRUE(w->borrowButton()->isChecked());
    w->show();
    payBackMode(*w);
    EXPECT_FALSE(w->borrowButton()->isChecked());
    w->hundredChip()->click();
    EXPECT_EQ(state.Credits, 900);
    w->borrowButton()->click();
    EXPECT_FALSE(w->payBackButton()->isChecked());
    w->hundredChip()->click();
    EXPECT_EQ(state.Credits, 1000);

    payBackMode(*w);
    w->hide();
    w->show();
    EXPECT_TRUE(w->borrowButton()->isChecked());
    w->oneChip()->click();
    EXPECT_EQ(state.Credits, 1001);
}

TEST_F(LoanDeskWindowTest, HelpButtonAndF1) {
    auto w = open();
    w->helpButton()->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              "Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the "
              "button representing the amount to borrow (or pay back).\n\nTo switch between \"borrow\" and \"pay "
              "back\" select the mode.");

    w->show();
    auto f1 = [&](QWidget* focus) {
        if (focus != nullptr) {
            focus->setFocus();
        }
        QKeyEvent event(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QCoreApplication::sendEvent(w->focusWidget() != nullptr ? w->focusWidget() : w.get(), &event);
    };
    f1(w->tenChip());
    f1(w->payBackButton());
    f1(w->okButton());
    f1(w->thousandChip());
    f1(w->helpButton());
    EXPECT_EQ(help.shown, (std::vector<int>{41005, 41005, 41003, 41005, 41003}));
}

TEST_F(LoanDeskWindowTest, OkClosesAcceptedAndChipsShowTheirPictures) {
    auto w = open();
    w->show();
    w->okButton()->click();
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_FALSE(w->isVisible());
    // The pictures come from the shared resources, with their black backdrop clear.
    for (QToolButton* chip : {w->thousandChip(), w->hundredChip(), w->tenChip(), w->oneChip()}) {
        const QImage face = chip->icon().pixmap(w->thousandChip()->iconSize()).toImage();
        ASSERT_FALSE(face.isNull()) << chip->objectName().toStdString();
        EXPECT_EQ(face.pixelColor(0, 0).alpha(), 0);
        EXPECT_EQ(face.pixelColor(face.width() / 2, face.height() / 2).alpha(), 255);
    }
}

TEST_F(LoanDeskWindowTest, PaintsCreditsRedOnTheRightAndBorrowedGreenOnTheLeft) {
    auto w = open();
    const int row = 50; // through the digits, below the captions
    const QImage before = w->grab().toImage();
    EXPECT_EQ(readMeter(before, row, false).digits, "1000");
    EXPECT_EQ(readMeter(before, row, true).digits, "1000");

    setTotals(250, 40);
    w->thousandChip()->click();
    const QImage after = w->grab().toImage();
    const Meter credits = readMeter(after, row, false);
    const Meter borrowed = readMeter(after, row, true);
    EXPECT_EQ(credits.digits, "1250");
    EXPECT_EQ(borrowed.digits, "1040");
    EXPECT_GT(credits.left, after.width() / 2);
    EXPECT_LT(borrowed.right, after.width() / 2);
}

TEST_F(LoanDeskWindowTest, TenDigitMetersFitAtEveryLayoutWidth) {
    setTotals(INT32_MAX, 1987654321);
    for (const int layoutWidth : {800, 1600}) {
        const QImage shot = open(layoutWidth)->grab().toImage();
        EXPECT_EQ(readMeter(shot, 50, false).digits, "2147483647") << layoutWidth;
        EXPECT_EQ(readMeter(shot, 50, true).digits, "1987654321") << layoutWidth;
    }
}
