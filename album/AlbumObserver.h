#pragma once
// Observers of the album tree. Every structural change comes as an
// about-to/done pair so that a Qt item model can forward it as
// begin*/end* calls; field edits and resets come as single notifications.
// Observers are called on the thread that edits the tree (the GUI thread).

namespace pictavo {

class CSiteFolder;

class AlbumObserver {
public:
    virtual ~AlbumObserver() = default;

    virtual void folderAboutToBeInserted(CSiteFolder* /*parent*/, int /*index*/) {}
    virtual void folderInserted(CSiteFolder* /*parent*/, int /*index*/) {}
    virtual void folderAboutToBeRemoved(CSiteFolder* /*parent*/, int /*index*/) {}
    virtual void folderRemoved(CSiteFolder* /*parent*/, int /*index*/) {}
    virtual void folderAboutToBeMoved(CSiteFolder* /*parent*/, int /*from*/, int /*to*/) {}
    virtual void folderMoved(CSiteFolder* /*parent*/, int /*from*/, int /*to*/) {}
    virtual void folderChanged(CSiteFolder* /*folder*/) {}

    virtual void pagesAboutToBeInserted(CSiteFolder* /*folder*/, int /*first*/, int /*last*/) {}
    virtual void pagesInserted(CSiteFolder* /*folder*/, int /*first*/, int /*last*/) {}
    virtual void pagesAboutToBeRemoved(CSiteFolder* /*folder*/, int /*first*/, int /*last*/) {}
    virtual void pagesRemoved(CSiteFolder* /*folder*/, int /*first*/, int /*last*/) {}
    virtual void pageAboutToBeMoved(CSiteFolder* /*folder*/, int /*from*/, int /*to*/) {}
    virtual void pageMoved(CSiteFolder* /*folder*/, int /*from*/, int /*to*/) {}
    virtual void pageChanged(CSiteFolder* /*folder*/, int /*index*/) {}

    virtual void aboutToReset() {}
    virtual void resetDone() {}
    virtual void modifiedChanged(bool /*modified*/) {}
};

}  // namespace pictavo
