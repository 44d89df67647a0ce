#include "TestImages.h"
#include "imaging/ImageType.h"
#include "imaging/file/ImageFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pictavo {
namespace {

struct PathRow {
    const char* path;
    int type;
};

class TypeFromPath : public ::testing::TestWithParam<PathRow> {};

TEST_P(TypeFromPath, MapsTheLastExtensionCaseInsensitively) {
    int type = 0;
    const bool known = GetImageTypeFromPath(QString::fromUtf8(GetParam().path), type);
    EXPECT_EQ(type, GetParam().type);
    EXPECT_EQ(known, GetParam().type != -1);
}

INSTANTIATE_TEST_SUITE_P(Names, TypeFromPath,
                         ::testing::Values(PathRow{"photo.JPG", kImageJpeg},
                                           PathRow{"notes.tar.gz", -1}, PathRow{"README", -1},
                                           PathRow{"a/b.c/noext", -1},
                                           PathRow{"C:\\pics\\scan.Tif", kImageTiff},
                                           PathRow{"photo.x.bmp", kImageBmp},
                                           PathRow{"trailing.", -1}));

TEST(Load, PngNamedJpgFailsAsJpegThenLoadsByContent) {
    RasterImage image;
    ASSERT_TRUE(loadImage(image, test::fixturePath("png-with-jpeg-extension.jpg"), kImageJpeg));
    EXPECT_EQ(image.type(), kImagePng);
    EXPECT_EQ(image.width(), 16);
}

struct DetectRow {
    const char* fixture;
    int type;
};

class Detection : public ::testing::TestWithParam<DetectRow> {};

TEST_P(Detection, UntypedLoadRecordsTheDetectedType) {
    RasterImage image;
    ASSERT_TRUE(loadImage(image, test::fixturePath(GetParam().fixture), kImageUnknown))
        << image.lastError().toStdString();
    EXPECT_EQ(image.type(), GetParam().type);
    EXPECT_EQ(image.width(), 16);
    EXPECT_EQ(image.height(), 12);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, Detection,
                         ::testing::Values(DetectRow{"quadrants.jpg", kImageJpeg},
                                           DetectRow{"quadrants-rgb.png", kImagePng},
                                           DetectRow{"quadrants-rgb.tif", kImageTiff}));

QString writtenFile(const QTemporaryDir& dir, const char* name, const QByteArray& content) {
    const QString path = dir.filePath(QLatin1String(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
}

// A typed failure keeps the codec's own text; untyped ones, and types
// outside the table, say the format is unknown.
TEST(Load, FailuresCarryTheirErrorTexts) {
    QTemporaryDir dir;
    const QString textFile = writtenFile(dir, "not-really.png", "plain text, no image at all\n");
    RasterImage image;
    EXPECT_FALSE(loadImage(image, textFile, kImagePng));
    EXPECT_TRUE(image.lastError().startsWith(QStringLiteral("PNG:")))
        << image.lastError().toStdString();
    EXPECT_FALSE(image.isValid());
    const QString unknown = QStringLiteral("Decode: Unknown or wrong format");
    EXPECT_FALSE(loadImage(image, textFile, kImageUnknown));
    EXPECT_EQ(image.lastError(), unknown);
    EXPECT_FALSE(loadImage(image, textFile, kImageEmf));
    EXPECT_EQ(image.lastError(), unknown);
    EXPECT_FALSE(decodeImage(image, test::fixtureBytes("quadrants-rgb.png"), 42));
    EXPECT_EQ(image.lastError(), unknown);
    EXPECT_FALSE(loadImage(image, dir.filePath(QStringLiteral("missing.png")), kImagePng));
    EXPECT_FALSE(image.lastError().isEmpty());
}

TEST(Encode, DispatchErrorsUseTheFixedTexts) {
    RasterImage image = test::quadrants24();
    std::vector<std::uint8_t> out;
    for (const int type : {int(kImageUnknown), 42, int(kImageEmf), -1}) {
        EXPECT_FALSE(encodeImage(image, out, type)) << type;
        EXPECT_EQ(image.lastError(), QStringLiteral("Encode: Unknown format")) << type;
    }
    EXPECT_FALSE(encodeImage(image, out, kImageWmf));
    EXPECT_EQ(image.lastError(), QStringLiteral("Save WMF not supported"));
}

TEST(Save, FailedEncodeLeavesAnExistingFileUntouched) {
    QTemporaryDir dir;
    const QString path = writtenFile(dir, "keep.jpg", "old contents");
    RasterImage palette;
    ASSERT_TRUE(palette.create(4, 4, 4));
    EXPECT_FALSE(saveImage(palette, path, kImageJpeg));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old contents"));
}

}  // namespace
}  // namespace pictavo
