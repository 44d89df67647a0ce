#include "TestImages.h"
#include "imaging/codecs/Codecs.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace pictavo {
namespace {

struct PngRow {
    const char* fixture;
    int bitsPerPixel;
    bool alpha;
    bool colour;  // the quadrants keep their colours
};

class PngFixtures : public ::testing::TestWithParam<PngRow> {};

TEST_P(PngFixtures, DecodesEachColourTypeToTheDocumentedLayout) {
    const PngRow row = GetParam();
    RasterImage image;
    ASSERT_TRUE(image.decode(test::fixtureBytes(row.fixture), kImagePng))
        << image.lastError().toStdString();
    EXPECT_EQ(image.bitsPerPixel(), row.bitsPerPixel);
    EXPECT_EQ(image.hasAlpha(), row.alpha);
    ASSERT_EQ(image.width(), 16);
    const test::QuadrantColours c = test::quadrantColours(image);
    if (row.colour) {
        EXPECT_EQ(c.topLeft, test::kRed);
        EXPECT_EQ(c.topRight, test::kLime);
        EXPECT_EQ(c.bottomLeft, test::kBlue);
    } else {
        EXPECT_TRUE(image.bitsPerPixel() == 1 || image.isGreyScale());
        EXPECT_EQ(c.topLeft.red, c.topLeft.blue);  // grey
    }
    EXPECT_EQ(c.bottomRight, test::kWhite);
}

INSTANTIATE_TEST_SUITE_P(WrittenByImageMagick, PngFixtures,
                         ::testing::Values(PngRow{"quadrants-rgb.png", 24, false, true},
                                           PngRow{"quadrants-palette.png", 8, false, true},
                                           PngRow{"quadrants-interlaced.png", 24, false, true},
                                           PngRow{"quadrants-rgb16.png", 24, false, true},
                                           PngRow{"quadrants-grey8.png", 8, false, false},
                                           PngRow{"quadrants-grey1.png", 1, false, false},
                                           PngRow{"quadrants-grey-alpha.png", 8, true, false},
                                           PngRow{"quadrants-rgba.png", 24, true, true}));

TEST(Png, AlphaChannelIsReadPerPixel) {
    RasterImage image;
    ASSERT_TRUE(image.decode(test::fixtureBytes("quadrants-rgba.png"), kImagePng));
    EXPECT_EQ(image.alphaRow(0)[0], 0);  // the transparent top-left block
    EXPECT_EQ(image.alphaRow(11)[15], 255);
}

class PngRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(PngRoundTrip, PaletteAndRgbImagesComeBackIdentical) {
    RasterImage image = test::patterned(13, 7, GetParam());
    image.setTransparentIndex(GetParam() == 24 ? -1 : 1);
    std::vector<std::uint8_t> data;
    ASSERT_TRUE(image.encode(data, kImagePng));
    RasterImage back;
    ASSERT_TRUE(back.decode(data, kImagePng));
    EXPECT_EQ(back.bitsPerPixel(), GetParam());
    EXPECT_EQ(back.transparentIndex(), image.transparentIndex());
    EXPECT_FALSE(back.hasAlpha());
    EXPECT_TRUE(test::samePixels(image, back));
}

INSTANTIATE_TEST_SUITE_P(Depths, PngRoundTrip, ::testing::Values(1, 4, 8, 24));

TEST(Png, GreyAndAlphaRoundTrip) {
    RasterImage grey;
    ASSERT_TRUE(grey.create(5, 5, 8));
    grey.setPixelIndex(2, 2, 200);
    std::vector<std::uint8_t> data;
    ASSERT_TRUE(grey.encode(data, kImagePng));
    RasterImage back;
    ASSERT_TRUE(back.decode(data, kImagePng));
    EXPECT_TRUE(back.isGreyScale());
    EXPECT_EQ(back.pixelIndex(2, 2), 200);

    RasterImage rgba = test::patterned(6, 4, 24);
    rgba.createAlpha(255);
    rgba.alphaRow(1)[2] = 0;
    rgba.alphaRow(3)[5] = 128;
    data.clear();
    ASSERT_TRUE(rgba.encode(data, kImagePng));
    ASSERT_TRUE(back.decode(data, kImagePng));
    ASSERT_TRUE(back.hasAlpha());
    EXPECT_EQ(back.alphaRow(1)[2], 0);
    EXPECT_EQ(back.alphaRow(3)[5], 128);
    EXPECT_EQ(back.pixelColor(2, 1), rgba.pixelColor(2, 1));  // colour kept under alpha 0
    EXPECT_TRUE(test::samePixels(rgba, back));
}

TEST(Png, ReadHeaderReadsIhdrOnly) {
    std::vector<std::uint8_t> data = test::fixtureBytes("quadrants-palette.png");
    data.resize(33);  // signature + IHDR
    const Result<ImageHeader> header = pngCodec().readHeader(data);
    ASSERT_TRUE(header.ok());
    EXPECT_EQ(header->width, 16);
    EXPECT_EQ(header->height, 12);
    EXPECT_EQ(header->bitsPerPixel, 8);
}

TEST(Png, TruncatedFilesFailWithAnErrorText) {
    const std::vector<std::uint8_t> whole = test::fixtureBytes("quadrants-rgb.png");
    for (const std::size_t keep :
         {std::size_t(8), std::size_t(20), std::size_t(40), whole.size() - 20}) {
        RasterImage image;
        EXPECT_FALSE(image.decode(ByteView(whole.data(), keep), kImagePng)) << keep;
        EXPECT_TRUE(image.lastError().startsWith(QStringLiteral("PNG: "))) << keep;
        EXPECT_FALSE(image.isValid());
    }
}

TEST(Png, HeaderClaimingAHugeImageFailsBeforeAllocation) {
    std::vector<std::uint8_t> data = test::fixtureBytes("quadrants-rgb.png");
    const auto putBig = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            data[at + std::size_t(i)] = std::uint8_t(v >> (24 - 8 * i));
    };
    putBig(16, 100000);
    putBig(20, 100000);
    putBig(29, std::uint32_t(crc32(0, data.data() + 12, 17)));  // IHDR type + data
    RasterImage image;
    EXPECT_FALSE(image.decode(data, kImagePng));
    EXPECT_TRUE(image.lastError().contains(QStringLiteral("limit")))
        << image.lastError().toStdString();
}

}  // namespace
}  // namespace pictavo
