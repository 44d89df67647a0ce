#pragma once
// SiteExporter: exports an album as a static site and previews it.
//
// exportSite() asks for the output folder (proposing gen.location, or, when
// that is empty, the folder "Export" beside the program's data folder, that
// is <data folder>/../Export), stores the choice in gen.location, creates
// the folder (one level) or asks before writing into a non-empty one,
// creates the files tree, builds the pages of the start folder's subtree
// twice (a planning pass, the image work on all cores, a writing pass),
// copies the navigation buttons and writes the autorun files. A whole-album
// run clears the album's albumChanged flag.
//
// Exporting again into the same folder is incremental (IncrementalExport):
// image work still valid from the last export is taken over, unchanged
// pages are left as they are, and outputs the last export wrote that the
// site no longer has are removed; the folder then holds what an export into
// an empty folder would write.
//
// Owned by whoever owns the album (the album explorer, the command-line
// tool); used from one thread. The user is asked through the callbacks, so
// the same code serves the GUI and the command-line tool.

#include "album/Album.h"
#include "generator/export/ExportCallbacks.h"
#include "generator/export/ExportOutputs.h"
#include "generator/export/ImageWork.h"
#include "generator/export/OutputFolder.h"
#include "generator/export/RunReport.h"
#include "properties/EnvironmentSettings.h"

#include <QString>

#include <vector>

namespace pictavo {

class IncrementalExport;

class SiteExporter {
public:
    SiteExporter(Album& album, const EnvironmentSettings& settings)
        : album_(album), settings_(settings) {}

    // Exports from the album root (wholeAlbum) or from selected. True when
    // pages were generated; false when cancelled, refused, or the folder
    // could not be used.
    bool exportSite(const CSiteFolder* selected, bool wholeAlbum, const ExportCallbacks& callbacks);
    // The same into folder, already chosen and prepared (chooseOutputFolder):
    // the GUI asks on its own thread and generates on a worker. Asks nothing;
    // of the callbacks only the progress, the cancel flag and the threads
    // are used.
    bool exportSiteTo(const QString& folder, const CSiteFolder* selected, bool wholeAlbum,
                      const ExportCallbacks& callbacks);

    // On: the next runs redo all image work, taking over nothing.
    void setFullExport(bool full) { fullExport_ = full; }

    const QString& outputFolder() const { return outputFolder_; }
    // Failures of the last run, and whether it stopped on a cancel request.
    std::vector<RunFailure> lastFailures() const { return report_.failures(); }
    bool lastRunCancelled() const { return cancelled_; }
    // The entry page of the last output folder.
    QString entryPage() const;
    // The path of folder's first page in the last output folder (index.htm
    // for the root).
    QString firstPageOf(const CSiteFolder* folder) const;

private:
    bool generate(const CSiteFolder* start, const ExportCallbacks& callbacks,
                  IncrementalExport& incremental);
    ImageWorkOptions workOptions(const SiteOutputSettings& settings,
                                 const ExportCallbacks& callbacks) const;

    Album& album_;
    const EnvironmentSettings& settings_;
    QString outputFolder_;
    RunReport report_;
    bool cancelled_ = false;
    bool fullExport_ = false;
};

}  // namespace pictavo
