#include "properties/gui/PreviewPicture.h"

#include "core/FileKind.h"
#include "imaging/ImageType.h"
#include "imaging/QtImageBridge.h"
#include "imaging/file/Picture.h"
#include "properties/gui/PreviewPlacement.h"
#include "shell/gui/ImageFileDecoding.h"
#include "shell/gui/ThumbnailGeometry.h"

#include <QFileInfo>
#include <QPainter>

#include <optional>
#include <vector>

namespace pictavo {

namespace {

QSize drawnSize(QSize natural, QSize area) {
    return placePreview(natural, QRect(QPoint(), area), false).size();
}

DecodedPreview decodedRaster(ByteView data, const ProbedImage& probed, QSize area,
                             const std::atomic<bool>* stop) {
    const QSize natural = probed.uprightSize();
    const QSize drawn = drawnSize(natural, area);
    if (drawn.isEmpty())
        return {};
    const std::optional<RasterImage> flat = decodeUprightFor(data, probed, drawn, stop);
    if (!flat)
        return {};
    return {toQImage(*flat), natural};
}

// Icons and metafiles, drawn on white at the size they take.
DecodedPreview drawnPicture(ByteView data, QSize area) {
    Result<Picture> picture =
        Picture::fromData(std::vector<std::uint8_t>(data.begin(), data.end()));
    if (!picture)
        return {};
    const QSize natural = picture->naturalSize();
    const QSize drawn = drawnSize(natural, area);
    if (drawn.isEmpty())
        return {};
    QImage image(drawn, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture->draw(painter, QRect(QPoint(), drawn));
    return {image, natural};
}

}  // namespace

bool previewShowsIconOnly(const QString& path) {
    if (path.isEmpty() || ClassifyFileKind(path) == FileKind::WebLink)
        return true;
    const QFileInfo info(path);
    return !info.isFile() || !fileSizeAllowsThumbnail(info.size());
}

DecodedPreview decodePreview(const QString& path, QSize area, const std::atomic<bool>* stop) {
    if (previewShowsIconOnly(path))
        return {};
    const std::optional<QByteArray> bytes = readFileForDisplay(path);
    if (!bytes)
        return {};
    const ByteView data = byteViewOf(*bytes);
    const int typeByName = imageTypeFromPath(path);
    const bool pictureByName =
        typeByName == kImageIco || typeByName == kImageWmf || typeByName == kImageEmf;
    if (!pictureByName)
        if (std::optional<ProbedImage> probed = probeImage(data, typeByName))
            return decodedRaster(data, *probed, area, stop);
    // Icons, and metafiles under any name, recognised by their content.
    return drawnPicture(data, area);
}

}  // namespace pictavo
