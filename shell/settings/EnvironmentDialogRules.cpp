#include "shell/settings/EnvironmentDialogRules.h"

#include <algorithm>

namespace pictavo {

EnvironmentDialogState environmentDialogState(const EnvironmentSettings& settings) {
    return {
        .limitExportSize = settings.exportLimitActive(),
        .exportWidth = settings.ExportImgMaxSizeX,
        .exportHeight = settings.ExportImgMaxSizeY,
        .thumbnailWidth = settings.ThumbnailMaxSizeX,
        .thumbnailHeight = settings.ThumbnailMaxSizeY,
        .useFileNameAsCaption = settings.UseFilenameAsDefCaption != 0,
    };
}

EnvironmentSettings acceptEnvironmentDialog(const EnvironmentDialogState& state) {
    auto exportValue = [&](int typed) {
        return state.limitExportSize ? std::clamp(typed, kExportSizeMin, kExportSizeMax) : 0;
    };
    EnvironmentSettings settings;
    settings.UseFilenameAsDefCaption = state.useFileNameAsCaption ? 1 : 0;
    settings.ExportImgMaxSizeX = exportValue(state.exportWidth);
    settings.ExportImgMaxSizeY = exportValue(state.exportHeight);
    settings.ThumbnailMaxSizeX = state.thumbnailWidth;
    settings.ThumbnailMaxSizeY = state.thumbnailHeight;
    return settings;
}

}  // namespace pictavo
