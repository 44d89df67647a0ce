#include "shell/frame/PaneLayout.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

struct LayoutCase {
    PaneVisibility panes;
    PaneSizes atCreation;   // for a 1024 x 768 screen
    PaneSizes afterToggle;  // for a window 768 high
};

TEST(PaneLayout, SizesFollowTheFlagsAtCreationAndAfterAToggle) {
    const LayoutCase cases[] = {
        {{true, true, true}, {341, 478, 239}, {0, 478, 239}},
        {{false, true, true}, {341, 478, 0}, {0, 478, 0}},
        {{true, true, false}, {341, 718, 359}, {0, 718, 359}},
        // both explorers off cannot be shown: the album explorer comes back
        {{false, false, true}, {341, 478, 478}, {0, 478, 478}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.panes.albumExplorer << c.panes.fileExplorer << c.panes.propertyWnd);
        EXPECT_EQ(initialPaneSizes(QSize(1024, 768), c.panes), c.atCreation);
        EXPECT_EQ(paneSizesForHeight(768, c.panes), c.afterToggle);
    }
}

TEST(PaneLayout, DivisionsTruncateAndVisibleRowsKeepTwentyPixels) {
    EXPECT_EQ(initialPaneSizes(QSize(1000, 600), {true, true, true}), (PaneSizes{333, 366, 183}));
    // A tiny window still gives each visible row 20 pixels.
    EXPECT_EQ(paneSizesForHeight(60, {true, true, true}), (PaneSizes{0, 20, 20}));
}

TEST(PaneLayout, TheTopAreaIsNeverEmpty) {
    const PaneVisibility albumOnly{true, false, true};
    EXPECT_EQ(toggled(albumOnly, PaneToggle::AlbumExplorer), (PaneVisibility{false, true, true}));
    const PaneVisibility fileOnly{false, true, true};
    EXPECT_EQ(toggled(fileOnly, PaneToggle::FileExplorer), (PaneVisibility{true, false, true}));
    EXPECT_EQ(toggled(fileOnly, PaneToggle::AlbumExplorer), (PaneVisibility{true, true, true}));
    EXPECT_EQ(toggled({true, true, true}, PaneToggle::PropertyArea),
              (PaneVisibility{true, true, false}));
}

}  // namespace
}  // namespace pictavo
