// The album commands end to end: dump output, new, save and import.
#include "CliRunner.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

const QStringList kFolderKeys = {"id",       "col",   "pagecount", "caption", "desc",
                                 "url",      "rows",  "cols",      "lnkimg",  "posstyle",
                                 "lnkstyle", "pages", "children"};
const QStringList kPageKeys = {"id", "caption", "desc", "url", "lnkimg", "posstyle", "lnkstyle"};

// The keys of the first object after marker in the dump text, in their
// order: the key lines indented by exactly `indent` spaces, up to the first
// line indented less (the dump writes one key per line, two spaces per level).
QStringList keysAfter(const QByteArray& raw, const QByteArray& marker, int indent) {
    const qsizetype at = raw.indexOf(marker);
    if (at < 0)
        return {};
    const QList<QByteArray> lines = raw.mid(at).split('\n');
    const QByteArray own(indent, ' ');
    QStringList keys;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (line.startsWith(own + '"')) {
            const qsizetype close = line.indexOf('"', indent + 1);
            keys << QString::fromUtf8(line.mid(indent + 1, close - indent - 1));
        } else if (!line.startsWith(own) && !keys.isEmpty()) {
            break;
        }
    }
    return keys;
}

std::string joined(const QStringList& keys) {
    return keys.join(' ').toStdString();
}

const QByteArray kSmallAlbum =
    "version=3\r\n"
    "object=websiteproperty\r\n"
    "gen.title=Holiday \"2024\"\r\n"
    "bggnd.bgcolor=255\r\n"
    "header.str=<b>Hi</b>\tthere\x01\r\n"
    "object=meta\r\n"
    "meta.ifsys=1\r\n"
    "meta.name=refresh\r\n"
    "meta.val=30\r\n"
    "object=layoutproperty\r\n"
    "main.cols=4\r\n"
    "object=folder\r\n"
    "id=0\r\ncol=0\r\npagecount=5\r\ncaption=Index\r\ndesc=Top\\level\r\n"
    "object=page\r\n"
    "id=0\r\ncaption=Beach\r\ndesc=\r\nurl=/photos/"
    "beach.jpg\r\nlnkimg=\r\nposstyle=1\r\nlnkstyle=2\r\n"
    "object=folder\r\n"
    "id=4\r\ncol=1\r\npagecount=0\r\ncaption=Trip\r\nrows=2\r\n"
    "object=folder\r\n"
    "id=2\r\ncol=2\r\npagecount=0\r\ncaption=Day one\r\n";

class CliAlbum : public testing::Test {
protected:
    QJsonObject dump(const QString& album, QByteArray* raw = nullptr) {
        const CliRun run = cli.run({"dump", album});
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        if (raw)
            *raw = run.out;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        return doc.object();
    }

    CliRunner cli;
};

TEST_F(CliAlbum, DumpGivesEveryRecordInFileOrder) {
    cli.writeFile("small.www", kSmallAlbum);
    QByteArray raw;
    const QJsonObject album = dump(cli.path("small.www"), &raw);

    EXPECT_EQ(joined(keysAfter(raw, "{", 2)),
              joined((QStringList{"website", "meta", "layout", "root"})));
    EXPECT_EQ(joined(keysAfter(raw, "\"meta\": [", 6)),
              joined((QStringList{"meta.ifsys", "meta.name", "meta.val"})));
    EXPECT_EQ(joined(keysAfter(raw, "\"root\": {", 4)), joined(kFolderKeys));
    EXPECT_EQ(joined(keysAfter(raw, "\"pages\": [", 8)), joined(kPageKeys));
    EXPECT_EQ(joined(keysAfter(raw, "\"children\": [", 8)), joined(kFolderKeys));

    const QJsonObject website = album["website"].toObject();
    EXPECT_EQ(website["gen.title"].toString(), "Holiday \"2024\"");
    EXPECT_EQ(website["bggnd.bgcolor"].toInt(), 255);
    EXPECT_EQ(website["header.str"].toString(), "<b>Hi</b>\tthere\x01");  // escaped controls
    EXPECT_EQ(album["layout"].toObject()[u"main.cols"].toInt(), 4);
    EXPECT_EQ(album["meta"][0][u"meta.val"].toString(), "30");

    const QJsonObject root = album["root"].toObject();
    EXPECT_EQ(root["pagecount"].toInt(), 5);  // as the file says, not recounted
    EXPECT_EQ(root["desc"].toString(), "Top\\level");
    EXPECT_EQ(root["pages"][0][u"url"].toString(), "/photos/beach.jpg");
    const QJsonObject trip = root["children"][0].toObject();
    EXPECT_EQ(trip["id"].toInt(), 4);
    EXPECT_EQ(trip["rows"].toInt(), 2);
    EXPECT_EQ(trip["children"][0][u"caption"].toString(), "Day one");
    EXPECT_EQ(trip["children"][0][u"children"].toArray().size(), 0);
}

