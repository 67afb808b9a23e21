// Every window in its game's finish and grown with the machine: the palette reaches
// each window, the scale follows the layout width, the pay chart grows from its large
// drawing, the name box shows its caption whole, and the machine keeps its layout.
#include "engine/shell/WindowFinish.h"

#include "engine/core/ReelGeometry.h"
#include "engine/display/FixedSizes.h"
#include "engine/display/LargePayChart.h"
#include "engine/display/WindowScale.h"
#include "engine/records/RecordFile.h"
#include "engine/records/SaveOpenWindow.h"
#include "engine/records/SessionTally.h"
#include "engine/records/StatisticsWindow.h"
#include "engine/shell/AutoplayWindow.h"
#include "engine/shell/GameHistoryWindow.h"
#include "engine/shell/LoanDeskWindow.h"
#include "engine/shell/MachineWindowPlacement.h"
#include "engine/shell/PayChartWindow.h"
#include "engine/shell/QtDialogs.h"
#include "games/emberpeak/EmberpeakGame.h"
#include "games/orevein/OreveinGame.h"
#include "games/pawlane/PawlaneGame.h"
#include "tests/support/Recorders.h"
#include "tests/support/SyntheticGame.h"
#include "tests/support/SyntheticPictures.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

// A namespace of its own: the unity build compiles this file together with others.
namespace window_finish_test {

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

QColor rgb(std::uint32_t value) {
    return QColor::fromRgb(static_cast<QRgb>(value));
}

// Each test applies a finish of its own and leaves the application as it found it.
struct WindowFinish : ::testing::Test {
    QFont font = QApplication::font();
    EventLog log;
    ScriptedDialogs dialogs{log};
    RecordingHelp help;
    QTemporaryDir dir;
    GameState state;

    void TearDown() override {
        qApp->setStyleSheet(QString());
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setFont(font);
        setWindowScale(1);
    }
};

} // namespace

TEST_F(WindowFinish, WindowsGrowByTheMachinesScale) {
    const struct {
        int layoutWidth;
        double scale;
    } cases[] = {{800, 1.0}, {1024, 1.0}, {1920, 1.875}, {2560, 2.5}};
    for (const auto& c : cases) {
        applyWindowFinish(pawlane::pawlaneValues().colours, fixedSizeScale(c.layoutWidth));
        EXPECT_DOUBLE_EQ(windowScale(), c.scale) << c.layoutWidth;
        EXPECT_DOUBLE_EQ(QApplication::font().pointSizeF(), font.pointSizeF() * c.scale) << c.layoutWidth;
        const StatisticsWindow statistics(state);
        EXPECT_EQ(statistics.size(), QSize(static_cast<int>(std::lround(632 * c.scale)),
                                           static_cast<int>(std::lround(207 * c.scale))))
            << c.layoutWidth;
        const LoanDeskWindow loanDesk(state, syntheticPictures(), c.layoutWidth, dialogs, help);
        EXPECT_EQ(loanDesk.height(), static_cast<int>(std::lround(300 * c.scale))) << c.layoutWidth;
        EXPECT_GE(loanDesk.width(), static_cast<int>(std::lround(582 * c.scale))) << c.layoutWidth;
    }
}

// The chart file beside the program and its large drawing, which names the file's
// bytes; a 27-pixel symbol tile of the chart is 81 pixels in the large drawing.
TEST_F(WindowFinish, ThePayChartGrowsFromItsLargeDrawingAndAPlayersChartKeepsItsSize) {
    const QString file = dir.filePath(QStringLiteral("Paychart.bmp"));
    ASSERT_TRUE(filled(632, 413, Qt::white).save(file, "BMP"));
    QImage large = filled(632 * LargeChartScale, 413 * LargeChartScale, Qt::white);
    QPainter(&large).fillRect(QRect(440, 300, 27 * LargeChartScale, 27 * LargeChartScale), Qt::blue);
    large.setText(QString::fromLatin1(ChartDigestKey), chartFileDigest(file));
    const QString largeFile = dir.filePath(QStringLiteral("large.png"));
    ASSERT_TRUE(large.save(largeFile, "PNG"));

    // A 2560 x 1440 screen, below a title bar and menu of 50 pixels.
    const double scale = fixedSizeScale(layoutWidthFor(2550, 1380));
    const QImage shown = grownPayChart(file, QImage(file), largeFile, scale);
    int symbolHeight = 0;
    for (int y = 0; y < shown.height(); ++y) {
        symbolHeight += shown.pixelColor(shown.width() / 4, y).blue() > 200 &&
                        shown.pixelColor(shown.width() / 4, y).red() < 60;
    }
    EXPECT_GE(symbolHeight, 48) << "symbols of at least 48 pixels at 2560 x 1440";
    EXPECT_EQ(shown.size(),
              QSize(static_cast<int>(std::lround(632 * scale)), static_cast<int>(std::lround(413 * scale))));

    ASSERT_TRUE(filled(500, 300, Qt::white).save(file, "BMP"));
    EXPECT_EQ(grownPayChart(file, QImage(file), largeFile, scale).size(), QSize(500, 300))
        << "a player's chart at its own size";
}

