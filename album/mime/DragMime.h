#pragma once
// The data a drag carries. Album items (a folder dragged from the album tree,
// or subfolders and pages chosen in the folder list) travel under a private
// MIME type, tagged with the dragging process so that items dragged out of
// another Pictavo window, whose ids mean nothing here, are recognised and
// refused. Files and folders on disk travel as text/uri-list with file URLs,
// the form file managers drop and accept.
//
// Decoding takes any bytes: damaged, truncated or hostile data decodes to
// nothing, and no count read from the data is trusted before the bytes
// holding it are there.
//
// Plain functions on QMimeData; no widgets. Threading: any thread, each
// QMimeData used by one thread at a time.

#include <QByteArray>
#include <QByteArrayView>
#include <QMimeData>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace pictavo {

inline const QString kAlbumItemsMimeType = QStringLiteral("application/x-pictavo-album-items");

// What a drag from the album tree or the folder list picked up, by id.
struct AlbumDragItems {
    // A tree folder dragged as a whole; -1 when the items come from the list.
    int sourceFolderId = -1;
    // The folder whose contents the list showed; -1 for a tree drag.
    int listedFolderId = -1;
    std::vector<int> folderIds;  // subfolders of the listed folder
    std::vector<int> pageIds;    // pages of the listed folder

    static AlbumDragItems treeFolder(int folderId);
    static AlbumDragItems listEntries(int listedFolderId, std::vector<int> folderIds,
                                      std::vector<int> pageIds);
    bool isTreeFolder() const { return sourceFolderId >= 0; }

    bool operator==(const AlbumDragItems&) const = default;
};

// The tag of this process: the same for every call, different in every
// process (the process id with a random number drawn at first use).
QByteArray processDragTag();

// The bytes of items tagged with tag, and back; only the first 255 bytes of
// a tag are kept and compared. Decoding fails (nullopt) for another tag, a
// damaged record, or items that are neither one tree folder nor list entries
// of a folder.
QByteArray encodeAlbumItems(const AlbumDragItems& items, QByteArrayView tag);
std::optional<AlbumDragItems> decodeAlbumItems(QByteArrayView bytes, QByteArrayView tag);

// Puts items on mime under kAlbumItemsMimeType, tagged with this process.
void setAlbumItems(QMimeData& mime, const AlbumDragItems& items);
// The album items on mime when this process put them there; nullopt when
// there are none, they came from another process, or they are damaged.
std::optional<AlbumDragItems> albumItems(const QMimeData& mime);
// True when mime carries album items of any process: a drop that must not
// fall back to the files it may also carry.
bool hasAlbumItems(const QMimeData& mime);

// Puts paths on mime as file URLs, in order.
void setDiskPaths(QMimeData& mime, const QStringList& paths);
// The local files and folders of mime's URLs, in order; other URLs (web
// addresses, file URLs of another host, anything not naming a local file)
// are left out.
QStringList diskPaths(const QMimeData& mime);

}  // namespace pictavo
