#include "shell/settings/EnvironmentDialogRules.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

EnvironmentDialogState typed(bool limit, int exportWidth, int exportHeight) {
    return {.limitExportSize = limit,
            .exportWidth = exportWidth,
            .exportHeight = exportHeight,
            .thumbnailWidth = 200,
            .thumbnailHeight = 120,
            .useFileNameAsCaption = false};
}

TEST(EnvironmentDialog, TickedExportValuesAreClampedAndAClearedBoxStoresNoLimit) {
    EXPECT_EQ(acceptEnvironmentDialog(typed(true, 5, 640)).exportLimit(), QSize(10, 640));
    EXPECT_EQ(acceptEnvironmentDialog(typed(true, 20000, -3)).exportLimit(), QSize(10240, 10));
    const EnvironmentSettings cleared = acceptEnvironmentDialog(typed(false, 800, 600));
    EXPECT_EQ(cleared.ExportImgMaxSizeX, 0);
    EXPECT_EQ(cleared.ExportImgMaxSizeY, 0);
}

TEST(EnvironmentDialog, ThumbnailsAreTakenAsTypedEvenOutsideTheSpinRange) {
    EnvironmentDialogState state = typed(false, 0, 0);
    state.thumbnailWidth = 7;
    state.thumbnailHeight = 999;
    const EnvironmentSettings s = acceptEnvironmentDialog(state);
    EXPECT_EQ(s.ThumbnailMaxSizeX, 7);
    EXPECT_EQ(s.ThumbnailMaxSizeY, 999);
}

TEST(EnvironmentDialog, ExportBoxIsTickedOnlyWhenBothValuesAreSetAndReopeningChangesNothing) {
    EnvironmentSettings s;
    s.ExportImgMaxSizeX = 800;
    EXPECT_FALSE(environmentDialogState(s).limitExportSize);
    s.ExportImgMaxSizeY = 600;
    s.ThumbnailMaxSizeY = 90;
    for (const int caption : {0, 1}) {
        s.UseFilenameAsDefCaption = caption;
        const EnvironmentDialogState state = environmentDialogState(s);
        EXPECT_TRUE(state.limitExportSize);
        const EnvironmentSettings back = acceptEnvironmentDialog(state);
        EXPECT_EQ(back.exportLimit(), QSize(800, 600));
        EXPECT_EQ(back.ThumbnailMaxSizeY, 90);
        EXPECT_EQ(back.UseFilenameAsDefCaption, caption);
    }
}

}  // namespace
}  // namespace pictavo
