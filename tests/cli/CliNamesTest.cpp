// File and folder names beyond ASCII, and album urls that try to leave the
// output folder: every page links to files that exist, and nothing is
// written outside the output folder.
#include "CliRunner.h"
#include "album/Album.h"
#include "album/file/AlbumFile.h"

#include <QDirIterator>
#include <QImage>

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

QStringList filesBelow(const QString& folder) {
    QStringList files;
    for (QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        files << it.next();
    files.sort();
    return files;
}

class CliNames : public ::testing::Test {
protected:
    void photo(const QString& name) {
        QImage image(120, 80, QImage::Format_RGB888);
        image.fill(Qt::darkRed);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(cli_.path(name)).absolutePath()));
        ASSERT_TRUE(image.save(cli_.path(name), "JPEG")) << name.toStdString();
    }
    CliRunner cli_;
};

TEST_F(CliNames, NamesBeyondAsciiImportExportSaveAndOpen) {
    photo(QStringLiteral("Zürich/東京 1.jpg"));
    photo(QStringLiteral("Zürich/Ärger & mehr.JPG"));
    const QString album = cli_.path(QStringLiteral("Fotoalbum ö.www"));
    ASSERT_EQ(cli_.run({"new", album}).exitCode, 0);
    const CliRun imported = cli_.run({"import", album, cli_.path(QStringLiteral("Zürich"))});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();

    const QString copy = cli_.path(QStringLiteral("Kopie é.www"));
    ASSERT_EQ(cli_.run({"save", album, copy}).exitCode, 0);
    const CliRun dumped = cli_.run({"dump", copy});
    ASSERT_EQ(dumped.exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(dumped.out).contains(QStringLiteral("東京 1.jpg")));
    EXPECT_TRUE(QString::fromUtf8(dumped.out).contains(QStringLiteral("Zürich")));
    EXPECT_EQ(dumped.out, cli_.run({"dump", album}).out);

    const QString site = cli_.path(QStringLiteral("Seite ü"));
    const CliRun exported = cli_.run({"export", album, "--to", site});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    const CliRun check = cli_.run({"check", site});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
    // Pages, thumbnails, images and the five buttons at the least.
    EXPECT_GT(checkedLocalLinks(check.out), 10) << check.out.toStdString();
    const int images = int(QDir(site + "/files/image").entryList(QDir::Files).size());
    EXPECT_GE(images, 2);
}

TEST_F(CliNames, UrlsThatTryToLeaveTheOutputFolderWriteNothingOutsideIt) {
    photo(QStringLiteral("in/a.jpg"));
    const QString outside = cli_.path("outside");
    ASSERT_TRUE(QDir().mkpath(outside));
    // A symbolic link inside the sources that points out of everything.
    ASSERT_TRUE(QFile::link(outside, cli_.path("in/link")));
    Album contents;
    const QStringList urls = {cli_.path("in/a.jpg"),           QStringLiteral("../../etc/passwd"),
                              cli_.path("in/../in/a.jpg"),     cli_.path("in/"),
                              QStringLiteral("/etc/hostname"), cli_.path("in/link/x.jpg"),
                              QStringLiteral("..\\..\\x.htm"), QStringLiteral("/")};
    for (const QString& url : urls) {
        auto page = std::make_unique<CSitePage>();
        page->caption = QStringLiteral("p");
        page->url = url;
        contents.tree.appendPage(contents.tree.root(), std::move(page));
    }
    CSiteFolder* away = contents.tree.insertFolder(contents.tree.root(), QStringLiteral("Away"));
    contents.tree.editFolder(away, [](CSiteFolder& f) { f.url = QStringLiteral("../../away/"); });
    const QString album = cli_.path("album.www");
    ASSERT_TRUE(saveAlbumFile(contents, album).ok());

    const QString site = cli_.path("site/out");
    ASSERT_TRUE(QDir().mkpath(site));
    const QStringList before = filesBelow(cli_.path(""));
    const CliRun run = cli_.run({"export", album, "--to", site});
    EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 3) << run.err.toStdString();
    // Only the two urls that name no file (through the link, and the
    // backslash path) leave their published names dangling.
    const CliRun check = cli_.run({"check", site});
    for (const QByteArray& line : check.out.split('\n')) {
        if (line.contains("broken link:")) {
            EXPECT_TRUE(line.endsWith("/x.jpg") || line.endsWith("/x.htm")) << line.toStdString();
        }
    }
    EXPECT_GT(checkedLocalLinks(check.out), 20) << check.out.toStdString();
    QStringList after = filesBelow(cli_.path(""));
    after.removeIf([&](const QString& f) { return f.startsWith(site + "/"); });
    EXPECT_EQ(after, before);
    EXPECT_TRUE(QDir(outside).isEmpty());
}

}  // namespace
}  // namespace pictavo::test
