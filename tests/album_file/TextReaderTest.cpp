// Reading version-3 text album files through parseAlbum.

#include "AlbumFileTestSupport.h"
#include "album/file/AlbumFile.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

using test::textAlbum;
using test::treeText;

// Any other first line sends the file to the legacy reader (see the open
// flow's unknown-version test).
TEST(AlbumTextReader, VersionIsTheFirstLineWithoutCaseOrBlanks) {
    const QByteArray file("  Version  =3 \r\nobject=folder\r\ncaption=Top\r\n");
    EXPECT_EQ(albumFileVersion(file), 3);
    Album album;
    ASSERT_TRUE(parseAlbum(album, file).ok());
    EXPECT_EQ(treeText(album.tree), "Top:0:-1");

    EXPECT_EQ(albumFileVersion("\r\nversion=3\r\n"), -1);
    EXPECT_EQ(albumFileVersion("versions=3\r\n"), -1);
    EXPECT_EQ(albumFileVersion(""), -1);
    EXPECT_EQ(albumFileVersion("\xEF\xBB\xBFversion=3\n"), 3);
}

TEST(AlbumTextReader, KeysIgnoreCaseAndValuesLoseOuterBlanksOnly) {
    Album album;
    ASSERT_TRUE(parseAlbum(album, textAlbum({"object = FOLDER", "CAPTION=  My   Album  ",
                                             " Desc =\tx = y\t", "Id=4"}))
                    .ok());
    const CSiteFolder* root = album.tree.root();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->caption, "My   Album");
    EXPECT_EQ(root->desc, "x = y");
    EXPECT_EQ(root->id, 4);
}

TEST(AlbumTextReader, ContinuationLinesKeepTheirLineBreaks) {
    Album album;
    ASSERT_TRUE(parseAlbum(album, textAlbum({"object=websiteproperty", "header.str=<b>Welcome",
                                             "to my album</b>", "", "last line", "footer.str=end"}))
                    .ok());
    EXPECT_EQ(album.website.headerStr.get(), "<b>Welcome\nto my album</b>\n\nlast line");
    EXPECT_EQ(album.website.footerStr.get(), "end");
}

TEST(AlbumTextReader, LineFeedOnlyFilesReadLikeCrlfFiles) {
    const QByteArray crlf = textAlbum({"object=websiteproperty", "gen.title=T", "header.str=a", "b",
                                       "object=folder", "caption=C"});
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    Album a, b;
    ASSERT_TRUE(parseAlbum(a, crlf).ok());
    ASSERT_TRUE(parseAlbum(b, lf).ok());
    test::expectSameAlbum(a, b);
    EXPECT_EQ(b.website.headerStr.get(), "a\nb");
}

TEST(AlbumTextReader, FolderColumnsRebuildTheNesting) {
    Album album;
    ASSERT_TRUE(
        parseAlbum(album, textAlbum({"object=folder", "caption=A", "col=0", "object=folder",
                                     "caption=B", "col=1", "object=folder", "caption=C", "col=2",
                                     "object=folder", "caption=D", "col=1", "object=folder",
                                     "caption=E", "col=5", "object=folder", "caption=F", "col=-3"}))
            .ok());
    // E jumps one level only; F climbs above the root and stays under it.
    EXPECT_EQ(treeText(album.tree), "A:0:-1 B:1:-1 C:2:-1 D:1:-1 E:2:-1 F:1:-1");
}

TEST(AlbumTextReader, SecondTopLevelFolderIsKeptUnderTheRoot) {
    Album album;
    ASSERT_TRUE(
        parseAlbum(album, textAlbum({"object=folder", "caption=A", "col=0", "object=folder",
                                     "caption=B", "col=0", "object=folder", "caption=C", "col=1"}))
            .ok());
    EXPECT_EQ(treeText(album.tree), "A:0:-1 B:1:-1 C:2:-1");
}

TEST(AlbumTextReader, DeepNestingIsCappedInsteadOfOverflowingTheStack) {
    QByteArray file("version=3\r\n");
    for (int depth = 0; depth < 20000; ++depth)
        file.append("object=folder\r\ncol=" + QByteArray::number(depth) + "\r\n");
    Album album;
    ASSERT_TRUE(parseAlbum(album, file).ok());
    int deepest = 0;
    int count = 0;
    album.tree.walk([&](CSiteFolder*, int depth) {
        deepest = std::max(deepest, depth);
        ++count;
    });
    EXPECT_EQ(count, 20000);
    EXPECT_EQ(deepest, 1000);
}

