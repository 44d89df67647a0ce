// Size rules of thumbnails and image pages.
#include "generator/export/ImageRules.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

struct SizeCase {
    QSize image;
    QSize box;
    QSize expected;
};

class ThumbnailSizes : public testing::TestWithParam<SizeCase> {};

TEST_P(ThumbnailSizes, FillTheLongerSide) {
    const SizeCase& c = GetParam();
    EXPECT_EQ(thumbnailSize(c.image, c.box), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, ThumbnailSizes,
                         testing::Values(SizeCase{{400, 300}, {100, 100}, {100, 75}},
                                         SizeCase{{300, 400}, {100, 100}, {75, 100}},
                                         SizeCase{{3000, 1}, {150, 150}, {150, 1}},
                                         SizeCase{{1000, 333}, {150, 150}, {150, 49}}));

class DisplaySizes : public testing::TestWithParam<SizeCase> {};

TEST_P(DisplaySizes, FitTheExportBox) {
    const SizeCase& c = GetParam();
    EXPECT_EQ(displaySizeFor(c.image, c.box), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, DisplaySizes,
                         testing::Values(SizeCase{{1600, 1200}, {640, 480}, {640, 480}},
                                         SizeCase{{1000, 2000}, {640, 480}, {240, 480}},
                                         SizeCase{{300, 200}, {640, 480}, {300, 200}},
                                         // Equal to the box counts as too large.
                                         SizeCase{{640, 200}, {640, 480}, {640, 200}},
                                         SizeCase{{5000, 2}, {640, 480}, {640, 1}},
                                         SizeCase{{1600, 1200}, {640, 0}, {0, 0}}));

TEST(ThumbnailBox, OnlyImagesSmallerOnBothAxesFit) {
    EXPECT_TRUE(fitsThumbnailBox({50, 40}, {100, 100}));
    EXPECT_FALSE(fitsThumbnailBox({100, 40}, {100, 100}));
    EXPECT_FALSE(fitsThumbnailBox({40, 100}, {100, 100}));
}

TEST(ThumbnailBox, ReducedDecodeKeepsTwiceTheBox) {
    EXPECT_EQ(thumbnailDecodeMinimum({4000, 3000}, {150, 150}), QSize(300, 300));
    EXPECT_EQ(thumbnailDecodeMinimum({200, 3000}, {150, 150}), QSize(200, 300));
}

}  // namespace
}  // namespace pictavo
