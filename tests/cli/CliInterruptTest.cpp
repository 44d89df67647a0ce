// Ctrl-C (SIGINT) in the middle of export and cd-export: the run stops with
// exit status 1, leaves no temporary or half-written file, and the album
// file is not touched.
#include "CliRunner.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QThread>

#include <gtest/gtest.h>

#include <signal.h>

namespace pictavo::test {
namespace {

constexpr int kPhotos = 300;

// Waits until some image other than the CD's first title card is written below folder.
bool anImageAppears(const QString& folder) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        for (QDirIterator it(folder, {"*.png", "*.jpg"}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            if (QFileInfo(it.next()).fileName() != "00000000.jpg")
                return true;
        QThread::msleep(5);
    }
    return false;
}

class CliInterrupt : public testing::TestWithParam<const char*> {};

TEST_P(CliInterrupt, StopsCleanlyInTheMiddle) {
    CliRunner cli;
    QImage photo(1600, 1200, QImage::Format_RGB888);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
    ASSERT_TRUE(QDir().mkpath(cli.path("photos")) && photo.save(cli.path("photos/p0.png")));
    for (int i = 1; i < kPhotos; ++i)
        ASSERT_TRUE(QFile::copy(cli.path("photos/p0.png"), cli.path("photos/p%1.png").arg(i)));
    const QString album = cli.newAlbum({cli.path("photos")});
    const QByteArray albumBytes = cli.readFile("album.www");

    const QString out = cli.path("out");
    QProcess process;
    // Both runs decode every photo: the site for its thumbnails, the CD to
    // shrink it to the export limit.
    const QStringList options = QString(GetParam()) == "export"
                                    ? QStringList({"--threads", "1"})
                                    : QStringList({"--export-max", "800x600"});
    cli.start(process, QStringList({GetParam(), album, "--to", out}) + options);
    ASSERT_TRUE(process.waitForStarted());
    ASSERT_TRUE(anImageAppears(out));
    ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), SIGINT), 0);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("cancelled"));

    int images = 0;
    const QStringList kinds = {"htm", "png", "jpg", "gif", "ico",
                               "exe", "inf", "lan", "sch", "tch"};
    for (QDirIterator it(out, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QFileInfo file(it.next());
        EXPECT_TRUE(kinds.contains(file.suffix()))
            << "left over: " << file.filePath().toStdString();
        if (file.suffix() == "png" || file.suffix() == "jpg") {
            ++images;
            EXPECT_FALSE(QImageReader(file.filePath()).read().isNull())
                << "half written: " << file.filePath().toStdString();
        }
    }
    EXPECT_GT(images, 0);
    EXPECT_LT(images, 2 * kPhotos) << "the run finished before Ctrl-C reached it";
    EXPECT_EQ(cli.readFile("album.www"), albumBytes);
}

INSTANTIATE_TEST_SUITE_P(BothExports, CliInterrupt, testing::Values("export", "cd-export"));

}  // namespace
}  // namespace pictavo::test
