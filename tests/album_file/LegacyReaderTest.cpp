// Reading the older binary album format, well-formed and hostile.

#include "AlbumFileTestSupport.h"
#include "album/file/AlbumFile.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

namespace legacy = test::legacy;
using test::treeText;

class LegacyVersion : public testing::TestWithParam<int> {};

TEST_P(LegacyVersion, ReadsSettingsMetasLayoutAndFolders) {
    Album album;
    album.website.general.cntimg = 0;  // not in the format: the reset value stays
    ASSERT_TRUE(parseAlbum(album, legacy::sampleFile(GetParam())).ok());

    const WebsiteProperty& web = album.website;
    EXPECT_EQ(web.background.custom, 1);
    EXPECT_EQ(web.background.bgimgpath.get(), "C:\\bg\\paper.gif");
    EXPECT_EQ(web.background.bgcolor, 0x112233);
    EXPECT_EQ(web.background.vlnkcolor, 0xDDEEFF);
    EXPECT_EQ(web.general.location.get(), "C:\\export");
    EXPECT_EQ(web.general.title.get(), "Old album");
    EXPECT_EQ(web.general.bgsndpath.get(), "C:\\music\\song.mid");
    EXPECT_EQ(web.general.bgsndloop, 3);
    EXPECT_EQ(web.general.cntimg, 1);
    EXPECT_EQ(web.language.save.get(), "windows-1252");
    EXPECT_EQ(web.margin.topmargin, 12);
    EXPECT_EQ(web.margin.leftmargin, 34);
    EXPECT_EQ(web.headerStr.get(), "<b>Hi</b>");
    EXPECT_EQ(web.footerStr.get(), "bye");
    ASSERT_EQ(web.metas.size(), 2u);
    EXPECT_EQ(web.metas[0].name.get(), "keywords");
    EXPECT_EQ(web.metas[0].val.get(), "travel, sea");
    EXPECT_EQ(web.metas[1].ifsys, 1);

    const LayoutProperty& lay = album.layout;
    EXPECT_EQ(lay.layouttype, 7);
    EXPECT_EQ(lay.head.align.get(), "Left");
    EXPECT_EQ(lay.next.align.get(), "");
    EXPECT_EQ(lay.footer.bgimg.get(), "bg5.gif");
    EXPECT_EQ(lay.idx.bgclr, 104);
    EXPECT_EQ(lay.top.font.name.get(), "Font1");
    EXPECT_EQ(lay.top.font.size, 81);
    EXPECT_EQ(lay.top.font.b, 1);
    EXPECT_EQ(lay.history.font.clr, 202);
    EXPECT_EQ(lay.table.borderclr, 0x010203);
    EXPECT_EQ(lay.table.borderwidth, 2);
    EXPECT_EQ(lay.table.lineclr, 0x040506);
    EXPECT_EQ(lay.table.cellpadding, 5);
    EXPECT_EQ(lay.table.cellspacing, 6);
    EXPECT_EQ(lay.main.bgimg.get(), "main.gif");
    EXPECT_EQ(lay.main.cols, 4);
    EXPECT_EQ(lay.main.rows, 5);
    EXPECT_EQ(lay.main.mainAlign.get(), "left");
    EXPECT_EQ(lay.img.align.get(), "Center");  // not in the format
    EXPECT_EQ(lay.imgnavi.font.name.get(), "Arial");

    EXPECT_EQ(treeText(album.tree), "Root:0:0 Child:1:1 Second:1:2");
    EXPECT_EQ(album.tree.nextFolderId(), 3);
    const CSiteFolder* child = album.tree.root()->child(0);
    EXPECT_EQ(album.tree.root()->desc, "top");
    ASSERT_EQ(child->pageListSize(), 2);
    EXPECT_EQ(child->pagecount, 2);
    EXPECT_EQ(child->page(0)->url, "C:\\photos\\beach.jpg");
    EXPECT_EQ(child->page(1)->id, 1);
    EXPECT_EQ(child->page(1)->url, "http://example.org/");
    EXPECT_FALSE(album.tree.isModified());
}

