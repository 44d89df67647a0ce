// pictavo-cli check and export --check: the report's lines, the summary and
// the exit status, on a hand-written site with broken links and on exports.
#include "CliRunner.h"
#include "album/Album.h"
#include "album/file/AlbumFile.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

class CliCheck : public ::testing::Test {
protected:
    // An album of one photo and one text file beside it.
    QString writeAlbum(bool copyFiles) {
        QImage photo(80, 60, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        EXPECT_TRUE(photo.save(cli_.path("photo.png")));
        cli_.writeFile("notes.txt", "notes");
        Album album;
        album.website.general.cpyfileauto = copyFiles ? 1 : 0;
        for (const char* file : {"photo.png", "notes.txt"}) {
            auto page = std::make_unique<CSitePage>();
            page->caption = QString::fromLatin1(file);
            page->url = cli_.path(QString::fromLatin1(file));
            album.tree.appendPage(album.tree.root(), std::move(page));
        }
        const QString path = cli_.path("album.www");
        EXPECT_TRUE(saveAlbumFile(album, path).ok());
        return path;
    }

    CliRunner cli_;
};

TEST_F(CliCheck, ListsBrokenAndWebLinksAndFails) {
    cli_.writeFile("site/a.jpg", "x");
    cli_.writeFile(
        "site/index.htm",
        "<a href=\"a.jpg\">\r\n<img src=\"b.jpg\">\r\n<a href=\"https://example.org/\">\r\n");
    cli_.writeFile("site/sub/p.htm", "<a href=\"../index.htm\"><a href=\"../A.jpg#x\">");
    const CliRun run = cli_.run({"check", cli_.path("site")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(run.out),
              "index.htm:2: broken link: b.jpg\n"
              "sub/p.htm:1: broken link: ../A.jpg#x\n"
              "index.htm:3: web link, not checked: https://example.org/\n"
              "checked 2 pages and 4 local links: 2 broken, 1 web links not checked\n");

    cli_.writeFile("site/b.jpg", "x");
    cli_.writeFile("site/A.jpg", "x");
    const CliRun fixed = cli_.run({"check", cli_.path("site")});
    EXPECT_EQ(fixed.exitCode, 0) << fixed.out.toStdString();
    EXPECT_EQ(checkedLocalLinks(fixed.out), 4);
}

TEST_F(CliCheck, AMissingFolderFails) {
    const CliRun missing = cli_.run({"check", cli_.path("missing")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("is not a folder")) << missing.err.toStdString();
}

TEST_F(CliCheck, AnUnreadablePageIsListedAndFails) {
    cli_.writeFile("site/index.htm", "<a href=\"p.htm\">");
    cli_.writeFile("site/p.htm", "<a href=\"index.htm\">");
    const QFile::Permissions readable =
        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    const QFile::Permissions own = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    for (const char* folder : {"", "site"})
        ASSERT_TRUE(QFile::setPermissions(cli_.path(folder), readable));
    QFile::setPermissions(cli_.path("site/index.htm"), QFile::ReadOwner | QFile::ReadOther);
    QFile::setPermissions(cli_.path("site/p.htm"), {});
    const CliRun run = cli_.runWrapped(withoutRootRights(), {"check", cli_.path("site")});
    for (const char* folder : {"", "site"})
        QFile::setPermissions(cli_.path(folder), own);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.startsWith("cannot read p.htm: ")) << run.out.toStdString();
    EXPECT_EQ(checkedLocalLinks(run.out), 1) << run.out.toStdString();
}

TEST_F(CliCheck, ExportWithCheckReportsOnStderrAndKeepsTheEntryPageOnStdout) {
    const QString album = writeAlbum(true);
    const QString site = cli_.path("site");
    const CliRun run = cli_.run({"export", album, "--to", site, "--check"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out).trimmed(), site + "/index.htm");
    EXPECT_GT(checkedLocalLinks(run.err), 10) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(": 0 broken,")) << run.err.toStdString();
}

TEST_F(CliCheck, ExportWithCheckFailsWhenLinksDangle) {
    // Without copying, pages link to files/... names that nothing writes.
    const QString album = writeAlbum(false);
    const CliRun run = cli_.run({"export", album, "--to", cli_.path("site"), "--check"});
    EXPECT_EQ(run.exitCode, 4) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("broken link: ./files/doc/notes.txt")) << run.err.toStdString();
    EXPECT_EQ(cli_.run({"check", cli_.path("site")}).exitCode, 1);
    EXPECT_EQ(cli_.run({"cd-export", album, "--to", cli_.path("cd"), "--check"}).exitCode, 2);
}

}  // namespace
}  // namespace pictavo::test
