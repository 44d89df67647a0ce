#include "TestImages.h"
#include "imaging/codecs/Codecs.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

struct TiffRow {
    const char* fixture;
    int bitsPerPixel;
};

class TiffFixtures : public ::testing::TestWithParam<TiffRow> {};

TEST_P(TiffFixtures, DecodesStripsTilesAndPalettes) {
    RasterImage image;
    ASSERT_TRUE(image.decode(test::fixtureBytes(GetParam().fixture), kImageTiff))
        << image.lastError().toStdString();
    EXPECT_EQ(image.bitsPerPixel(), GetParam().bitsPerPixel);
    ASSERT_EQ(image.width(), 16);
    ASSERT_EQ(image.height(), 12);
    const test::QuadrantColours c = test::quadrantColours(image);
    if (image.bitsPerPixel() == 24) {
        EXPECT_EQ(c.topLeft, test::kRed);
        EXPECT_EQ(c.topRight, test::kLime);
        EXPECT_EQ(c.bottomLeft, test::kBlue);
    } else {
        EXPECT_TRUE(image.isGreyScale());
    }
    EXPECT_EQ(c.bottomRight, test::kWhite);
}

INSTANTIATE_TEST_SUITE_P(WrittenByImageMagick, TiffFixtures,
                         ::testing::Values(TiffRow{"quadrants-rgb.tif", 24},
                                           TiffRow{"quadrants-grey.tif", 8},
                                           TiffRow{"quadrants-palette2.tif", 24},
                                           TiffRow{"quadrants-tiled16.tif", 24}));

class TiffRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(TiffRoundTrip, EncodedImagesComeBackIdentical) {
    const RasterImage image = test::patterned(19, 5, GetParam());
    std::vector<std::uint8_t> data;
    RasterImage source = image;
    ASSERT_TRUE(source.encode(data, kImageTiff)) << source.lastError().toStdString();
    RasterImage back;
    ASSERT_TRUE(back.decode(data, kImageTiff)) << back.lastError().toStdString();
    EXPECT_EQ(back.bitsPerPixel(), GetParam());
    EXPECT_TRUE(test::samePixels(image, back));
}

INSTANTIATE_TEST_SUITE_P(Depths, TiffRoundTrip, ::testing::Values(1, 4, 8, 24));

TEST(Tiff, GreyAndAlphaRoundTrip) {
    RasterImage grey;
    ASSERT_TRUE(grey.create(7, 3, 8));
    grey.setPixelIndex(6, 2, 77);
    std::vector<std::uint8_t> data;
    ASSERT_TRUE(grey.encode(data, kImageTiff));
    RasterImage back;
    ASSERT_TRUE(back.decode(data, kImageTiff));
    EXPECT_TRUE(back.isGreyScale());
    EXPECT_EQ(back.pixelIndex(6, 2), 77);

    RasterImage rgba = test::patterned(4, 4, 24);
    rgba.createAlpha(255);
    rgba.alphaRow(0)[3] = 10;
    data.clear();
    ASSERT_TRUE(rgba.encode(data, kImageTiff));
    ASSERT_TRUE(back.decode(data, kImageTiff));
    ASSERT_TRUE(back.hasAlpha());
    EXPECT_EQ(back.alphaRow(0)[3], 10);
    EXPECT_EQ(back.alphaRow(3)[0], 255);
    // The colour under a nearly transparent pixel is not premultiplied.
    EXPECT_TRUE(test::samePixels(rgba, back));
}

TEST(Tiff, ReadHeaderGivesSizeAndDepth) {
    const Result<ImageHeader> header =
        tiffCodec().readHeader(test::fixtureBytes("quadrants-grey.tif"));
    ASSERT_TRUE(header.ok());
    EXPECT_EQ(header->width, 16);
    EXPECT_EQ(header->height, 12);
    EXPECT_EQ(header->bitsPerPixel, 8);
}

TEST(Tiff, TruncatedFilesFailWithAnErrorText) {
    for (const char* fixture :
         {"quadrants-rgb.tif", "quadrants-grey.tif", "quadrants-tiled16.tif"}) {
        const std::vector<std::uint8_t> whole = test::fixtureBytes(fixture);
        for (const std::size_t keep : {std::size_t(4), std::size_t(16), whole.size() / 2}) {
            RasterImage image;
            EXPECT_FALSE(image.decode(ByteView(whole.data(), keep), kImageTiff)) << fixture << keep;
            EXPECT_TRUE(image.lastError().startsWith(QStringLiteral("TIFF: "))) << fixture << keep;
            EXPECT_FALSE(image.isValid());
        }
    }
}

}  // namespace
}  // namespace pictavo