TEST_F(CliAlbum, AlbumWithoutFoldersDumpsNullRoot) {
    cli.writeFile("empty.www", "version=3\r\nobject=websiteproperty\r\ngen.title=x\r\n");
    const QJsonObject album = dump(cli.path("empty.www"));
    EXPECT_TRUE(album.contains("root"));
    EXPECT_TRUE(album["root"].isNull());
}

TEST_F(CliAlbum, NewWritesAnAlbumOfTheCurrentFormat) {
    ASSERT_EQ(cli.run({"new", cli.path("new.www")}).exitCode, 0);
    EXPECT_TRUE(cli.readFile("new.www").startsWith("version=3\r\n"));
    EXPECT_EQ(dump(cli.path("new.www"))[u"root"][u"caption"].toString(), "Index");
}

TEST_F(CliAlbum, SaveRoundTripKeepsTheAlbum) {
    cli.writeFile("small.www", kSmallAlbum);
    ASSERT_EQ(cli.run({"save", cli.path("small.www"), cli.path("once.www")}).exitCode, 0);
    ASSERT_EQ(cli.run({"save", cli.path("once.www"), cli.path("twice.www")}).exitCode, 0);
    EXPECT_EQ(cli.readFile("once.www"), cli.readFile("twice.www"));

    // The file's pagecount of 5 does not match its one page; whether the
    // writer keeps or recounts it, every other value must come back.
    auto withoutRootPageCount = [](QJsonObject album) {
        QJsonObject root = album["root"].toObject();
        root.remove("pagecount");
        album["root"] = root;
        return album;
    };
    EXPECT_EQ(withoutRootPageCount(dump(cli.path("small.www"))),
              withoutRootPageCount(dump(cli.path("once.www"))));
}

TEST_F(CliAlbum, SaveWithBaseMakesRelativePathsAbsolute) {
    cli.writeFile("media/a.jpg", "not really a jpeg");
    cli.writeFile("rel.www",
                  "version=3\r\nobject=folder\r\nid=0\r\ncol=0\r\npagecount=3\r\ncaption=Index\r\n"
                  "object=page\r\nid=0\r\nurl=media/a.jpg\r\n"
                  "object=page\r\nid=1\r\nurl=http://example.com/\r\n"
                  "object=page\r\nid=2\r\nurl=media/missing.jpg\r\n");
    ASSERT_EQ(cli.run({"save", "--base", cli.path(""), cli.path("rel.www"), cli.path("abs.www")})
                  .exitCode,
              0);
    const QJsonArray pages = dump(cli.path("abs.www"))[u"root"][u"pages"].toArray();
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages[0][u"url"].toString(), QDir::cleanPath(cli.path("media/a.jpg")));
    EXPECT_EQ(pages[1][u"url"].toString(), "http://example.com/");
    EXPECT_EQ(pages[2][u"url"].toString(), "media/missing.jpg");
}

