// Thumbnail tiles: their arithmetic, making them from files of every kind,
// and the loader's threads, generations and cache.
#include "GatedTileMaker.h"
#include "TestFiles.h"

#include "imaging/ImageType.h"
#include "imaging/RasterImage.h"
#include "imaging/file/ImageFile.h"
#include "shell/gui/ThumbnailGeometry.h"
#include "shell/gui/ThumbnailLoader.h"
#include "shell/gui/ThumbnailMaker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <thread>

namespace pictavo::test {
namespace {

// --- tile arithmetic

struct PlacementRow {
    QSize image;
    QSize drawn;
    QPoint offset;
    bool scaled;
};

TEST(ThumbnailPlacement, CentresTheImageInItsEightyPixelTile) {
    const PlacementRow rows[] = {
        {{200, 100}, {80, 40}, {0, 20}, true},
        {{60, 40}, {60, 40}, {10, 20}, false},
        // A side of 80 already reaches the tile: nothing shrinks.
        {{80, 50}, {80, 50}, {0, 15}, false},
        // 90 / 150 * 80 is 48 exactly, not 47.
        {{150, 90}, {80, 48}, {0, 16}, true},
        // The short side truncates but never reaches 0.
        {{1000, 5}, {80, 1}, {0, 39}, true},
    };
    for (const PlacementRow& row : rows) {
        const TilePlacement placement = thumbnailPlacement(row.image);
        EXPECT_EQ(placement.size, row.drawn) << row.image.width() << "x" << row.image.height();
        EXPECT_EQ(placement.offset, row.offset) << row.image.width() << "x" << row.image.height();
        EXPECT_EQ(placement.scaled, row.scaled) << row.image.width() << "x" << row.image.height();
    }
    EXPECT_TRUE(thumbnailPlacement(QSize(0, 10)).size.isEmpty());
    EXPECT_TRUE(thumbnailPlacement(QSize(10, -1)).size.isEmpty());
}

// --- making a tile from a file

class ThumbnailFiles : public testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(ThumbnailFiles, EveryPictureFormatGivesAFullTile) {
    const std::pair<const char*, int> files[] = {
        {"wide.png", kImagePng}, {"photo.jpg", kImageJpeg}, {"small.bmp", kImageBmp},
        {"old.pcx", kImagePcx},  {"scan.tif", kImageTiff},  {"art.tga", kImageTga},
    };
    for (const auto& [name, type] : files) {
        ASSERT_TRUE(writePicture(path(name), name[0] == 's' ? 30 : 400, 200, type)) << name;
        const QImage tile = makeThumbnailTile(path(name));
        EXPECT_EQ(tile.size(), QSize(80, 80)) << name;
    }
    // A picture under a name that is no picture is still read by content,
    // once the name lets it be tried at all.
    ASSERT_TRUE(writePicture(path("renamed.tga"), 40, 40, kImagePng));
    EXPECT_FALSE(makeThumbnailTile(path("renamed.tga")).isNull());
}

TEST_F(ThumbnailFiles, AJpegLargerThanTheBudgetStillGivesATileThroughAReducedDecode) {
    // 8000 x 6000 is 48 million pixels, beyond what is decoded at full
    // size for a tile; at 1/8 scale it is 1000 x 750.
    ASSERT_TRUE(writePicture(path("big.jpg"), 8000, 6000, kImageJpeg));
    EXPECT_EQ(makeThumbnailTile(path("big.jpg")).size(), QSize(80, 80));
}

TEST_F(ThumbnailFiles, HostileFilesGiveNoTile) {
    ASSERT_TRUE(writePicture(path("whole.png"), 120, 90, kImagePng));
    ASSERT_TRUE(writePicture(path("whole.jpg"), 120, 90, kImageJpeg));
    const QByteArray pngBytes = readBytes(path("whole.png"));
    const QByteArray jpegBytes = readBytes(path("whole.jpg"));
    ASSERT_TRUE(writeBytes(path("cut.png"), pngBytes.left(pngBytes.size() / 2)));
    ASSERT_TRUE(writeBytes(path("cut.jpg"), jpegBytes.left(jpegBytes.size() / 2)));
    ASSERT_TRUE(writeBytes(path("huge.bmp"), bmpHeaderOnly(100'000, 100'000)));
    ASSERT_TRUE(writeBytes(path("negative.bmp"), bmpHeaderOnly(-5, 40)));
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919 + 13) % 251);
    ASSERT_TRUE(writeBytes(path("garbage.jpg"), garbage));
    ASSERT_TRUE(writeBytes(path("garbage.wmf"), garbage));
    ASSERT_TRUE(writeBytes(path("garbage.ico"), garbage));
    ASSERT_TRUE(writeBytes(path("empty.png"), QByteArray()));
    // A PNG that is small on disk but holds 64 million pixels.
    {
        RasterImage bomb;
        ASSERT_TRUE(bomb.create(8000, 8000, 1));
        ASSERT_TRUE(saveImage(bomb, path("bomb.png"), kImagePng));
        ASSERT_LT(QFileInfo(path("bomb.png")).size(), kThumbnailMaxFileBytes);
    }

    for (const char* name : {"cut.png", "cut.jpg", "huge.bmp", "negative.bmp", "garbage.jpg",
                             "garbage.wmf", "garbage.ico", "empty.png", "bomb.png", "missing.png"})
        EXPECT_TRUE(makeThumbnailTile(path(name)).isNull()) << name;
}

