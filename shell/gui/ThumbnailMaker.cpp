#include "shell/gui/ThumbnailMaker.h"

#include "core/FileKind.h"
#include "imaging/ByteReader.h"
#include "imaging/ImageType.h"
#include "imaging/QtImageBridge.h"
#include "imaging/RasterImage.h"
#include "imaging/codecs/Codec.h"
#include "imaging/picture/Picture.h"
#include "shell/gui/ThumbnailGeometry.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <optional>
#include <vector>

namespace pictavo {

namespace {

// A thumbnail never needs more than this many decoded pixels (96 MB at 24
// bits); a file whose header asks for more keeps its icon. Photographs far
// larger than this still qualify as JPEGs, which decode at 1/8 scale.
constexpr qint64 kMaxDecodedPixels = 32'000'000;

bool orientationSwapsAxes(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

struct FoundHeader {
    const Codec* codec = nullptr;
    ImageHeader header;
};

// The header of the data, by the type the name gives first, then by
// content in detection order.
std::optional<FoundHeader> readAnyHeader(ByteView data, int typeByName) {
    auto tryCodec = [&](const Codec* codec) -> std::optional<FoundHeader> {
        if (!codec || !codec->sniff(data))
            return std::nullopt;
        Result<ImageHeader> header = codec->readHeader(data);
        if (!header || header->width <= 0 || header->height <= 0)
            return std::nullopt;
        return FoundHeader{codec, header.value()};
    };
    if (typeByName > 0)
        if (std::optional<FoundHeader> found = tryCodec(codecForType(typeByName)))
            return found;
    for (const Codec* codec : detectionOrder())
        if (std::optional<FoundHeader> found = tryCodec(codec))
            return found;
    return std::nullopt;
}

// The pixels a decode for a tile of minimum (stored orientation) creates:
// libjpeg scales by n/8 and picks the smallest n that still covers it.
qint64 decodedPixels(const FoundHeader& found, QSize minimum) {
    const qint64 width = found.header.width;
    const qint64 height = found.header.height;
    if (found.codec->type() == kImageJpeg) {
        for (qint64 n = 1; n <= 8; ++n) {
            const qint64 scaledWidth = (width * n + 7) / 8;
            const qint64 scaledHeight = (height * n + 7) / 8;
            if (scaledWidth >= minimum.width() && scaledHeight >= minimum.height())
                return scaledWidth * scaledHeight;
        }
    }
    return width * height;
}

QImage whiteTile() {
    QImage tile(kThumbnailTileSide, kThumbnailTileSide, QImage::Format_RGB32);
    tile.fill(Qt::white);
    return tile;
}

QImage pictureTile(const Picture& picture) {
    const TilePlacement placement = thumbnailPlacement(picture.naturalSize());
    if (placement.size.isEmpty())
        return {};
    QImage tile = whiteTile();
    QPainter painter(&tile);
    picture.draw(painter, QRect(placement.offset, placement.size));
    return tile;
}

QImage pictureTileFromData(std::vector<std::uint8_t> bytes) {
    Result<Picture> picture = Picture::fromData(std::move(bytes));
    if (!picture)
        return {};
    return pictureTile(picture.value());
}

QImage rasterTile(ByteView data, const FoundHeader& found, const std::atomic<bool>* stop) {
    const bool swap = orientationSwapsAxes(found.header.exifOrientation);
    const QSize upright = swap ? QSize(found.header.height, found.header.width)
                               : QSize(found.header.width, found.header.height);
    const TilePlacement placement = thumbnailPlacement(upright);
    if (placement.size.isEmpty())
        return {};
    const QSize minimum = swap ? placement.size.transposed() : placement.size;
    if (decodedPixels(found, minimum) > kMaxDecodedPixels)
        return {};

    RasterImage image;
    image.setEscapeFlag(stop);
    DecodeOptions options;
    options.minWidth = minimum.width();
    options.minHeight = minimum.height();
    if (!image.decode(data, found.codec->type(), options) || !image.isValid())
        return {};
    if (stop && stop->load())
        return {};
    image.orientUpright();
    RasterImage flat = FlattenToRgb(image);
    if (QSize(flat.width(), flat.height()) != placement.size) {
        // Reached only by a reduced decode or a file whose pixels disagree
        // with its header; the drawn size is the placement's in both cases.
        if (!flat.resample(placement.size.width(), placement.size.height(), 1))
            return {};
    }
    const QImage picture = toQImage(flat);
    if (picture.isNull())
        return {};
    QImage tile = whiteTile();
    QPainter painter(&tile);
    painter.drawImage(placement.offset, picture);
    return tile;
}

}  // namespace

bool mayHaveThumbnail(const QString& path) {
    if (imageTypeFromPath(path) > 0 || ClassifyFileKind(path) == FileKind::Image)
        return true;
    // The JPEG-2000 family, read by content.
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("jp2") || suffix == QLatin1String("j2k") ||
           suffix == QLatin1String("jpc") || suffix == QLatin1String("j2c");
}

QImage makeThumbnailTile(const QString& path, const std::atomic<bool>* stop) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 size = file.size();
    if (size <= 0 || !fileSizeAllowsThumbnail(size))
        return {};
    const QByteArray bytes = file.read(size);
    if (bytes.size() != size)
        return {};
    const ByteView data(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                        std::size_t(bytes.size()));

    const int typeByName = imageTypeFromPath(path);
    auto asPicture = [&] {
        return pictureTileFromData(std::vector<std::uint8_t>(data.begin(), data.end()));
    };
    if (typeByName == kImageIco || typeByName == kImageWmf || typeByName == kImageEmf)
        return asPicture();
    if (std::optional<FoundHeader> found = readAnyHeader(data, typeByName))
        return rasterTile(data, *found, stop);
    // A metafile under another name is still recognised by its content.
    return asPicture();
}

}  // namespace pictavo
