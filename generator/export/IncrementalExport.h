#pragma once
// IncrementalExport: one export run's use of the manifest in its output
// folder. It reads the manifest the last export left, takes over the work
// that is still valid, records what this run makes, removes what the last
// export wrote and this one no longer produces, and writes the new manifest.
//
// A missing, damaged or foreign manifest counts as none: all work is done
// and nothing is removed. A manifest of another program version is trusted
// for what it says was written (so stale outputs are still removed) but none
// of its work is taken over; so is every manifest when reuse is off (a full
// export asked for). Only files a manifest records are ever removed, never
// one a user put into the folder, nor a file the album uses as a source.
//
// The manifest never claims an output that is not finished: before the work
// starts it is rewritten without the outputs the work will replace, and the
// full one is written only at the end of a run that finished.
//
// Used on the generation thread.

#include "generator/export/ExportManifest.h"
#include "generator/export/ImageWork.h"
#include "generator/export/RunReport.h"
#include "generator/export/WorkReuse.h"

#include <QString>

#include <optional>
#include <vector>

namespace pictavo {

class IncrementalExport {
public:
    IncrementalExport(QString outputFolder, bool reuse);
    IncrementalExport(const IncrementalExport&) = delete;
    IncrementalExport& operator=(const IncrementalExport&) = delete;

    // Takes over what the manifest answers of jobs (the whole plan's); gives
    // the jobs left to do, and writes the manifest without their outputs.
    std::vector<SourceJob> takeOver(const std::vector<SourceJob>& jobs,
                                    const ImageJobSettings& settings, RunReport& report);
    // After the work on the jobs left: adds what was taken over to results
    // and records the work done.
    void completeWork(ImageWorkResults& results, const ImageJobSettings& settings);
    // Records pages written (or found already as they would be written).
    void recordPages(const std::vector<QString>& pages);
    // A whole-album run: removes the outputs the last export recorded that
    // this run did not produce.
    void removeStaleOutputs(RunReport& report);
    // Writes the manifest: this run's records, and after a run on part of
    // the album also the records of the outputs it did not touch.
    void finish(bool wholeAlbum, RunReport& report);

private:
    void write(const std::vector<ExportRecord>& records, RunReport& report);

    QString outputFolder_;
    std::optional<ExportManifest> last_;
    ReuseIndex index_;
    std::vector<SourceJob> allJobs_;
    TakenOverWork takenOver_;
    std::vector<ExportRecord> records_;
};

}  // namespace pictavo
