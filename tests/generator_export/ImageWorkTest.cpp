// Thumbnails, display sizes, copies and conversions made by the image work,
// seen through the planning and writing outputs the page builders use.
#include "ExportTestSupport.h"
#include "generator/export/ExportOutputs.h"
#include "generator/export/ImageWork.h"
#include "generator/export/SiteFiles.h"

#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

namespace pictavo {
namespace {

using namespace testing_support;

class ImageWorkTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        out_ = dir_.filePath(QStringLiteral("site"));
        QDir().mkdir(out_);
        createFilesTree(out_, report_);
        QDir().mkdir(src());
    }
    QString src() const { return dir_.filePath(QStringLiteral("src")); }
    QString srcFile(const QString& name) const { return QDir(src()).filePath(name); }
    QString outFile(const QString& relative) const { return QDir(out_).filePath(relative); }

    SiteOutputSettings settings() const {
        SiteOutputSettings s;
        s.outputFolder = out_;
        s.displayBox = displayBox_;
        return s;
    }

    // The thumbnails and display sizes the writing pass is given.
    struct Answers {
        std::vector<QString> thumbnails;
        std::vector<QSize> sizes;
    };
    // Runs the image work for sources planned as the planning pass does.
    ImageWorkResults work(const QStringList& sources, const std::atomic<bool>* cancel, int threads,
                          bool sizes = true) {
        ImageWorkPlan plan;
        PlanningOutput planning(settings(), plan);
        for (const QString& s : sources) {
            planning.publishLinkedFile(s);
            planning.makeThumbnail(s);
            if (sizes)
                planning.displaySize(s);
        }
        ImageWorkOptions options;
        options.job.thumbnailFolder = outFile(QStringLiteral("files/thumbnail"));
        options.job.thumbnailBox = box_;
        options.job.displayBox = displayBox_;
        options.job.cancel = cancel;
        options.threads = threads;
        options.progress = [this](int done, int total) {
            progress_.emplace_back(done, total);
            if (onProgress_)
                onProgress_(done);
        };
        return runImageWork(plan.jobs(), plan.thumbnailCount(), options, report_);
    }
    Answers run(const QStringList& sources, int threads = 0) {
        results_ = work(sources, nullptr, threads);
        WritingOutput writing(settings(), results_, report_);
        Answers answers;
        for (const QString& s : sources) {
            writing.publishLinkedFile(s);
            answers.thumbnails.push_back(writing.makeThumbnail(s));
            answers.sizes.push_back(writing.displaySize(s));
        }
        return answers;
    }
    QString thumb(int n) const {
        return outFile(QStringLiteral("files/thumbnail/Thumbnail%1.jpg").arg(n));
    }
    static QString thumbUrl(int n) {
        return QStringLiteral("./files/thumbnail/Thumbnail%1.jpg").arg(n);
    }

    QTemporaryDir dir_;
    QString out_;
    QSize box_{100, 100};
    QSize displayBox_{0, 0};
    RunReport report_;
    ImageWorkResults results_;
    std::vector<std::pair<int, int>> progress_;
    std::function<void(int)> onProgress_;
};

TEST_F(ImageWorkTest, ThumbnailsFollowTheBoxRules) {
    const QString big = writeImage(srcFile(QStringLiteral("Big.PNG")), {400, 300}, "PNG");
    const QString smallJpeg = copyTestData(QStringLiteral("small-50x40.jpg"), src());
    const QString smallPng = writeImage(srcFile(QStringLiteral("small.png")), {50, 40}, "PNG");

    const Answers a = run({big, smallJpeg, smallPng});
    ASSERT_EQ(a.thumbnails.size(), 3u);
    EXPECT_EQ(a.thumbnails[0], thumbUrl(0));
    EXPECT_EQ(imageFileSize(thumb(0)), QSize(100, 75));
    // A small JPEG is copied unchanged.
    EXPECT_EQ(a.thumbnails[1], thumbUrl(1));
    EXPECT_EQ(fileBytes(thumb(1)), fileBytes(smallJpeg));
    // A small PNG becomes a JPEG of the same size.
    EXPECT_EQ(a.thumbnails[2], thumbUrl(2));
    const QString t2 = thumb(2);
    EXPECT_EQ(imageFileSize(t2), QSize(50, 40));
    EXPECT_TRUE(fileBytes(t2).startsWith("\xFF\xD8"));
    EXPECT_TRUE(report_.empty());
    ASSERT_FALSE(progress_.empty());
    EXPECT_EQ(progress_.back(), std::make_pair(3, 3));
}

// Display sizes fit the export box as the photo is shown (turned by EXIF);
// sources of about 6 MB are shown without width and height.
TEST_F(ImageWorkTest, DisplaySizesOfATurnedPhotoAndOfALargeSource) {
    const QString photo = copyTestData(QStringLiteral("portrait-exif6.jpg"), src());
    const QString large = writeImage(srcFile(QStringLiteral("e.bmp")), {1450, 1400}, "BMP");
    ASSERT_GE(QFileInfo(large).size(), 5'242'880);
    displayBox_ = {200, 200};
    const Answers a = run({photo, large});
    EXPECT_EQ(imageFileSize(thumb(0)), QSize(75, 100));
    EXPECT_EQ(a.sizes, (std::vector<QSize>{{150, 200}, {0, 0}}));
}

