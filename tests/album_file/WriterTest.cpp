// Writing albums: the exact bytes of plain albums, the extended form of
// texts the plain form cannot carry, and the exact round trip of any text.

#include "AlbumFileTestSupport.h"
#include "album/file/AlbumFile.h"

#include <QFile>

#include <gtest/gtest.h>

namespace pictavo {
namespace {

QByteArray readFixture(const char* name) {
    QFile file(QStringLiteral(PICTAVO_TEST_DATA "/album_file/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

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

// Returns the lines of the serialized album that hold key (plain or
// extended).
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
    EXPECT_EQ(serializeAlbum(album), readFixture("plain.www"));
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

struct ExtendedCase {
    const char* name;
    QString value;
    QByteArray line;
};

class ExtendedForm : public testing::TestWithParam<ExtendedCase> {};

TEST_P(ExtendedForm, CaptionIsWrittenInTheExpectedForm) {
    Album album;
    album.tree.editFolder(album.tree.root(), [](CSiteFolder& f) { f.caption = GetParam().value; });
    const QByteArray file = serializeAlbum(album);
    EXPECT_EQ(linesFor(file, "caption"), QList<QByteArray>{GetParam().line + "\r"});
}

INSTANTIATE_TEST_SUITE_P(
    Values, ExtendedForm,
    testing::Values(
        ExtendedCase{"equalsAndPercent", QStringLiteral("a=b 100%"), "caption=a=b 100%"},
        ExtendedCase{"innerTab", QStringLiteral("a\tb"), "caption=a\tb"},
        ExtendedCase{"nonAscii", QStringLiteral("Caf\u00e9 \u041c\u0438\u0440"),
                     "caption=Caf\xC3\xA9 \xD0\x9C\xD0\xB8\xD1\x80"},
        ExtendedCase{"empty", QString(), "caption="},
        ExtendedCase{"leadingBlank", QStringLiteral(" lead"), "caption*=%20lead"},
        ExtendedCase{"trailingBlanks", QStringLiteral("a 5% \t"), "caption*=a 5%25%20%09"},
        ExtendedCase{"lineBreaks", QStringLiteral("<b>\r\nx=1</b>\n"),
                     "caption*=<b>%0D%0Ax=1</b>%0A"},
        ExtendedCase{"controls", QStringLiteral("a\u0001b\u007f"), "caption*=a%01b%7F"},
        ExtendedCase{"nonBreakingSpaceEdges", QStringLiteral("\u00a0x\u00a0"),
                     "caption=\xC2\xA0x\xC2\xA0"}),
    [](const testing::TestParamInfo<ExtendedCase>& param) { return param.param.name; });

// Texts a user can type that the plain form would damage or that older
// readers cut into pieces.
const QString kAwkwardTexts[] = {
    QStringLiteral("<table>\r\n<tr><td width=100>x</td></tr>\r\n</table>"),
    QStringLiteral("trailing blanks and tab \t"),
    QString(5000, QLatin1Char('x')) + QStringLiteral("=") + QString(5000, QChar(0x00e9)),
    QStringLiteral("\u65e5\u672c\u8a9e \U0001F600 \u0416 %41%"),
    QStringLiteral("\r\n\r\n"),
    QStringLiteral("%0D%0A literal escapes"),
};

class AwkwardText : public testing::TestWithParam<QString> {};

TEST_P(AwkwardText, SurvivesSaveAndReadExactly) {
    const QString text = GetParam();
    Album album;
    // One field of each record kind.
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
    EXPECT_EQ(read.tree.root()->page(0)->desc, text);
    EXPECT_EQ(serializeAlbum(read), saved);
}

INSTANTIATE_TEST_SUITE_P(Texts, AwkwardText, testing::ValuesIn(kAwkwardTexts));

TEST(AlbumFileWriter, SaveThenReadGivesTheSameAlbum) {
    Album album;
    makeHolidayAlbum(album);
    album.layout.table.cellpadding = 4;
    album.layout.imgnavi.font.clr = 0x123456;
    album.website.metas.push_back({});
    album.website.metas.back().ifsys = 1;
    album.website.metas.back().name = QStringLiteral("refresh");
    CSiteFolder* mountains = album.tree.root()->child(0);
    CSiteFolder* alps = album.tree.insertFolder(mountains, QStringLiteral("Alps"));
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