TEST_F(ThumbnailFiles, OnlyPictureNamesAreWorthReading) {
    for (const char* name : {"a.jpg", "b.JPEG", "f.wmf", "i.jp2"})
        EXPECT_TRUE(mayHaveThumbnail(QString::fromLatin1(name))) << name;
    for (const char* name : {"song.mp3", "README", "album.www"})
        EXPECT_FALSE(mayHaveThumbnail(QString::fromLatin1(name))) << name;
}

// --- the loader

class ThumbnailLoaderTest : public ThumbnailFiles {
protected:
    void SetUp() override {
        for (const char* name : {"a.png", "b.png", "c.png", "d.png"})
            ASSERT_TRUE(writePicture(path(name), 160, 120, kImagePng));
    }
    // Waits for the tile of path in generation, as the signal delivers it.
    QImage awaitTile(QSignalSpy& spy, const QString& file, int generation) {
        QImage found;
        const bool arrived = QTest::qWaitFor([&] {
            for (const QList<QVariant>& call : spy)
                if (call.at(0).toString() == file && call.at(1).toInt() == generation) {
                    found = call.at(2).value<QImage>();
                    return true;
                }
            return false;
        });
        EXPECT_TRUE(arrived) << file.toStdString();
        return found;
    }

    GatedTileMaker gate;
    ThumbnailLoader loader{gate.maker(), 1};
    QSignalSpy finished{&loader, &ThumbnailLoader::thumbnailFinished};
};

TEST_F(ThumbnailLoaderTest, AFileAskedForAgainIsAnsweredFromTheCacheUntilItChanges) {
    EXPECT_EQ(loader.request(path("a.png"), 1).state, ThumbnailLoader::State::Pending);
    // Asked again before it is done: still one piece of work.
    EXPECT_EQ(loader.request(path("a.png"), 1).state, ThumbnailLoader::State::Pending);
    EXPECT_EQ(awaitTile(finished, path("a.png"), 1).size(), QSize(80, 80));
    const ThumbnailLoader::Answer again = loader.request(path("a.png"), 2);
    EXPECT_EQ(again.state, ThumbnailLoader::State::Ready);
    EXPECT_EQ(again.tile.size(), QSize(80, 80));
    EXPECT_EQ(gate.made(), QStringList{"a.png"});
    ASSERT_TRUE(makeOlder(path("a.png")));
    EXPECT_EQ(loader.request(path("a.png"), 3).state, ThumbnailLoader::State::Pending);
    awaitTile(finished, path("a.png"), 3);
    EXPECT_EQ(gate.made(), (QStringList{"a.png", "a.png"}));
}

TEST_F(ThumbnailLoaderTest, FailuresAreRememberedAndFilesWithoutAThumbnailTakeNoWork) {
    ASSERT_TRUE(writeBytes(path("broken.png"), QByteArray(300, 'x')));
    EXPECT_EQ(loader.request(path("broken.png"), 1).state, ThumbnailLoader::State::Pending);
    EXPECT_TRUE(awaitTile(finished, path("broken.png"), 1).isNull());
    EXPECT_EQ(loader.request(path("broken.png"), 2).state, ThumbnailLoader::State::NoThumbnail);
    for (const auto& [name, bytes] : {std::pair{"big.bmp", kThumbnailMaxFileBytes},
                                      std::pair{"below.bmp", kThumbnailMaxFileBytes - 1}}) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(bytes));
    }
    ASSERT_TRUE(writeBytes(path("notes.txt"), "text"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.jpg"));
    for (const char* name : {"big.bmp", "notes.txt", "folder.jpg", "missing.png"})
        EXPECT_EQ(loader.request(path(name), 1).state, ThumbnailLoader::State::NoThumbnail) << name;
    EXPECT_EQ(loader.request(path("below.bmp"), 1).state, ThumbnailLoader::State::Pending);
    loader.waitForDone();
    EXPECT_EQ(gate.made(), (QStringList{"broken.png", "below.bmp"}));
}

TEST_F(ThumbnailLoaderTest, NewerGenerationsRunFirstAndQueuedOlderWorkIsSkipped) {
    gate.close();
    loader.request(path("a.png"), 1);  // the one worker waits inside it
    ASSERT_TRUE(QTest::qWaitFor([&] { return gate.made().size() == 1; }));
    loader.request(path("b.png"), 1);  // queued behind it
    loader.request(path("c.png"), 2);
    loader.request(path("d.png"), 3);
    loader.cancelBefore(2);
    gate.open();
    loader.waitForDone();
    EXPECT_EQ(gate.made(), (QStringList{"a.png", "d.png", "c.png"}));
    // The work that was running still reports, with its own generation.
    EXPECT_FALSE(awaitTile(finished, path("a.png"), 1).isNull());
    EXPECT_FALSE(awaitTile(finished, path("c.png"), 2).isNull());
    // What was skipped can be asked for again.
    EXPECT_EQ(loader.request(path("b.png"), 3).state, ThumbnailLoader::State::Pending);
    EXPECT_FALSE(awaitTile(finished, path("b.png"), 3).isNull());
}

TEST_F(ThumbnailLoaderTest, DestroyingTheLoaderStopsItsWorkerAndDropsItsQueue) {
    std::atomic<int> started{0};
    QStringList made;  // written by the one worker, read after it is gone
    auto doomed = std::make_unique<ThumbnailLoader>(
        [&](const QString& path, const std::atomic<bool>* stop) {
            made << QFileInfo(path).fileName();
            ++started;
            // Works until told to stop, as a long decode polls its flag.
            while (!stop->load())
                std::this_thread::yield();
            return QImage();
        },
        1);
    doomed->request(path("a.png"), 1);
    doomed->request(path("b.png"), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return started == 1; }));
    doomed.reset();
    EXPECT_EQ(made, QStringList{"a.png"});
}

}  // namespace
}  // namespace pictavo::test