TEST_F(ImageWorkTest, FallbacksUseThePublishedUrlAndStillTakeANumber) {
    const QString missing = srcFile(QStringLiteral("Missing.JPG"));
    const QString unknown = srcFile(QStringLiteral("old.pic"));
    QFile(unknown).open(QIODevice::WriteOnly);
    const QString broken = srcFile(QStringLiteral("Broken.bmp"));
    {
        QFile f(broken);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("BM not really a bitmap");
    }
    const QString good = writeImage(srcFile(QStringLiteral("good.png")), {300, 300}, "PNG");

    const Answers a = run({missing, unknown, broken, good});
    EXPECT_EQ(a.thumbnails[0], QStringLiteral("./files/image/missing.jpg"));
    EXPECT_EQ(a.thumbnails[1], QStringLiteral("./files/image/old.pic"));
    // The fallback of a converted image is its converted name, which exists.
    EXPECT_EQ(a.thumbnails[2], QStringLiteral("./files/image/broken_bmp.jpg"));
    EXPECT_TRUE(QFile::exists(outFile(QStringLiteral("files/image/broken_bmp.jpg"))));
    EXPECT_EQ(a.thumbnails[3], thumbUrl(3));
    EXPECT_EQ(imageFileSize(thumb(3)), QSize(100, 100));

    // Only the missing and the broken source are reported.
    QStringList reported;
    for (const RunFailure& failure : report_.failures())
        reported << failure.path;
    reported.removeDuplicates();
    reported.sort();
    EXPECT_EQ(reported, (QStringList{broken, missing}));
}

TEST_F(ImageWorkTest, IconsAreDrawnOnWhiteAtTheirNaturalSize) {
    const QString icon = writeImage(srcFile(QStringLiteral("app.ico")), {32, 32}, "ICO");
    ASSERT_TRUE(QFileInfo(icon).size() > 0) << "Qt cannot write ICO files here";
    displayBox_ = {16, 16};
    const Answers a = run({icon});
    EXPECT_EQ(a.thumbnails[0], thumbUrl(0));
    EXPECT_EQ(imageFileSize(thumb(0)), QSize(32, 32));
    EXPECT_EQ(a.sizes[0], QSize(16, 16));
    // Published as a JPEG converted from the drawing.
    EXPECT_EQ(imageFileSize(outFile(QStringLiteral("files/image/app_ico.jpg"))), QSize(32, 32));
}

TEST_F(ImageWorkTest, SourcesOfTenMegabytesGetNoThumbnail) {
    // 1900 x 1800 x 3 bytes is just over the limit.
    const QString huge = writeImage(srcFile(QStringLiteral("huge.bmp")), {1900, 1800}, "BMP");
    ASSERT_GE(QFileInfo(huge).size(), 10'240'000);
    const Answers a = run({huge});
    EXPECT_EQ(a.thumbnails[0], QStringLiteral("./files/image/huge_bmp.jpg"));
    EXPECT_FALSE(QFile::exists(thumb(0)));
    // The conversion itself is still made, at full size.
    EXPECT_EQ(imageFileSize(outFile(QStringLiteral("files/image/huge_bmp.jpg"))),
              QSize(1900, 1800));
}

TEST_F(ImageWorkTest, SameNameFromTwoSourcesKeepsTheLastRequest) {
    QDir().mkdir(srcFile(QStringLiteral("one")));
    QDir().mkdir(srcFile(QStringLiteral("two")));
    const QString first =
        writeImage(srcFile(QStringLiteral("one/Pic.jpg")), {20, 20}, "JPEG", Qt::red);
    const QString second =
        writeImage(srcFile(QStringLiteral("two/pic.JPG")), {30, 30}, "JPEG", Qt::blue);
    for (int threads : {1, 2, 8}) {
        run({first, second, first, second}, threads);
        EXPECT_EQ(fileBytes(outFile(QStringLiteral("files/image/pic.jpg"))), fileBytes(second))
            << threads << " threads";
    }
}

TEST_F(ImageWorkTest, CancellationLeavesNoPartialFiles) {
    QStringList sources;
    for (int i = 0; i < 24; ++i)
        sources << writeImage(srcFile(QStringLiteral("p%1.png").arg(i)), {600, 400}, "PNG");
    std::atomic<bool> cancel{false};
    onProgress_ = [&](int done) {
        if (done >= 2)
            cancel = true;
    };
    const ImageWorkResults results = work(sources, &cancel, 2, false);
    EXPECT_TRUE(results.cancelled);
    const int made =
        static_cast<int>(std::count_if(results.thumbnailUrls.begin(), results.thumbnailUrls.end(),
                                       [](const QString& u) { return !u.isEmpty(); }));
    EXPECT_LT(made, 24);
    EXPECT_TRUE(temporaryFilesBelow(out_).isEmpty())
        << temporaryFilesBelow(out_).join(' ').toStdString();
    // Every file that exists under its final name is whole.
    for (const QFileInfo& info :
         QDir(outFile(QStringLiteral("files/image"))).entryInfoList(QDir::Files))
        EXPECT_EQ(imageFileSize(info.filePath()), QSize(600, 400)) << info.fileName().toStdString();
}

}  // namespace
}  // namespace pictavo
