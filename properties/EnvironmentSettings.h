#pragma once
// EnvironmentSettings: the user's environment values, read from the settings
// store at start and written when the Environment dialog closes with OK.
// Plain values; one record per run, owned by whoever runs the program (the
// main window or the command-line tool) and passed by reference.

#include <QSize>

namespace pictavo {

struct EnvironmentSettings {
    int UseFilenameAsDefCaption = 1;
    int ExportImgMaxSizeX = 0;  // 0 = no limit
    int ExportImgMaxSizeY = 0;
    int ThumbnailMaxSizeX = 150;
    int ThumbnailMaxSizeY = 150;

    // The export maximum is in force only when both values are positive; a
    // negative value from a hand-edited settings file switches it off like 0.
    bool exportLimitActive() const { return ExportImgMaxSizeX > 0 && ExportImgMaxSizeY > 0; }
    // The export box, or (0, 0) when no limit is in force.
    QSize exportLimit() const {
        return exportLimitActive() ? QSize(ExportImgMaxSizeX, ExportImgMaxSizeY) : QSize(0, 0);
    }
};

}  // namespace pictavo
