// Drag data: album items round trip within a process and are refused from
// another one or when damaged; disk paths travel as file URLs, in order,
// with any characters, and other URLs are left out.

#include "album/mime/DragMime.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace pictavo {
namespace {

QByteArray u32(std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

// A record written by hand, so the test does not lean on the encoder.
QByteArray record(const QByteArray& tag, int source, int listed, const QByteArray& tail) {
    return QByteArray("PVAI\x01", 5) + char(tag.size()) + tag + u32(std::uint32_t(source)) +
           u32(std::uint32_t(listed)) + tail;
}

TEST(AlbumItemsMime, RoundTripInThisProcess) {
    const AlbumDragItems items[] = {
        AlbumDragItems::treeFolder(0),
        AlbumDragItems::listEntries(7, {9, 3, 12}, {}),
        AlbumDragItems::listEntries(2, {4}, {1}),
    };
    for (const AlbumDragItems& sent : items) {
        QMimeData mime;
        setAlbumItems(mime, sent);
        EXPECT_TRUE(hasAlbumItems(mime));
        EXPECT_TRUE(diskPaths(mime).isEmpty());
        const std::optional<AlbumDragItems> received = albumItems(mime);
        ASSERT_TRUE(received.has_value());
        EXPECT_EQ(*received, sent);
    }
    QMimeData empty;
    EXPECT_FALSE(hasAlbumItems(empty));
    EXPECT_FALSE(albumItems(empty).has_value());
}

TEST(AlbumItemsMime, ItemsOfAnotherProcessAreRecognisedAndRefused) {
    const QByteArray tag = processDragTag();
    ASSERT_FALSE(tag.isEmpty());
    EXPECT_EQ(processDragTag(), tag);
    const AlbumDragItems items = AlbumDragItems::treeFolder(3);
    for (const QByteArray& other : {QByteArray("4711-abc"), tag.chopped(1), tag + '0'}) {
        QMimeData mime;
        mime.setData(kAlbumItemsMimeType, encodeAlbumItems(items, other));
        EXPECT_TRUE(hasAlbumItems(mime));
        EXPECT_FALSE(albumItems(mime).has_value()) << other.toStdString();
        EXPECT_EQ(decodeAlbumItems(encodeAlbumItems(items, other), other), items);
    }
    // A record by hand is read like one by the encoder.
    const auto decoded = decodeAlbumItems(record(tag, -1, 8, u32(1) + u32(2) + u32(0)), tag);
    EXPECT_EQ(decoded, AlbumDragItems::listEntries(8, {2}, {}));
}

TEST(AlbumItemsMime, DamagedOrHostileRecordsDecodeToNothing) {
    const QByteArray tag("t");
    const QByteArray valid = encodeAlbumItems(AlbumDragItems::listEntries(1, {2, 3}, {4}), tag);
    ASSERT_TRUE(decodeAlbumItems(valid, tag).has_value());
    for (qsizetype size = 0; size < valid.size(); ++size)
        EXPECT_FALSE(decodeAlbumItems(valid.first(size), tag).has_value()) << size;
    const QByteArray noPages = u32(0);
    const QByteArray hostile[] = {
        valid + '\0',                                    // bytes after the record
        QByteArray("PVAI\x02", 5) + valid.sliced(5),     // unknown version
        QByteArray("PVAX") + valid.sliced(4),            // wrong magic
        record(tag, -1, 1, u32(0xFFFFFFFFu) + u32(2)),   // count far beyond the bytes
        record(tag, -1, 1, u32(0x40000000u) + noPages),  // count near the size limit
        record(tag, -1, 1, u32(1) + u32(std::uint32_t(-5)) + noPages),  // negative id
        record(tag, -1, 1, u32(0) + noPages),                           // list drag of nothing
        record(tag, -1, -1, u32(1) + u32(2) + noPages),                 // list without its folder
        record(tag, 4, 1, u32(0) + noPages),                            // tree folder and list
        record(tag, 4, -1, u32(1) + u32(2) + noPages),                  // tree folder with entries
        QByteArray(4096, '\xFF'),
    };
    for (const QByteArray& bytes : hostile)
        EXPECT_FALSE(decodeAlbumItems(bytes, tag).has_value()) << bytes.toHex().toStdString();
    EXPECT_FALSE(decodeAlbumItems(valid, {}).has_value());
}

// A count the bytes cannot hold must not be believed even for reserving:
// in a child with its address space capped 1 GiB above what it uses, a
// decoder that reserves 16 GiB dies instead of exiting.
#if !defined(__SANITIZE_ADDRESS__)
[[noreturn]] void decodeWithCappedAddressSpace(const QByteArray& bytes) {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        std::_Exit(2);
    const rlim_t used = statm.readAll().split(' ').value(0).toULongLong() *
                        static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
    const rlim_t limit = used + (rlim_t{1} << 30);
    const rlimit cap{limit, limit};
    if (used == 0 || setrlimit(RLIMIT_AS, &cap) != 0)
        std::_Exit(2);
    std::_Exit(decodeAlbumItems(bytes, "t").has_value() ? 1 : 0);
}

TEST(AlbumItemsMimeDeathTest, AHugeCountAllocatesNothing) {
    const QByteArray bytes = record("t", -1, 1, u32(0xFFFFFFFFu) + u32(2) + u32(0));
    EXPECT_EXIT(decodeWithCappedAddressSpace(bytes), ::testing::ExitedWithCode(0), "");
}
#endif

const QStringList kAwkwardPaths = {
    QStringLiteral("/photos/summer trip/a b.jpg"), QStringLiteral("/photos/Zürich/Straße.png"),
    QStringLiteral("/photos/東京/夜景.jpg"),       QStringLiteral("/photos/#1 best.jpg"),
    QStringLiteral("/photos/100% real/x%20y.jpg"), QStringLiteral("/photos/a folder"),
    QStringLiteral("/photos/?query&x=1.jpg"),
};

TEST(DiskPathsMime, PathsSurviveInOrderHereAndInAnotherProcess) {
    QMimeData sent;
    setDiskPaths(sent, kAwkwardPaths);
    EXPECT_EQ(diskPaths(sent), kAwkwardPaths);
    EXPECT_FALSE(hasAlbumItems(sent));
    // Another process sees only the bytes of the list.
    const QByteArray list = sent.data(QStringLiteral("text/uri-list"));
    ASSERT_FALSE(list.isEmpty());
    QMimeData received;
    received.setData(QStringLiteral("text/uri-list"), list);
    EXPECT_EQ(diskPaths(received), kAwkwardPaths);
}

TEST(DiskPathsMime, OnlyLocalFilesOfAFileManagersListAreTaken) {
    QMimeData mime;
    mime.setData(QStringLiteral("text/uri-list"),
                 "http://example.com/a.jpg\r\n"
                 "file:///home/me/Z%C3%BCrich%20%231.jpg\r\n"
                 "mailto:me@example.com\r\n"
                 "relative/b.jpg\r\n"
                 "file:///home/me/100%25.png\r\n"
                 "https://example.com/file:///c.jpg\r\n"
                 "file://otherhost/share/d.jpg\r\n"
                 "file://localhost/home/me/e.jpg\r\n");
    EXPECT_EQ(diskPaths(mime),
              QStringList({QStringLiteral("/home/me/Zürich #1.jpg"),
                           QStringLiteral("/home/me/100%.png"), QStringLiteral("/home/me/e.jpg")}));
    QMimeData garbage;
    static const char bytes[] = "\0\xFF\xFE%%%\r\n\r\n";
    garbage.setData(QStringLiteral("text/uri-list"), QByteArray(bytes, sizeof bytes - 1));
    EXPECT_TRUE(diskPaths(garbage).isEmpty());
    QMimeData none;
    EXPECT_TRUE(diskPaths(none).isEmpty());
}

}  // namespace
}  // namespace pictavo
