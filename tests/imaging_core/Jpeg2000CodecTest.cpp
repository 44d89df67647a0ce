#include "TestImages.h"
#include "imaging/codecs/Codecs.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

TEST(Jpeg2000, DecodesFilesAndCodestreamsWrittenByImageMagick) {
    for (const char* fixture : {"quadrants.jp2", "quadrants.j2k"}) {
        RasterImage image;
        ASSERT_TRUE(image.decode(test::fixtureBytes(fixture), kImageUnknown)) << fixture;
        ASSERT_EQ(image.width(), 16);
        const test::QuadrantColours c = test::quadrantColours(image);
        EXPECT_TRUE(test::near(c.topLeft, test::kRed, 8)) << fixture;
        EXPECT_TRUE(test::near(c.topRight, test::kLime, 8)) << fixture;
        EXPECT_TRUE(test::near(c.bottomLeft, test::kBlue, 8)) << fixture;
        EXPECT_TRUE(test::near(c.bottomRight, test::kWhite, 8)) << fixture;
    }
}

struct ContainerRow {
    int encodeAs;
    int decodedType;
};

class Jpeg2000RoundTrip : public ::testing::TestWithParam<ContainerRow> {};

TEST_P(Jpeg2000RoundTrip, LosslessForColourGreyAndAlpha) {
    RasterImage colour = test::patterned(9, 6, 24);
    colour.createAlpha(255);
    colour.alphaRow(2)[3] = 40;
    RasterImage grey;
    ASSERT_TRUE(grey.create(9, 6, 8));
    grey.setPixelIndex(4, 4, 99);
    for (RasterImage* image : {&colour, &grey}) {
        std::vector<std::uint8_t> data;
        ASSERT_TRUE(image->encode(data, GetParam().encodeAs)) << image->lastError().toStdString();
        RasterImage back;
        ASSERT_TRUE(back.decode(data, kImageUnknown)) << back.lastError().toStdString();
        EXPECT_EQ(back.type(), GetParam().decodedType);
        EXPECT_EQ(back.bitsPerPixel(), image->bitsPerPixel());
        EXPECT_EQ(back.hasAlpha(), image->hasAlpha());
        EXPECT_TRUE(test::samePixels(*image, back));
        if (image->hasAlpha()) {
            EXPECT_EQ(back.alphaRow(2)[3], 40);
        }
    }
}

// 13 to 15 are reserved members of the family written as JP2 files.
INSTANTIATE_TEST_SUITE_P(Codes, Jpeg2000RoundTrip,
                         ::testing::Values(ContainerRow{kImageJp2, kImageJp2},
                                           ContainerRow{kImageJpc, kImageJpc},
                                           ContainerRow{kImageJ2kReserved13, kImageJp2},
                                           ContainerRow{kImageJ2kReserved15, kImageJp2}));

TEST(Jpeg2000, TruncatedDataFails) {
    const std::vector<std::uint8_t> whole = test::fixtureBytes("quadrants.jp2");
    for (const std::size_t keep : {std::size_t(12), std::size_t(60), whole.size() / 2}) {
        RasterImage image;
        EXPECT_FALSE(image.decode(ByteView(whole.data(), keep), kImageJp2)) << keep;
        EXPECT_TRUE(image.lastError().startsWith(QStringLiteral("JP2: "))) << keep;
    }
}

TEST(Jpeg2000, ReadHeaderGivesSize) {
    const Result<ImageHeader> header =
        jpeg2000CodestreamCodec().readHeader(test::fixtureBytes("quadrants.j2k"));
    ASSERT_TRUE(header.ok());
    EXPECT_EQ(header->width, 16);
    EXPECT_EQ(header->height, 12);
    EXPECT_EQ(header->bitsPerPixel, 24);
}

}  // namespace
}  // namespace pictavo
