// export, cd-export and check end to end: what they print, their options
// and exit statuses. The contents of sites and CDs are the generators' tests.
#include "CliRunner.h"
#include "album/Album.h"
#include "album/file/AlbumFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

class CliExport : public testing::Test {
protected:
    void SetUp() override {
        cli_.writeImage("sky.png", {320, 200});
        cli_.writeFile("notes.txt", "notes");
        saveAlbum(true);
    }
    // A photo and a text file in the root, and an empty folder "More".
    void saveAlbum(bool copyFiles, const QStringList& more = {}) {
        Album album;
        album.website.general.cpyfileauto = copyFiles ? 1 : 0;
        for (const QString& file : QStringList{"sky.png", "notes.txt"} + more) {
            auto page = std::make_unique<CSitePage>();
            page->caption = file;
            page->url = cli_.path(file);
            album.tree.appendPage(album.tree.root(), std::move(page));
        }
        sub_ = album.tree.insertFolder(album.tree.root(), QStringLiteral("More"))->id;
        ASSERT_TRUE(saveAlbumFile(album, album_).ok());
    }
    // Exports into a folder named after the command.
    CliRun exportTo(const QStringList& options, const QString& command = "export") const {
        return cli_.run(QStringList{command, album_, "--to", cli_.path(command)} + options);
    }
    QStringList entriesOf(const QString& folder) const {
        return QDir(cli_.path(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    CliRunner cli_;
    const QString album_ = cli_.path("album.www");
    const QString site_ = cli_.path("export");
    int sub_ = -1;
};

TEST_F(CliExport, ExportPrintsTheEntryPageAndTheCheckGoesToStderr) {
    const CliRun run = exportTo({"--thumb-size", "64x64", "--check"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out), site_ + "/index.htm\n");
    EXPECT_EQ(QImageReader(site_ + "/files/thumbnail/Thumbnail0.jpg").size(), QSize(64, 40));
    EXPECT_GT(checkedLocalLinks(run.err), 10) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(": 0 broken,")) << run.err.toStdString();

    // Without copying, pages link to files/... names that nothing writes.
    saveAlbum(false);
    const CliRun dangling = exportTo({"--check", "--force"});
    EXPECT_EQ(dangling.exitCode, 4) << dangling.err.toStdString();
    EXPECT_TRUE(brokenLinks(dangling.err).contains("./files/doc/notes.txt"))
        << run.err.toStdString();
}

TEST_F(CliExport, ExportsTheSubtreeOfAFolder) {
    const CliRun run = exportTo({"--folder", QString::number(sub_)});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out), site_ + QStringLiteral("/d%1p0.htm\n").arg(sub_));
    EXPECT_FALSE(QFile::exists(site_ + "/index.htm"));
}

TEST_F(CliExport, ReExportTakesOverFinishedWorkUnlessFull) {
    ASSERT_EQ(exportTo({}).exitCode, 0);
    const auto thumbnailTime = [this] {
        return QFileInfo(site_ + "/files/thumbnail/Thumbnail0.jpg").lastModified();
    };
    const QDateTime made = thumbnailTime();
    ASSERT_EQ(exportTo({"--force"}).exitCode, 0);
    EXPECT_EQ(thumbnailTime(), made);
    EXPECT_EQ(exportTo({"--force", "--full"}).exitCode, 0);
    EXPECT_GT(thumbnailTime(), made);
}

TEST_F(CliExport, CdExportPrintsItsFolderAndHonoursTheLimit) {
    const QString cd = cli_.path("cd-export");
    const CliRun run = exportTo({"--export-max", "160x120"}, "cd-export");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out), cd + "\n");
    EXPECT_EQ(QImage(cd + "/image/00000001.png").size(), QSize(160, 100));
    // Without a limit, by default or as 0x0, images are copied unchanged.
    for (const QStringList& limit : {QStringList{"--force"}, {"--force", "--export-max", "0x0"}}) {
        ASSERT_EQ(exportTo(limit, "cd-export").exitCode, 0);
        EXPECT_EQ(cli_.readFile("cd-export/image/00000001.png"), cli_.readFile("sky.png"));
    }
}

TEST_F(CliExport, BothExportsRefuseANonEmptyFolderUnlessForced) {
    for (const QString& command : {QStringLiteral("export"), QStringLiteral("cd-export")}) {
        QDir().mkpath(cli_.path(command + "/old"));
        const CliRun refused = exportTo({}, command);
        EXPECT_EQ(refused.exitCode, 1) << command.toStdString();
        EXPECT_TRUE(refused.err.contains("This folder contains files or subfolders"))
            << refused.err.toStdString();
        EXPECT_EQ(entriesOf(command), QStringList{"old"});
        EXPECT_EQ(exportTo({"--force"}, command).exitCode, 0) << command.toStdString();
        EXPECT_GT(entriesOf(command).size(), 1);
    }
}

TEST_F(CliExport, MissingSourcesAreListedAndTheStatusSaysSo) {
    saveAlbum(true, {"gone.jpg"});
    for (const QString& command : {QStringLiteral("export"), QStringLiteral("cd-export")}) {
        const CliRun run = exportTo({}, command);
        EXPECT_EQ(run.exitCode, 3) << command.toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("gone.jpg")) << run.err.toStdString();
    }
    // Everything that could be written was (which links dangle is the site export's test).
    EXPECT_TRUE(QFile::exists(site_ + "/index.htm"));
    EXPECT_TRUE(QFile::exists(cli_.path("cd-export/image/00000001.png")));
}

TEST_F(CliExport, CheckListsBrokenAndWebLinksAndFails) {
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

TEST_F(CliExport, CheckListsAnUnreadablePageAndFails) {
    cli_.writeFile("site/index.htm", "<a href=\"p.htm\">");
    cli_.writeFile("site/p.htm", "<a href=\"index.htm\">");
    setWritable({cli_.path(""), cli_.path("site")}, false);
    QFile::setPermissions(cli_.path("site/index.htm"), QFile::ReadOwner | QFile::ReadOther);
    QFile::setPermissions(cli_.path("site/p.htm"), {});
    const CliRun run = cli_.run({"check", cli_.path("site")}, withoutRootRights());
    setWritable({cli_.path(""), cli_.path("site")}, true);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.startsWith("cannot read p.htm: ")) << run.out.toStdString();
    EXPECT_EQ(checkedLocalLinks(run.out), 1) << run.out.toStdString();
}

}  // namespace
}  // namespace pictavo::test
