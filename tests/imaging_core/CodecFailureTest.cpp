// What every library-backed codec shares: the header is read without the
// pixel data, and a file cut anywhere fails with the codec's own error text
// and leaves no image behind.
#include "TestImages.h"
#include "imaging/codecs/Codecs.h"
#include "imaging/file/ImageFile.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

struct HeaderRow {
    const Codec& (*codec)();
    const char* fixture;
    std::size_t keep;  // bytes handed over; 0 = the whole file
    int bitsPerPixel;
};

void PrintTo(const HeaderRow& row, std::ostream* out) {
    *out << row.fixture;
}

class HeaderOnly : public ::testing::TestWithParam<HeaderRow> {};

TEST_P(HeaderOnly, GivesSizeAndDepth) {
    std::vector<std::uint8_t> data = test::fixtureBytes(GetParam().fixture);
    if (GetParam().keep != 0)
        data.resize(GetParam().keep);
    const Result<ImageHeader> header = GetParam().codec().readHeader(data);
    ASSERT_TRUE(header.ok());
    EXPECT_EQ(header->width, 16);
    EXPECT_EQ(header->height, 12);
    EXPECT_EQ(header->bitsPerPixel, GetParam().bitsPerPixel);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, HeaderOnly,
    ::testing::Values(HeaderRow{pngCodec, "quadrants-palette.png", 33, 8},  // signature + IHDR
                      HeaderRow{tiffCodec, "quadrants-grey.tif", 0, 8},
                      HeaderRow{jpeg2000CodestreamCodec, "quadrants.j2k", 0, 24}));

struct TruncationRow {
    const char* fixture;
    ImageType type;
    const char* errorPrefix;
    std::vector<std::size_t> keeps;  // 0 = half the file; above the size = size - value
};

void PrintTo(const TruncationRow& row, std::ostream* out) {
    *out << row.fixture;
}

class Truncated : public ::testing::TestWithParam<TruncationRow> {};

TEST_P(Truncated, FailsWithTheCodecsErrorText) {
    const TruncationRow& row = GetParam();
    const std::vector<std::uint8_t> whole = test::fixtureBytes(row.fixture);
    for (std::size_t keep : row.keeps) {
        if (keep == 0)
            keep = whole.size() / 2;
        else if (keep >= 1000)
            keep = whole.size() - (keep - 1000);
        RasterImage image;
        EXPECT_FALSE(decodeImage(image, ByteView(whole.data(), keep), row.type)) << keep;
        EXPECT_TRUE(image.lastError().startsWith(QString::fromLatin1(row.errorPrefix)))
            << keep << " " << image.lastError().toStdString();
        EXPECT_FALSE(image.isValid());
    }
}

// 1000 + n keeps all but the last n bytes.
INSTANTIATE_TEST_SUITE_P(
    Fixtures, Truncated,
    ::testing::Values(TruncationRow{"photo-exif6.jpg", kImageJpeg, "JPEG: ", {2, 100, 0, 1040}},
                      TruncationRow{
                          "quadrants-progressive.jpg", kImageJpeg, "JPEG: ", {2, 100, 0, 1040}},
                      TruncationRow{"quadrants-rgb.png", kImagePng, "PNG: ", {8, 20, 40, 1020}},
                      TruncationRow{"quadrants-rgb.tif", kImageTiff, "TIFF: ", {4, 16, 0}},
                      TruncationRow{"quadrants-tiled16.tif", kImageTiff, "TIFF: ", {4, 16, 0}},
                      TruncationRow{"quadrants.jp2", kImageJp2, "JP2: ", {12, 60, 0}}));

}  // namespace
}  // namespace pictavo
