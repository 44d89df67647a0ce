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

const QString kSmallAlbum = QStringLiteral(PICTAVO_TEST_DATA "/cli/small.www");

// The keys of the first object after marker in the dump text, in their
// order: the key lines indented by exactly `indent` spaces, up to the first
// line indented less (the dump writes one key per line, two spaces per level).
std::string keysAfter(const QByteArray& raw, const QByteArray& marker, int indent) {
    const QByteArray own(indent, ' ');
    QStringList keys;
    for (const QByteArray& line : raw.mid(raw.indexOf(marker)).split('\n').mid(1)) {
        if (line.startsWith(own + '"'))
            keys << QString::fromUtf8(
                line.mid(indent + 1, line.indexOf('"', indent + 1) - indent - 1));
        else if (!line.startsWith(own) && !keys.isEmpty())
            break;
    }
    return keys.join(' ').toStdString();
}

// A folder and its pages and subfolders by caption: "Index(a b)[Sub()[]]".
QString outline(const QJsonObject& folder) {
    QStringList pages, children;
    for (const QJsonValue page : folder[u"pages"].toArray())
        pages << page[u"caption"].toString();
    for (const QJsonValue child : folder[u"children"].toArray())
        children << outline(child.toObject());
    return folder[u"caption"].toString() + '(' + pages.join(' ') + ")[" + children.join(',') + ']';
}

// The folders below and including folder, parents first.
QList<QJsonObject> allFolders(const QJsonObject& folder) {
    QList<QJsonObject> folders{folder};
    for (const QJsonValue child : folder[u"children"].toArray())
        folders += allFolders(child.toObject());
    return folders;
}

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
    QJsonObject root(const QString& album) { return dump(album)[u"root"].toObject(); }

    CliRunner cli;
};

TEST_F(CliAlbum, DumpGivesEveryRecordInFileOrder) {
    QByteArray raw;
    const QJsonObject album = dump(kSmallAlbum, &raw);
    const std::string folderKeys =
        "id col pagecount caption desc url rows cols lnkimg posstyle lnkstyle pages children";
    EXPECT_EQ(keysAfter(raw, "{", 2), "website meta layout root");
    EXPECT_EQ(keysAfter(raw, "\"meta\": [", 6), "meta.ifsys meta.name meta.val");
    EXPECT_EQ(keysAfter(raw, "\"root\": {", 4), folderKeys);
    EXPECT_EQ(keysAfter(raw, "\"pages\": [", 8), "id caption desc url lnkimg posstyle lnkstyle");
    EXPECT_EQ(keysAfter(raw, "\"children\": [", 8), folderKeys);
    const QJsonObject website = album["website"].toObject();
    EXPECT_EQ(website["gen.title"].toString(), "Holiday \"2024\"");
    EXPECT_EQ(website["bggnd.bgcolor"].toInt(), 255);
    EXPECT_EQ(website["header.str"].toString(), "<b>Hi</b>\tthere\x01");  // escaped controls
    EXPECT_EQ(album["layout"][u"main.cols"].toInt(), 4);
    EXPECT_EQ(album["meta"][0][u"meta.val"].toString(), "30");
    const QJsonObject root = album["root"].toObject();
    EXPECT_EQ(root["pagecount"].toInt(), 5);  // as the file says, not recounted
    EXPECT_EQ(root["desc"].toString(), "Top\\level");
    EXPECT_EQ(root["pages"][0][u"url"].toString(), "/photos/beach.jpg");
    EXPECT_EQ(root["children"][0][u"id"].toInt(), 4);
    EXPECT_EQ(root["children"][0][u"rows"].toInt(), 2);
    EXPECT_EQ(outline(root), "Index(Beach)[Trip()[Day one()[]]]");

    cli.writeFile("empty.www", "version=3\r\nobject=websiteproperty\r\ngen.title=x\r\n");
    const QJsonObject empty = dump(cli.path("empty.www"));
    EXPECT_TRUE(empty.contains("root") && empty["root"].isNull());
}

TEST_F(CliAlbum, NewAndSaveRoundTrip) {
    const QString album = cli.newAlbum();
    EXPECT_TRUE(cli.readFile("album.www").startsWith("version=3\r\n"));
    EXPECT_EQ(outline(root(album)), "Index()[]");

    ASSERT_EQ(cli.run({"save", kSmallAlbum, cli.path("once.www")}).exitCode, 0);
    ASSERT_EQ(cli.run({"save", cli.path("once.www"), cli.path("twice.www")}).exitCode, 0);
    EXPECT_EQ(cli.readFile("once.www"), cli.readFile("twice.www"));
    // The file's pagecount of 5 does not match its one page; whether the
    // writer keeps or recounts it, every other value must come back.
    auto withoutRootPageCount = [this](const QString& path) {
        QJsonObject whole = dump(path), top = whole["root"].toObject();
        top.remove("pagecount");
        whole["root"] = top;
        return whole;
    };
    EXPECT_EQ(withoutRootPageCount(kSmallAlbum), withoutRootPageCount(cli.path("once.www")));
}

