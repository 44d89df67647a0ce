// pictavo-cli export, run as a separate process.
#include "ExportTestSupport.h"
#include "album/Album.h"
#include "album/file/AlbumFile.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pictavo {
namespace {

using namespace testing_support;

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& args) {
    QProcess process;
    process.setProgram(QStringLiteral(PICTAVO_CLI_PATH));
    process.setArguments(QStringList{QStringLiteral("export")} + args);
    process.start();
    process.waitForFinished(120'000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).trimmed(),
            QString::fromUtf8(process.readAllStandardError())};
}

class ExportCommandTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        Album album;
        auto page = std::make_unique<CSitePage>();
        page->caption = QStringLiteral("Sky");
        page->url = writeImage(dir_.filePath(QStringLiteral("sky.png")), {320, 200}, "PNG");
        album.tree.appendPage(album.tree.root(), std::move(page));
        sub_ = album.tree.insertFolder(album.tree.root(), QStringLiteral("More"))->id;
        albumPath_ = dir_.filePath(QStringLiteral("album.www"));
        ASSERT_TRUE(saveAlbumFile(album, albumPath_).ok());
    }
    QString site() const { return dir_.filePath(QStringLiteral("site")); }

    QTemporaryDir dir_;
    QString albumPath_;
    int sub_ = -1;
};

TEST_F(ExportCommandTest, ExportsAndPrintsTheEntryPage) {
    const CliRun run = runCli({albumPath_, QStringLiteral("--to"), site(),
                               QStringLiteral("--thumb-size"), QStringLiteral("64x64")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, site() + QStringLiteral("/index.htm"));
    EXPECT_EQ(imageFileSize(site() + QStringLiteral("/files/thumbnail/Thumbnail0.jpg")),
              QSize(64, 40));
}

TEST_F(ExportCommandTest, RefusesANonEmptyFolderUnlessForced) {
    QDir().mkpath(site() + QStringLiteral("/old"));
    const CliRun refused = runCli({albumPath_, QStringLiteral("--to"), site()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral(
        "they may be overwrited during the output process. Do you really want to export files "
        "to  this folder?")))
        << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(site() + QStringLiteral("/index.htm")));

    const CliRun forced =
        runCli({albumPath_, QStringLiteral("--to"), site(), QStringLiteral("--force")});
    EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_TRUE(QFile::exists(site() + QStringLiteral("/index.htm")));
}

TEST_F(ExportCommandTest, ExportsTheSubtreeOfAFolder) {
    const CliRun run = runCli({albumPath_, QStringLiteral("--to"), site(),
                               QStringLiteral("--folder"), QString::number(sub_)});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, site() + QStringLiteral("/d%1p0.htm").arg(sub_));
    EXPECT_FALSE(QFile::exists(site() + QStringLiteral("/index.htm")));
}

TEST_F(ExportCommandTest, RejectsBadArguments) {
    EXPECT_EQ(runCli({albumPath_}).exitCode, 2);
    EXPECT_EQ(runCli({albumPath_, QStringLiteral("--to"), site(), QStringLiteral("--thumb-size"),
                      QStringLiteral("0x10")})
                  .exitCode,
              2);
    EXPECT_EQ(runCli({albumPath_, QStringLiteral("--to"), site(), QStringLiteral("--folder"),
                      QStringLiteral("999")})
                  .exitCode,
              1);
}

}  // namespace
}  // namespace pictavo
