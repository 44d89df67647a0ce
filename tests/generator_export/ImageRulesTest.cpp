// Size rules of thumbnails and image pages.
#include "generator/export/ImageRules.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

using SizeRule = QSize (*)(QSize, QSize);

struct SizeCase {
    SizeRule rule;
    QSize image;
    QSize box;
    QSize expected;
};

class SizeRules : public testing::TestWithParam<SizeCase> {};

// Thumbnails fill the longer side of their box; page images fit the export box.
TEST_P(SizeRules, GiveTheSizeOfTheRule) {
    const SizeCase& c = GetParam();
    EXPECT_EQ(c.rule(c.image, c.box), c.expected);
}

constexpr SizeRule kThumb = thumbnailSize;
constexpr SizeRule kPage = displaySizeFor;

INSTANTIATE_TEST_SUITE_P(Rules, SizeRules,
                         testing::Values(SizeCase{kThumb, {400, 300}, {100, 100}, {100, 75}},
                                         SizeCase{kThumb, {300, 400}, {100, 100}, {75, 100}},
                                         SizeCase{kThumb, {3000, 1}, {150, 150}, {150, 1}},
                                         SizeCase{kThumb, {1000, 333}, {150, 150}, {150, 49}},
                                         SizeCase{kPage, {1600, 1200}, {640, 480}, {640, 480}},
                                         SizeCase{kPage, {1000, 2000}, {640, 480}, {240, 480}},
                                         SizeCase{kPage, {300, 200}, {640, 480}, {300, 200}},
                                         // Equal to the box counts as too large.
                                         SizeCase{kPage, {640, 200}, {640, 480}, {640, 200}},
                                         SizeCase{kPage, {5000, 2}, {640, 480}, {640, 1}},
                                         SizeCase{kPage, {1600, 1200}, {640, 0}, {0, 0}}));

TEST(ThumbnailBox, OnlyImagesSmallerOnBothAxesFitAndDecodesKeepTwiceTheBox) {
    EXPECT_TRUE(fitsThumbnailBox({50, 40}, {100, 100}));
    EXPECT_FALSE(fitsThumbnailBox({100, 40}, {100, 100}));
    EXPECT_FALSE(fitsThumbnailBox({40, 100}, {100, 100}));
    // A reduced decode keeps twice the box.
    EXPECT_EQ(thumbnailDecodeMinimum({4000, 3000}, {150, 150}), QSize(300, 300));
    EXPECT_EQ(thumbnailDecodeMinimum({200, 3000}, {150, 150}), QSize(200, 300));
}

}  // namespace
}  // namespace pictavo
