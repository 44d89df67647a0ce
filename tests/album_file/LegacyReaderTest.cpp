// Reading the older binary album format, well-formed and hostile.

#include "AlbumFileTestSupport.h"
#include "album/file/AlbumFile.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

namespace legacy = test::legacy;
using test::treeText;

// Reads file into a new album, expecting a refusal that leaves the album new;
// returns the message.
QString refusal(const QByteArray& file) {
    Album album;
    const Status status = parseAlbum(album, file);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(treeText(album.tree), "Index:0:0");
    EXPECT_EQ(album.website.metas.size(), 1u);
    return status.ok() ? QString() : status.error().message();
}

// The text album holds every field the legacy file carries, and the reset
// values of those it does not (cntimg, the img and imgnavi areas).
TEST(LegacyAlbumReader, VersionsOneAndTwoReadAsTheTextAlbumOthersAreRefused) {
    for (int version : {1, 2}) {
        Album album;
        album.website.general.cntimg = 0;
        ASSERT_TRUE(parseAlbum(album, legacy::sampleFile(version)).ok());
        EXPECT_EQ(serializeAlbum(album), test::fixture("legacy.www")) << version;
        EXPECT_EQ(album.tree.nextFolderId(), 3);
        EXPECT_FALSE(album.tree.isModified());
    }
    for (int version : {0, 3, -1, 0x7FFFFFFF})
        EXPECT_EQ(refusal(legacy::sampleFile(version)), "Unkown version!");
}

// A file with header text and root caption in the charset lanSave names.
QByteArray fileInCharset(const QByteArray& lanSave, const QByteArray& header,
                         const QByteArray& caption) {
    return legacy::settingsHead(2, lanSave) + legacy::text(header) + legacy::text("") +
           legacy::int32(0) + legacy::layoutBlock() + legacy::folder(0, 0, caption, "");
}

TEST(LegacyAlbumReader, TextsUseTheCharsetOfLanSaveOrWindows1252) {
    Album album;
    ASSERT_TRUE(parseAlbum(album, fileInCharset("windows-1251", "\xC4\xE0", "\xCA\xEE\xF0")).ok());
    EXPECT_EQ(album.website.headerStr.get(), QStringLiteral("\u0414\u0430"));
    EXPECT_EQ(album.tree.root()->caption, QStringLiteral("\u041a\u043e\u0440"));
    ASSERT_TRUE(parseAlbum(album, fileInCharset("x-unknown", "", "Gr\xFC\xDF")).ok());
    EXPECT_EQ(album.tree.root()->caption, QStringLiteral("Gr\u00fc\u00df"));
}

TEST(LegacyAlbumReader, EveryCutEndsTheFileCleanly) {
    const QByteArray file = legacy::sampleFile(1);
    const qsizetype firstFolderEnd =
        legacy::sampleSettingsSize() + legacy::folder(0, 0, "Root", "top").size();
    for (qsizetype size = 0; size < firstFolderEnd; ++size) {
        SCOPED_TRACE(size);  // not even the first folder is whole
        refusal(file.first(size));
    }
    for (qsizetype size = firstFolderEnd; size < file.size(); ++size) {
        Album album;
        ASSERT_TRUE(parseAlbum(album, file.first(size)).ok()) << "cut at " << size;
        const QString tree = treeText(album.tree);
        EXPECT_TRUE(tree == "Root:0:0" || tree == "Root:0:0 Child:1:1") << tree.toStdString();
    }
}

TEST(LegacyAlbumReader, HugeOrNegativeLengthsAndCountsNeverAllocate) {
    const QByteArray head = legacy::settingsHead(1);
    const QByteArray noTexts = head + legacy::text("") + legacy::text("");
    const QByteArray layout = legacy::layoutBlock();
    const QByteArray rest = legacy::int32(0) + layout + legacy::folder(0, 0, "R", "");
    for (const QByteArray& file :
         {head + legacy::int32(0x7FFFFFFF) + "abc",
          head + legacy::int32(-5) + legacy::text("") + rest,
          head + legacy::text("") + legacy::int32(0x7FFFF000) + rest,
          noTexts + legacy::int32(0x7FFFFFFF) + layout, noTexts + legacy::int32(-1) + layout})
        refusal(file);

    // In a folder record they end the tree after the folders before.
    const QByteArray start = noTexts + legacy::int32(0) + layout + legacy::folder(0, 0, "Root", "");
    for (const QByteArray& tail :
         {legacy::folder(1, 0x7FFFFFFF, "Many", "") + legacy::page(0, "p", "", "x"),
          legacy::folder(1, -1, "Negative", "") + legacy::folder(1, 0, "After", ""),
          legacy::int32(1) + legacy::int32(0) + legacy::int32(0x7FFFFFFF) + "caption",
          legacy::folder(1, 1, "Cut", "") + legacy::int32(0) + legacy::int32(-2)}) {
        Album album;
        ASSERT_TRUE(parseAlbum(album, start + tail).ok());
        EXPECT_EQ(treeText(album.tree), "Root:0:0");
    }
}

}  // namespace
}  // namespace pictavo
