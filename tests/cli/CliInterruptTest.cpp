// Ctrl-C (SIGINT) in the middle of export and cd-export: the run stops with
// exit status 1, leaves no temporary or half-written file, and the album
// file is not touched.
#include "CliRunner.h"

#include <QCryptographicHash>
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

class CliInterrupt : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        QImage photo(1600, 1200, QImage::Format_RGB888);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
        ASSERT_TRUE(QDir().mkpath(cli_.path("photos")));
        ASSERT_TRUE(photo.save(cli_.path("photos/p0.png")));
        for (int i = 1; i < kPhotos; ++i)
            ASSERT_TRUE(QFile::copy(cli_.path("photos/p0.png"),
                                    cli_.path(QStringLiteral("photos/p%1.png").arg(i))));
        album_ = cli_.path("album.www");
        ASSERT_EQ(cli_.run({"new", album_}).exitCode, 0);
        ASSERT_EQ(cli_.run({"import", album_, cli_.path("photos")}).exitCode, 0);
        albumHash_ = hashOf(album_);
    }

    static QByteArray hashOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly)
                   ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                   : QByteArray();
    }

    // Waits until some image has been written below folder.
    static bool anImageAppears(const QString& folder) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000) {
            QDirIterator it(folder, {"*.png", "*.jpg"}, QDir::Files, QDirIterator::Subdirectories);
            for (; it.hasNext(); it.next()) {
                if (it.fileName() != "00000000.jpg")  // the CD's first title card
                    return true;
            }
            QThread::msleep(5);
        }
        return false;
    }

    CliRunner cli_;
    QString album_;
    QByteArray albumHash_;
};

TEST_P(CliInterrupt, StopsCleanlyInTheMiddle) {
    const QString out = cli_.path("out");
    QProcess process;
    // Both runs decode every photo: the site for its thumbnails, the CD to
    // shrink it to the export limit.
    const QStringList options = QString(GetParam()) == "export"
                                    ? QStringList({"--threads", "1"})
                                    : QStringList({"--export-max", "800x600"});
    cli_.start(process, QStringList({GetParam(), album_, "--to", out}) + options);
    ASSERT_TRUE(process.waitForStarted());
    ASSERT_TRUE(anImageAppears(out));
    ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), SIGINT), 0);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("cancelled"));

    int images = 0;
    static const QStringList kExtensions = {"htm", "png", "jpg", "gif", "ico",
                                            "exe", "inf", "lan", "sch", "tch"};
    for (QDirIterator it(out, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QFileInfo file(it.next());
        EXPECT_TRUE(kExtensions.contains(file.suffix()))
            << "left over: " << file.filePath().toStdString();
        if (file.suffix() == "png" || file.suffix() == "jpg") {
            ++images;
            QImageReader reader(file.filePath());
            EXPECT_FALSE(reader.read().isNull())
                << "half written: " << file.filePath().toStdString();
        }
    }
    EXPECT_GT(images, 0);
    EXPECT_LT(images, 2 * kPhotos) << "the run finished before Ctrl-C reached it";
    EXPECT_EQ(hashOf(album_), albumHash_);
}

INSTANTIATE_TEST_SUITE_P(BothExports, CliInterrupt, ::testing::Values("export", "cd-export"));

}  // namespace
}  // namespace pictavo::test
