#include "engine/records/RecordFile.h"
#include "tests/records/RecordFolder.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine;

namespace {

const QDate Today = slotmachine::testing::RecordToday;

// `lines`, and after them each value every store writes that they lack, at a
// fresh game's value: a section without one of them is damaged.
QByteArray withEveryValue(const QByteArray& lines) {
    QByteArray text = lines;
    for (const char* value : {"GameName=Game", "GameDate=12/07/26", "Credits=1000", "Borrowed=1000", "Spins=0",
                              "TotalBets=0", "BonusWon=0", "BonusPts=0"}) {
        const QByteArray key = QByteArray(value).left(QByteArray(value).indexOf('=') + 1).toLower();
        if (!("\n" + lines.toLower()).contains("\n" + key)) {
            text += QByteArray(value) + "\n";
        }
    }
    return text;
}

struct RecordFileTest : slotmachine::testing::RecordFolder {
    // The running game read from a file holding `lines` under [CurrentGame].
    GameState currentGameFrom(const QByteArray& lines) {
        writeText("[CurrentGame]\n" + withEveryValue(lines));
        GameState state;
        state.Credits = -1; // every value below must come from the read
        state.Borrowed = -1;
        file.loadCurrentGame(state);
        return state;
    }
};

GameState playedGame() {
    GameState s;
    s.Credits = 1234;
    s.Borrowed = 2000;
    s.Spins = 56;
    s.TotalBets = 170;
    s.BonusWon = 250;
    s.BonusPts = 7;
    return s;
}

void expectFreshGame(const GameState& s) {
    EXPECT_EQ(s.Credits, 1000);
    EXPECT_EQ(s.Borrowed, 1000);
    EXPECT_EQ(s.Spins, 0);
    EXPECT_EQ(s.TotalBets, 0);
    EXPECT_EQ(s.BonusWon, 0);
    EXPECT_EQ(s.BonusPts, 0);
}

} // namespace

TEST(RecordSections, AreNamedBySlotNumberAndTheRunningGame) {
    EXPECT_EQ(sectionName(0), QStringLiteral("GameNo1"));
    EXPECT_EQ(sectionName(7), QStringLiteral("GameNo8"));
    EXPECT_EQ(sectionName(CurrentGameIndex), QStringLiteral("CurrentGame"));
}

TEST_F(RecordFileTest, ASlotNeverWrittenReadsAsAFreshGameFromAMissingOrEmptyFile) {
    for (const bool empty : {false, true}) {
        if (empty) {
            writeText("");
        }
        GameState state = playedGame();
        file.readGame(2, state);
        EXPECT_EQ(file.gameName(), QStringLiteral("GameNo3"));
        EXPECT_EQ(file.gameDate(), QStringLiteral("12/07/26"));
        expectFreshGame(state);
    }
}

TEST_F(RecordFileTest, WritesTheKeysInOrderAndReadsThemBack) {
    file.writeGame(1, playedGame(), QStringLiteral("Weekend"));
    EXPECT_EQ(readText(), QStringLiteral("[GameNo2]\nGameName=Weekend\nGameDate=12/07/26\nCredits=1234\n"
                                         "Borrowed=2000\nSpins=56\nTotalBets=170\nBonusWon=250\nBonusPts=7\n"));
    GameState state;
    file.readGame(1, state);
    EXPECT_EQ(file.gameName(), QStringLiteral("Weekend"));
    EXPECT_EQ(state.Credits, 1234);
    EXPECT_EQ(state.Borrowed, 2000);
    EXPECT_EQ(state.Spins, 56);
    EXPECT_EQ(state.TotalBets, 170);
    EXPECT_EQ(state.BonusWon, 250);
    EXPECT_EQ(state.BonusPts, 7);
    // Only the game totals belong to a record.
    EXPECT_EQ(state.Coins, 0);
}

