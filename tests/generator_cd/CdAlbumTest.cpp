#include "generator/cd/CdAlbumExport.h"
#include "generator/cd/CdAlbumPreview.h"
#include "generator/cd/CdImageCopy.h"
#include "imaging/RasterImage.h"
#include "imaging/file/ImageFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace pictavo {
namespace {

QString writeImage(const QString& path, QSize size) {
    QImage image(size, QImage::Format_RGB888);
    image.fill(QColor(200, 40, 40));
    EXPECT_TRUE(image.save(path)) << path.toStdString();
    return path;
}

std::unique_ptr<CSitePage> pageFor(const QString& url) {
    auto page = std::make_unique<CSitePage>();
    page->url = url;
    return page;
}

QStringList namesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

class CdAlbumTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString file(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

TEST_F(CdAlbumTest, NumbersCardsAndImagesThroughTheWalk) {
    Album album;
    CSiteFolder* root = album.tree.root();
    album.tree.appendPage(root, pageFor(QStringLiteral("/pics/a.jpg")));
    album.tree.appendPage(root, pageFor(QStringLiteral("/docs/notes.txt")));
    album.tree.appendPage(root, pageFor(QStringLiteral("C:\\pics\\b.PNG")));
    CSiteFolder* sub = album.tree.insertFolder(root, QStringLiteral("Sub"));
    album.tree.editFolder(sub, [](CSiteFolder& f) { f.url = QStringLiteral("http://x.org"); });
    album.tree.appendPage(sub, pageFor(QStringLiteral("/pics/c.gif")));
    album.tree.appendPage(sub, pageFor(QStringLiteral("http://example.org/")));

    const std::vector<CdAlbumEntry> plan = planCdAlbum(album, QStringLiteral("/cd/image"));
    ASSERT_EQ(plan.size(), 5u);
    EXPECT_EQ(plan[0].kind, CdAlbumEntry::TitleCard);
    EXPECT_EQ(plan[0].caption, QStringLiteral("Index"));
    EXPECT_EQ(plan[0].destination, QStringLiteral("/cd/image/00000000.jpg"));
    EXPECT_EQ(plan[1].destination, QStringLiteral("/cd/image/00000001."));
    EXPECT_EQ(plan[1].source, QStringLiteral("/pics/a.jpg"));
    EXPECT_EQ(plan[2].destination, QStringLiteral("/cd/image/00000002."));
    EXPECT_EQ(plan[2].source, QStringLiteral("C:\\pics\\b.PNG"));
    EXPECT_EQ(plan[3].kind, CdAlbumEntry::TitleCard);
    EXPECT_EQ(plan[3].caption, QStringLiteral("Sub"));
    EXPECT_EQ(plan[3].destination, QStringLiteral("/cd/image/00000003.jpg"));
    EXPECT_EQ(plan[4].destination, QStringLiteral("/cd/image/00000004."));
}

TEST(CdImageSize, LimitsAreInclusive) {
    EXPECT_TRUE(cdImageSize({800, 600}, {800, 600}).isEmpty());
    EXPECT_EQ(cdImageSize({1600, 1000}, {800, 600}), QSize(800, 500));
    EXPECT_EQ(cdImageSize({5000, 2}, {800, 600}), QSize(800, 1));
    EXPECT_TRUE(cdImageSize({5000, 5000}, {0, 600}).isEmpty());
    EXPECT_EQ(ZeroPaddedNumber(7, 8), QStringLiteral("00000007"));
    EXPECT_EQ(ZeroPaddedNumber(123456789, 8, QStringLiteral("p")), QStringLiteral("p123456789"));
}

TEST_F(CdAlbumTest, CopiesFittingImagesAndShrinksLargerOnesInTheirOwnFormat) {
    const QString fits = writeImage(file("fits.jpg"), {800, 600});
    const QString large = writeImage(file("large.png"), {1600, 1000});

    Result<QString> copied = CopyCdImage(fits, file("00000001."), {800, 600});
    ASSERT_TRUE(copied.ok()) << copied.error().message().toStdString();
    EXPECT_EQ(copied.value(), file("00000001.jpg"));
    QFile original(fits), copy(copied.value());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), copy.readAll());

    Result<QString> shrunk = CopyCdImage(large, file("00000002."), {800, 600});
    ASSERT_TRUE(shrunk.ok());
    RasterImage result;
    ASSERT_TRUE(loadImage(result, shrunk.value(), kImageUnknown));
    EXPECT_EQ(result.type(), kImagePng);
    EXPECT_EQ(result.width(), 800);
    EXPECT_EQ(result.height(), 500);
}

