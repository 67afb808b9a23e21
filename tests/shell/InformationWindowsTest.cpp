// The pay chart window and the help window: the picture at its own size, the
// manual's topics, each in the player's language where the program has it, and
// clear messages when a file is missing or broken.
#include "engine/display/LargePayChart.h"
#include "engine/records/RecordFile.h"
#include "engine/records/SaveOpenWindow.h"
#include "engine/records/SessionTally.h"
#include "engine/records/StatisticsWindow.h"
#include "engine/shell/AutoplayWindow.h"
#include "engine/shell/GameHistoryWindow.h"
#include "engine/shell/HelpWindow.h"
#include "engine/shell/LoanDeskWindow.h"
#include "engine/shell/PayChartWindow.h"
#include "engine/shell/PlayerLanguage.h"
#include "engine/shell/WindowFinish.h"
#include "tests/support/Recorders.h"
#include "tests/support/SyntheticGame.h"
#include "tests/support/SyntheticPictures.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

void write(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

struct InformationWindows : ::testing::Test {
    EventLog log;
    ScriptedDialogs dialogs{log};
    RecordingHelp help;
    QTemporaryDir dir;
    QString programDir() const { return dir.path() + QLatin1Char('/'); }

    std::unique_ptr<PayChartWindow> chart() {
        return std::make_unique<PayChartWindow>(programDir(), dialogs, help);
    }
};

} // namespace

TEST_F(InformationWindows, ThePayChartTakesItsPicturesSizeWhateverTheNameCase) {
    const QColor colour(10, 120, 200);
    ASSERT_TRUE(filled(300, 200, colour).save(dir.filePath(QStringLiteral("PAYCHART.BMP")), "BMP"));
    auto w = chart();
    EXPECT_EQ(w->windowTitle(), "Payoff Chart");
    EXPECT_EQ(w->size(), QSize(300, 200));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->chartLabel->geometry(), QRect(0, 0, 300, 200));
    EXPECT_TRUE(w->updatesEnabled());
    const QImage shown = w->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), colour);
    EXPECT_EQ(shown.pixelColor(299, 199), colour);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(InformationWindows, AMissingOrBrokenPayChartGivesOneMessageAndTheDesignSize) {
    auto missing = chart();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find(programDir().toStdString() + "Paychart.bmp"), std::string::npos)
        << dialogs.messages[0];
    EXPECT_EQ(missing->size(), QSize(632, 413));
    EXPECT_TRUE(missing->updatesEnabled());

    write(dir.filePath(QStringLiteral("paychart.bmp")), "not a picture");
    auto broken = chart();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_NE(dialogs.messages[1].find("paychart.bmp"), std::string::npos) << dialogs.messages[1];
    EXPECT_EQ(broken->size(), QSize(632, 413));
    EXPECT_TRUE(broken->updatesEnabled());
}

// The game's own chart names its bytes in its large drawing; in a language, the
// chart and large drawing of that language beside them take their place.
TEST_F(InformationWindows, TheGamesOwnChartShowsInThePlayersLanguageAndAPlayersChartAsItIs) {
    const QString file = dir.filePath(QStringLiteral("Paychart.bmp"));
    ASSERT_TRUE(filled(632, 413, Qt::white).save(file, "BMP"));
    QImage large = filled(632 * LargeChartScale, 413 * LargeChartScale, Qt::white);
    large.setText(QString::fromLatin1(ChartDigestKey), chartFileDigest(file));
    const PayChartFiles own{file, dir.filePath(QStringLiteral("Paychart-large.png"))};
    ASSERT_TRUE(large.save(own.largeChart, "PNG"));
    ASSERT_TRUE(filled(632, 413, Qt::gray).save(dir.filePath(QStringLiteral("PAYCHART-DE.PNG")), "PNG"));

    EXPECT_EQ(payChartInLanguage(own, QStringLiteral("de")),
              (PayChartFiles{dir.filePath(QStringLiteral("PAYCHART-DE.PNG")),
                             dir.filePath(QStringLiteral("Paychart-large-de.png"))}));
    EXPECT_EQ(payChartInLanguage(own, QString()), own) << "English";
    EXPECT_EQ(payChartInLanguage(own, QStringLiteral("es")), own) << "no chart in that language";
    ASSERT_TRUE(filled(500, 300, Qt::white).save(file, "BMP"));
    EXPECT_EQ(payChartInLanguage(own, QStringLiteral("de")), own) << "a player's chart";
}

TEST_F(InformationWindows, F1InThePayChartAsksForItsTopic) {
    auto w = chart();
    for (int key : {Qt::Key_A, Qt::Key_F1}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(w.get(), &event);
    }
    EXPECT_EQ(help.shown, (std::vector<int>{HelpPayChart}));
}

