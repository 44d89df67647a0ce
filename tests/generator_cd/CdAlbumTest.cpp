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

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QSize sizeOf(const QString& path) {
    RasterImage image;
    return loadImage(image, path, kImageUnknown) ? QSize(image.width(), image.height()) : QSize();
}

class CdAlbumTest : public testing::Test {
protected:
    QString file(const QString& name) const { return dir_.filePath(name); }
    QString writeImage(const QString& name, QSize size) const {
        QImage image(size, QImage::Format_RGB888);
        image.fill(QColor(200, 40, 40));
        EXPECT_TRUE(image.save(file(name))) << name.toStdString();
        return file(name);
    }
    void addPage(CSiteFolder* folder, const QString& url) {
        auto page = std::make_unique<CSitePage>();
        page->url = url;
        album_.tree.appendPage(folder, std::move(page));
    }
    // Exports into the folder named, which is made first.
    Result<CdExportReport> exportTo(const QString& name, CdExportOptions options) {
        options.outputFolder = file(name);
        EXPECT_TRUE(QDir().mkpath(options.outputFolder));
        return ExportCdAlbum(album_, options);
    }

    QTemporaryDir dir_;
    Album album_;
    CSiteFolder* root_ = album_.tree.root();
};

TEST_F(CdAlbumTest, NumbersCardsAndImagesThroughTheWalk) {
    for (const char* url : {"/pics/a.jpg", "/docs/notes.txt", "C:\\pics\\b.PNG"})
        addPage(root_, url);
    CSiteFolder* sub = album_.tree.insertFolder(root_, QStringLiteral("Sub"));
    album_.tree.editFolder(sub, [](CSiteFolder& f) { f.url = QStringLiteral("http://x.org"); });
    addPage(sub, "/pics/c.gif");
    addPage(sub, "http://example.org/");
    QStringList plan;
    for (const CdAlbumEntry& entry : planCdAlbum(album_, QStringLiteral("/cd/image")))
        plan << (entry.kind == CdAlbumEntry::TitleCard ? "card " + entry.caption : entry.source) +
                    " > " + entry.destination;
    EXPECT_EQ(plan, (QStringList{
                        "card Index > /cd/image/00000000.jpg", "/pics/a.jpg > /cd/image/00000001.",
                        "C:\\pics\\b.PNG > /cd/image/00000002.",
                        "card Sub > /cd/image/00000003.jpg", "/pics/c.gif > /cd/image/00000004."}));
}

TEST(CdImageSize, LimitsAreInclusive) {
    EXPECT_TRUE(cdImageSize({800, 600}, {800, 600}).isEmpty());
    EXPECT_EQ(cdImageSize({1600, 1000}, {800, 600}), QSize(800, 500));
    EXPECT_EQ(cdImageSize({5000, 2}, {800, 600}), QSize(800, 1));
    EXPECT_TRUE(cdImageSize({5000, 5000}, {0, 600}).isEmpty());
    EXPECT_EQ(ZeroPaddedNumber(7, 8), QStringLiteral("00000007"));
    EXPECT_EQ(ZeroPaddedNumber(123456789, 8, QStringLiteral("p")), QStringLiteral("p123456789"));
}

