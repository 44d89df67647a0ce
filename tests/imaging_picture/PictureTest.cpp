// The picture loader and RenderPictureFile: icons and metafiles come out
// on white at their natural size; the WMF codec of the image layer.

#include "MetafileBuilders.h"
#include "RenderHelpers.h"

#include "imaging/RasterImage.h"
#include "imaging/codecs/Codecs.h"
#include "imaging/file/ImageFile.h"
#include "imaging/file/Picture.h"
#include "imaging/file/WmfCodec.h"

#include <QFile>
#include <QTemporaryDir>

using namespace pictavo;
using namespace pictavo::testing;

namespace {

bool writeBytes(const QString& path, const std::vector<std::uint8_t>& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) ==
               qint64(bytes.size());
}

// A 16 x 16 icon: left half opaque blue, right half fully transparent red.
std::vector<std::uint8_t> halfTransparentIcon() {
    RasterImage icon;
    EXPECT_TRUE(icon.create(16, 16, 24));
    icon.createAlpha(255);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            icon.setPixelColor(x, y, x < 8 ? Rgb{0, 0, 255} : Rgb{255, 0, 0});
            icon.alphaRow(y)[x] = x < 8 ? 255 : 0;
        }
    }
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(icoCodec().encode(icon, bytes).ok());
    return bytes;
}

std::vector<std::uint8_t> redSquareEmf() {
    EmfBuilder emf({0, 0, 47, 47}, {0, 0, 1270, 1270});
    return emf.solidBrush(1, kRedRef).select(1).nullPen().rectangle(0, 0, 24, 24).build();
}

}  // namespace

TEST(Picture, LoadsEachKindWithItsNaturalSize) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        Picture::Kind kind;
        QSize size;
    };
    WmfBuilder wmf;
    wmf.placeable(0, 0, 2000, 1000, 1000).header();
    const Case cases[] = {
        {"icon.ico", halfTransparentIcon(), Picture::Kind::Raster, {16, 16}},
        {"square.emf", redSquareEmf(), Picture::Kind::Emf, {48, 48}},
        {"wide.wmf", wmf.build(), Picture::Kind::Wmf, {192, 96}},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(QLatin1String(c.name));
        ASSERT_TRUE(writeBytes(path, c.bytes));
        const Result<Picture> picture = Picture::load(path);
        ASSERT_TRUE(picture.ok()) << c.name << ": " << picture.error().message().toStdString();
        EXPECT_EQ(picture->kind(), c.kind) << c.name;
        EXPECT_EQ(picture->naturalSize(), c.size) << c.name;
    }
}

TEST(Picture, MissingOrUnknownFilesFailWithAMessage) {
    QTemporaryDir dir;
    const Result<Picture> missing = Picture::load(dir.filePath(QStringLiteral("none.emf")));
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().message().contains(QStringLiteral("none.emf")));
    const Result<Picture> text = Picture::fromData({'h', 'e', 'l', 'l', 'o'});
    EXPECT_FALSE(text.ok());
    EXPECT_FALSE(text.error().message().isEmpty());
}

TEST(RenderPictureFile, IconIsDrawnOnWhiteAtNaturalSize) {
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("icon.ico"));
    const QString destination = dir.filePath(QStringLiteral("icon.png"));
    ASSERT_TRUE(writeBytes(source, halfTransparentIcon()));
    ASSERT_TRUE(RenderPictureFile(source, destination, kImageIco, kImagePng));
    RasterImage result;
    ASSERT_TRUE(loadImage(result, destination, kImagePng));
    EXPECT_EQ(result.width(), 16);
    EXPECT_EQ(result.height(), 16);
    EXPECT_EQ(result.pixelColor(3, 8), (Rgb{0, 0, 255}));
    EXPECT_EQ(result.pixelColor(12, 8), (Rgb{255, 255, 255}));  // transparent: white, not red
}

TEST(RenderPictureFile, EnhancedMetafileIsSavedInTheDestinationType) {
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("square.emf"));
    const QString destination = dir.filePath(QStringLiteral("square.bmp"));
    ASSERT_TRUE(writeBytes(source, redSquareEmf()));
    ASSERT_TRUE(RenderPictureFile(source, destination, kImageEmf, kImageBmp));
    RasterImage result;
    ASSERT_TRUE(loadImage(result, destination, kImageBmp));
    EXPECT_EQ(result.width(), 48);
    EXPECT_EQ(result.height(), 48);
    EXPECT_EQ(result.pixelColor(10, 10), (Rgb{255, 0, 0}));
    EXPECT_EQ(result.pixelColor(40, 40), (Rgb{255, 255, 255}));
}

TEST(RenderPictureFile, UnreadableSourceWritesNothing) {
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("broken.emf"));
    const QString destination = dir.filePath(QStringLiteral("broken.jpg"));
    ASSERT_TRUE(writeBytes(source, {1, 0, 0, 0, 88, 0, 0, 0}));
    EXPECT_FALSE(RenderPictureFile(source, destination, kImageEmf, kImageJpeg));
    EXPECT_FALSE(QFile::exists(destination));
}

TEST(WmfCodec, DecodesThroughTheImageLayerAndRefusesToEncode) {
    WmfBuilder wmf;
    wmf.header().windowOrg(0, 0).windowExt(30, 20).solidBrush(kBlueRef).select(0);
    wmf.rectangle(0, 0, 10, 20);
    const std::vector<std::uint8_t> bytes = wmf.build();

    const Codec& codec = wmfCodec();
    EXPECT_TRUE(codec.sniff(bytes));
    const Result<ImageHeader> header = codec.readHeader(bytes);
    ASSERT_TRUE(header.ok());
    EXPECT_EQ(header->width, 30);
    EXPECT_EQ(header->height, 20);

    RasterImage image;
    ASSERT_TRUE(decodeImage(image, bytes, kImageUnknown)) << image.lastError().toStdString();
    EXPECT_EQ(image.type(), kImageWmf);
    EXPECT_EQ(image.width(), 30);
    EXPECT_EQ(image.pixelColor(4, 10), (Rgb{0, 0, 255}));
    EXPECT_EQ(image.pixelColor(25, 10), (Rgb{255, 255, 255}));

    std::vector<std::uint8_t> out;
    const Status encoded = codec.encode(image, out);
    ASSERT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.error().message(), QStringLiteral("Save WMF not supported"));
}