TEST_F(RecordFileTest, KeepsWhatElseTheFileHoldsAndTheRunningGameIsAlwaysNamedCurrentGame) {
    writeText("; kept by hand\n[Window]\nLeft=10\n\n[GameNo1]\n" + withEveryValue("GameName=Old\nCredits=5\n"));
    file.storeCurrentGame(playedGame());
    file.writeGame(0, playedGame(), QStringLiteral("New"));
    const QString text = readText();
    EXPECT_TRUE(text.contains(QStringLiteral("; kept by hand")));
    EXPECT_TRUE(text.contains(QStringLiteral("[Window]\nLeft=10")));
    EXPECT_EQ(text.count(QStringLiteral("GameName=")), 2);
    EXPECT_TRUE(text.contains(QStringLiteral("[CurrentGame]\nGameName=CurrentGame\n")));
    GameState state;
    file.readGame(0, state);
    EXPECT_EQ(file.gameName(), QStringLiteral("New"));
    EXPECT_EQ(state.Credits, 1234);
}

TEST_F(RecordFileTest, ReadsSectionsAndKeysWrittenInAnyCaseAndReplacesThemInPlace) {
    writeText("[currentgame]\n" + withEveryValue("credits=5\nBORROWED=6\nbonuspts=3\n").toLower());
    GameState state;
    file.loadCurrentGame(state);
    EXPECT_EQ(state.Credits, 5);
    EXPECT_EQ(state.Borrowed, 6);
    EXPECT_EQ(state.BonusPts, 3);
    file.storeCurrentGame(playedGame());
    const QString text = readText().toLower();
    EXPECT_EQ(text.count(QStringLiteral("credits=")), 1);
    EXPECT_EQ(text.count(QStringLiteral("[currentgame]")), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("credits=1234")));
}

TEST_F(RecordFileTest, HexadecimalValuesAreReadAndGarbageReadsAsTheDefault) {
    EXPECT_EQ(currentGameFrom("Credits=0x10\n").Credits, 16);
    EXPECT_EQ(currentGameFrom("Credits=0X1f\n").Credits, 31);
    EXPECT_EQ(currentGameFrom("Credits=$FF\n").Credits, 255);
    EXPECT_EQ(currentGameFrom("Credits=  42  \n").Credits, 42);
    for (const char* garbage : {"abc", "0x", "$", "12abc", "1.5", "--3", "$-1", "0x-1", "", "+7"}) {
        EXPECT_EQ(currentGameFrom(QByteArray("Credits=") + garbage + "\n").Credits, 1000) << garbage;
    }
}

TEST_F(RecordFileTest, ValuesTheGameCannotHoldReadAsTheirDefaults) {
    const GameState s = currentGameFrom("Credits=-5\nBorrowed=2147483648\nSpins=-1\nTotalBets=99999999999999999999\n"
                                        "BonusWon=$FFFFFFFF\nBonusPts=-2\n");
    expectFreshGame(s);
    EXPECT_EQ(currentGameFrom("Credits=2147483647\n").Credits, 2147483647);
    EXPECT_EQ(currentGameFrom("BonusPts=40\n").BonusPts, 12);
    EXPECT_EQ(currentGameFrom("BonusPts=12\n").BonusPts, 12);
}

TEST_F(RecordFileTest, NamesAndDatesAreCutEvenFromAnAbsurdlyLongName) {
    const QString forty = QStringLiteral("A forty character name for a saved game!");
    ASSERT_EQ(forty.size(), 40);
    file.writeGame(3, playedGame(), forty);
    EXPECT_TRUE(readText().contains(forty));
    GameState state;
    file.readGame(3, state);
    EXPECT_EQ(file.gameName(), forty.left(30));

    // Only the first 1023 characters of a text are read, so the name still shows.
    writeText("[GameNo4]\n" +
              withEveryValue("GameName=Prospector Joe " + QByteArray(1 << 20, 'x') + "\nGameDate=12/07/2026 and more\n"));
    file.readGame(3, state);
    EXPECT_EQ(file.gameName(), QStringLiteral("Prospector Joe xxxxxxxxxxxxxxx"));
    EXPECT_EQ(file.gameDate(), QStringLiteral("12/07/2026"));
}

TEST_F(RecordFileTest, ANameCannotBreakTheFileApart) {
    file.writeGame(0, playedGame(), QStringLiteral("Evil\nCredits=999999\r\n[GameNo2]"));
    GameState state;
    file.readGame(0, state);
    EXPECT_EQ(state.Credits, 1234);
    file.readGame(1, state);
    EXPECT_EQ(file.gameName(), QStringLiteral("GameNo2"));
    EXPECT_EQ(state.Credits, 1000);
}

