#include "generator/export/PictureRender.h"

#include "imaging/QtImageBridge.h"
#include "imaging/file/Picture.h"

namespace pictavo {

std::optional<QSize> pictureNaturalSize(const QString& path) {
    const Result<Picture> picture = Picture::load(path);
    if (!picture)
        return std::nullopt;
    const QSize size = picture->naturalSize();
    if (size.width() <= 0 || size.height() <= 0)
        return std::nullopt;
    return size;
}

Result<RasterImage> renderPictureOnWhite(const QString& path) {
    const Result<Picture> picture = Picture::load(path);
    if (!picture)
        return picture.error().withContext(QStringLiteral("cannot read %1").arg(path));
    RasterImage image = fromQImage(renderOnWhite(picture.value()));
    if (!image.isValid())
        return Error(QStringLiteral("cannot draw %1").arg(path));
    return image;
}

}  // namespace pictavo
