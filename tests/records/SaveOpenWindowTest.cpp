#include "engine/records/SaveOpenWindow.h"

#include "engine/records/RecordFile.h"
#include "tests/support/Recorders.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace slotmachine;
using namespace slotmachine::testing;

namespace {

// A real record file whose every transfer is logged, in the order it happens.
class LoggedRecords final : public GameRecords {
public:
    explicit LoggedRecords(const QString& path) : file_(path, false, QStringLiteral("/"), [] {
        return QDate(2026, 12, 7);
    }) {}
    void readGame(int index, GameState& state, RecallLog& recall) override {
        log.push_back("read " + sectionName(index).toStdString());
        file_.readGame(index, state, recall);
    }
    void writeGame(int index, const GameState& state, const RecallLog& recall, const QString& name) override {
        log.push_back("write " + sectionName(index).toStdString() + " " + name.toStdString());
        if (failWrites) {
            throw RecordWriteError("Unable to write to the test file");
        }
        file_.writeGame(index, state, recall, name);
    }
    QString gameName() const override { return file_.gameName(); }
    QString gameDate() const override { return file_.gameDate(); }

    std::vector<std::string> log;
    bool failWrites = false;

private:
    RecordFile file_;
};

std::vector<std::string> listing() {
    std::vector<std::string> calls{"write CurrentGame CurrentGame"};
    for (int slot = 1; slot <= 8; ++slot) {
        calls.push_back("read GameNo" + std::to_string(slot));
    }
    return calls;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct SaveOpenWindowTest : ::testing::Test {
    QTemporaryDir dir;
    LoggedRecords records{dir.filePath(QStringLiteral("orevein-slots.ini"))};
    EventLog log;
    ScriptedDialogs dialogs{log};
    RecordingHelp help;
    GameState state = running();
    RecallLog recall;

    static GameState running() {
        GameState s;
        s.Credits = 4321;
        s.Borrowed = 2000;
        s.Spins = 99;
        s.TotalBets = 300;
        s.BonusWon = 100;
        s.BonusPts = 5;
        return s;
    }
    std::unique_ptr<SaveOpenWindow> window(bool saveMode) {
        return std::make_unique<SaveOpenWindow>(state, recall, records, dialogs, help, QStringLiteral("Orevein Slots"), saveMode);
    }
    void expectRunningGame() const {
        const GameState r = running();
        EXPECT_EQ(state.Credits, r.Credits);
        EXPECT_EQ(state.Borrowed, r.Borrowed);
        EXPECT_EQ(state.Spins, r.Spins);
        EXPECT_EQ(state.TotalBets, r.TotalBets);
        EXPECT_EQ(state.BonusWon, r.BonusWon);
        EXPECT_EQ(state.BonusPts, r.BonusPts);
    }
    void saveInto(int slot, const QString& name) {
        dialogs.inputAnswer = name;
        auto w = window(true);
        w->panel(slot).button->click();
    }
};

} // namespace

TEST_F(SaveOpenWindowTest, OpenOnAFreshInstallationListsEightFreshSlotsAndCancelKeepsTheRunningGame) {
    auto w = window(false);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Open a Game -- Select Game Slot"));
    for (int slot = 1; slot <= 8; ++slot) {
        const SaveOpenWindow::SlotPanel& p = w->panel(slot);
        EXPECT_EQ(p.name->text(), QStringLiteral("GameNo%1").arg(slot));
        EXPECT_EQ(p.date->text(), QStringLiteral("12/07/26"));
        EXPECT_EQ(p.credits->text(), QStringLiteral("1000 Credits"));
        EXPECT_EQ(p.borrowed->text(), QStringLiteral("1000 Borrowed"));
        EXPECT_EQ(p.game->text(), QStringLiteral("Orevein Slots"));
    }
    EXPECT_EQ(w->panel(1).button->objectName(), QStringLiteral("OKBtn"));
    EXPECT_EQ(w->panel(8).button->objectName(), QStringLiteral("BitBtn7"));
    // The listing leaves the last slot in the live game until the window closes.
    EXPECT_EQ(state.Credits, 1000);
    w->CancelBtn->click();
    EXPECT_EQ(w->result(), QDialog::Rejected);
    EXPECT_EQ(records.log, listing() + std::vector<std::string>{"read CurrentGame"});
    expectRunningGame();
}

TEST_F(SaveOpenWindowTest, SavingIntoSlotTwoAsWeekendShowsInTheNextListing) {
    saveInto(2, QStringLiteral("Weekend"));
    EXPECT_EQ(dialogs.offeredInputs, std::vector<std::string>{"GameNo2"});
    EXPECT_EQ(records.log, (listing() + std::vector<std::string>{"read CurrentGame", "write GameNo2 Weekend",
                                                                  "read CurrentGame"}));
    expectRunningGame();

    auto w = window(false);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Open a Game -- Select Game Slot"));
    EXPECT_EQ(w->panel(2).name->text(), QStringLiteral("Weekend"));
    EXPECT_EQ(w->panel(2).date->text(), QStringLiteral("12/07/26"));
    EXPECT_EQ(w->panel(2).credits->text(), QStringLiteral("4321 Credits"));
    EXPECT_EQ(w->panel(2).borrowed->text(), QStringLiteral("2000 Borrowed"));
    EXPECT_EQ(w->panel(3).name->text(), QStringLiteral("GameNo3"));
}

TEST_F(SaveOpenWindowTest, ASavedGameTakesItsRecallLogAlongAndOpeningItBringsTheLogBack) {
    const auto logOf = [](std::int32_t plays, std::int32_t credits) {
        RecallLog made;
        for (std::int32_t spin = 1; spin <= plays; ++spin) {
            PlayRecord play;
            play.time = 1'800'000'000 + spin;
            play.spin = spin;
            play.coins = 1;
            play.creditsBefore = credits + 1;
            play.creditsAfter = credits;
            made.add(play);
        }
        return made;
    };
    recall = logOf(3, 4321);
    saveInto(2, QStringLiteral("Weekend"));
    EXPECT_EQ(recall, logOf(3, 4321)) << "the running game's log comes back after the listing";

    recall = logOf(1, 50);
    state.Credits = 50;
    auto w = window(false);
    w->panel(2).button->click();
    EXPECT_EQ(state.Credits, 4321);
    EXPECT_EQ(recall, logOf(3, 4321)) << "the opened game's log replaces the running game's";
}

TEST_F(SaveOpenWindowTest, CancellingTheNameSavesNothingAndATypedNameIsOffered) {
    dialogs.inputAnswer.reset();
    {
        auto w = window(true);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Save a Game -- Select Game Slot"));
        w->panel(4).name->setText(QStringLiteral("Typed over"));
        w->panel(4).button->click();
        EXPECT_FALSE(w->isVisible());
    }
    EXPECT_EQ(dialogs.offeredInputs, std::vector<std::string>{"Typed over"});
    EXPECT_EQ(records.log, listing() + std::vector<std::string>{"read CurrentGame"});
    expectRunningGame();
    auto w = window(false);
    EXPECT_EQ(w->panel(4).name->text(), QStringLiteral("GameNo4"));
}

TEST_F(SaveOpenWindowTest, OpeningASlotMakesItTheRunningGame) {
    saveInto(6, QStringLiteral("Saved"));
    state = GameState{}; // played on into a new game meanwhile
    state.Credits = 5;
    records.log.clear();
    auto w = window(false);
    w->panel(6).button->click();
    EXPECT_EQ(records.log, (listing() + std::vector<std::string>{"read GameNo6", "write CurrentGame CurrentGame",
                                                                  "read CurrentGame"}));
    expectRunningGame();
}

TEST_F(SaveOpenWindowTest, ALongNameIsListedByItsFirstThirtyCharacters) {
    saveInto(1, QStringLiteral("Forty characters of a name, and then some"));
    auto w = window(false);
    EXPECT_EQ(w->panel(1).name->text(), QStringLiteral("Forty characters of a name, an"));
}

TEST_F(SaveOpenWindowTest, ClosingByEscapeRestoresTheRunningGameOnce) {
    auto w = window(true);
    w->reject();
    w->reject();
    EXPECT_EQ(std::count(records.log.begin(), records.log.end(), "read CurrentGame"), 1);
    expectRunningGame();
}

TEST_F(SaveOpenWindowTest, WithoutTheRunningGameStoredNothingIsListedOrChanged) {
    records.failWrites = true;
    auto w = window(false);
    EXPECT_FALSE(w->listed());
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Unable to write to the test file"});
    w->panel(3).button->click();
    EXPECT_EQ(records.log, std::vector<std::string>{"write CurrentGame CurrentGame"});
    expectRunningGame();
}

TEST_F(SaveOpenWindowTest, AFailedSaveIsReportedAndTheRunningGameComesBack) {
    auto w = window(true);
    records.failWrites = true;
    dialogs.inputAnswer = QStringLiteral("Lost");
    w->panel(2).button->click();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Unable to write to the test file"});
    expectRunningGame();
}

TEST_F(SaveOpenWindowTest, HelpShowsTheWindowsTopic) {
    auto w = window(false);
    w->HelpBtn->click();
    EXPECT_EQ(help.shown, std::vector<int>{HelpSaveOpenWindow});
}

TEST_F(SaveOpenWindowTest, TheWidestNameShowsWholeInAFramedFieldClearOfTheButton) {
    const QString widest(30, QLatin1Char('W'));
    saveInto(8, widest);
    auto w = window(false);
    const SaveOpenWindow::SlotPanel& p = w->panel(8);
    ASSERT_EQ(p.name->text(), widest);
    // A name that fits needs no scrolling: its field looks the same with the
    // cursor at either end.
    p.name->setCursorPosition(0);
    const QImage atStart = p.name->grab().toImage();
    p.name->end(false);
    EXPECT_EQ(p.name->grab().toImage(), atStart) << "the name is cut off";
    EXPECT_FALSE(p.name->geometry().intersects(p.button->geometry()));
    EXPECT_TRUE(p.panel->rect().contains(p.name->geometry()));
    EXPECT_TRUE(w->rect().contains(p.panel->geometry()));
    EXPECT_TRUE(p.name->hasFrame());
    EXPECT_FALSE(p.name->font().bold());
}
