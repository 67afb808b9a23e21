#include "engine/core/ReelGeometry.h"
#include "engine/display/Payline.h"
#include "tests/support/SyntheticGame.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

using namespace slotmachine;

namespace {

const QColor Background(10, 30, 10);

QImage paintedWith(int width, int height, const std::function<void(QPainter&)>& paint) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Background);
    QPainter painter(&image);
    paint(painter);
    painter.end();
    return image;
}

// Checks that exactly the pixels (x0..x1, y) are red and every other pixel kept
// the background.
void expectOnlyRowRed(const QImage& image, int y, int x0, int x1) {
    const QRgb red = qRgb(255, 0, 0);
    const QRgb background = Background.rgb();
    int wrong = 0;
    for (int row = 0; row < image.height(); ++row) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb want = (row == y && x >= x0 && x <= x1) ? red : background;
            if (image.pixel(x, row) != want && ++wrong <= 5) {
                ADD_FAILURE() << "pixel (" << x << ", " << row << ")";
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

} // namespace

TEST(GeometryTest, ScaleUnitIsTheIdentityAtTheDesignWidth) {
    for (int v = -1000; v <= 2000; ++v) {
        ASSERT_EQ(scaleUnit(800, v), v) << v;
    }
}

TEST(GeometryTest, ScaleUnitTruncatesAtOtherWidths) {
    EXPECT_EQ(scaleUnit(1024, 258), 330);
    EXPECT_EQ(scaleUnit(1024, 76), 97);
    EXPECT_EQ(scaleUnit(1024, 620), 793);
    EXPECT_EQ(scaleUnit(1024, 250), 320);
    EXPECT_EQ(scaleUnit(1024, 440), 563);
    EXPECT_EQ(scaleUnit(1024, 43), 55);
    // Toward zero for negative values.
    EXPECT_EQ(scaleUnit(1024, -10), -12);
    // Smaller than the design: 0.8.
    EXPECT_EQ(scaleUnit(640, 76), 60);
    EXPECT_EQ(scaleUnit(640, 258), 206);
}

TEST(GeometryTest, ReelGeometryFollowsTheLayoutWidth) {
    const ReelGeometry atDesign = ReelGeometry::forLayoutWidth(800);
    EXPECT_EQ(atDesign.ReelLeft, 258);
    EXPECT_EQ(atDesign.ReelTop, 272);
    EXPECT_EQ(atDesign.SymbolSize, 76);
    EXPECT_EQ(atDesign.ReelPitch, 104);
    EXPECT_EQ(atDesign.StripHeight, 456);

    const ReelGeometry wide = ReelGeometry::forLayoutWidth(1024);
    EXPECT_EQ(wide.layoutWidth, 1024);
    EXPECT_EQ(wide.ReelLeft, 330);
    EXPECT_EQ(wide.ReelTop, 348);
    EXPECT_EQ(wide.SymbolSize, 97);
    EXPECT_EQ(wide.ReelPitch, 133);
    EXPECT_EQ(wide.StripHeight, 583);
    EXPECT_EQ(wide.ScaleUnit(620), 793);

    // A replacement motion picture of another height.
    EXPECT_EQ(ReelGeometry::forLayoutWidth(1024, 500).StripHeight, 640);
}

TEST(GeometryTest, PaylineIsOneRedRowAcrossTheMiddleSymbols) {
    const ReelGeometry geometry = ReelGeometry::forLayoutWidth(800);
    const QImage image = paintedWith(800, 600, [&](QPainter& p) { drawRedPayline(p, geometry); });
    // y = ReelTop + SymbolSize + SymbolSize / 2 = 272 + 76 + 38
    expectOnlyRowRed(image, 386, 241, 556);
}

TEST(GeometryTest, PaylineScalesWithTheLayout) {
    const ReelGeometry geometry = ReelGeometry::forLayoutWidth(1024);
    const QImage image = paintedWith(1024, 768, [&](QPainter& p) { drawRedPayline(p, geometry); });
    // y = 348 + 97 + 48; x from ScaleUnit(241) = 308 up to ScaleUnit(557) = 712, not included.
    expectOnlyRowRed(image, 493, 308, 711);
}

TEST(GeometryTest, GameDrawsTheRedPaylineByDefault) {
    const ReelGeometry geometry = ReelGeometry::forLayoutWidth(800);
    const slotmachine::testing::SyntheticGame game; // draws no payline of its own
    const QImage image = paintedWith(800, 600, [&](QPainter& p) { game.drawPayline(p, geometry); });
    expectOnlyRowRed(image, 386, 241, 556);
}