namespace {

// A manual with two topics far down a long page.
struct HelpManual : InformationWindows {
    QString path = dir.filePath(QStringLiteral("orevein-slots.html"));
    HelpManual() {
        QByteArray html = "<html><body><h1>Contents</h1>";
        for (const char* topic : {"41008", "41010"}) {
            for (int i = 0; i < 60; ++i) {
                html += "<p>Filler paragraph to push the topic down the page.</p>";
            }
            html += QByteArray("<a name=\"") + topic + "\"></a><h2>Topic " + topic + "</h2>";
        }
        for (int i = 0; i < 60; ++i) {
            html += "<p>Closing text.</p>";
        }
        write(path, html + "</body></html>");
    }
    static int scrolled(const HelpWindow& w) { return w.browser()->verticalScrollBar()->value(); }
};

// Remembers whether a modal window last blocked or freed the window it watches.
struct BlockWatch : QObject {
    bool blocked = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked) {
            blocked = event->type() == QEvent::WindowBlocked;
        }
        return false;
    }
};

} // namespace

TEST_F(HelpManual, TopicsScrollToTheirAnchorsInOneReusedWindow) {
    HelpWindow manual(path, QStringLiteral("Orevein Slots"), dialogs);
    EXPECT_EQ(manual.window(), nullptr);
    manual.showTopic(41010);
    QWidget* window = manual.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Orevein Slots Help");
    const int farDown = scrolled(manual);
    EXPECT_GT(farDown, 0);

    manual.showContents();
    EXPECT_EQ(scrolled(manual), 0);
    manual.showTopic(41008);
    EXPECT_GT(scrolled(manual), 0);
    EXPECT_LT(scrolled(manual), farDown);

    window->close();
    manual.showTopic(41010);
    EXPECT_EQ(manual.window(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(scrolled(manual), farDown);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HelpManual, ThePlayersLanguageHasItsOwnManualWhereThereIsOne) {
    const QString german = dir.filePath(QStringLiteral("orevein-slots.de.html"));
    write(german, "<html><body><h1>Inhalt</h1></body></html>");
    EXPECT_EQ(manualInLanguage(path, QStringLiteral("de")), german);
    EXPECT_EQ(manualInLanguage(path, QStringLiteral("es")), path) << "none in that language: the English one";
    EXPECT_EQ(manualInLanguage(path, QString()), path);
}

TEST_F(HelpManual, AMissingManualGivesOneMessageAndNoWindow) {
    const QString missing = dir.filePath(QStringLiteral("nowhere.html"));
    HelpWindow manual(missing, QStringLiteral("Orevein Slots"), dialogs);
    manual.showTopic(HelpPayChart);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find(missing.toStdString()), std::string::npos) << dialogs.messages[0];
    EXPECT_EQ(manual.window(), nullptr);
}

TEST_F(HelpManual, ATopicAskedForFromAModalWindowCanBeRead) {
    HelpWindow manual(path, QStringLiteral("Orevein Slots"), dialogs);
    manual.showContents();
    BlockWatch watch;
    manual.window()->installEventFilter(&watch);

    QDialog modal;
    bool blockedByModal = false;
    bool blockedAfterTopic = true;
    QTimer::singleShot(0, &modal, [&] {
        blockedByModal = watch.blocked;
        manual.showTopic(HelpPayChart);
        blockedAfterTopic = watch.blocked;
        modal.accept();
    });
    modal.exec();
    EXPECT_TRUE(blockedByModal);
    EXPECT_FALSE(blockedAfterTopic);
    EXPECT_EQ(manual.window()->windowHandle()->transientParent(), nullptr) << "back to its own parent";
    EXPECT_FALSE(watch.blocked);
}

// On an 800 x 600 screen every window the games open fits whole, with a title bar
// of 30 pixels and borders of 4 around it. The offscreen platform's screen is
// larger: ctest runs this on one of 800 x 600 (windows_fit_800x600), also in each
// translated language, whose words may run longer (LANGUAGE=de).
TEST_F(HelpManual, EveryWindowFitsASmallScreenWithItsFrame) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    if (screen != QRect(0, 0, 800, 600)) {
        GTEST_SKIP() << "needs an 800 x 600 screen";
    }
    const QString language = languageFromEnvironment();
    ASSERT_EQ(installPlayerLanguage(language), language);
    auto fits = [&](const QWidget& w) {
        return screen.contains(QRect(w.pos(), w.size() + QSize(4 + 4, 30 + 4)));
    };
    // In a game's finish, whose buttons and fields have paddings of their own.
    applyWindowFinish(SyntheticGame().values().colours, 1);
    HelpWindow manual(path, QStringLiteral("Orevein Slots"), dialogs);
    manual.showContents();
    EXPECT_TRUE(fits(*manual.window())) << "help";

    ASSERT_TRUE(filled(632, 413, Qt::white).save(dir.filePath(QStringLiteral("Paychart.bmp")), "BMP"));
    EXPECT_TRUE(fits(*chart())) << "pay chart";
    ASSERT_TRUE(filled(1400, 900, Qt::white).save(dir.filePath(QStringLiteral("Paychart.bmp")), "BMP"));
    auto large = chart();
    EXPECT_TRUE(fits(*large)) << "a pay chart picture larger than the screen";
    EXPECT_EQ(large->chartLabel->size(), large->size()) << "shown whole, smaller";

    GameState state;
    RecallLog recall;
    EXPECT_TRUE(fits(StatisticsWindow(state))) << "statistics";
    const RecallLog noPlays;
    const SessionTally session;
    const GameValues values;
    EXPECT_TRUE(fits(StatisticsWindow(state, PlayFigures{noPlays, session, values, QString()})))
        << "statistics with the player's figures";
    EXPECT_TRUE(fits(LoanDeskWindow(state, syntheticPictures(), 800, dialogs, help))) << "loan desk";
    RecallLog plays;
    plays.add(PlayRecord{});
    SyntheticGame game;
    EXPECT_TRUE(fits(GameHistoryWindow(plays, game, syntheticPictures().SymbolSheet, 800))) << "game history";
    RecordFile records(dir.filePath(QStringLiteral("orevein-slots.ini")), false, QStringLiteral("/"),
                       [] { return QDate(2026, 12, 7); });
    EXPECT_TRUE(
        fits(SaveOpenWindow(state, recall, records, dialogs, help, QStringLiteral("Orevein Slots"), true)))
        << "save and open";
    EXPECT_TRUE(fits(AutoplayWindow(AutoplayChoices{}, nullptr))) << "autoplay";
}

