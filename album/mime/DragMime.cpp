// The album-items record, all numbers little-endian:
//   "PVAI" 1                       magic and version
//   u8 n, n bytes                  the process tag
//   i32 sourceFolderId, i32 listedFolderId
//   u32 n, n x i32                 folder ids
//   u32 n, n x i32                 page ids
// and nothing after it.

#include "album/mime/DragMime.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QUrl>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace pictavo {

namespace {

constexpr char kMagic[] = "PVAI";
constexpr std::uint8_t kVersion = 1;
constexpr qsizetype kMaxTagSize = std::numeric_limits<std::uint8_t>::max();

void appendU32(QByteArray& out, std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void appendI32(QByteArray& out, int value) {
    appendU32(out, static_cast<std::uint32_t>(value));
}

void appendIds(QByteArray& out, const std::vector<int>& ids) {
    appendU32(out, static_cast<std::uint32_t>(ids.size()));
    for (int id : ids)
        appendI32(out, id);
}

// Reads the record front to back; every read checks the bytes left first,
// and a failed read leaves the reader failed for good.
class RecordReader {
public:
    explicit RecordReader(QByteArrayView bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return ok_ && bytes_.isEmpty(); }

    QByteArrayView take(qsizetype size) {
        if (!ok_ || size < 0 || size > bytes_.size()) {
            ok_ = false;
            return {};
        }
        const QByteArrayView taken = bytes_.first(size);
        bytes_ = bytes_.sliced(size);
        return taken;
    }
    std::uint8_t u8() {
        const QByteArrayView b = take(1);
        return ok_ ? static_cast<std::uint8_t>(b[0]) : 0;
    }
    std::uint32_t u32() {
        const QByteArrayView b = take(4);
        return ok_ ? qFromLittleEndian<std::uint32_t>(b.data()) : 0;
    }
    int i32() { return static_cast<int>(static_cast<std::int32_t>(u32())); }

    // A count of ids followed by the ids; the count is believed only when
    // that many ids fit in the bytes left, so it cannot ask for a huge list.
    std::vector<int> ids() {
        const std::uint32_t count = u32();
        std::vector<int> ids;
        if (!ok_ || count > static_cast<std::uint64_t>(bytes_.size()) / 4) {
            ok_ = false;
            return ids;
        }
        ids.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i)
            ids.push_back(i32());
        return ids;
    }

private:
    QByteArrayView bytes_;
    bool ok_ = true;
};

bool allIdsValid(const std::vector<int>& ids) {
    for (int id : ids)
        if (id < 0)
            return false;
    return true;
}

// One tree folder, or at least one entry of a listed folder.
bool isWellFormed(const AlbumDragItems& items) {
    if (items.isTreeFolder())
        return items.listedFolderId == -1 && items.folderIds.empty() && items.pageIds.empty();
    return items.sourceFolderId == -1 && items.listedFolderId >= 0 &&
           (!items.folderIds.empty() || !items.pageIds.empty()) && allIdsValid(items.folderIds) &&
           allIdsValid(items.pageIds);
}

// The part of a tag a record keeps.
QByteArrayView storedPart(QByteArrayView tag) {
    return tag.first(std::min(tag.size(), kMaxTagSize));
}

}  // namespace

AlbumDragItems AlbumDragItems::treeFolder(int folderId) {
    AlbumDragItems items;
    items.sourceFolderId = folderId;
    return items;
}

AlbumDragItems AlbumDragItems::listEntries(int listedFolderId, std::vector<int> folderIds,
                                           std::vector<int> pageIds) {
    AlbumDragItems items;
    items.listedFolderId = listedFolderId;
    items.folderIds = std::move(folderIds);
    items.pageIds = std::move(pageIds);
    return items;
}

QByteArray processDragTag() {
    static const QByteArray tag = QByteArray::number(QCoreApplication::applicationPid()) + '-' +
                                  QByteArray::number(QRandomGenerator::system()->generate64(), 16);
    return tag;
}

QByteArray encodeAlbumItems(const AlbumDragItems& items, QByteArrayView tag) {
    const QByteArrayView storedTag = storedPart(tag);
    QByteArray out;
    out.append(kMagic, 4);
    out.append(static_cast<char>(kVersion));
    out.append(static_cast<char>(storedTag.size()));
    out.append(storedTag);
    appendI32(out, items.sourceFolderId);
    appendI32(out, items.listedFolderId);
    appendIds(out, items.folderIds);
    appendIds(out, items.pageIds);
    return out;
}

std::optional<AlbumDragItems> decodeAlbumItems(QByteArrayView bytes, QByteArrayView tag) {
    RecordReader reader(bytes);
    if (reader.take(4) != QByteArrayView(kMagic, 4) || reader.u8() != kVersion)
        return std::nullopt;
    const QByteArrayView storedTag = reader.take(reader.u8());
    if (!reader.ok() || tag.isEmpty() || storedTag != storedPart(tag))
        return std::nullopt;
    AlbumDragItems items;
    items.sourceFolderId = reader.i32();
    items.listedFolderId = reader.i32();
    items.folderIds = reader.ids();
    items.pageIds = reader.ids();
    if (!reader.atEnd() || !isWellFormed(items))
        return std::nullopt;
    return items;
}

void setAlbumItems(QMimeData& mime, const AlbumDragItems& items) {
    mime.setData(kAlbumItemsMimeType, encodeAlbumItems(items, processDragTag()));
}

std::optional<AlbumDragItems> albumItems(const QMimeData& mime) {
    if (!hasAlbumItems(mime))
        return std::nullopt;
    return decodeAlbumItems(mime.data(kAlbumItemsMimeType), processDragTag());
}

bool hasAlbumItems(const QMimeData& mime) {
    return mime.hasFormat(kAlbumItemsMimeType);
}

void setDiskPaths(QMimeData& mime, const QStringList& paths) {
    QList<QUrl> urls;
    urls.reserve(paths.size());
    for (const QString& path : paths)
        if (!path.isEmpty())
            urls.append(QUrl::fromLocalFile(path));
    mime.setUrls(urls);
}

QStringList diskPaths(const QMimeData& mime) {
    QStringList paths;
    if (!mime.hasUrls())
        return paths;
    for (QUrl url : mime.urls()) {
        if (!url.isLocalFile())
            continue;
        // "localhost" is this machine; a file URL naming another host is a
        // network path, not a file here.
        if (url.host().compare(u"localhost", Qt::CaseInsensitive) == 0)
            url.setHost(QString());
        else if (!url.host().isEmpty())
            continue;
        const QString path = url.toLocalFile();
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

}  // namespace pictavo
