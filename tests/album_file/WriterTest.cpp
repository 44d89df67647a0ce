// Writing albums: the exact bytes of plain albums, the extended form of
// texts the plain form cannot carry, and the exact round trip of any text.

#include "AlbumFileTestSupport.h"
#include "album/file/AlbumFile.h"

#include <QList>

#include <gtest/gtest.h>

namespace pictavo {
namespace {

void makeHolidayAlbum(Album& album) {
    album.makeNew();
    album.website.general.title = QStringLiteral("My Holidays");
    album.website.general.location = QStringLiteral("C:/Export/site");
    album.website.language.save = QStringLiteral("iso-8859-1");
    album.website.headerStr = QStringLiteral("Welcome");
    album.website.background.custom = 1;
    auto page = std::make_unique<CSitePage>();
    page->caption = QStringLiteral("Beach");
    page->url = QStringLiteral("C:/photos/beach.jpg");
    album.tree.appendPage(album.tree.root(), std::move(page));
    CSiteFolder* mountains =
        album.tree.insertFolder(album.tree.root(), QStringLiteral("Mountains"));
    album.tree.editFolder(mountains, [](CSiteFolder& f) {
        f.rows = 2;
        f.cols = 4;
    });
}

// The lines of the serialized album that hold key (plain or extended).
QList<QByteArray> linesFor(const QByteArray& file, const QByteArray& key) {
    QList<QByteArray> found;
    for (const QByteArray& line : file.split('\n')) {
        if (line.startsWith(key + "=") || line.startsWith(key + "*="))
            found << line;
    }
    return found;
}

TEST(AlbumFileWriter, PlainAlbumMatchesTheHandWrittenFile) {
    Album album;
    makeHolidayAlbum(album);
    EXPECT_EQ(serializeAlbum(album), test::fixture("plain.www"));
}

TEST(AlbumFileWriter, ColumnsAreRecomputedFromTheTree) {
    Album album;
    CSiteFolder* a = album.tree.insertFolder(album.tree.root(), QStringLiteral("A"));
    CSiteFolder* b = album.tree.insertFolder(a, QStringLiteral("B"));
    b->col = 9;
    const QByteArray file = serializeAlbum(album);
    EXPECT_EQ(b->col, 2);
    EXPECT_EQ(linesFor(file, "col"), (QList<QByteArray>{"col=0\r", "col=1\r", "col=2\r"}));
}

TEST(AlbumFileWriter, TextsThePlainFormWouldDamageAreWrittenExtended) {
    const std::pair<QString, QByteArray> cases[] = {
        {QStringLiteral("a=b 100%"), "caption=a=b 100%"},
        {QStringLiteral("a\tb"), "caption=a\tb"},
        {QStringLiteral("Caf\u00e9 \u041c\u0438\u0440"),
         "caption=Caf\xC3\xA9 \xD0\x9C\xD0\xB8\xD1\x80"},
        {QString(), "caption="},
        {QStringLiteral(" lead"), "caption*=%20lead"},
        {QStringLiteral("a 5% \t"), "caption*=a 5%25%20%09"},
        {QStringLiteral("<b>\r\nx=1</b>\n"), "caption*=<b>%0D%0Ax=1</b>%0A"},
        {QStringLiteral("a\u0001b\u007f"), "caption*=a%01b%7F"},
        {QStringLiteral("\u00a0x\u00a0"), "caption=\xC2\xA0x\xC2\xA0"},
    };
    for (const auto& [value, line] : cases) {
        Album album;
        album.tree.editFolder(album.tree.root(), [&](CSiteFolder& f) { f.caption = value; });
        EXPECT_EQ(linesFor(serializeAlbum(album), "caption"), QList<QByteArray>{line + "\r"});
    }
}

// Texts a user can type that the plain form would damage or that older
// readers cut into pieces; one field of each record kind holds them.
TEST(AlbumFileWriter, AwkwardTextsSurviveSaveAndReadExactly) {
    const QString texts[] = {
        QStringLiteral("<table>\r\n<tr><td width=100>x</td></tr>\r\n</table>"),
        QStringLiteral("trailing blanks and tab \t"),
        QString(5000, QLatin1Char('x')) + QStringLiteral("=") + QString(5000, QChar(0x00e9)),
        QStringLiteral("\u65e5\u672c\u8a9e \U0001F600 \u0416 %41%"),
        QStringLiteral("\r\n\r\n"),
        QStringLiteral("%0D%0A literal escapes"),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.left(60).toStdString());
        Album album;
        album.website.headerStr = text;
        album.website.metas[0].val = text;
        album.layout.idx.bgimg = text;
        album.tree.editFolder(album.tree.root(), [&](CSiteFolder& f) { f.caption = text; });
        auto page = std::make_unique<CSitePage>();
        page->desc = text;
        album.tree.appendPage(album.tree.root(), std::move(page));

        const QByteArray saved = serializeAlbum(album);
        Album read;
        ASSERT_TRUE(parseAlbum(read, saved).ok());
        test::expectSameAlbum(album, read);
        EXPECT_EQ(read.website.headerStr.get(), text);
        EXPECT_EQ(serializeAlbum(read), saved);
    }
}

TEST(AlbumFileWriter, SaveThenReadGivesTheSameAlbum) {
    Album album;
    makeHolidayAlbum(album);
    album.layout.table.cellpadding = 4;
    album.layout.imgnavi.font.clr = 0x123456;
    album.website.metas.push_back({});
    album.website.metas.back().ifsys = 1;
    album.website.metas.back().name = QStringLiteral("refresh");
    CSiteFolder* alps =
        album.tree.insertFolder(album.tree.root()->child(0), QStringLiteral("Alps"));
    album.tree.insertFolder(album.tree.root(), QStringLiteral("Sea"));
    album.tree.appendPage(alps, std::make_unique<CSitePage>());
    album.tree.appendPage(alps, std::make_unique<CSitePage>());

    Album read;
    ASSERT_TRUE(parseAlbum(read, serializeAlbum(album)).ok());
    test::expectSameAlbum(album, read);
    EXPECT_EQ(test::treeText(read.tree), "Index:0:0 Mountains:1:1 Alps:2:2 Sea:1:3");
    EXPECT_EQ(read.tree.nextFolderId(), 4);
}

}  // namespace
}  // namespace pictavo
