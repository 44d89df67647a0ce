#pragma once
// The rules of the Environment dialog, apart from its widgets: what the
// dialog shows for a settings record and what OK turns the typed values
// into. Pure functions.

#include "properties/EnvironmentSettings.h"

namespace pictavo {

// Ranges of the dialog's spin controls.
constexpr int kExportSizeMin = 10;
constexpr int kExportSizeMax = 10240;
constexpr int kThumbnailSizeMin = 10;
constexpr int kThumbnailSizeMax = 512;

// What the dialog's controls hold.
struct EnvironmentDialogState {
    bool limitExportSize = false;  // "Set max image size when export"
    int exportWidth = 0;
    int exportHeight = 0;
    int thumbnailWidth = 0;
    int thumbnailHeight = 0;
    bool useFileNameAsCaption = false;

    bool operator==(const EnvironmentDialogState&) const = default;
};

// On opening: the export box is ticked when both export values are non-zero.
EnvironmentDialogState environmentDialogState(const EnvironmentSettings& settings);

// On OK: a ticked export box keeps each export value clamped to 10..10240, a
// cleared one stores 0 for both; the thumbnail sizes and the caption switch
// are taken as typed.
EnvironmentSettings acceptEnvironmentDialog(const EnvironmentDialogState& state);

}  // namespace pictavo
