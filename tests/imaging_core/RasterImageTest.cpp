#include "TestImages.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

struct DepthRow {
    int requested;
    int stored;
    int paletteSize;
};

class CreateDepth : public ::testing::TestWithParam<DepthRow> {};

TEST_P(CreateDepth, MapsRequestedDepthOntoStoredDepth) {
    RasterImage image;
    ASSERT_TRUE(image.create(5, 3, GetParam().requested));
    EXPECT_EQ(image.bitsPerPixel(), GetParam().stored);
    EXPECT_EQ(image.paletteSize(), GetParam().paletteSize);
    EXPECT_EQ(image.rowSize() % 4, 0);
}

INSTANTIATE_TEST_SUITE_P(AllDepths, CreateDepth,
                         ::testing::Values(DepthRow{1, 1, 2}, DepthRow{2, 4, 16},
                                           DepthRow{4, 4, 16}, DepthRow{5, 8, 256},
                                           DepthRow{8, 8, 256}, DepthRow{9, 24, 0},
                                           DepthRow{32, 24, 0}));

TEST(RasterImage, CreateRefusesBadAndOversizedRequestsBeforeAllocating) {
    RasterImage image;
    EXPECT_FALSE(image.create(0, 10, 24));
    EXPECT_FALSE(image.create(10, -1, 24));
    EXPECT_FALSE(image.create(10, 10, 0));
    EXPECT_FALSE(image.create(kMaxImageSide + 1, 1, 8));
    // Each side within limits but the product over kMaxImagePixels (and over
    // 32 bits): must fail without trying to allocate terabytes.
    EXPECT_FALSE(image.create(kMaxImageSide, kMaxImageSide, 24));
    EXPECT_FALSE(image.create(1 << 15, (1 << 13) + 1, 8));
    EXPECT_FALSE(image.lastError().isEmpty());
    EXPECT_FALSE(image.isValid());
}

TEST(RasterImage, PixelAccessAtEveryDepthIsTopDown) {
    for (const int depth : {1, 4, 8}) {
        RasterImage image;
        ASSERT_TRUE(image.create(9, 3, depth));
        image.setPixelIndex(8, 0, 1);
        image.setPixelIndex(0, 2, 1);
        EXPECT_EQ(image.pixelIndex(8, 0), 1) << depth;
        EXPECT_EQ(image.pixelIndex(7, 0), 0) << depth;
        EXPECT_EQ(image.pixelIndex(0, 2), 1) << depth;
        // Row 0 from the top is the last storage row.
        EXPECT_NE(image.storageRow(2)[depth == 8 ? 8 : depth == 4 ? 4 : 1], 0) << depth;
        EXPECT_NE(image.storageRow(0)[0], 0) << depth;
    }
    RasterImage colour;
    ASSERT_TRUE(colour.create(2, 2, 24));
    colour.setPixelColor(1, 0, {10, 20, 30});
    const std::uint8_t* stored = colour.storageRow(1) + 3;
    EXPECT_EQ(stored[0], 30);  // blue first
    EXPECT_EQ(stored[2], 10);
    EXPECT_FALSE(colour.isGreyScale());
}

TEST(RasterImage, CopiesAreDeepAndMovesLeaveTheSourceEmpty) {
    RasterImage original = test::quadrants24();
    original.createAlpha(7);
    RasterImage copy = original;
    copy.setPixelColor(0, 0, {1, 2, 3});
    copy.alphaRow(0)[0] = 9;
    EXPECT_EQ(original.pixelColor(0, 0), test::kRed);
    EXPECT_EQ(original.alphaRow(0)[0], 7);

    RasterImage moved = std::move(original);
    EXPECT_EQ(moved.width(), 16);
    EXPECT_TRUE(moved.hasAlpha());
    EXPECT_EQ(original.width(), 0);  // NOLINT(bugprone-use-after-move): documented state
    EXPECT_EQ(original.height(), 0);
    EXPECT_FALSE(original.hasAlpha());
}

TEST(RasterImage, FlattenExpandsPalettesAndDropsAlphaKeepingStoredColour) {
    RasterImage palette;
    ASSERT_TRUE(palette.create(3, 1, 4));
    palette.setPaletteEntry(5, {30, 20, 10, 0});
    palette.setPixelIndex(1, 0, 5);
    palette.createAlpha(0);
    const RasterImage flat = FlattenToRgb(palette);
    EXPECT_EQ(flat.bitsPerPixel(), 24);
    EXPECT_FALSE(flat.hasAlpha());
    EXPECT_EQ(flat.pixelColor(1, 0), (Rgb{10, 20, 30}));
    EXPECT_EQ(flat.pixelColor(0, 0), (Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace pictavo