TEST_F(RecordFileTest, OnlyAGameWithAStockKeepsNudges) {
    file.writeGame(0, playedGame(), QStringLiteral("Plain"));
    EXPECT_FALSE(readText().contains(QStringLiteral("Nudges")));

    RecordFile stocked(path, true, QStringLiteral("/"), [] { return Today; });
    GameState game = playedGame();
    game.Stock = 4;
    stocked.writeGame(1, game, QStringLiteral("Held"));
    EXPECT_TRUE(readText().contains(QStringLiteral("BonusPts=7\nNudges=4\n")));
    GameState state;
    stocked.readGame(1, state);
    EXPECT_EQ(state.Stock, 4);
    // Slot 1 was written without the key; slot 3 never, so it reads as a fresh game.
    stocked.setStockOfAFreshGame(6);
    stocked.readGame(0, state);
    EXPECT_EQ(state.Stock, 0);
    stocked.readGame(2, state);
    EXPECT_EQ(state.Stock, 6);
}

TEST_F(RecordFileTest, AFailedWriteSaysWhereAndLeavesTheFileAsItWas) {
    // A settings folder that is a file cannot be created.
    const QString blocker = dir.filePath(QStringLiteral("config"));
    QFile(blocker).open(QIODevice::WriteOnly);
    RecordFile unreachable(blocker + QStringLiteral("/orevein-slots.ini"), false, QStringLiteral("/"));
    try {
        unreachable.storeCurrentGame(playedGame());
        FAIL() << "the write was reported as done";
    } catch (const RecordWriteError& e) {
        EXPECT_EQ(QString::fromStdString(e.what()),
                  QStringLiteral("Unable to write to ") + blocker + QStringLiteral("/orevein-slots.ini"));
    }

}

TEST_F(RecordFileTest, ARecordThatCannotBeReadIsToldOnceAndNeverReplaced) {
    // A folder in the file's place (a file of mode 000 would do, but not for root).
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("orevein-slots.ini")));
    GameState state = playedGame();
    file.loadCurrentGame(state);
    expectFreshGame(state);
    const std::optional<QString> notice = file.takeNotice();
    ASSERT_TRUE(notice) << "the player must learn at the first read, not at the first store";
    EXPECT_TRUE(notice->contains(QStringLiteral("cannot be read")) && notice->contains(QDir::toNativeSeparators(path)) &&
                notice->contains(QStringLiteral("not kept")))
        << notice->toStdString();
    file.readGame(0, state);
    EXPECT_FALSE(file.takeNotice()) << "said once";
    try {
        file.storeCurrentGame(playedGame());
        FAIL() << "the write was reported as done";
    } catch (const RecordWriteError& e) {
        EXPECT_TRUE(e.playerKnows());
    }
    EXPECT_TRUE(QFileInfo(path).isDir()) << "the saved games stay untouched";
}

TEST(RecordDates, FollowTheUsersDateSeparator) {
    EXPECT_EQ(formatGameDate(QDate(2026, 3, 4), QStringLiteral("/")), QStringLiteral("03/04/26"));
    EXPECT_EQ(formatGameDate(QDate(2000, 11, 30), QStringLiteral(".")), QStringLiteral("11.30.00"));
    EXPECT_EQ(dateSeparatorOf(QLocale(QLocale::English, QLocale::UnitedStates)), QStringLiteral("/"));
    EXPECT_EQ(dateSeparatorOf(QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("."));
    EXPECT_EQ(dateSeparatorOf(QLocale(QLocale::Swedish, QLocale::Sweden)), QStringLiteral("-"));
    EXPECT_EQ(dateSeparatorOf(QLocale::c()), QStringLiteral("/"));
}

TEST(RecordIntegers, CoverTheWholeThirtyTwoBitRange) {
    EXPECT_EQ(parseRecordInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(parseRecordInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseRecordInteger("0x7FFFFFFF"), 2147483647);
    EXPECT_FALSE(parseRecordInteger("2147483648"));
    EXPECT_FALSE(parseRecordInteger("-2147483649"));
    EXPECT_EQ(parseRecordInteger("007"), 7);
}
