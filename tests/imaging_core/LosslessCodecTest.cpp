// Behaviour the library-backed codecs share: the reference fixtures decode to
// the documented layout (lossy formats within a tolerance), and for PNG and
// TIFF every depth comes back identical and grey and alpha survive a round
// trip. One row per codec and case; PNG's own quirks follow, the other
// formats' are tested in their own files.
#include "TestImages.h"
#include "imaging/file/ImageFile.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace pictavo {
namespace {

struct FixtureRow {
    const char* fixture;
    ImageType type;
    int bitsPerPixel;
    bool alpha;
    bool colour;  // the quadrants keep their colours; else grey
    int tolerance = 0;
};

void PrintTo(const FixtureRow& row, std::ostream* out) {
    *out << row.fixture;
}

class LosslessFixtures : public ::testing::TestWithParam<FixtureRow> {};

TEST_P(LosslessFixtures, DecodeToTheDocumentedLayout) {
    const FixtureRow row = GetParam();
    RasterImage image;
    ASSERT_TRUE(decodeImage(image, test::fixtureBytes(row.fixture), row.type))
        << image.lastError().toStdString();
    EXPECT_EQ(image.bitsPerPixel(), row.bitsPerPixel);
    EXPECT_EQ(image.hasAlpha(), row.alpha);
    ASSERT_EQ(image.width(), 16);
    ASSERT_EQ(image.height(), 12);
    const test::QuadrantColours c = test::quadrantColours(image);
    if (row.colour) {
        EXPECT_TRUE(test::near(c.topLeft, test::kRed, row.tolerance))
            << ::testing::PrintToString(c.topLeft);
        EXPECT_TRUE(test::near(c.topRight, test::kLime, row.tolerance))
            << ::testing::PrintToString(c.topRight);
        EXPECT_TRUE(test::near(c.bottomLeft, test::kBlue, row.tolerance))
            << ::testing::PrintToString(c.bottomLeft);
    } else {
        EXPECT_TRUE(image.bitsPerPixel() == 1 || image.isGreyScale());
        EXPECT_EQ(c.topLeft.red, c.topLeft.blue);
    }
    EXPECT_TRUE(test::near(c.bottomRight, test::kWhite, row.tolerance));
}

INSTANTIATE_TEST_SUITE_P(
    WrittenByImageMagick, LosslessFixtures,
    ::testing::Values(FixtureRow{"quadrants-rgb.png", kImagePng, 24, false, true},
                      FixtureRow{"quadrants-palette.png", kImagePng, 8, false, true},
                      FixtureRow{"quadrants-interlaced.png", kImagePng, 24, false, true},
                      FixtureRow{"quadrants-rgb16.png", kImagePng, 24, false, true},
                      FixtureRow{"quadrants-grey8.png", kImagePng, 8, false, false},
                      FixtureRow{"quadrants-grey1.png", kImagePng, 1, false, false},
                      FixtureRow{"quadrants-grey-alpha.png", kImagePng, 8, true, false},
                      FixtureRow{"quadrants-rgba.png", kImagePng, 24, true, true},
                      FixtureRow{"quadrants-rgb.tif", kImageTiff, 24, true, true},
                      FixtureRow{"quadrants-grey.tif", kImageTiff, 8, false, false},
                      FixtureRow{"quadrants-palette2.tif", kImageTiff, 24, false, true},
                      FixtureRow{"quadrants-tiled16.tif", kImageTiff, 24, true, true},
                      FixtureRow{"quadrants.jpg", kImageJpeg, 24, false, true, 40},
                      FixtureRow{"quadrants-progressive.jpg", kImageJpeg, 24, false, true, 40},
                      FixtureRow{"quadrants-cmyk.jpg", kImageJpeg, 24, false, true, 40},
                      FixtureRow{"quadrants-grey.jpg", kImageJpeg, 8, false, false, 40},
                      FixtureRow{"quadrants.jp2", kImageUnknown, 24, true, true, 8},
                      FixtureRow{"quadrants.j2k", kImageUnknown, 24, true, true, 8}));

struct DepthRow {
    ImageType type;
    int bitsPerPixel;
};

void PrintTo(const DepthRow& row, std::ostream* out) {
    *out << (row.type == kImagePng ? "PNG " : "TIFF ") << row.bitsPerPixel << " bits";
}

class LosslessRoundTrip : public ::testing::TestWithParam<DepthRow> {};

TEST_P(LosslessRoundTrip, EncodedImagesComeBackIdentical) {
    const DepthRow row = GetParam();
    RasterImage image = test::patterned(13, 7, row.bitsPerPixel);
    std::vector<std::uint8_t> data;
    ASSERT_TRUE(encodeImage(image, data, row.type)) << image.lastError().toStdString();
    RasterImage back;
    ASSERT_TRUE(decodeImage(back, data, row.type)) << back.lastError().toStdString();
    EXPECT_EQ(back.bitsPerPixel(), row.bitsPerPixel);
    EXPECT_FALSE(back.hasAlpha());
    EXPECT_TRUE(test::samePixels(image, back));
}

INSTANTIATE_TEST_SUITE_P(Depths, LosslessRoundTrip,
                         ::testing::Values(DepthRow{kImagePng, 1}, DepthRow{kImagePng, 4},
                                           DepthRow{kImagePng, 8}, DepthRow{kImagePng, 24},
                                           DepthRow{kImageTiff, 1}, DepthRow{kImageTiff, 4},
                                           DepthRow{kImageTiff, 8}, DepthRow{kImageTiff, 24}));

TEST(LosslessRoundTrip, GreyAndAlphaSurvive) {
    for (const ImageType type : {kImagePng, kImageTiff}) {
        SCOPED_TRACE(type == kImagePng ? "PNG" : "TIFF");
        RasterImage grey;
        ASSERT_TRUE(grey.create(7, 3, 8));
        grey.setPixelIndex(6, 2, 77);
        std::vector<std::uint8_t> data;
        ASSERT_TRUE(encodeImage(grey, data, type));
        RasterImage back;
        ASSERT_TRUE(decodeImage(back, data, type));
        EXPECT_TRUE(back.isGreyScale());
        EXPECT_EQ(back.pixelIndex(6, 2), 77);

        RasterImage rgba = test::patterned(6, 4, 24);
        rgba.createAlpha(255);
        rgba.alphaRow(1)[2] = 0;
        rgba.alphaRow(0)[3] = 10;
        rgba.alphaRow(3)[5] = 128;
        data.clear();
        ASSERT_TRUE(encodeImage(rgba, data, type));
        ASSERT_TRUE(decodeImage(back, data, type));
        ASSERT_TRUE(back.hasAlpha());
        EXPECT_EQ(back.alphaRow(1)[2], 0);
        EXPECT_EQ(back.alphaRow(0)[3], 10);
        EXPECT_EQ(back.alphaRow(3)[5], 128);
        EXPECT_EQ(back.alphaRow(3)[0], 255);
        // The colour under transparent pixels is kept, not premultiplied.
        EXPECT_TRUE(test::samePixels(rgba, back));
    }
}

TEST(Png, TransparentPaletteIndexRoundTrips) {
    RasterImage image = test::patterned(13, 7, 8);
    image.setTransparentIndex(1);
    std::vector<std::uint8_t> data;
    ASSERT_TRUE(encodeImage(image, data, kImagePng));
    RasterImage back;
    ASSERT_TRUE(decodeImage(back, data, kImagePng));
    EXPECT_EQ(back.transparentIndex(), 1);
    EXPECT_FALSE(back.hasAlpha());
    EXPECT_TRUE(test::samePixels(image, back));
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
    EXPECT_FALSE(decodeImage(image, data, kImagePng));
    EXPECT_TRUE(image.lastError().contains(QStringLiteral("limit")))
        << image.lastError().toStdString();
}

}  // namespace
}  // namespace pictavo
