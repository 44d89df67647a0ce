#include "imaging/viewer/ViewerState.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

ViewerState stateFor(QSize image, QSize area) {
    ViewerState state;
    state.setAreaSize(area);
    state.setImageSize(image);
    return state;
}

TEST(ViewerLayout, TinyClientKeepsTheAreaInsideItsMinimum) {
    const ViewerLayout layout = layoutViewer(QSize(10, 10), 40);
    EXPECT_EQ(layout.area.left(), 7);
    EXPECT_EQ(layout.area.width(), 0);
    EXPECT_EQ(layout.area.height(), 0);
}

TEST(ViewerZoom, FitModesOfAWideImage) {
    ViewerState state = stateFor({2000, 1000}, {1000, 800});
    state.fitWindow();
    EXPECT_EQ(state.zoom(), 50);
    EXPECT_EQ(state.mode(), ZoomMode::FitWindow);
    state.fitHeight();
    EXPECT_EQ(state.zoom(), 80);
    state.fitWidth();
    EXPECT_EQ(state.zoom(), 50);
}

TEST(ViewerZoom, StepsFromTheirEnds) {
    ViewerState state = stateFor({400, 300}, {1000, 800});
    EXPECT_TRUE(state.zoomIn());
    EXPECT_EQ(state.zoom(), 150);
    state.originalSize();
    EXPECT_TRUE(state.zoomOut());
    EXPECT_EQ(state.zoom(), 70);
    while (state.zoomOut()) {
    }
    EXPECT_EQ(state.zoom(), 5);
    EXPECT_FALSE(state.zoomOut());
    while (state.zoomIn()) {
    }
    EXPECT_EQ(state.zoom(), 5000);
    EXPECT_FALSE(state.zoomIn());
    EXPECT_EQ(state.zoom(), 5000);
}

TEST(ViewerZoom, FitZoomIsClampedAndFollowsResizes) {
    ViewerState state = stateFor({100000, 10}, {1000, 800});
    state.fitWidth();
    EXPECT_EQ(state.zoom(), 5);  // 1 percent, clamped
    state = stateFor({10, 10}, {1000, 800});
    state.fitWindow();
    EXPECT_EQ(state.zoom(), 5000);  // 8000 percent, clamped
    state = stateFor({2000, 1000}, {1000, 800});
    state.fitWidth();
    state.setAreaSize({500, 800});
    EXPECT_EQ(state.zoom(), 25);
}

TEST(ViewerZoom, OriginalSizeButtonRule) {
    ViewerState state = stateFor({2000, 1000}, {1000, 800});
    EXPECT_FALSE(state.originalSizeEnabled());
    state.fitWindow();
    EXPECT_TRUE(state.originalSizeEnabled());
    state.zoomIn();  // 50 -> 70
    EXPECT_TRUE(state.originalSizeEnabled());
    state.zoomIn();  // 70 -> 100
    EXPECT_FALSE(state.originalSizeEnabled());
    state.zoomIn();  // 150
    EXPECT_TRUE(state.originalSizeEnabled());
    state.originalSize();
    EXPECT_FALSE(state.originalSizeEnabled());
    EXPECT_EQ(state.zoom(), 100);
}

TEST(ViewerScroll, SmallImageIsCentredWithoutRanges) {
    ViewerState state = stateFor({400, 300}, {1000, 800});
    EXPECT_EQ(state.horizontalRange(), 0);
    EXPECT_EQ(state.verticalRange(), 0);
    const ViewerState::PaintRects rects = state.paintRects();
    EXPECT_EQ(rects.target, QRect(300, 250, 400, 300));
    EXPECT_EQ(rects.source, QRect(0, 0, 400, 300));
}

TEST(ViewerScroll, RangesPositionsAndSourceRectangle) {
    ViewerState state = stateFor({2000, 1000}, {1000, 800});
    EXPECT_EQ(state.horizontalRange(), 1000);
    EXPECT_EQ(state.verticalRange(), 200);
    state.setHorizontalPosition(5000);
    EXPECT_EQ(state.horizontalPosition(), 1000);
    state.setVerticalPosition(-3);
    EXPECT_EQ(state.verticalPosition(), 0);
    state.setVerticalPosition(150);
    ViewerState::PaintRects rects = state.paintRects();
    EXPECT_EQ(rects.target, QRect(0, 0, 1000, 800));
    EXPECT_EQ(rects.source, QRect(1000, 150, 1000, 800));

    state.zoomIn();  // 150 percent: ranges recomputed, positions back to 0
    EXPECT_EQ(state.horizontalPosition(), 0);
    EXPECT_EQ(state.horizontalRange(), 2000);
    EXPECT_EQ(state.verticalRange(), 700);
    state.setHorizontalPosition(300);
    rects = state.paintRects();
    EXPECT_EQ(rects.source, QRect(200, 0, 666, 533));
}

// The window tests walk a list of three; these are the empty list.
TEST(ViewerNavigation, AnEmptyListHasNoIndex) {
    EXPECT_EQ(lastIndex(0), -1);
    EXPECT_EQ(nextIndexWrapping(0, 0), -1);
}

}  // namespace
}  // namespace pictavo