TEST_F(WindowFinish, TheNameBoxShowsItsCaptionWhole) {
    applyWindowFinish(emberpeak::emberpeakValues().colours, 1);
    QtDialogs qtDialogs(QStringLiteral("Emberpeak Slots"));
    const QString caption = QStringLiteral("Name for this saved game?");
    int width = 0;
    int needed = 0;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QFont bold = box->font();
        bold.setBold(true);
        // The caption beside a title bar's icon and its three buttons.
        needed = QFontMetrics(bold).horizontalAdvance(caption) + 4 * 24;
        width = box->width();
        box->close();
    });
    EXPECT_FALSE(qtDialogs.textInput(caption, QString(), QStringLiteral("Game")).has_value());
    EXPECT_GE(width, needed);
}

// Each window of each game takes the game's ground for its background, its text
// colour for its captions and its button face for its buttons.
TEST_F(WindowFinish, EveryWindowIsInItsGamesPalette) {
    RecallLog plays;
    plays.add(PlayRecord{});
    const RecallLog noPlays;
    const SessionTally session;
    SyntheticGame game;
    RecordFile records(dir.filePath(QStringLiteral("x.ini")), false, QStringLiteral("/"),
                       [] { return QDate(2026, 12, 7); });
    RecallLog recall;
    const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> windows[] = {
        {"loan desk", [&] { return std::make_unique<LoanDeskWindow>(state, syntheticPictures(), 800, dialogs, help); }},
        {"statistics",
         [&] {
             return std::make_unique<StatisticsWindow>(state,
                                                       PlayFigures{noPlays, session, game.values(), QString()});
         }},
        {"save and open",
         [&] {
             return std::make_unique<SaveOpenWindow>(state, recall, records, dialogs, help, QStringLiteral("X"), true);
         }},
        {"game history",
         [&] { return std::make_unique<GameHistoryWindow>(plays, game, syntheticPictures().SymbolSheet, 800); }},
        {"autoplay", [] { return std::make_unique<AutoplayWindow>(AutoplayChoices{}, nullptr); }},
        {"message box",
         [] {
             return std::make_unique<QMessageBox>(QMessageBox::Information, QStringLiteral("X"), QStringLiteral("Y"),
                                                  QMessageBox::Ok);
         }},
    };
    for (const GameValues* values : {&orevein::oreveinValues(), &pawlane::pawlaneValues(), &emberpeak::emberpeakValues()}) {
        const GameColours& colours = values->colours;
        applyWindowFinish(colours, 1);
        for (const auto& [name, make] : windows) {
            const std::unique_ptr<QWidget> window = make();
            window->ensurePolished();
            const std::string what = std::string(name) + " of " + std::string(values->title);
            EXPECT_EQ(window->palette().color(QPalette::Window), rgb(colours.ground)) << what;
            // A label or a choice's caption (the loan desk's mode is in the trim colour).
            const QList<QWidget*> children = window->findChildren<QWidget*>();
            const auto caption = std::find_if(children.begin(), children.end(), [](QWidget* w) {
                return (qobject_cast<QLabel*>(w) != nullptr && w->objectName() != QLatin1String("Mode")) ||
                       qobject_cast<QRadioButton*>(w) != nullptr;
            });
            ASSERT_NE(caption, children.end()) << what;
            QWidget* label = *caption;
            label->ensurePolished();
            EXPECT_EQ(label->palette().color(QPalette::WindowText), rgb(colours.text)) << what;
            const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
            const auto enabled = std::find_if(buttons.begin(), buttons.end(), [](QPushButton* b) { return b->isEnabled(); });
            ASSERT_NE(enabled, buttons.end()) << what;
            QPushButton* button = *enabled;
            button->ensurePolished();
            EXPECT_EQ(button->palette().color(QPalette::ButtonText), rgb(colours.buttonText)) << what;
        }
    }
}

// The machine's layout width is worked out from the menu's height: the finish leaves
// the menu bar as high as it was, so the machine is laid out, and painted, as before.
TEST_F(WindowFinish, TheMachineKeepsItsLayoutWidth) {
    QMainWindow window;
    for (const char* menu : {"&File", "&Options", "&Help"}) {
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Item"));
    }
    QScreen& screen = *QGuiApplication::primaryScreen();
    const int plain = machineLayoutWidthOn(window, screen);
    const int menuHeight = window.menuBar()->sizeHint().height();
    applyWindowFinish(pawlane::pawlaneValues().colours, 2.5);
    window.menuBar()->ensurePolished();
    EXPECT_EQ(window.menuBar()->sizeHint().height(), menuHeight);
    EXPECT_EQ(machineLayoutWidthOn(window, screen), plain);
}

} // namespace window_finish_test
