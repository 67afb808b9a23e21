// The recall log as text: plays as JSON lines and back, the refusal of damaged
// lines, and the table for the terminal.
#include "engine/records/RecallTable.h"
#include "engine/records/RecallText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <gtest/gtest.h>

namespace recall_text_test {

using namespace slotmachine;

constexpr std::int64_t Noon = 1796731200; // 2026-12-08 12:00:00 UTC

// A play of `kind` with every field set to something other than its default.
PlayRecord fullPlay(PlayKind kind) {
    PlayRecord play;
    play.kind = kind;
    play.time = Noon;
    play.spin = 42;
    play.coins = 3;
    play.lines = {1, 0, 2};
    play.stops = {4, 17, 30};
    play.moves = {{0, 3, 4, ReelMover::Nudge}, {1, 17, 17, ReelMover::Held}, {2, 29, 30, ReelMover::Up}};
    play.paylines = {{1, {5, 5, 5}, 40}, {0, {1, 2, 3}, 0}, {2, {9, 0, 7}, 2}};
    play.win = 92;
    play.bonusPointsBefore = 11;
    play.bonusPointsAfter = 0;
    play.stockBefore = 2;
    play.stockEarned = 3;
    play.stockUsed = 1;
    play.bonus = BoxPick{7, 50, 50};
    play.creditsBefore = 1003;
    play.creditsAfter = 1092;
    play.loan = 500;
    return play;
}

QJsonObject fullObject() {
    return QJsonDocument::fromJson(playToJson(fullPlay(PlayKind::Spin)).toUtf8()).object();
}

QString lineOf(const QJsonObject& object) {
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// Sets `key` of the entry `index` of the list `list`.
void setEntry(QJsonObject& play, const char* list, qsizetype index, const char* key,
              const QJsonValue& value) {
    QJsonArray entries = play[QLatin1String(list)].toArray();
    QJsonObject entry = entries[index].toObject();
    entry[QLatin1String(key)] = value;
    entries[index] = entry;
    play[QLatin1String(list)] = entries;
}

void setItem(QJsonObject& play, const char* list, qsizetype index, const QJsonValue& value) {
    QJsonArray entries = play[QLatin1String(list)].toArray();
    entries[index] = value;
    play[QLatin1String(list)] = entries;
}

TEST(RecallText, EveryKindOfPlayComesBackAsItWasWritten) {
    for (const PlayKind kind : {PlayKind::Spin, PlayKind::Nudge, PlayKind::Loan, PlayKind::Payback}) {
        const PlayRecord play = fullPlay(kind);
        const QString line = playToJson(play);
        EXPECT_FALSE(line.contains(QLatin1Char('\n')));
        const RecallReading<PlayRecord> read = playFromJson(line);
        ASSERT_TRUE(read.value) << read.error.toStdString();
        EXPECT_EQ(*read.value, play) << line.toStdString();
    }
    PlayRecord plain; // no bonus game, no moves, no lines
    plain.kind = PlayKind::Loan;
    EXPECT_EQ(playFromJson(playToJson(plain)).value, plain);
}

TEST(RecallText, KeysAndTimeAreTheDocumentedOnes) {
    const QJsonObject object = fullObject();
    EXPECT_EQ(object.keys(),
              (QStringList{"bonus", "bonus_points_after", "bonus_points_before", "coins", "credits_after",
                           "credits_before", "kind", "lines", "loan", "moves", "paylines", "spin",
                           "stock_before", "stock_earned", "stock_used", "stops", "time", "win"}));
    EXPECT_EQ(object[QLatin1String("time")].toString(), QStringLiteral("2026-12-08T12:00:00Z"));
    EXPECT_EQ(object[QLatin1String("kind")].toString(), QStringLiteral("spin"));
}

TEST(RecallText, ALogComesBackLineByLine) {
    RecallLog log;
    for (const PlayKind kind : {PlayKind::Spin, PlayKind::Nudge, PlayKind::Payback}) {
        log.add(fullPlay(kind));
    }
    const QString text = recallLogToText(log);
    EXPECT_EQ(text.count(QLatin1Char('\n')), 3);
    EXPECT_EQ(recallLogFromText(text).value, log);
    EXPECT_EQ(recallLogFromText(QString()).value, RecallLog{});
}

struct Damaged {
    const char* what;
    std::function<void(QJsonObject&)> damage;
    const char* error;
};

TEST(RecallText, EachDamageOfALineIsNamed) {
    const Damaged cases[] = {
        {"missing kind", [](QJsonObject& o) { o.remove("kind"); }, "kind is missing"},
        {"unknown kind", [](QJsonObject& o) { o["kind"] = "bet"; },
         "kind is not one of spin, nudge, loan, payback"},
        {"missing coins", [](QJsonObject& o) { o.remove("coins"); }, "coins is missing"},
        {"absurd bet", [](QJsonObject& o) { o["coins"] = 101; }, "coins is 101, outside 0 to 100"},
        {"time not a time", [](QJsonObject& o) { o["time"] = "noon"; }, "time is not an ISO 8601 UTC time"},
        {"time not UTC", [](QJsonObject& o) { o["time"] = "2026-12-08T12:00:00+01:00"; },
         "time is not an ISO"},
        {"negative credits", [](QJsonObject& o) { o["credits_before"] = -5; },
         "credits_before is -5, outside"},
        {"fractional credits", [](QJsonObject& o) { o["credits_after"] = 1.5; },
         "credits_after is not a whole"},
        {"credits as text", [](QJsonObject& o) { o["win"] = "92"; }, "win is not a whole number"},
        {"spin past 32 bits", [](QJsonObject& o) { o["spin"] = 2147483648.0; },
         "spin is 2147483648, outside"},
        {"stop past the strip", [](QJsonObject& o) { setItem(o, "stops", 2, 31); },
         "stops[2] is 31, outside 1 to 30"},
        {"stop 0", [](QJsonObject& o) { setItem(o, "stops", 0, 0); }, "stops[0] is 0, outside 1 to 30"},
        {"four reels",
         [](QJsonObject& o) {
             o["stops"] = QJsonArray{1, 2, 3, 4};
         },
         "stops has 4 reels, not 3"},
        {"two reels",
         [](QJsonObject& o) {
             o["stops"] = QJsonArray{1, 2};
         },
         "stops has 2 reels, not 3"},
        {"stops not a list", [](QJsonObject& o) { o["stops"] = 4; }, "stops is not a list"},
        {"four lines",
         [](QJsonObject& o) {
             o["lines"] = QJsonArray{0, 1, 2, 1};
         },
         "lines has 4 entries"},
        {"line row 3", [](QJsonObject& o) { setItem(o, "lines", 1, 3); }, "lines[1] is 3, outside 0 to 2"},
        {"reel 3 moved", [](QJsonObject& o) { setEntry(o, "moves", 0, "reel", 3); }, "moves[0].reel is 3"},
        {"move from 0", [](QJsonObject& o) { setEntry(o, "moves", 1, "from", 0); }, "moves[1].from is 0"},
        {"unknown mover", [](QJsonObject& o) { setEntry(o, "moves", 2, "by", "kick"); },
         "moves[2].by is not one of"},
        {"move not an object", [](QJsonObject& o) { setItem(o, "moves", 0, 7); },
         "moves[0] is not an object"},
        {"absurd moves",
         [](QJsonObject& o) {
             QJsonArray moves;
             for (int i = 0; i <= 90; ++i) {
                 moves.append(o["moves"].toArray()[0]);
             }
             o["moves"] = moves;
         },
         "moves has 91 entries, more than 90"},
        {"symbol 11",
         [](QJsonObject& o) {
             setEntry(o, "paylines", 0, "symbols", QJsonArray{1, 11, 1});
         },
         "paylines[0].symbols[1] is 11, outside 0 to 10"},
        {"two symbols",
         [](QJsonObject& o) {
             setEntry(o, "paylines", 2, "symbols", QJsonArray{1, 1});
         },
         "paylines[2].symbols has 2 symbols, not 3"},
        {"negative pay", [](QJsonObject& o) { setEntry(o, "paylines", 1, "pay", -1); },
         "paylines[1].pay is -1"},
        {"bonus points past full", [](QJsonObject& o) { o["bonus_points_after"] = 13; },
         "bonus_points_after is 13, outside 0 to 12"},
        {"negative stock", [](QJsonObject& o) { o["stock_used"] = -1; }, "stock_used is -1"},
        {"box 9",
         [](QJsonObject& o) {
             o["bonus"] = QJsonObject{{"box", 8}, {"held", 1}, {"paid", 1}};
         },
         "bonus.box is 8, outside 0 to 7"},
        {"box without pay",
         [](QJsonObject& o) {
             o["bonus"] = QJsonObject{{"box", 1}, {"held", 1}};
         },
         "bonus.paid is missing"},
        {"bonus not an object", [](QJsonObject& o) { o["bonus"] = 5; }, "bonus is not an object"},
        {"negative loan", [](QJsonObject& o) { o["loan"] = -500; }, "loan is -500"},
    };
    for (const Damaged& test : cases) {
        QJsonObject object = fullObject();
        test.damage(object);
        const RecallReading<PlayRecord> read = playFromJson(lineOf(object));
        EXPECT_FALSE(read.value) << test.what;
        EXPECT_TRUE(read.error.contains(QLatin1String(test.error)))
            << test.what << ": " << read.error.toStdString();
    }
    for (const auto& [line, error] :
         {std::pair{"{\"kind\":", "not JSON"}, std::pair{"[1]", "not a JSON object"}}) {
        EXPECT_TRUE(playFromJson(QLatin1String(line)).error.startsWith(QLatin1String(error))) << line;
    }
}

TEST(RecallText, ALogNamesItsDamagedLineAndRefusesTooManyPlays) {
    QJsonObject damaged = fullObject();
    damaged.remove("coins");
    const QString good = playToJson(fullPlay(PlayKind::Spin)) + QLatin1Char('\n');
    const RecallReading<RecallLog> read =
        recallLogFromText(good + lineOf(damaged) + QLatin1Char('\n') + good);
    EXPECT_FALSE(read.value);
    EXPECT_EQ(read.error, QStringLiteral("line 2: coins is missing"));
    EXPECT_EQ(recallLogFromText(good.repeated(101)).error,
              QStringLiteral("101 plays, more than a log keeps (100)"));
}

TEST(RecallText, TheTableShowsEachPlayOldestFirst) {
    PlayRecord spin;
    spin.time = Noon;
    spin.spin = 7;
    spin.coins = 2;
    spin.lines = {1, 0};
    spin.stops = {4, 17, 30};
    spin.moves = {{1, 17, 17, ReelMover::Held}};
    spin.win = 20;
    spin.bonusPointsBefore = 3;
    spin.bonusPointsAfter = 4;
    spin.stockBefore = 2;
    spin.stockUsed = 1;
    spin.bonus = BoxPick{2, 50, 50};
    spin.creditsBefore = 998;
    spin.creditsAfter = 1018;
    PlayRecord loan;
    loan.kind = PlayKind::Loan;
    loan.time = Noon + 61;
    loan.spin = 7;
    loan.stops = spin.stops;
    loan.creditsBefore = 1018;
    loan.creditsAfter = 1518;
    loan.loan = 500;
    RecallLog log;
    log.add(spin);
    log.add(loan);
    EXPECT_EQ(
        recallTable(log).toStdString(),
        "  #  time (UTC)           kind       spin  coins  stops        win  credits before → after   note\n"
        "  1  2026-12-08 12:00:00  spin          7      2  4-17-30       20  998 → 1018               "
        "reel 2 held, stock 2 +0 -1, points 3→4, box 3 held 50 paid 50\n"
        "  2  2026-12-08 12:01:01  loan          7      0  4-17-30        0  1018 → 1518              "
        "borrowed 500\n");
}

} // namespace recall_text_test
