// Each game with a stock keeps it in saved games under the key "Nudges", right after
// the keys every game writes: Pawlane its holds, Emberpeak its nudges.
#include "engine/records/RecordFile.h"
#include "games/emberpeak/EmberpeakGame.h"
#include "games/pawlane/PawlaneGame.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine;

TEST(StockRecord, HoldsAndNudgesAreKeptUnderNudges) {
    struct Case {
        const GameValues& values;
        const char* stored; // the stock's line
    };
    for (const Case& c : {Case{pawlane::pawlaneValues(), "Nudges=4\n"}, Case{emberpeak::emberpeakValues(), "Nudges=4\n"}}) {
        QTemporaryDir dir;
        RecordFile file(dir.filePath(QStringLiteral("slots.ini")), c.values.stock.has_value(), QStringLiteral("/"),
                        [] { return QDate(2026, 12, 7); });
        GameState s;
        s.Credits = 1234;
        s.Borrowed = 2000;
        s.Spins = 56;
        s.TotalBets = 170;
        s.BonusWon = 250;
        s.BonusPts = 7;
        s.Stock = 4;
        file.writeGame(0, s, QStringLiteral("Tables"));
        QFile written(file.path());
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(written.readAll()).toStdString(),
                  std::string("[GameNo1]\nGameName=Tables\nGameDate=12/07/26\nCredits=1234\nBorrowed=2000\nSpins=56\n"
                              "TotalBets=170\nBonusWon=250\nBonusPts=7\n") +
                      c.stored)
            << c.values.title;
    }
}