TEST_F(CliAlbum, ImportBringsInAFolderTree) {
    cli.writeFile("tree/b.png", "png");
    cli.writeFile("tree/a.jpg", "jpg");
    cli.writeFile("tree/sub/notes.txt", "text");
    cli.writeFile("tree/sub/deeper/c.gif", "gif");
    cli.writeFile("single.jpg", "jpg");
    ASSERT_EQ(cli.run({"new", cli.path("album.www")}).exitCode, 0);

    const CliRun imported = cli.run({"import", cli.path("album.www"), "tree"});  // relative path
    ASSERT_EQ(imported.exitCode, 0) << imported.err.constData();
    EXPECT_TRUE(imported.out.contains("imported 4 pages and 2 folders into folder 0"))
        << imported.out.constData();

    QJsonObject root = dump(cli.path("album.www"))[u"root"].toObject();
    QJsonArray pages = root["pages"].toArray();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0][u"caption"].toString(), "a.jpg");  // name order
    EXPECT_EQ(pages[0][u"url"].toString(), cli.path("tree/a.jpg"));
    const QJsonObject sub = root["children"][0].toObject();
    EXPECT_EQ(sub["pages"][0][u"caption"].toString(), "notes.txt");
    const QJsonObject deeper = sub["children"][0].toObject();
    EXPECT_EQ(deeper["pages"][0][u"url"].toString(), cli.path("tree/sub/deeper/c.gif"));

    const int deeperId = deeper["id"].toInt();
    ASSERT_EQ(cli.run({"import", cli.path("album.www"), "--folder", QString::number(deeperId),
                       cli.path("single.jpg")})
                  .exitCode,
              0);
    ASSERT_EQ(
        cli.run({"import", cli.path("album.www"), "--as-folder", cli.path("tree/sub")}).exitCode,
        0);
    root = dump(cli.path("album.www"))[u"root"].toObject();
    const QJsonObject deeperAgain = root["children"][0][u"children"][0].toObject();
    ASSERT_EQ(deeperAgain["pages"].toArray().size(), 2);
    EXPECT_EQ(deeperAgain["pages"][1][u"url"].toString(), cli.path("single.jpg"));
    EXPECT_EQ(deeperAgain["pagecount"].toInt(), 2);
    const QJsonArray children = root["children"].toArray();
    ASSERT_EQ(children.size(), 2);
    EXPECT_EQ(children[1][u"caption"].toString(), "sub");  // the new folder
    EXPECT_EQ(children[1][u"children"][0][u"caption"].toString(), "deeper");
}

TEST_F(CliAlbum, ImportOfAMissingPathChangesNothing) {
    ASSERT_EQ(cli.run({"new", cli.path("album.www")}).exitCode, 0);
    const QByteArray before = cli.readFile("album.www");
    cli.writeFile("there.jpg", "jpg");
    const CliRun run = cli.run(
        {"import", cli.path("album.www"), cli.path("there.jpg"), cli.path("not-there.jpg")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("not-there.jpg"));
    EXPECT_EQ(cli.readFile("album.www"), before);
}

TEST_F(CliAlbum, ImportCaptionsFollowTheUserSettings) {
    cli.writeFile("config/Pictavo/Pictavo.ini", "[EnvSetting]\nUseFilenameAsDefCaption=0\n");
    cli.writeFile("photo.jpg", "jpg");
    ASSERT_EQ(cli.run({"new", cli.path("album.www")}).exitCode, 0);
    ASSERT_EQ(cli.run({"import", cli.path("album.www"), cli.path("photo.jpg")}).exitCode, 0);
    EXPECT_EQ(dump(cli.path("album.www"))[u"root"][u"pages"][0][u"caption"].toString(), "");
}

// The bundled sample names its files relative to its own folder; with
// --base every file page must resolve to an existing file.
TEST_F(CliAlbum, SampleAlbumResolvesAgainstTheSourceTree) {
    const QString sample = QStringLiteral(PICTAVO_SOURCE_DIR "/samples/sample.www");
    ASSERT_EQ(
        cli.run({"save", "--base", PICTAVO_SOURCE_DIR "/samples", sample, cli.path("sample.www")})
            .exitCode,
        0);
    const QJsonObject root = dump(cli.path("sample.www"))[u"root"].toObject();
    int files = 0;
    int links = 0;
    std::vector<QJsonObject> folders{root};
    int folderCount = 0;
    while (!folders.empty()) {
        const QJsonObject folder = folders.back();
        folders.pop_back();
        ++folderCount;
        for (const QJsonValue page : folder[u"pages"].toArray()) {
            const QString url = page[u"url"].toString();
            if (url.startsWith("http://")) {
                ++links;
                continue;
            }
            EXPECT_TRUE(QFileInfo(url).isAbsolute() && QFileInfo(url).isFile())
                << url.toStdString();
            ++files;
        }
        for (const QJsonValue child : folder[u"children"].toArray())
            folders.push_back(child.toObject());
    }
    EXPECT_EQ(folderCount, 4);
    EXPECT_EQ(files, 7);
    EXPECT_EQ(links, 1);
}

}  // namespace
}  // namespace pictavo::test
