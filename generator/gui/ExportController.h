#pragma once
// ExportController: the export and preview commands of the desktop program,
// for the web site and for the CD photo album.
//
// Each export asks for the output folder on the GUI thread (the "Export
// folder" dialog, the folder's creation or the question before writing into
// a non-empty one), then generates on a worker under a progress dialog with
// Cancel, while the album is read and nothing edits it. A cancelled run
// leaves the change flags set, so the next preview generates again; files
// are written whole or not at all. At the end every problem (missing
// sources, files that could not be written) is shown in one message, and
// folderContentsChanged tells the file list that the output folder changed.
//
// The previews generate only when the album changed since the last
// whole-album run (or when the page is missing), then open the entry page
// in the desktop's browser; the CD preview starts the slide-show viewer.
//
// Ownership: keeps the last output folders for the whole run; borrows the
// context and the window. GUI thread only.

#include "album/SiteNodes.h"
#include "core/Result.h"
#include "generator/cd/CdAlbumExport.h"
#include "generator/cd/CdAlbumPreview.h"
#include "generator/export/ExportCallbacks.h"
#include "generator/export/SiteExport.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace pictavo {

class AppContext;
class WorkProgress;

class ExportController : public QObject {
    Q_OBJECT
public:
    ExportController(AppContext& context, QWidget* window, QObject* parent = nullptr);

    // Export web pages of folder's subtree, or of the whole album. True when
    // the pages were written.
    bool exportSite(const CSiteFolder* folder, bool wholeAlbum);
    void previewSite();
    // Opens folder's first page, exporting its subtree when the album changed.
    void previewFolder(const CSiteFolder* folder);

    // Export photo album: the output folder, or an error with an empty
    // message once the user was told (or cancelled).
    Result<QString> exportCdAlbum();
    void previewCdAlbum();

    // How the CD preview starts the viewer (default: a detached process).
    void setProgramStarter(ProgramStarter starter) { startProgram_ = std::move(starter); }
    // Called on the worker as work on each file starts, after the progress
    // dialog learnt of it: lets a test act while a run is under way.
    void setFileStartedHook(std::function<void(const QString& path)> hook) {
        fileStartedHook_ = std::move(hook);
    }

    const QString& siteFolder() const { return exporter_.outputFolder(); }
    const QString& cdAlbumFolder() const { return cdFolder_; }

private:
    std::optional<QString> chooseFolder();
    ExportCallbacks workerCallbacks(WorkProgress& progress) const;
    void reportSiteRun(bool generated, const QString& folder);
    // Shows what went wrong; true when the CD album was written.
    bool reportCdRun(const Result<CdExportReport>& report, const QString& folder);
    bool openPage(const QString& page);
    void openWithRetry(bool changed, const std::function<bool()>& exportAgain,
                       const std::function<QString()>& page);

    AppContext& context_;
    QWidget* window_;
    SiteExporter exporter_;
    QString cdFolder_;
    ProgramStarter startProgram_;
    std::function<void(const QString&)> fileStartedHook_;
};

}  // namespace pictavo
