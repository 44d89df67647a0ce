#pragma once
// Taking over the finished work of the last export: every thumbnail,
// conversion, copy and display size of a job whose record says it was made
// from the same source (same path and stamp) with the same settings, and
// whose output is still the file that export wrote (same stamp), is left
// out of the work and answered from the record. What is left is done as in
// a full export, so the site is the same as one exported into an empty
// folder.
//
// Used on the generation thread before the parallel work.

#include "generator/export/ExportManifest.h"
#include "generator/export/ImageJob.h"
#include "generator/export/ImageWorkPlan.h"

#include <QHash>
#include <QSize>
#include <QString>

#include <utility>
#include <vector>

namespace pictavo {

// The reusable records of a manifest, looked up the way the plan asks.
class ReuseIndex {
public:
    ReuseIndex() = default;
    explicit ReuseIndex(const std::vector<ExportRecord>& records);

    const ExportRecord* file(const QString& output) const;  // a copy or conversion
    const ExportRecord* thumbnail(int number) const;
    const ExportRecord* displaySize(const QString& source) const;

private:
    QHash<QString, const ExportRecord*> files_;
    QHash<int, const ExportRecord*> thumbnails_;
    QHash<QString, const ExportRecord*> sizes_;
};

struct TakenOverWork {
    std::vector<SourceJob> remaining;                 // with their sources' stamps set
    std::vector<std::pair<int, QString>> thumbnails;  // number, URL
    QHash<QString, QSize> displaySizes;               // by source
    std::vector<ExportRecord> records;                // of what was taken over
};

TakenOverWork takeOverFinishedWork(const std::vector<SourceJob>& jobs, const ReuseIndex& index,
                                   const ImageJobSettings& settings, const QString& outputFolder);

}  // namespace pictavo