TEST(AlbumTextReader, PageCountIsTakenAsWritten) {
    Album album;
    ASSERT_TRUE(parseAlbum(album, textAlbum({"object=folder", "pagecount=5", "object=page",
                                             "caption=p0", "id=0", "object=page", "caption=p1",
                                             "id=1", "object=page", "caption=p2", "id=2"}))
                    .ok());
    const CSiteFolder* root = album.tree.root();
    EXPECT_EQ(root->pagecount, 5);
    ASSERT_EQ(root->pageListSize(), 3);
    EXPECT_EQ(root->page(2)->caption, "p2");
}

TEST(AlbumTextReader, NextFolderIdFollowsTheLargestIdRead) {
    Album album;
    ASSERT_TRUE(parseAlbum(album, textAlbum({"object=folder", "id=3", "object=folder", "id=7",
                                             "col=1", "object=folder", "id=5", "col=1"}))
                    .ok());
    EXPECT_EQ(album.tree.insertFolder(album.tree.root(), QStringLiteral("New"))->id, 8);

    // The largest id possible does not overflow.
    ASSERT_TRUE(parseAlbum(album, textAlbum({"object=folder", "id=2147483647"})).ok());
    EXPECT_EQ(album.tree.nextFolderId(), 2147483647);
}

TEST(AlbumTextReader, StrayLinesAndUnknownRecordsAreIgnored) {
    Album album;
    ASSERT_TRUE(
        parseAlbum(album,
                   textAlbum({"no equals sign here", "gen.title=before any record", "object=page",
                              "caption=orphan", "object=websiteproperty", "gen.title=T",
                              "GEN.TITLE2=x", "caption=not a website key", "object=layoutproperty",
                              "MAIN.COLS=7", "object=gallery", "gen.title=ignored", "object=folder",
                              "caption=F", "main.cols=9"}))
            .ok());
    EXPECT_EQ(album.website.general.title.get(), "T");
    EXPECT_EQ(album.layout.main.cols, 7);
    EXPECT_EQ(treeText(album.tree), "F:0:-1");
    EXPECT_EQ(album.tree.root()->pageListSize(), 0);
}

TEST(AlbumTextReader, MetaRecordsReplaceTheMetaList) {
    Album album;  // a new album carries the GENERATOR variable
    ASSERT_TRUE(parseAlbum(album, textAlbum({"object=meta", "meta.ifsys=1", "meta.name=refresh",
                                             "meta.val=5", "object=meta",
                                             ("meta.name=" + std::string(300, 'n')).c_str()}))
                    .ok());
    ASSERT_EQ(album.website.metas.size(), 2u);
    EXPECT_EQ(album.website.metas[0].ifsys, 1);
    EXPECT_EQ(album.website.metas[0].val.get(), "5");
    EXPECT_EQ(album.website.metas[1].name.get().size(), 254);
}

TEST(AlbumTextReader, FileWithoutFolderHasNoRootAndSavesSafely) {
    Album album;
    ASSERT_TRUE(parseAlbum(album, textAlbum({"object=websiteproperty", "gen.title=Empty"})).ok());
    EXPECT_EQ(album.tree.root(), nullptr);
    EXPECT_EQ(album.tree.nextFolderId(), 0);
    const QByteArray saved = serializeAlbum(album);
    EXPECT_FALSE(saved.contains("object=folder"));
    Album again;
    ASSERT_TRUE(parseAlbum(again, saved).ok());
    EXPECT_EQ(again.tree.root(), nullptr);
    EXPECT_EQ(again.website.general.title.get(), "Empty");
}

TEST(AlbumTextReader, ReadingMarksTheAlbumUnmodifiedAndChanged) {
    Album album;
    album.tree.insertFolder(album.tree.root(), QStringLiteral("x"));
    album.tree.setAlbumChanged(false);
    album.tree.setCdAlbumChanged(false);
    ASSERT_TRUE(parseAlbum(album, textAlbum({"object=folder"})).ok());
    EXPECT_FALSE(album.tree.isModified());
    EXPECT_TRUE(album.tree.albumChanged());
    EXPECT_TRUE(album.tree.cdAlbumChanged());
}

}  // namespace
}  // namespace pictavo
