// Orevein's built-in bonus game pictures.
#include "engine/bonus/BonusPictures.h"
#include "games/orevein/OreveinGame.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine;

namespace {

BonusPictures oreveinPictures(const QString& language = {}) {
    const std::string_view name = orevein::oreveinValues().programName;
    return builtInBonusPictures(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), language);
}

} // namespace

TEST(OreveinBonusPicturesTest, ThreeDistinctBuiltInPicturesOf640By480) {
    const BonusPictures pictures = oreveinPictures();
    EXPECT_EQ(pictures.Board.size(), QSize(640, 480));
    EXPECT_EQ(pictures.NoPrize.size(), QSize(640, 480));
    EXPECT_EQ(pictures.Prize.size(), QSize(640, 480));
    EXPECT_NE(pictures.Board, pictures.NoPrize);
    EXPECT_NE(pictures.NoPrize, pictures.Prize);
    EXPECT_NE(pictures.Board, pictures.Prize);
}

// The yellow prize text goes at (40, 200); the picture keeps a dark, plain band there.
TEST(OreveinBonusPicturesTest, PrizePictureKeepsTheTextBandDarkAndPlain) {
    const QImage prize = oreveinPictures().Prize;
    ASSERT_FALSE(prize.isNull());
    const QRgb first = prize.pixel(30, 188);
    EXPECT_LT(qGray(first), 40);
    int differing = 0;
    for (int y = 188; y <= 250; ++y) {
        for (int x = 30; x <= 340; ++x) {
            differing += prize.pixel(x, y) != first ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}

// German and Spanish players see the pictures lettered in their language, drawn afresh
// from that language's source on large screens; a replacement file still wins.
TEST(OreveinBonusPicturesTest, TranslatedLanguagesShowTheirOwnLetteringUnlessReplaced) {
    const BonusPictures english = oreveinPictures();
    EXPECT_EQ(oreveinPictures(QStringLiteral("fr")).Board, english.Board) << "no lettering of its own: English";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage replacement = english.NoPrize;
    ASSERT_TRUE(replacement.save(dir.filePath(QStringLiteral("bonus1.bmp")), "BMP"));
    for (const QString& language : {QStringLiteral("de"), QStringLiteral("es")}) {
        SCOPED_TRACE(language.toStdString());
        BonusPictures pictures = oreveinPictures(language);
        ASSERT_EQ(pictures.Board.size(), QSize(640, 480));
        EXPECT_NE(pictures.Board, english.Board);
        EXPECT_NE(pictures.Prize, english.Prize);
        EXPECT_TRUE(pictures.vectorSources[0].endsWith(QStringLiteral(".%1.svg").arg(language)));
        loadBonusOverrides(pictures, QDir(dir.path()));
        EXPECT_EQ(pictures.Board, replacement);
        EXPECT_TRUE(pictures.vectorSources[0].isEmpty());
    }
}
