#pragma once
// The manifest records of finished image work: what each output was made
// from (the source and its stamp before the work), the settings that shaped
// it and the output's own stamp. A job that reported a problem leaves only
// Written records, so that its work is done (and its problem reported)
// again by the next export.

#include "generator/export/ExportManifest.h"
#include "generator/export/ImageJob.h"
#include "generator/export/ImageWorkPlan.h"

#include <QSize>
#include <QString>

#include <vector>

namespace pictavo {

// The shape fields of thumbnails and display sizes.
QString thumbnailShape(QSize box, bool fromFullDecode);
QString displaySizeShape(QSize box);

// path relative to outputFolder; empty when it lies outside it.
QString relativeOutput(const QString& outputFolder, const QString& path);

// The records of jobs, finished with results (one per job).
std::vector<ExportRecord> recordsOfWork(const std::vector<SourceJob>& jobs,
                                        const std::vector<ImageJobResult>& results,
                                        const ImageJobSettings& settings,
                                        const QString& outputFolder);

}  // namespace pictavo