INSTANTIATE_TEST_SUITE_P(Versions, LegacyVersion, testing::Values(1, 2));

TEST(LegacyAlbumReader, OtherVersionWordsAreRejected) {
    for (int version : {0, 3, -1, 0x7FFFFFFF}) {
        Album album;
        const Status status = parseAlbum(album, legacy::sampleFile(version));
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.error().message(), "Unkown version!");
        EXPECT_EQ(treeText(album.tree), "Index:0:0");
    }
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

TEST(LegacyAlbumReader, EveryCutInsideTheSettingsFails) {
    const QByteArray file = legacy::sampleFile(1);
    for (qsizetype size = 0; size < legacy::sampleSettingsSize(); ++size) {
        Album album;
        const Status status = parseAlbum(album, file.first(size));
        ASSERT_FALSE(status.ok()) << "cut at " << size;
        EXPECT_EQ(treeText(album.tree), "Index:0:0");
        ASSERT_EQ(album.website.metas.size(), 1u);  // a new album again
    }
}

TEST(LegacyAlbumReader, FoldersEndAtTheFirstIncompleteRecord) {
    const QByteArray file = legacy::sampleFile(1);
    const qsizetype firstFolderEnd =
        legacy::sampleSettingsSize() + legacy::folder(0, 0, "Root", "top").size();
    for (qsizetype size = legacy::sampleSettingsSize(); size < firstFolderEnd; ++size) {
        Album album;  // not even the first folder is whole
        EXPECT_FALSE(parseAlbum(album, file.first(size)).ok()) << "cut at " << size;
    }
    for (qsizetype size = firstFolderEnd; size < file.size(); ++size) {
        Album album;
        ASSERT_TRUE(parseAlbum(album, file.first(size)).ok()) << "cut at " << size;
        const QString tree = treeText(album.tree);
        EXPECT_TRUE(tree == "Root:0:0" || tree == "Root:0:0 Child:1:1") << tree.toStdString();
    }
}

TEST(LegacyAlbumReader, HugeLengthsAndCountsFailWithoutAllocating) {
    const QByteArray head = legacy::settingsHead(1);
    const QByteArray rest =
        legacy::int32(0) + legacy::layoutBlock() + legacy::folder(0, 0, "R", "");
    const QByteArray files[] = {
        head + legacy::int32(0x7FFFFFFF) + "abc",
        head + legacy::int32(-5) + legacy::text("") + rest,
        head + legacy::text("") + legacy::int32(0x7FFFF000) + rest,
        head + legacy::text("") + legacy::text("") + legacy::int32(0x7FFFFFFF) +
            legacy::layoutBlock(),
        head + legacy::text("") + legacy::text("") + legacy::int32(-1) + legacy::layoutBlock(),
    };
    for (const QByteArray& file : files) {
        Album album;
        EXPECT_FALSE(parseAlbum(album, file).ok());
        EXPECT_EQ(treeText(album.tree), "Index:0:0");
    }
}

TEST(LegacyAlbumReader, DamagedFolderRecordEndsTheTree) {
    const QByteArray start = legacy::settingsHead(1) + legacy::text("") + legacy::text("") +
                             legacy::int32(0) + legacy::layoutBlock() +
                             legacy::folder(0, 0, "Root", "");
    const QByteArray damaged[] = {
        legacy::folder(1, 0x7FFFFFFF, "Many", "") + legacy::page(0, "p", "", "x"),
        legacy::folder(1, -1, "Negative", "") + legacy::folder(1, 0, "After", ""),
        legacy::int32(1) + legacy::int32(0) + legacy::int32(0x7FFFFFFF) + "caption",
        legacy::folder(1, 1, "Cut", "") + legacy::int32(0) + legacy::int32(-2),
    };
    for (const QByteArray& tail : damaged) {
        Album album;
        ASSERT_TRUE(parseAlbum(album, start + tail).ok());
        EXPECT_EQ(treeText(album.tree), "Root:0:0");
    }
}

}  // namespace
}  // namespace pictavo