// Fitting and undecodable images and open limits are copied unchanged;
// larger ones are shrunk in their own format.
TEST_F(CdAlbumTest, CopyCdImage) {
    const QString fits = writeImage("fits.jpg", {800, 600});
    const QString large = writeImage("large.png", {1600, 1000});
    QFile broken(file("broken.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("not a jpeg at all") == 17);
    broken.close();
    const struct {
        QString source;
        QSize limit;
        const char* copy;
    } copies[] = {{fits, {800, 600}, "1.jpg"},
                  {broken.fileName(), {800, 600}, "2.jpg"},
                  {large, {0, 0}, "3.png"}};
    for (const auto& [source, limit, copy] : copies) {
        const Result<QString> copied = CopyCdImage(source, file(QString(copy).chopped(3)), limit);
        ASSERT_TRUE(copied.ok()) << copied.error().message().toStdString();
        EXPECT_EQ(copied.value(), file(copy));
        EXPECT_EQ(bytesOf(copied.value()), bytesOf(source)) << copy;
    }
    const Result<QString> shrunk = CopyCdImage(large, file("4."), {800, 600});
    ASSERT_TRUE(shrunk.ok());
    RasterImage result;
    ASSERT_TRUE(loadImage(result, shrunk.value(), kImageUnknown));
    EXPECT_EQ(result.type(), kImagePng);
    EXPECT_EQ(QSize(result.width(), result.height()), QSize(800, 500));
    EXPECT_FALSE(CopyCdImage(file("missing.png"), file("5."), {800, 600}).ok());
}

TEST_F(CdAlbumTest, ExportWritesTheLayoutAndClearsTheChangeFlag) {
    addPage(root_, writeImage("one.png", {40, 30}));
    addPage(root_, writeImage("two.jpg", {1200, 900}));
    addPage(root_, file("readme.txt"));
    addPage(album_.tree.insertFolder(root_, QStringLiteral("Trip")),
            writeImage("three.bmp", {20, 20}));
    ASSERT_TRUE(album_.tree.cdAlbumChanged());
    CdExportOptions options;
    options.exportMax = QSize(320, 240);
    options.canvas = {QSize(320, 240), 96};
    QList<int> progress;
    options.progress = [&](int done, int total) { progress = {done, total}; };
    const Result<CdExportReport> report = exportTo("cd", options);
    ASSERT_TRUE(report.ok());
    EXPECT_EQ(report->titleCards, 2);
    EXPECT_EQ(report->images, 3);
    EXPECT_EQ(progress, (QList<int>{5, 5}));
    EXPECT_FALSE(album_.tree.cdAlbumChanged());
    EXPECT_EQ(QDir(cdAlbumImageFolder(file("cd"))).entryList(QDir::Files, QDir::Name),
              (QStringList{"00000000.jpg", "00000001.png", "00000002.jpg", "00000003.jpg",
                           "00000004.bmp"}));
    EXPECT_EQ(sizeOf(file("cd/image/00000002.jpg")), QSize(320, 240));
    EXPECT_EQ(bytesOf(file("cd/autorun.inf")),
              "[autorun]\r\nopen=lumabox.exe\r\nicon=lumabox.exe,0\r\n");
}

TEST_F(CdAlbumTest, WithoutAnExportLimitEveryImageIsCopiedByteForByte) {
    const QStringList sources = {writeImage("a.png", {1600, 1200}), writeImage("b.jpg", {40, 30}),
                                 writeImage("c.bmp", {3000, 10})};
    for (const QString& source : sources)
        addPage(root_, source);
    const QStringList written = {"00000001.png", "00000002.jpg", "00000003.bmp"};
    for (const QSize limit : {QSize(), QSize(0, 0), QSize(0, 600), QSize(-1, 600)}) {
        CdExportOptions options;  // the default is no limit
        if (limit != QSize(0, 0))
            options.exportMax = limit;
        options.canvas = {QSize(64, 48), 96};
        const QString cd = QStringLiteral("cd%1x%2").arg(limit.width()).arg(limit.height());
        const Result<CdExportReport> report = exportTo(cd, options);
        ASSERT_TRUE(report.ok());
        EXPECT_TRUE(report->failures.isEmpty());
        for (qsizetype i = 0; i < sources.size(); ++i) {
            const QByteArray copy = bytesOf(file(cd + "/image/" + written[i]));
            EXPECT_FALSE(copy.isEmpty());
            EXPECT_TRUE(copy == bytesOf(sources[i]))
                << cd.toStdString() << ": " << written[i].toStdString();
        }
    }
}

TEST_F(CdAlbumTest, AnAlbumWithoutFoldersIsRefused) {
    album_.tree.replaceRoot(nullptr, 0);
    EXPECT_FALSE(exportTo("cd", {}).ok());
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
    ASSERT_TRUE(PreviewCdAlbum(album, QString(), exportAlbum, start).ok());
    EXPECT_EQ(exports, 1);
    EXPECT_EQ(started, QStringList({"--slideshow", "/out/cd/image"}));
    EXPECT_TRUE(PreviewCdAlbum(album, QStringLiteral("/out/cd"), exportAlbum, start).ok());
    EXPECT_EQ(exports, 1);  // unchanged album: shown as it is
    viewerStarts = false;
    EXPECT_FALSE(PreviewCdAlbum(album, QStringLiteral("/out/cd"), exportAlbum, start).ok());
    EXPECT_EQ(exports, 2);  // one export again, one more try, then give up
    auto refuse = []() -> Result<QString> { return Error(QStringLiteral("cancelled")); };
    album.tree.setCdAlbumChanged(true);
    EXPECT_FALSE(PreviewCdAlbum(album, QStringLiteral("/out/cd"), refuse, start).ok());
}

}  // namespace
}  // namespace pictavo
