// The recall log in the record file: stored beside its game, read back whole, a
// record without one, and a damaged one kept aside without costing its game.
#include "engine/records/RecallText.h"
#include "engine/records/RecordFile.h"
#include "engine/shell/PlayerLanguage.h"
#include "tests/records/RecordFolder.h"

#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

using namespace slotmachine;
using slotmachine::testing::RecordFolder;

namespace recall_record_test {

RecallLog playsEndingAt(std::int32_t credits, std::int32_t count) {
    RecallLog log;
    for (std::int32_t spin = 1; spin <= count; ++spin) {
        PlayRecord play;
        play.time = 1'800'000'000 + spin;
        play.spin = spin;
        play.coins = 1;
        play.lines = {1};
        play.creditsBefore = credits + count - spin + 1;
        play.creditsAfter = credits + count - spin;
        log.add(play);
    }
    return log;
}

// A running game of 777 credits whose recall log holds the given "key=value" lines.
QByteArray runningGameWithLog(const QByteArray& recallLines) {
    return "[CurrentGame]\nGameName=CurrentGame\nGameDate=12/07/26\nCredits=777\nBorrowed=1000\nSpins=3\n"
           "TotalBets=3\nBonusWon=0\nBonusPts=0\n\n[CurrentGame.Recall]\n" +
           recallLines;
}

QByteArray playLine(int number, std::int32_t creditsAfter) {
    RecallLog one = playsEndingAt(creditsAfter, 1);
    return "Play" + QByteArray::number(number) + "=" + playToJson(one[0]).toUtf8() + "\n";
}

} // namespace recall_record_test

using namespace recall_record_test;

TEST_F(RecordFolder, ALogIsStoredBesideItsGameAndReadBackWhole) {
    GameState saved;
    saved.Credits = 990;
    file.writeGame(2, saved, playsEndingAt(990, 10), QStringLiteral("Weekend"));
    file.storeCurrentGame(GameState{}, playsEndingAt(1000, 1));
    EXPECT_TRUE(readText().contains(QStringLiteral("\n[GameNo3.Recall]\nPlay1={")));

    GameState state;
    RecallLog log;
    file.readGame(2, state, log);
    EXPECT_EQ(state.Credits, 990);
    EXPECT_EQ(log, playsEndingAt(990, 10));
    file.loadCurrentGame(state, log);
    EXPECT_EQ(log, playsEndingAt(1000, 1));

    // An empty log leaves no section behind, and a record without one reads as empty.
    file.writeGame(2, saved, RecallLog{}, QStringLiteral("Weekend"));
    EXPECT_FALSE(readText().contains(QStringLiteral("GameNo3.Recall")));
    file.readGame(2, state, log);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(file.takeNotice());
}

TEST_F(RecordFolder, ADamagedLogIsKeptAsideAndItsGamePlaysOnWithAnEmptyOne) {
    struct Case {
        const char* what;
        QByteArray lines;
        const char* reason;
    };
    QByteArray hundredAndOne;
    for (int n = 1; n <= 101; ++n) {
        hundredAndOne += playLine(n, 777);
    }
    const Case cases[] = {
        {"a play that is not JSON", playLine(1, 777) + "Play2={\"kind\":\n", "Play2: "},
        {"a play missing between two", playLine(1, 778) + playLine(3, 777), "Play2 is missing"},
        {"more plays than a log keeps", hundredAndOne, "more than 100 plays"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& aside : damagedFiles()) {
            QFile::remove(dir.filePath(aside));
        }
        writeText(runningGameWithLog(c.lines));
        const RecallReading<RecallLog> peek = readRecallLog(path, CurrentGameIndex);
        EXPECT_FALSE(peek.value);
        EXPECT_TRUE(peek.error.contains(QLatin1String(c.reason))) << peek.error.toStdString();
        EXPECT_TRUE(damagedFiles().isEmpty()) << "a reader beside the game changes nothing";

        GameState state;
        RecallLog log = playsEndingAt(5, 5);
        file.loadCurrentGame(state, log);
        EXPECT_EQ(state.Credits, 777);
        EXPECT_TRUE(log.empty());
        const std::optional<QString> notice = file.takeNotice();
        ASSERT_TRUE(notice);
        EXPECT_TRUE(notice->contains(QStringLiteral("[CurrentGame.Recall] "))) << notice->toStdString();
        EXPECT_TRUE(notice->contains(QLatin1String(c.reason))) << notice->toStdString();
        EXPECT_EQ(damagedFiles().size(), 1);
        EXPECT_FALSE(readText().contains(QStringLiteral("CurrentGame.Recall")));
        GameState again;
        file.loadCurrentGame(again, log);
        EXPECT_EQ(again.Credits, 777) << "the game stays in the file";
        EXPECT_FALSE(file.takeNotice());
    }
}

TEST_F(RecordFolder, DamagedLogsOfTwoGamesAreKeptAsideInOneRecovery) {
    writeText(runningGameWithLog("Play1=not a play\n") +
              "\n[GameNo1]\nGameName=Game 1\nGameDate=12/07/26\nCredits=5\nBorrowed=1000\nSpins=0\nTotalBets=0\n"
              "BonusWon=0\nBonusPts=0\n\n[GameNo1.Recall]\nPlay2=" +
              playLine(1, 5).mid(6));
    GameState state;
    file.readGame(0, state);
    EXPECT_EQ(state.Credits, 5);
    file.loadCurrentGame(state);
    EXPECT_EQ(state.Credits, 777);
    EXPECT_EQ(damagedFiles().size(), 1) << "the first recovery dropped both logs";
}

// Nothing the record keeps is in the player's language: the same games written with
// German installed (its translations and its locale the default one) are byte for
// byte those written in English.
TEST_F(RecordFolder, AGameAndItsLogAreWrittenAlikeInEveryLanguage) {
    const auto written = [this](const QString& language) {
        EXPECT_EQ(installPlayerLanguage(language), language);
        RecordFile record(path, true, dateSeparatorOf(QLocale::system()), [] { return slotmachine::testing::RecordToday; });
        GameState game;
        game.Credits = 1'234'567;
        game.TotalBets = 98'765;
        game.Stock = 4;
        RecallLog log = playsEndingAt(1'234'567, 3);
        PlayRecord nudge = log[2];
        nudge.kind = PlayKind::Nudge;
        nudge.moves = {ReelMove{1, 12, 13, ReelMover::Nudge}};
        nudge.bonus = BoxPick{2, 1500, 1500};
        log.add(nudge);
        record.writeGame(3, game, log, QStringLiteral("Wochenende"));
        record.storeCurrentGame(game, log);
        QByteArray bytes = readText().toUtf8();
        QFile::remove(path);
        return bytes;
    };
    const QByteArray german = written(QStringLiteral("de"));
    EXPECT_EQ(QLocale().language(), QLocale::German);
    const QByteArray english = written(QString());
    EXPECT_TRUE(german.contains("[GameNo4.Recall]")) << german.toStdString();
    EXPECT_EQ(german, english);
}
