// File and folder names beyond ASCII, and album urls that try to leave the
// output folder: every page links to files that exist, and nothing is
// written outside the output folder.
#include "CliRunner.h"
#include "album/Album.h"
#include "album/file/AlbumFile.h"

#include <QDirIterator>

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

TEST(CliNames, NamesBeyondAsciiImportExportSaveAndOpen) {
    CliRunner cli;
    cli.writeImage(QStringLiteral("Zürich/東京 1.jpg"), {120, 80});
    cli.writeImage(QStringLiteral("Zürich/Ärger & mehr.JPG"), {120, 80});
    const QString album = cli.path(QStringLiteral("Fotoalbum ö.www"));
    ASSERT_EQ(cli.run({"new", album}).exitCode, 0);
    ASSERT_EQ(cli.run({"import", album, cli.path(QStringLiteral("Zürich"))}).exitCode, 0);
    const QString copy = cli.path(QStringLiteral("Kopie é.www"));
    ASSERT_EQ(cli.run({"save", album, copy}).exitCode, 0);
    const CliRun dumped = cli.run({"dump", copy});
    EXPECT_TRUE(
        QString::fromUtf8(dumped.out).contains(cli.path(QStringLiteral("Zürich/東京 1.jpg"))));
    EXPECT_EQ(dumped.out, cli.run({"dump", album}).out);

    const QString site = cli.path(QStringLiteral("Seite ü"));
    ASSERT_EQ(cli.run({"export", album, "--to", site}).exitCode, 0);
    const CliRun check = cli.run({"check", site});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
    EXPECT_GT(checkedLocalLinks(check.out), 10) << check.out.toStdString();
}

TEST(CliNames, UrlsThatTryToLeaveTheOutputFolderWriteNothingOutsideIt) {
    CliRunner cli;
    cli.writeImage("in/a.jpg", {120, 80});
    const QString outside = cli.path("outside");
    ASSERT_TRUE(QDir().mkpath(outside));
    // A symbolic link inside the sources that points out of everything.
    ASSERT_TRUE(QFile::link(outside, cli.path("in/link")));
    Album contents;
    for (const QString& url :
         {cli.path("in/a.jpg"), QStringLiteral("../../etc/passwd"), cli.path("in/../in/a.jpg"),
          cli.path("in/"), QStringLiteral("/etc/hostname"), cli.path("in/link/x.jpg"),
          QStringLiteral("..\\..\\x.htm"), QStringLiteral("/")}) {
        auto page = std::make_unique<CSitePage>();
        page->caption = QStringLiteral("p");
        page->url = url;
        contents.tree.appendPage(contents.tree.root(), std::move(page));
    }
    CSiteFolder* away = contents.tree.insertFolder(contents.tree.root(), QStringLiteral("Away"));
    contents.tree.editFolder(away, [](CSiteFolder& f) { f.url = QStringLiteral("../../away/"); });
    const QString album = cli.path("album.www");
    ASSERT_TRUE(saveAlbumFile(contents, album).ok());

    const QString site = cli.path("site/out");
    ASSERT_TRUE(QDir().mkpath(site));
    const QStringList before = filesBelow(cli.path(""));
    const CliRun run = cli.run({"export", album, "--to", site});
    EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 3) << run.err.toStdString();
    // Only the two urls that name no file (through the link, and the
    // backslash path) leave their published names dangling.
    const CliRun check = cli.run({"check", site});
    for (const QString& link : brokenLinks(check.out))
        EXPECT_TRUE(link.endsWith("/x.jpg") || link.endsWith("/x.htm")) << link.toStdString();
    EXPECT_GT(checkedLocalLinks(check.out), 20) << check.out.toStdString();
    QStringList after = filesBelow(cli.path(""));
    after.removeIf([&](const QString& f) { return f.startsWith(site + "/"); });
    EXPECT_EQ(after, before);
    EXPECT_TRUE(QDir(outside).isEmpty());
}

}  // namespace
}  // namespace pictavo::test
