// Record files the reader cannot take whole: they are never overwritten, the
// player is told where they went, and the games that were whole play on.
#include "engine/records/RecordFile.h"
#include "tests/records/RecordFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine;
using slotmachine::testing::RecordFolder;

namespace {

// Eight saved games and a running game, as the program writes them; slot k has
// Credits 100 + k and the name "Game k".
QByteArray fullRecord() {
    QByteArray text;
    for (int index = 0; index <= CurrentGameIndex; ++index) {
        text += "[" + sectionName(index).toUtf8() + "]\nGameName=Game " + QByteArray::number(index) +
                "\nGameDate=12/01/26\nCredits=" + QByteArray::number(100 + index) +
                "\nBorrowed=1000\nSpins=0\nTotalBets=0\nBonusWon=0\nBonusPts=0\n";
    }
    return text;
}

// `fullRecord` with the first `from` replaced by `to`.
QByteArray damaged(const QByteArray& from, const QByteArray& to) {
    QByteArray text = fullRecord();
    const qsizetype at = text.indexOf(from);
    EXPECT_GE(at, 0) << from.toStdString();
    return text.replace(at, from.size(), to);
}

struct Damage {
    const char* what;
    QByteArray text;
    int lostIndex; // the section that is not whole, -1 for none
};

const Damage DamageCases[] = {
    {"a NUL byte in a name", damaged("Game 0", QByteArray("Ga\0me 0", 7)), 0},
    {"a control character in a name", damaged("Game 4", "Ga\x01me 4"), 4},
    {"a cut in the middle of a line", fullRecord().left(fullRecord().size() - 3), CurrentGameIndex},
    {"a name that is not UTF-8", damaged("Game 2", "Game \xC3\x28 2"), 2},
    // The reader skips the heading and files its keys under [GameNo4], over that game's own.
    {"a heading the reader drops", damaged("[GameNo5]", "[GameNo5"), 4},
    {"a line that is neither heading nor value", damaged("BonusPts=0\n[GameNo7]", "BonusPts 0\n[GameNo7]"), 5},
    {"a value written twice", damaged("BonusPts=0\n[GameNo7]", "BonusPts=0\nCredits=9\n[GameNo7]"), 5},
    // Cut right after a line: no line is broken, but the game lacks what every store writes.
    {"a file cut at a line end", fullRecord().left(fullRecord().indexOf("Credits=108\n") + 12), CurrentGameIndex},
    {"a game without one of its values", damaged("Credits=104\nBorrowed=1000\n", "Credits=104\n"), 4},
};

struct DamagedRecordFile : RecordFolder, ::testing::WithParamInterface<Damage> {};

} // namespace

TEST_P(DamagedRecordFile, IsKeptAsideAndEveryWholeGamePlaysOn) {
    const Damage& damage = GetParam();
    writeText(damage.text);

    GameState running;
    file.loadCurrentGame(running);
    const std::optional<QString> notice = file.takeNotice();
    ASSERT_TRUE(notice);
    const QStringList aside = damagedFiles();
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^orevein-slots\\.ini\\.damaged-\\d{4}-\\d\\d-\\d\\d-\\d{6}$"))
                    .match(aside[0])
                    .hasMatch())
        << aside[0].toStdString();
    EXPECT_TRUE(notice->contains(dir.filePath(aside[0]))) << notice->toStdString();
    QFile kept(dir.filePath(aside[0]));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damage.text) << "the damaged file must be kept byte for byte";

    // The store that follows keeps every whole game and says nothing more.
    file.storeCurrentGame(running);
    EXPECT_FALSE(file.takeNotice());
    EXPECT_EQ(damagedFiles().size(), 1);
    for (int index = 0; index < GameSlotCount; ++index) {
        GameState state;
        file.readGame(index, state);
        if (index == damage.lostIndex) {
            EXPECT_EQ(file.gameName(), sectionName(index));
            EXPECT_EQ(state.Credits, NewGameCredits);
        } else {
            EXPECT_EQ(file.gameName(), QStringLiteral("Game %1").arg(index));
            EXPECT_EQ(state.Credits, 100 + index);
        }
    }
    EXPECT_FALSE(file.takeNotice());
}

INSTANTIATE_TEST_SUITE_P(Damages, DamagedRecordFile, ::testing::ValuesIn(DamageCases),
                         [](const auto& param) {
                             QString name = QString::fromLatin1(param.param.what);
                             name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QString());
                             return name.toStdString();
                         });

TEST_F(RecordFolder, AWholeFileInAnyLineEndingsIsTakenAsItIs) {
    QByteArray text = "\xEF\xBB\xBF; by hand\r\n\r\n" + fullRecord();
    text.replace("\n[GameNo3]", "\r\n  [ GameNo3 ]  \t\r\n#\r\n").replace("Credits=102", "credits =  102  ");
    writeText(text);
    GameState state;
    file.readGame(2, state);
    EXPECT_EQ(state.Credits, 102);
    file.storeCurrentGame(state);
    EXPECT_FALSE(file.takeNotice());
    EXPECT_TRUE(damagedFiles().isEmpty());
}

TEST_F(RecordFolder, NoTypedNameCanWriteBytesTheFileCannotHold) {
    const QString names[] = {
        QStringLiteral("Nul") + QChar(0) + QStringLiteral("after"),
        QStringLiteral("Bell\aand\x7f" "delete"),
        QStringLiteral("C1") + QChar(0x85) + QChar(0x9b),
        QStringLiteral("Lone") + QChar(0xD800) + QStringLiteral("high"),
        QStringLiteral("Lone") + QChar(0xDC00) + QStringLiteral("low"),
        QStringLiteral("Tab\tand\r\nlines"),
    };
    for (int slot = 0; slot < 6; ++slot) {
        file.writeGame(slot, GameState{}, names[slot]);
    }
    file.writeGame(6, GameState{}, QStringLiteral("Stays \u00e9 \U0001F600"));
    GameState state;
    for (int slot = 0; slot < 7; ++slot) {
        file.readGame(slot, state);
        EXPECT_FALSE(file.takeNotice()) << slot;
        EXPECT_NE(file.gameName(), sectionName(slot)) << slot;
    }
    EXPECT_EQ(file.gameName(), QStringLiteral("Stays \u00e9 \U0001F600"));
    EXPECT_TRUE(damagedFiles().isEmpty());
}
