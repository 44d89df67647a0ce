#include "shell/gui/ThumbnailMaker.h"

#include "core/FileKind.h"
#include "imaging/ByteReader.h"
#include "imaging/ImageType.h"
#include "imaging/QtImageBridge.h"
#include "imaging/RasterImage.h"
#include "imaging/file/Picture.h"
#include "shell/gui/ImageFileDecoding.h"
#include "shell/gui/ThumbnailGeometry.h"

#include <QFileInfo>
#include <QPainter>

#include <optional>
#include <vector>

namespace pictavo {

namespace {

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

QImage rasterTile(ByteView data, const ProbedImage& probed, const std::atomic<bool>* stop) {
    const TilePlacement placement = thumbnailPlacement(probed.uprightSize());
    if (placement.size.isEmpty())
        return {};
    std::optional<RasterImage> flat = decodeUprightFor(data, probed, placement.size, stop);
    if (!flat)
        return {};
    if (QSize(flat->width(), flat->height()) != placement.size) {
        // Reached only by a reduced decode or a file whose pixels disagree
        // with its header; the drawn size is the placement's in both cases.
        if (!flat->resample(placement.size.width(), placement.size.height(), 1))
            return {};
    }
    const QImage picture = toQImage(*flat);
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
    const std::optional<QByteArray> bytes = readFileForDisplay(path);
    if (!bytes)
        return {};
    const ByteView data = byteViewOf(*bytes);
    const int typeByName = imageTypeFromPath(path);
    auto asPicture = [&] {
        return pictureTileFromData(std::vector<std::uint8_t>(data.begin(), data.end()));
    };
    if (typeByName == kImageIco || typeByName == kImageWmf || typeByName == kImageEmf)
        return asPicture();
    if (std::optional<ProbedImage> probed = probeImage(data, typeByName))
        return rasterTile(data, *probed, stop);
    // A metafile under another name is still recognised by its content.
    return asPicture();
}

}  // namespace pictavo
