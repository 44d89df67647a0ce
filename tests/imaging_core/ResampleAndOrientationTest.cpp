#include "TestImages.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

namespace pictavo {
namespace {

TEST(Resample, SameSizeSucceedsUnchangedAndZeroFails) {
    const RasterImage source = test::patterned(30, 20, 8);
    RasterImage image = source;
    ASSERT_TRUE(image.resample(30, 20));
    EXPECT_TRUE(test::samePixels(image, source));
    RasterImage destination;
    ASSERT_TRUE(image.resample(30, 20, 1, &destination));
    EXPECT_TRUE(test::samePixels(destination, source));
    EXPECT_FALSE(image.resample(0, 10));
    EXPECT_FALSE(image.resample(10, 0));
    EXPECT_FALSE(image.resample(10, 10, 2));  // only nearest pixel
    EXPECT_TRUE(test::samePixels(image, source));
}

TEST(Resample, EnlargingRepeatsTruncatedPositions) {
    RasterImage image = test::patterned(3, 2, 24);
    const RasterImage source = image;
    ASSERT_TRUE(image.resample(7, 5));
    // 3 / 7 per step: 0, 0.43, 0.86, 1.29, 1.71, 2.14, 2.57; 2 / 5: 0, .4, .8, 1.2, 1.6.
    const int expectedX[] = {0, 0, 0, 1, 1, 2, 2};
    const int expectedY[] = {0, 0, 0, 1, 1};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(image.pixelColor(x, y), source.pixelColor(expectedX[x], expectedY[y]))
                << x << "," << y;
}

TEST(Resample, PaletteAndAlphaAreCarried) {
    RasterImage image = test::patterned(8, 8, 4);
    image.setTransparentIndex(3);
    image.createAlpha(255);
    image.alphaRow(6)[6] = 17;
    const RasterImage source = image;
    RasterImage half;
    ASSERT_TRUE(image.resample(4, 4, 1, &half));
    EXPECT_EQ(image.width(), 8);  // the source stays when a destination is given
    EXPECT_EQ(half.bitsPerPixel(), 4);
    EXPECT_EQ(half.palette(), source.palette());
    EXPECT_EQ(half.transparentIndex(), 3);
    ASSERT_TRUE(half.hasAlpha());
    EXPECT_EQ(half.alphaRow(3)[3], 17);
    EXPECT_EQ(half.pixelIndex(1, 2), source.pixelIndex(2, 4));
}

TEST(Resample, EscapeFlagStopsAndLeavesTheImageAlone) {
    std::atomic<bool> escape{true};
    RasterImage image = test::patterned(20, 20, 24);
    image.setEscapeFlag(&escape);
    EXPECT_FALSE(image.resample(10, 10));
    EXPECT_EQ(image.width(), 20);
    escape = false;
    EXPECT_TRUE(image.resample(10, 10));
    EXPECT_EQ(image.width(), 10);
}

// The stored 3 x 2 picture "abc/def" shown upright for each orientation.
struct OrientationRow {
    int orientation;
    const char* upright;  // rows separated by "/"
};

class OrientUpright : public ::testing::TestWithParam<OrientationRow> {};

std::string picture(const RasterImage& image) {
    std::string text;
    for (int y = 0; y < image.height(); ++y) {
        if (y > 0)
            text += '/';
        for (int x = 0; x < image.width(); ++x)
            text += char('a' + image.pixelColor(x, y).red);
    }
    return text;
}

TEST_P(OrientUpright, TurnsPixelsAndAlphaAndResetsTheTag) {
    for (const int depth : {24, 4}) {
        RasterImage image;
        ASSERT_TRUE(image.create(3, 2, depth));
        image.createAlpha();
        for (int i = 0; i < 6; ++i) {
            const int x = i % 3;
            const int y = i / 3;
            if (depth == 24) {
                image.setPixelColor(x, y, {std::uint8_t(i), 0, 0});
            } else {
                image.setPaletteEntry(i, {0, 0, std::uint8_t(i), 0});
                image.setPixelIndex(x, y, std::uint8_t(i));
            }
            image.alphaRow(y)[x] = std::uint8_t(i);
        }
        image.setExifOrientation(GetParam().orientation);
        image.orientUpright();
        EXPECT_EQ(picture(image), GetParam().upright) << "depth " << depth;
        EXPECT_EQ(image.exifOrientation(), 1);
        // Alpha travels with its pixel.
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                EXPECT_EQ(image.alphaRow(y)[x], image.pixelColor(x, y).red);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllEight, OrientUpright,
    ::testing::Values(OrientationRow{1, "abc/def"}, OrientationRow{2, "cba/fed"},
                      OrientationRow{3, "fed/cba"}, OrientationRow{4, "def/abc"},
                      OrientationRow{5, "ad/be/cf"}, OrientationRow{6, "da/eb/fc"},
                      OrientationRow{7, "fc/eb/da"}, OrientationRow{8, "cf/be/ad"}));

}  // namespace
}  // namespace pictavo
