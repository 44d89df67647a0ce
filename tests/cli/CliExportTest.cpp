// pictavo-cli export end to end: entry page, folder rules, subtree, options.
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

class CliExport : public ::testing::Test {
protected:
    void SetUp() override {
        QImage sky(320, 200, QImage::Format_RGB32);
        sky.fill(QColor(40, 120, 200));
        ASSERT_TRUE(sky.save(cli_.path(QStringLiteral("sky.png"))));
        Album album;
        auto page = std::make_unique<CSitePage>();
        page->caption = QStringLiteral("Sky");
        page->url = cli_.path(QStringLiteral("sky.png"));
        album.tree.appendPage(album.tree.root(), std::move(page));
        sub_ = album.tree.insertFolder(album.tree.root(), QStringLiteral("More"))->id;
        album_ = cli_.path(QStringLiteral("album.www"));
        ASSERT_TRUE(saveAlbumFile(album, album_).ok());
    }
    CliRun exportTo(QStringList options) const {
        return cli_.run(QStringList{"export", album_, "--to", site_} + options);
    }

    CliRunner cli_;
    QString album_;
    const QString site_ = cli_.path(QStringLiteral("site"));
    int sub_ = -1;
};

TEST_F(CliExport, ExportsAndPrintsTheEntryPage) {
    const CliRun run = exportTo({"--thumb-size", "64x64"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out).trimmed(), site_ + "/index.htm");
    QImageReader thumbnail(site_ + "/files/thumbnail/Thumbnail0.jpg");
    EXPECT_EQ(thumbnail.size(), QSize(64, 40));
    const CliRun check = cli_.run({"check", site_});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
    EXPECT_GT(checkedLocalLinks(check.out), 5) << check.out.toStdString();
}

TEST_F(CliExport, BothExportsRefuseANonEmptyFolderUnlessForced) {
    for (const QString& command : {QStringLiteral("export"), QStringLiteral("cd-export")}) {
        const QString out = cli_.path(command);
        QDir().mkpath(out + "/old");
        const CliRun refused = cli_.run({command, album_, "--to", out});
        EXPECT_EQ(refused.exitCode, 1) << command.toStdString();
        EXPECT_TRUE(refused.err.contains("This folder contains files or subfolders"))
            << refused.err.toStdString();
        EXPECT_EQ(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"old"});

        const CliRun forced = cli_.run({command, album_, "--to", out, "--force"});
        EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
        EXPECT_GT(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
    }
}

TEST_F(CliExport, ReExportTakesOverFinishedWorkUnlessFull) {
    ASSERT_EQ(exportTo({}).exitCode, 0);
    const auto thumbnailTime = [this] {
        return QFileInfo(site_ + "/files/thumbnail/Thumbnail0.jpg").lastModified();
    };
    const QDateTime made = thumbnailTime();
    ASSERT_EQ(exportTo({"--force"}).exitCode, 0);
    EXPECT_EQ(thumbnailTime(), made);
    const CliRun full = exportTo({"--force", "--full"});
    EXPECT_EQ(full.exitCode, 0) << full.err.toStdString();
    EXPECT_GT(thumbnailTime(), made);
}

TEST_F(CliExport, ExportsTheSubtreeOfAFolder) {
    const CliRun run = exportTo({"--folder", QString::number(sub_)});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out).trimmed(), site_ + QStringLiteral("/d%1p0.htm").arg(sub_));
    EXPECT_FALSE(QFile::exists(site_ + "/index.htm"));
}

TEST_F(CliExport, MissingSourcesAreListedAndTheStatusSaysSo) {
    Album album;
    ASSERT_TRUE(openAlbumFile(album, album_).ok());
    auto page = std::make_unique<CSitePage>();
    page->url = cli_.path(QStringLiteral("gone.jpg"));
    album.tree.appendPage(album.tree.root(), std::move(page));
    ASSERT_TRUE(saveAlbumFile(album, album_).ok());

    for (const QString& command : {QStringLiteral("export"), QStringLiteral("cd-export")}) {
        const QString out = cli_.path(command);
        const CliRun run = cli_.run({command, album_, "--to", out});
        EXPECT_EQ(run.exitCode, 3) << command.toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("gone.jpg")) << run.err.toStdString();
        // Everything that could be written was.
        EXPECT_FALSE(QDir(out).isEmpty()) << command.toStdString();
    }
    EXPECT_TRUE(QFile::exists(cli_.path("export/index.htm")));
    EXPECT_TRUE(QFile::exists(cli_.path("cd-export/image/00000001.png")));
    // The missing source's name is the one link that dangles.
    const CliRun check = cli_.run({"check", cli_.path("export")});
    EXPECT_EQ(check.exitCode, 1);
    for (const QByteArray& line : check.out.split('\n')) {
        if (line.contains("broken link:")) {
            EXPECT_TRUE(line.endsWith("gone.jpg")) << line.toStdString();
        }
    }
}

TEST_F(CliExport, RejectsBadArguments) {
    EXPECT_EQ(cli_.run({"export", album_}).exitCode, 2);
    EXPECT_EQ(exportTo({"--thumb-size", "0x10"}).exitCode, 2);
    EXPECT_EQ(exportTo({"--folder", "999"}).exitCode, 1);
}

}  // namespace
}  // namespace pictavo::test