TEST_F(HelpManual, EveryControlOfEveryWindowIsReachedByTab) {
    // The controls Tab reaches from the window, in order.
    auto tabChain = [](QWidget& w) {
        std::vector<QWidget*> chain;
        for (QWidget* next = w.nextInFocusChain(); next != &w && chain.size() < 200;
             next = next->nextInFocusChain()) {
            if (next->isVisibleTo(&w) && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus) != 0) {
                chain.push_back(next);
            }
        }
        return chain;
    };
    auto everyControlReached = [&](QWidget& w) {
        const std::vector<QWidget*> chain = tabChain(w);
        for (QWidget* control : w.findChildren<QWidget*>()) {
            const bool interactive = qobject_cast<QAbstractButton*>(control) != nullptr ||
                                     qobject_cast<QLineEdit*>(control) != nullptr ||
                                     qobject_cast<QComboBox*>(control) != nullptr;
            if (interactive && control->isVisibleTo(&w) && control->isEnabled() &&
                std::find(chain.begin(), chain.end(), control) == chain.end()) {
                ADD_FAILURE() << w.metaObject()->className() << ": Tab never reaches "
                              << control->metaObject()->className() << " "
                              << control->objectName().toStdString();
            }
        }
        return chain;
    };
    GameState state;
    RecallLog recall;
    StatisticsWindow statistics(state);
    everyControlReached(statistics);
    LoanDeskWindow loanDesk(state, syntheticPictures(), 800, dialogs, help);
    everyControlReached(loanDesk);
    RecallLog plays;
    plays.add(PlayRecord{});
    plays.add(PlayRecord{});
    SyntheticGame game;
    GameHistoryWindow history(plays, game, syntheticPictures().SymbolSheet, 800);
    everyControlReached(history);
    AutoplayWindow autoplay(AutoplayChoices{}, nullptr);
    everyControlReached(autoplay);
    RecordFile records(dir.filePath(QStringLiteral("orevein-slots.ini")), false, QStringLiteral("/"),
                       [] { return QDate(2026, 12, 7); });
    SaveOpenWindow saveOpen(state, recall, records, dialogs, help, QStringLiteral("Orevein Slots"), true);
    const std::vector<QWidget*> chain = everyControlReached(saveOpen);
    ASSERT_GE(chain.size(), 2U);
    EXPECT_EQ(chain[chain.size() - 2], saveOpen.HelpBtn) << "Help, then Cancel: left to right";
    EXPECT_EQ(chain.back(), saveOpen.CancelBtn);
}
