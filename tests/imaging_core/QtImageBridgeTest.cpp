#include "TestImages.h"
#include "imaging/QtImageBridge.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

TEST(QtImageBridge, ColourImagesSurviveTheRoundTrip) {
    const RasterImage image = test::patterned(7, 5, 24);
    const QImage qimage = toQImage(image);
    ASSERT_FALSE(qimage.isNull());
    EXPECT_FALSE(qimage.hasAlphaChannel());
    const Rgb topRight = image.pixelColor(6, 0);
    EXPECT_EQ(qimage.pixel(6, 0), qRgb(topRight.red, topRight.green, topRight.blue));
    const RasterImage back = fromQImage(qimage);
    EXPECT_EQ(back.bitsPerPixel(), 24);
    EXPECT_FALSE(back.hasAlpha());
    EXPECT_TRUE(test::samePixels(image, back));
}

TEST(QtImageBridge, AlphaAndTransparentIndexBecomeQtAlpha) {
    RasterImage rgba = test::patterned(4, 3, 24);
    rgba.createAlpha(255);
    rgba.alphaRow(2)[1] = 33;
    const RasterImage back = fromQImage(toQImage(rgba));
    ASSERT_TRUE(back.hasAlpha());
    EXPECT_EQ(back.alphaRow(2)[1], 33);
    EXPECT_EQ(back.pixelColor(1, 2), rgba.pixelColor(1, 2));

    RasterImage palette = test::patterned(4, 3, 4);
    palette.setTransparentIndex(palette.pixelIndex(3, 1));
    const QImage qimage = toQImage(palette);
    EXPECT_EQ(qAlpha(qimage.pixel(3, 1)), 0);
    EXPECT_EQ(qAlpha(qimage.pixel(0, 0)), 255);
    const Rgb colour = palette.pixelColor(2, 2);
    EXPECT_EQ(qimage.pixel(2, 2), qRgb(colour.red, colour.green, colour.blue));
}

}  // namespace
}  // namespace pictavo
