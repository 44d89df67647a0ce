#include "TestImages.h"
#include "imaging/codecs/Codecs.h"
#include "imaging/file/ImageFile.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace pictavo {
namespace {

TEST(Png, AlphaChannelIsReadPerPixel) {
    RasterImage image;
    ASSERT_TRUE(decodeImage(image, test::fixtureBytes("quadrants-rgba.png"), kImagePng));
    EXPECT_EQ(image.alphaRow(0)[0], 0);  // the transparent top-left block
    EXPECT_EQ(image.alphaRow(11)[15], 255);
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
