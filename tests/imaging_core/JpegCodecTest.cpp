#include "TestImages.h"
#include "imaging/codecs/Codecs.h"
#include "imaging/file/ImageFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pictavo {
namespace {

constexpr int kJpegTolerance = 40;

std::vector<std::uint8_t> encodeJpeg(RasterImage& image) {
    std::vector<std::uint8_t> out;
    EXPECT_TRUE(encodeImage(image, out, kImageJpeg)) << image.lastError().toStdString();
    return out;
}

// Offset of the first marker FF <code>, or npos.
std::size_t findMarker(const std::vector<std::uint8_t>& data, std::uint8_t code) {
    for (std::size_t i = 0; i + 1 < data.size(); ++i) {
        if (data[i] == 0xFF && data[i + 1] == code)
            return i;
    }
    return std::string::npos;
}

// Colour JPEGs are written and read back by the conversion tests.
TEST(Jpeg, GreyRoundTripsAsGreyWithinTolerance) {
    RasterImage grey;
    ASSERT_TRUE(grey.create(16, 16, 8));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            grey.setPixelIndex(x, y, std::uint8_t(x * 16));
    RasterImage back;
    ASSERT_TRUE(decodeImage(back, encodeJpeg(grey), kImageJpeg));
    EXPECT_TRUE(back.isGreyScale());
    for (int x = 0; x < 16; ++x)
        EXPECT_NEAR(back.pixelIndex(x, 5), x * 16, 12) << x;
}

TEST(Jpeg, EncoderAcceptsOnlyRgbOrGreyScale) {
    RasterImage palette;
    ASSERT_TRUE(palette.create(4, 4, 8));
    palette.setPaletteEntry(3, {0, 0, 255, 0});  // no longer the grey palette
    std::vector<std::uint8_t> out;
    RasterImage oneBit;
    ASSERT_TRUE(oneBit.create(4, 4, 1));
    for (RasterImage* image : {&palette, &oneBit}) {
        EXPECT_FALSE(encodeImage(*image, out, kImageJpeg));
        EXPECT_EQ(image->lastError(), QStringLiteral("JPEG can save only RGB or GreyScale images"));
    }
}

TEST(Jpeg, WritesBaselineWithQuality75Tables) {
    RasterImage image = test::quadrants24();
    const std::vector<std::uint8_t> data = encodeJpeg(image);
    EXPECT_NE(findMarker(data, 0xC0), std::string::npos);  // baseline SOF0
    const std::size_t dqt = findMarker(data, 0xDB);
    ASSERT_NE(dqt, std::string::npos);
    // Standard luminance table scaled to quality 75: DC entry 16 * 50% = 8.
    EXPECT_EQ(data[dqt + 4], 0);  // 8-bit table 0
    EXPECT_EQ(data[dqt + 5], 8);
}

TEST(Jpeg, ReportsExifOrientationWithoutTurningThePixels) {
    const std::vector<std::uint8_t> data = test::fixtureBytes("photo-exif6.jpg");
    const Result<ImageHeader> header = jpegCodec().readHeader(data);
    ASSERT_TRUE(header.ok());
    EXPECT_EQ(header->exifOrientation, 6);
    RasterImage image;
    ASSERT_TRUE(decodeImage(image, data, kImageJpeg));
    EXPECT_EQ(image.exifOrientation(), 6);
    EXPECT_EQ(image.width(), 40);
}

struct ScaleRow {
    int minWidth;
    int minHeight;
    int width;
    int height;
};

class ReducedScale : public ::testing::TestWithParam<ScaleRow> {};

TEST_P(ReducedScale, PicksTheSmallestScaleThatCoversTheBox) {
    RasterImage photo = test::patterned(300, 200, 24);
    const std::vector<std::uint8_t> data = encodeJpeg(photo);
    RasterImage image;
    ASSERT_TRUE(decodeImage(image, data, kImageJpeg, {GetParam().minWidth, GetParam().minHeight}));
    EXPECT_EQ(image.width(), GetParam().width);
    EXPECT_EQ(image.height(), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Boxes, ReducedScale,
                         ::testing::Values(ScaleRow{0, 100, 300, 200}, ScaleRow{1, 1, 38, 25},
                                           ScaleRow{100, 100, 150, 100},
                                           ScaleRow{150, 150, 225, 150}, ScaleRow{38, 26, 75, 50},
                                           ScaleRow{300, 200, 300, 200},
                                           ScaleRow{1000, 1000, 300, 200}));

TEST(Jpeg, MissingEndMarkerAloneIsTolerated) {
    std::vector<std::uint8_t> data = test::fixtureBytes("quadrants.jpg");
    ASSERT_EQ(data[data.size() - 2], 0xFF);
    data.resize(data.size() - 2);
    RasterImage image;
    EXPECT_TRUE(decodeImage(image, data, kImageJpeg)) << image.lastError().toStdString();
}

TEST(Jpeg, HeaderIsReadWithoutTheScanData) {
    std::vector<std::uint8_t> data = test::fixtureBytes("quadrants.jpg");
    const std::size_t sos = findMarker(data, 0xDA);
    ASSERT_NE(sos, std::string::npos);
    data.resize(sos + 14);  // the scan header only
    EXPECT_TRUE(jpegCodec().readHeader(data).ok());
}

TEST(Jpeg, HeaderClaimingAHugeImageFailsBeforeDecoding) {
    std::vector<std::uint8_t> data = test::fixtureBytes("quadrants.jpg");
    const std::size_t sof = findMarker(data, 0xC0);
    ASSERT_NE(sof, std::string::npos);
    // SOF0: length(2) precision(1) height(2) width(2).
    data[sof + 5] = data[sof + 7] = 0x7F;
    data[sof + 6] = data[sof + 8] = 0xFF;
    RasterImage image;
    EXPECT_FALSE(decodeImage(image, data, kImageJpeg));
    EXPECT_TRUE(image.lastError().contains(QStringLiteral("limit")))
        << image.lastError().toStdString();
}

}  // namespace
}  // namespace pictavo
