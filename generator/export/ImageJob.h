#pragma once
// One job of the image work: everything the site needs from one source
// file, done with at most one decode of it. Thumbnails first decide their
// outcome once and write it under every number asked for; conversions to
// JPEG reuse the full-size decode; copies are made by the kernel. Every file
// is written under a temporary name and renamed, so a failure or a
// cancellation never leaves a partial file under a final name.
//
// Thread-safe: jobs on different sources run in parallel.

#include "generator/export/ImageWorkPlan.h"
#include "generator/export/RunReport.h"

#include <QSize>
#include <QString>

#include <atomic>
#include <optional>
#include <utility>
#include <vector>

namespace pictavo {

struct ImageJobSettings {
    QString thumbnailFolder;  // absolute: <output>/files/thumbnail
    QSize thumbnailBox{150, 150};
    QSize displayBox;  // (0, 0): no limit
    const std::atomic<bool>* cancel = nullptr;
};

struct ImageJobResult {
    // URL of each thumbnail number made; a number left out uses its fallback.
    std::vector<std::pair<int, QString>> thumbnails;
    std::optional<QSize> displaySize;  // set when it was asked for
    bool failed = false;               // a problem with this source was reported
};

ImageJobResult runImageJob(const SourceJob& job, const ImageJobSettings& settings,
                           RunReport& report);

}  // namespace pictavo
