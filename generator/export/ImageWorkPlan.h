#pragma once
// ImageWorkPlan: every piece of image and file work a site needs, recorded
// by the planning pass in call order, and grouped into one job per distinct
// source file for the parallel work.
//
// Copies and conversions are keyed by destination: when several sources
// publish to the same name the last request wins, as it would in a run that
// wrote each file at once. Thumbnails are numbered by request order.
//
// Built on the generation thread; read-only while the work runs.

#include "generator/export/FileStamp.h"
#include "generator/export/PublishedNames.h"

#include <QHash>
#include <QString>

#include <vector>

namespace pictavo {

// The work on one source file.
struct SourceJob {
    QString source;                    // "/" separators
    std::vector<int> thumbnails;       // thumbnail numbers to make from it
    std::vector<QString> conversions;  // JPEG files to convert it to
    std::vector<QString> copies;       // files to copy it to
    bool displaySize = false;          // its display size is asked for
    // Its thumbnails are made from the full-size decode the conversion
    // needs (otherwise from a reduced one): it shapes their bytes, so it
    // is fixed by the whole plan even when part of the job is left out.
    bool thumbnailsFromFullDecode = false;
    FileStamp sourceStamp;  // the source as it was before the work
};

class ImageWorkPlan {
public:
    // Records a copy or conversion (other actions are ignored).
    void addFile(const PublishedFile& file);
    // Records a thumbnail request; returns its number (0, 1, 2, ...).
    int addThumbnail(const QString& source);
    void addDisplaySize(const QString& source);

    int thumbnailCount() const { return static_cast<int>(thumbnailSources_.size()); }
    // One job per distinct source, in order of first request.
    std::vector<SourceJob> jobs() const;

private:
    struct FileWork {
        PublishAction action;
        QString source;
        int order;  // request order of the winning request
    };
    QHash<QString, FileWork> files_;  // by destination
    std::vector<QString> thumbnailSources_;
    std::vector<QString> displaySources_;
    int requests_ = 0;
};

}  // namespace pictavo
