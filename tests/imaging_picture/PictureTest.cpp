// The picture loader and RenderPictureFile: icons and metafiles come out
// on white at their natural size; the WMF codec of the image layer (its
// refusal to encode is a case of the image layer's encode tests).

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

// Renders the bytes, a file of sourceType, into a file of destinationType
// and reads that back; an empty image when nothing was written.
RasterImage renderedFile(const std::vector<std::uint8_t>& bytes, int sourceType,
                         int destinationType) {
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source"));
    const QString destination = dir.filePath(QStringLiteral("destination"));
    EXPECT_TRUE(writeBytes(source, bytes));
    const bool rendered = RenderPictureFile(source, destination, sourceType, destinationType);
    EXPECT_EQ(QFile::exists(destination), rendered);
    RasterImage result;
    if (rendered) {
        EXPECT_TRUE(loadImage(result, destination, destinationType));
    }
    return result;
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

TEST(RenderPictureFile, IconAndMetafileAreDrawnOnWhiteAtNaturalSizeInTheDestinationType) {
    const RasterImage icon = renderedFile(halfTransparentIcon(), kImageIco, kImagePng);
    EXPECT_EQ(icon.type(), kImagePng);
    EXPECT_EQ(icon.width(), 16);
    EXPECT_EQ(icon.height(), 16);
    EXPECT_EQ(icon.pixelColor(3, 8), (Rgb{0, 0, 255}));
    EXPECT_EQ(icon.pixelColor(12, 8), (Rgb{255, 255, 255}));  // transparent: white, not red

    const RasterImage square = renderedFile(redSquareEmf(), kImageEmf, kImageBmp);
    EXPECT_EQ(square.type(), kImageBmp);
    EXPECT_EQ(square.width(), 48);
    EXPECT_EQ(square.height(), 48);
    EXPECT_EQ(square.pixelColor(10, 10), (Rgb{255, 0, 0}));
    EXPECT_EQ(square.pixelColor(40, 40), (Rgb{255, 255, 255}));
}

TEST(RenderPictureFile, UnreadableSourceWritesNothing) {
    EXPECT_FALSE(renderedFile({1, 0, 0, 0, 88, 0, 0, 0}, kImageEmf, kImageJpeg).isValid());
}

TEST(WmfCodec, DecodesThroughTheImageLayer) {
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
}
