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

TEST(EnvironmentDialog, TickedExportValuesAreClamped) {
    const EnvironmentSettings low = acceptEnvironmentDialog(typed(true, 5, 640));
    EXPECT_EQ(low.ExportImgMaxSizeX, 10);
    EXPECT_EQ(low.ExportImgMaxSizeY, 640);
    const EnvironmentSettings high = acceptEnvironmentDialog(typed(true, 20000, -3));
    EXPECT_EQ(high.ExportImgMaxSizeX, 10240);
    EXPECT_EQ(high.ExportImgMaxSizeY, 10);
    EXPECT_TRUE(high.exportLimitActive());
}

TEST(EnvironmentDialog, ClearedBoxStoresNoExportLimit) {
    const EnvironmentSettings s = acceptEnvironmentDialog(typed(false, 800, 600));
    EXPECT_EQ(s.ExportImgMaxSizeX, 0);
    EXPECT_EQ(s.ExportImgMaxSizeY, 0);
    EXPECT_FALSE(s.exportLimitActive());
}

TEST(EnvironmentDialog, ThumbnailsAndCaptionSwitchAreTakenAsTyped) {
    EnvironmentDialogState state = typed(false, 0, 0);
    state.thumbnailWidth = 7;  // outside the spin range, still taken
    state.thumbnailHeight = 999;
    EnvironmentSettings s = acceptEnvironmentDialog(state);
    EXPECT_EQ(s.ThumbnailMaxSizeX, 7);
    EXPECT_EQ(s.ThumbnailMaxSizeY, 999);
    EXPECT_EQ(s.UseFilenameAsDefCaption, 0);
    state.useFileNameAsCaption = true;
    EXPECT_EQ(acceptEnvironmentDialog(state).UseFilenameAsDefCaption, 1);
}

TEST(EnvironmentDialog, ExportBoxIsTickedOnlyWhenBothValuesAreSet) {
    EnvironmentSettings s;
    EXPECT_FALSE(environmentDialogState(s).limitExportSize);
    s.ExportImgMaxSizeX = 800;
    EXPECT_FALSE(environmentDialogState(s).limitExportSize);
    s.ExportImgMaxSizeY = 600;
    const EnvironmentDialogState state = environmentDialogState(s);
    EXPECT_TRUE(state.limitExportSize);
    EXPECT_EQ(state.exportWidth, 800);
    EXPECT_EQ(state.thumbnailWidth, 150);
    EXPECT_TRUE(state.useFileNameAsCaption);
    // Opening and accepting unchanged gives the same record back.
    const EnvironmentSettings back = acceptEnvironmentDialog(state);
    EXPECT_EQ(back.ExportImgMaxSizeX, 800);
    EXPECT_EQ(back.ExportImgMaxSizeY, 600);
    EXPECT_EQ(back.ThumbnailMaxSizeY, 150);
    EXPECT_EQ(back.UseFilenameAsDefCaption, 1);
}

}  // namespace
}  // namespace pictavo
