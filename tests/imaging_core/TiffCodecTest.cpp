#include "TestImages.h"
#include "imaging/codecs/Codecs.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

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
