#pragma once
// SiteOutput: what page building asks of the site on disk.
//
// The page builders run over the album in one fixed order and call these
// operations as they go. A generation run builds the pages twice with the
// same calls in the same order: first against a planning output, which
// records every file to publish and every thumbnail and size to compute and
// answers with names that do not depend on the work's outcome; then, after
// the image work has run in parallel, against a writing output that answers
// from the finished work and writes the pages. So pages and file names are
// those of a one-thread run whatever the number of threads.
//
// Used from the generation thread only.

#include <QSize>
#include <QString>

namespace pictavo {

class SiteOutput {
public:
    virtual ~SiteOutput() = default;

    // The site URL of a file an album item or a property refers to, copying
    // or converting it into the files tree; empty for an empty path.
    virtual QString publishLinkedFile(const QString& sourcePath) = 0;
    // The URL of the thumbnail of an image item (a fallback URL when no
    // thumbnail can be made). Every call takes the next thumbnail number.
    virtual QString makeThumbnail(const QString& sourcePath) = 0;
    // The size an image page shows the image at; (0, 0) for no attributes.
    virtual QSize displaySize(const QString& sourcePath) = 0;
    // Writes one page; fileName is relative to the output folder and
    // lower-cased by the caller.
    virtual void writePage(const QString& fileName, const QString& html) = 0;
};

}  // namespace pictavo
