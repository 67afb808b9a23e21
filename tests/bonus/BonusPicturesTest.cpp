#include "engine/bonus/BonusPictures.h"
#include "games/orevein/OreveinGame.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine;

namespace {

BonusPictures oreveinPictures() {
    const std::string_view name = orevein::oreveinValues().programName;
    return builtInBonusPictures(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

} // namespace

TEST(BonusPicturesTest, OreveinHasThreeDistinctBuiltInPicturesOf640By480) {
    const BonusPictures pictures = oreveinPictures();
    EXPECT_EQ(pictures.Image1.size(), QSize(640, 480));
    EXPECT_EQ(pictures.Image2.size(), QSize(640, 480));
    EXPECT_EQ(pictures.Image3.size(), QSize(640, 480));
    EXPECT_NE(pictures.Image1, pictures.Image2);
    EXPECT_NE(pictures.Image2, pictures.Image3);
    EXPECT_NE(pictures.Image1, pictures.Image3);
}

// The yellow prize text goes at (40, 200); the picture keeps a dark, plain band there.
TEST(BonusPicturesTest, OreveinPrizePictureKeepsTheTextBandDarkAndPlain) {
    const QImage prize = oreveinPictures().Image3;
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

TEST(BonusPicturesTest, ReplacementFilesAreFoundIgnoringCaseAndOnlyPicturesReplace) {
    const BonusPictures builtIn = oreveinPictures();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage replacement(640, 480, QImage::Format_RGB32);
    replacement.fill(QColor(10, 200, 30));
    ASSERT_TRUE(replacement.save(dir.filePath(QStringLiteral("BONUS2.BMP")), "BMP"));
    QFile notAPicture(dir.filePath(QStringLiteral("bonus3.bmp")));
    ASSERT_TRUE(notAPicture.open(QIODevice::WriteOnly));
    notAPicture.write("this is not a picture");
    notAPicture.close();

    BonusPictures pictures = builtIn;
    loadBonusOverrides(pictures, QDir(dir.path()));

    EXPECT_EQ(pictures.Image2.pixel(320, 240), QColor(10, 200, 30).rgb());
    EXPECT_EQ(pictures.Image1, builtIn.Image1);
    EXPECT_EQ(pictures.Image3, builtIn.Image3);
}
