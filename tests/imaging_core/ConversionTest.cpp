#include "TestImages.h"
#include "imaging/Exif.h"
#include "imaging/convert/ImageConversion.h"
#include "imaging/file/ConvertImageFile.h"
#include "imaging/file/ImageFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pictavo {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

class Conversion : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString at(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    void copyFixture(const char* fixture, const char* name) {
        ASSERT_TRUE(QFile::copy(test::fixturePath(fixture), at(name)));
    }
    QString folder() const { return dir_.path() + QLatin1Char('/'); }
    QTemporaryDir dir_;
};

TEST_F(Conversion, TransparentPngBecomesJpegWithTheStoredColour) {
    RasterImage rgba;
    ASSERT_TRUE(rgba.create(16, 16, 24));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            rgba.setPixelColor(x, y, test::kRed);
    rgba.createAlpha(0);  // fully transparent red
    ASSERT_TRUE(saveImage(rgba, at("clear.png"), kImagePng));
    ASSERT_TRUE(ConvertImageFile(at("clear.png"), at("clear.jpg"), kImagePng, kImageJpeg));
    RasterImage jpeg;
    ASSERT_TRUE(loadImage(jpeg, at("clear.jpg"), kImageJpeg));
    EXPECT_TRUE(test::near(jpeg.pixelColor(8, 8), test::kRed, 10));
}

// A palette image cannot be written as JPEG as it is (see the JPEG tests).
TEST_F(Conversion, PaletteImageConvertsToJpegAfterFlattening) {
    EXPECT_TRUE(ConvertImageFile(test::fixturePath("quadrants-palette.png"), at("flat.jpg"),
                                 kImagePng, kImageJpeg));
    RasterImage jpeg;
    ASSERT_TRUE(loadImage(jpeg, at("flat.jpg"), kImageJpeg));
    EXPECT_TRUE(test::near(test::quadrantColours(jpeg).bottomLeft, test::kBlue, 40));
}

TEST_F(Conversion, PhotographsAreWrittenUpright) {
    ASSERT_TRUE(ConvertImageFile(test::fixturePath("photo-exif6.jpg"), at("upright.png"),
                                 kImageJpeg, kImagePng));
    RasterImage png;
    ASSERT_TRUE(loadImage(png, at("upright.png"), kImagePng));
    EXPECT_EQ(png.width(), 30);
    EXPECT_EQ(png.height(), 40);
}

TEST_F(Conversion, MissingDestinationFolderFails) {
    EXPECT_FALSE(ConvertImageFile(test::fixturePath("quadrants-rgb.png"),
                                  at("no/such/folder/x.tif"), kImagePng, kImageTiff));
}

TEST(ConversionTargets, DestinationKeepsEverythingUpToTheLastDot) {
    EXPECT_EQ(conversionDestination(QStringLiteral("C:\\in\\a.JPG"), QStringLiteral("/out/"),
                                    QStringLiteral("tif")),
              QStringLiteral("/out/a.tif"));
    // A folder typed without a trailing separator is still the folder.
    EXPECT_EQ(conversionDestination(QStringLiteral("/in/b.gif"), QStringLiteral("/out"),
                                    QStringLiteral("png")),
              QStringLiteral("/out/b.png"));
}

// Images are converted under their names up to the last dot, one that cannot
// be decoded is copied unchanged over an older file, files of the target type
// (by either of its extensions) are skipped and other files are left alone.
TEST_F(Conversion, BatchConvertsCopiesSkipsAndIgnores) {
    copyFixture("quadrants-rgb.png", "a.png");
    copyFixture("quadrants-rgb.tif", "photo.x.tif");
    copyFixture("quadrants.jpg", "one.jpg");
    copyFixture("quadrants.jpg", "two.jpeg");
    writeAll(at("damaged.tif"), "II*\0 not really a tiff");
    writeAll(at("damaged.jpg"), "an older file that is replaced");
    writeAll(at("c.txt"), "notes");
    const std::vector<ConversionResult> results =
        convertImages({at("a.png"), at("photo.x.tif"), at("damaged.tif"), at("c.txt"),
                       at("one.jpg"), at("two.jpeg")},
                      folder(), *findConversionTarget(QStringLiteral("jpg")));
    ASSERT_EQ(results.size(), 6u);
    EXPECT_EQ(results[0].outcome, ConversionOutcome::Converted);
    EXPECT_EQ(results[0].destination, at("a.jpg"));
    EXPECT_EQ(results[1].outcome, ConversionOutcome::Converted);
    EXPECT_EQ(results[1].destination, at("photo.x.jpg"));
    EXPECT_EQ(results[2].outcome, ConversionOutcome::CopiedUnchanged);
    EXPECT_FALSE(results[2].detail.isEmpty());
    EXPECT_EQ(readAll(at("damaged.jpg")), readAll(at("damaged.tif")));
    EXPECT_EQ(results[3].outcome, ConversionOutcome::NotAnImage);
    EXPECT_TRUE(results[3].destination.isEmpty());
    EXPECT_EQ(results[4].outcome, ConversionOutcome::SameFormat);
    EXPECT_EQ(results[5].outcome, ConversionOutcome::SameFormat);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 9);  // a.jpg, photo.x.jpg added
    for (const char* name : {"a.jpg", "photo.x.jpg"}) {
        RasterImage jpeg;
        EXPECT_TRUE(loadImage(jpeg, at(name), kImageJpeg)) << name;
        EXPECT_EQ(jpeg.type(), kImageJpeg) << name;
    }
}

TEST(Exif, OrientationParserIsBoundsCheckedAndReadsBothByteOrders) {
    // "Exif\0\0" + big-endian TIFF with one entry: Orientation = 8.
    const std::uint8_t bigEndian[] = {'E', 'x', 'i', 'f', 0, 0,    'M',  'M', 0, 42, 0,
                                      0,   0,   8,   0,   1, 0x01, 0x12, 0,   3, 0,  0,
                                      0,   1,   0,   8,   0, 0,    0,    0,   0, 0};
    EXPECT_EQ(exifOrientationFromApp1(bigEndian), 8);
    // Cut inside the entry, a bad IFD offset, a value out of range.
    EXPECT_EQ(exifOrientationFromApp1(ByteView(bigEndian, 22)), 1);
    std::uint8_t damaged[sizeof bigEndian];
    std::copy(std::begin(bigEndian), std::end(bigEndian), damaged);
    damaged[12] = 0x7F;
    EXPECT_EQ(exifOrientationFromApp1(damaged), 1);
    std::copy(std::begin(bigEndian), std::end(bigEndian), damaged);
    damaged[25] = 9;
    EXPECT_EQ(exifOrientationFromApp1(damaged), 1);
    EXPECT_EQ(exifOrientationFromApp1(ByteView()), 1);
}

}  // namespace
}  // namespace pictavo