TEST_F(CliAlbum, SaveWithBaseMakesRelativePathsAbsolute) {
    cli.writeFile("media/a.jpg", "not really a jpeg");
    ASSERT_EQ(cli.run({"save", "--base", cli.path(""), PICTAVO_TEST_DATA "/cli/relative.www",
                       cli.path("abs.www")})
                  .exitCode,
              0);
    const QJsonArray pages = root(cli.path("abs.www"))[u"pages"].toArray();
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages[0][u"url"].toString(), QDir::cleanPath(cli.path("media/a.jpg")));
    EXPECT_EQ(pages[1][u"url"].toString(), "http://example.com/");
    EXPECT_EQ(pages[2][u"url"].toString(), "media/missing.jpg");
}

TEST_F(CliAlbum, ImportBringsInAFolderTree) {
    for (const char* name :
         {"tree/b.png", "tree/a.jpg", "tree/sub/notes.txt", "tree/sub/deeper/c.gif", "single.jpg"})
        cli.writeFile(name, "data");
    const QString album = cli.newAlbum();
    const CliRun imported = cli.run({"import", album, "tree"});  // relative path
    ASSERT_EQ(imported.exitCode, 0) << imported.err.constData();
    EXPECT_TRUE(imported.out.contains("imported 4 pages and 2 folders into folder 0"))
        << imported.out.constData();
    const QList<QJsonObject> folders = allFolders(root(album));
    EXPECT_EQ(outline(folders[0]), "Index(a.jpg b.png)[sub(notes.txt)[deeper(c.gif)[]]]");
    EXPECT_EQ(folders[0]["pages"][0][u"url"].toString(), cli.path("tree/a.jpg"));
    EXPECT_EQ(folders[2]["pages"][0][u"url"].toString(), cli.path("tree/sub/deeper/c.gif"));

    const QString deeper = QString::number(folders[2]["id"].toInt());
    ASSERT_EQ(cli.run({"import", album, "--folder", deeper, cli.path("single.jpg")}).exitCode, 0);
    ASSERT_EQ(cli.run({"import", album, "--as-folder", cli.path("tree/sub")}).exitCode, 0);
    const QJsonObject after = root(album);
    EXPECT_EQ(outline(after),
              "Index(a.jpg b.png)[sub(notes.txt)[deeper(c.gif single.jpg)[]],"
              "sub(notes.txt)[deeper(c.gif)[]]]");
    EXPECT_EQ(allFolders(after)[2]["pagecount"].toInt(), 2);
    EXPECT_EQ(allFolders(after)[2]["pages"][1][u"url"].toString(), cli.path("single.jpg"));
}

TEST_F(CliAlbum, ImportCaptionsFollowTheUserSettings) {
    cli.writeFile("config/Pictavo/Pictavo.ini", "[EnvSetting]\nUseFilenameAsDefCaption=0\n");
    cli.writeFile("photo.jpg", "jpg");
    const QJsonArray pages = root(cli.newAlbum({cli.path("photo.jpg")}))[u"pages"].toArray();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0][u"caption"].toString(), "");
}

// The bundled sample names its files relative to its own folder; with
// --base every file page must resolve to an existing file.
TEST_F(CliAlbum, SampleAlbumResolvesAgainstTheSourceTree) {
    const QString sample = QStringLiteral(PICTAVO_SOURCE_DIR "/samples/sample.www");
    ASSERT_EQ(
        cli.run({"save", "--base", PICTAVO_SOURCE_DIR "/samples", sample, cli.path("sample.www")})
            .exitCode,
        0);
    const QList<QJsonObject> folders = allFolders(root(cli.path("sample.www")));
    int files = 0, links = 0;
    for (const QJsonObject& folder : folders) {
        for (const QJsonValue page : folder[u"pages"].toArray()) {
            const QString url = page[u"url"].toString();
            const bool link = url.startsWith("http://");
            ++(link ? links : files);
            EXPECT_TRUE(link || (QFileInfo(url).isAbsolute() && QFileInfo(url).isFile()))
                << url.toStdString();
        }
    }
    EXPECT_EQ(folders.size(), 4);
    EXPECT_EQ(files, 7);
    EXPECT_EQ(links, 1);
}

}  // namespace
}  // namespace pictavo::test
