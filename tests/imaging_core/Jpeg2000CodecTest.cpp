#include "TestImages.h"
#include "imaging/codecs/Codecs.h"
#include "imaging/file/ImageFile.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

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
        ASSERT_TRUE(encodeImage(*image, data, GetParam().encodeAs))
            << image->lastError().toStdString();
        RasterImage back;
        ASSERT_TRUE(decodeImage(back, data, kImageUnknown)) << back.lastError().toStdString();
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

}  // namespace
}  // namespace pictavo
