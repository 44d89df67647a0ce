// Reading version-3 text album files through parseAlbum.

#include "AlbumFileTestSupport.h"
#include "album/file/AlbumFile.h"

#include <gtest/gtest.h>

#include <numeric>

namespace pictavo {
namespace {

using test::treeText;

class AlbumTextReader : public testing::Test {
protected:
    void readBytes(const QByteArray& file) { ASSERT_TRUE(parseAlbum(album, file).ok()); }
    void read(std::initializer_list<const char*> lines) { readBytes(test::textAlbum(lines)); }
    Album album;
};

// Folders captioned A, B, ... (round the alphabet) at the columns given.
QByteArray foldersAt(const std::vector<int>& cols) {
    QByteArray file("version=3\r\n");
    for (size_t i = 0; i < cols.size(); ++i) {
        file += "object=folder\r\ncaption=" + QByteArray(1, char('A' + i % 26)) +
                "\r\ncol=" + QByteArray::number(cols[i]) + "\r\n";
    }
    return file;
}

// Any other first line sends the file to the legacy reader (see the open
// flow's unknown-version test).
TEST_F(AlbumTextReader, VersionIsTheFirstLineWithoutCaseOrBlanks) {
    const std::pair<QByteArray, int> cases[] = {{"  Version  =3 \r\n", 3},
                                                {"\xEF\xBB\xBFversion=3\n", 3},
                                                {"\r\nversion=3\r\n", -1},
                                                {"versions=3\r\n", -1},
                                                {"", -1}};
    for (const auto& [file, version] : cases)
        EXPECT_EQ(albumFileVersion(file), version) << file.toStdString();
    readBytes("  Version  =3 \r\nobject=folder\r\ncaption=Top\r\n");
    EXPECT_EQ(treeText(album.tree), "Top:0:-1");
}

TEST_F(AlbumTextReader, LinesReadAlikeWithCrlfOrLineFeedOnly) {
    // Keys ignore case, values lose outer blanks only, continuation lines
    // keep their line breaks.
    const QByteArray crlf =
        test::textAlbum({"object=websiteproperty", "header.str=<b>Welcome", "to my album</b>", "",
                         "last line", "footer.str=end", "object = FOLDER", "CAPTION=  My   Album  ",
                         " Desc =\tx = y\t", "Id=4"});
    readBytes(crlf);
    EXPECT_EQ(album.website.headerStr.get(), "<b>Welcome\nto my album</b>\n\nlast line");
    EXPECT_EQ(album.website.footerStr.get(), "end");
    const CSiteFolder* root = album.tree.root();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(std::tuple(root->caption, root->desc, root->id),
              std::tuple("My   Album", "x = y", 4));

    QByteArray lf = crlf;
    Album fromLf;
    ASSERT_TRUE(parseAlbum(fromLf, lf.replace("\r\n", "\n")).ok());
    test::expectSameAlbum(album, fromLf);
}

TEST_F(AlbumTextReader, FolderColumnsRebuildTheNesting) {
    // E jumps one level only; F climbs above the root and stays under it; a
    // second top-level folder is kept under the root.
    const std::pair<std::vector<int>, const char*> cases[] = {
        {{0, 1, 2, 1, 5, -3}, "A:0:-1 B:1:-1 C:2:-1 D:1:-1 E:2:-1 F:1:-1"},
        {{0, 0, 1}, "A:0:-1 B:1:-1 C:2:-1"}};
    for (const auto& [cols, tree] : cases) {
        readBytes(foldersAt(cols));
        EXPECT_EQ(treeText(album.tree), tree);
    }
}

TEST_F(AlbumTextReader, DeepNestingIsCappedInsteadOfOverflowingTheStack) {
    std::vector<int> cols(20000);
    std::iota(cols.begin(), cols.end(), 0);
    readBytes(foldersAt(cols));
    int deepest = 0, count = 0;
    album.tree.walk([&](CSiteFolder*, int depth) {
        deepest = std::max(deepest, depth);
        ++count;
    });
    EXPECT_EQ(std::pair(count, deepest), std::pair(20000, 1000));
}

TEST_F(AlbumTextReader, PageCountIsTakenAsWritten) {
    read({"object=folder", "pagecount=5", "object=page", "caption=p0", "id=0", "object=page",
          "caption=p1", "id=1", "object=page", "caption=p2", "id=2"});
    const CSiteFolder* root = album.tree.root();
    EXPECT_EQ(root->pagecount, 5);
    ASSERT_EQ(root->pageListSize(), 3);
    EXPECT_EQ(root->page(2)->caption, "p2");
}

TEST_F(AlbumTextReader, NextFolderIdFollowsTheLargestIdRead) {
    read({"object=folder", "id=3", "object=folder", "id=7", "col=1", "object=folder", "id=5",
          "col=1"});
    EXPECT_EQ(album.tree.insertFolder(album.tree.root(), QStringLiteral("New"))->id, 8);
    read({"object=folder", "id=2147483647"});  // the largest id does not overflow
    EXPECT_EQ(album.tree.nextFolderId(), 2147483647);
}

TEST_F(AlbumTextReader, StrayLinesAndUnknownRecordsAreIgnored) {
    read({"no equals sign here", "gen.title=before any record", "object=page", "caption=orphan",
          "object=websiteproperty", "gen.title=T", "GEN.TITLE2=x", "caption=not a website key",
          "object=layoutproperty", "MAIN.COLS=7", "object=gallery", "gen.title=ignored",
          "object=folder", "caption=F", "main.cols=9"});
    EXPECT_EQ(album.website.general.title.get(), "T");
    EXPECT_EQ(album.layout.main.cols, 7);
    EXPECT_EQ(treeText(album.tree), "F:0:-1");
    EXPECT_EQ(album.tree.root()->pageListSize(), 0);
}

TEST_F(AlbumTextReader, MetaRecordsReplaceTheMetaList) {
    // A new album carries the GENERATOR variable.
    read({"object=meta", "meta.ifsys=1", "meta.name=refresh", "meta.val=5", "object=meta",
          ("meta.name=" + std::string(300, 'n')).c_str()});
    ASSERT_EQ(album.website.metas.size(), 2u);
    EXPECT_EQ(album.website.metas[0].ifsys, 1);
    EXPECT_EQ(album.website.metas[0].val.get(), "5");
    EXPECT_EQ(album.website.metas[1].name.get().size(), 254);
}

TEST_F(AlbumTextReader, FileWithoutFolderHasNoRootAndSavesSafely) {
    read({"object=websiteproperty", "gen.title=Empty"});
    EXPECT_EQ(album.tree.root(), nullptr);
    EXPECT_EQ(album.tree.nextFolderId(), 0);
    const QByteArray saved = serializeAlbum(album);
    EXPECT_FALSE(saved.contains("object=folder"));
    Album again;
    ASSERT_TRUE(parseAlbum(again, saved).ok());
    test::expectSameAlbum(album, again);
    EXPECT_EQ(again.tree.root(), nullptr);
}

TEST_F(AlbumTextReader, ReadingMarksTheAlbumUnmodifiedAndChanged) {
    album.tree.insertFolder(album.tree.root(), QStringLiteral("x"));
    album.tree.setAlbumChanged(false);
    album.tree.setCdAlbumChanged(false);
    read({"object=folder"});
    EXPECT_FALSE(album.tree.isModified());
    EXPECT_TRUE(album.tree.albumChanged());
    EXPECT_TRUE(album.tree.cdAlbumChanged());
}

}  // namespace
}  // namespace pictavo