TEST_F(CdAlbumTest, UndecodableImagesAndOpenLimitsAreCopiedUnchanged) {
    QFile broken(file("broken.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a jpeg at all");
    broken.close();
    EXPECT_TRUE(CopyCdImage(file("broken.jpg"), file("x."), {800, 600}).ok());
    EXPECT_EQ(QFileInfo(file("x.jpg")).size(), 17);

    const QString large = writeImage(file("big.png"), {1600, 1000});
    ASSERT_TRUE(CopyCdImage(large, file("y."), {0, 0}).ok());
    EXPECT_EQ(QFileInfo(file("y.png")).size(), QFileInfo(large).size());

    EXPECT_FALSE(CopyCdImage(file("missing.png"), file("z."), {800, 600}).ok());
}

TEST_F(CdAlbumTest, ExportWritesTheLayoutAndClearsTheChangeFlag) {
    Album album;
    CSiteFolder* root = album.tree.root();
    album.tree.appendPage(root, pageFor(writeImage(file("one.png"), {40, 30})));
    album.tree.appendPage(root, pageFor(writeImage(file("two.jpg"), {1200, 900})));
    album.tree.appendPage(root, pageFor(file("readme.txt")));
    CSiteFolder* sub = album.tree.insertFolder(root, QStringLiteral("Trip"));
    album.tree.appendPage(sub, pageFor(writeImage(file("three.bmp"), {20, 20})));
    ASSERT_TRUE(album.tree.cdAlbumChanged());

    CdExportOptions options;
    options.outputFolder = file("cd");
    ASSERT_TRUE(QDir().mkpath(options.outputFolder));
    options.exportMax = QSize(320, 240);
    options.canvas = {QSize(320, 240), 96};
    int lastDone = 0, lastTotal = 0;
    options.progress = [&](int done, int total) {
        lastDone = done;
        lastTotal = total;
    };
    Result<CdExportReport> report = ExportCdAlbum(album, options);
    ASSERT_TRUE(report.ok());
    EXPECT_EQ(report->titleCards, 2);
    EXPECT_EQ(report->images, 3);
    EXPECT_EQ(lastDone, 5);
    EXPECT_EQ(lastTotal, 5);
    EXPECT_FALSE(album.tree.cdAlbumChanged());

    const QStringList expected = {"00000000.jpg", "00000001.png", "00000002.jpg", "00000003.jpg",
                                  "00000004.bmp"};
    EXPECT_EQ(namesIn(cdAlbumImageFolder(options.outputFolder)).join(',').toStdString(),
              expected.join(',').toStdString());
    RasterImage shrunk;
    ASSERT_TRUE(loadImage(shrunk, file("cd/image/00000002.jpg"), kImageJpeg));
    EXPECT_EQ(QSize(shrunk.width(), shrunk.height()), QSize(320, 240));

    QFile autorun(file("cd/autorun.inf"));
    ASSERT_TRUE(autorun.open(QIODevice::ReadOnly));
    EXPECT_EQ(autorun.readAll(),
              QByteArray("[autorun]\r\nopen=lumabox.exe\r\nicon=lumabox.exe,0\r\n"));
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_F(CdAlbumTest, WithoutAnExportLimitEveryImageIsCopiedByteForByte) {
    Album album;
    CSiteFolder* root = album.tree.root();
    const QStringList sources = {writeImage(file("a.png"), {1600, 1200}),
                                 writeImage(file("b.jpg"), {40, 30}),
                                 writeImage(file("c.bmp"), {3000, 10})};
    for (const QString& source : sources)
        album.tree.appendPage(root, pageFor(source));

    for (const QSize limit : {QSize(), QSize(0, 0), QSize(0, 600), QSize(-1, 600)}) {
        CdExportOptions options;  // the default is no limit
        if (limit != QSize(0, 0))
            options.exportMax = limit;
        options.outputFolder =
            file(QStringLiteral("cd%1x%2").arg(limit.width()).arg(limit.height()));
        ASSERT_TRUE(QDir().mkpath(options.outputFolder));
        options.canvas = {QSize(64, 48), 96};
        Result<CdExportReport> report = ExportCdAlbum(album, options);
        ASSERT_TRUE(report.ok());
        EXPECT_TRUE(report->failures.isEmpty());
        const QString images = cdAlbumImageFolder(options.outputFolder);
        const QStringList written = {"00000001.png", "00000002.jpg", "00000003.bmp"};
        for (qsizetype i = 0; i < sources.size(); ++i) {
            const QByteArray copy = bytesOf(QDir(images).filePath(written[i]));
            EXPECT_FALSE(copy.isEmpty());
            EXPECT_TRUE(copy == bytesOf(sources[i]))
                << written[i].toStdString() << " differs, limit " << limit.width() << "x"
                << limit.height();
        }
    }
}

TEST_F(CdAlbumTest, AnAlbumWithoutFoldersIsRefused) {
    Album album;
    album.tree.replaceRoot(nullptr, 0);
    CdExportOptions options;
    options.outputFolder = file("cd");
    EXPECT_FALSE(ExportCdAlbum(album, options).ok());
}

TEST(CdAlbumPreview, ExportsOnlyWhenChangedAndRetriesOnceWhenTheViewerFails) {
    Album album;
    int exports = 0;
    QStringList started;
    auto exportAlbum = [&]() -> Result<QString> {
        ++exports;
        album.tree.setCdAlbumChanged(false);
        return QStringLiteral("/out/cd");
    };
    bool viewerStarts = true;
    auto start = [&](const QString&, const QStringList& arguments) {
        started = arguments;
        return viewerStarts;
    };

    Result<QString> shown = PreviewCdAlbum(album, QString(), exportAlbum, start);
    ASSERT_TRUE(shown.ok());
    EXPECT_EQ(exports, 1);
    EXPECT_EQ(started, QStringList({"--slideshow", "/out/cd/image"}));

    shown = PreviewCdAlbum(album, QStringLiteral("/out/cd"), exportAlbum, start);
    EXPECT_TRUE(shown.ok());
    EXPECT_EQ(exports, 1);  // unchanged album: shown as it is

    viewerStarts = false;
    shown = PreviewCdAlbum(album, QStringLiteral("/out/cd"), exportAlbum, start);
    EXPECT_FALSE(shown.ok());
    EXPECT_EQ(exports, 2);  // one export again, one more try, then give up

    auto refuse = []() -> Result<QString> { return Error(QStringLiteral("cancelled")); };
    album.tree.setCdAlbumChanged(true);
    EXPECT_FALSE(PreviewCdAlbum(album, QStringLiteral("/out/cd"), refuse, start).ok());
}

}  // namespace
}  // namespace pictavo
