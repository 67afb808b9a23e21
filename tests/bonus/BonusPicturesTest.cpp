#include "engine/bonus/BonusPictures.h"
#include "tests/support/SyntheticPictures.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace slotmachine;
using slotmachine::testing::filled;

TEST(BonusPicturesTest, ReplacementFilesAreFoundIgnoringCaseAndOnlyPicturesReplace) {
    const BonusPictures builtIn{filled(640, 480, QColor(1, 1, 1)), filled(640, 480, QColor(2, 2, 2)),
                                filled(640, 480, QColor(3, 3, 3))};
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

    EXPECT_EQ(pictures.NoPrize.pixel(320, 240), QColor(10, 200, 30).rgb());
    EXPECT_EQ(pictures.Board, builtIn.Board);
    EXPECT_EQ(pictures.Prize, builtIn.Prize);
}
