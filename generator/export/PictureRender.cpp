#include "generator/export/PictureRender.h"

namespace pictavo {

std::optional<QSize> pictureNaturalSize(const QString&) {
    return std::nullopt;
}

Result<RasterImage> renderPictureInBox(const QString& path, QSize) {
    return Error(QStringLiteral("cannot draw %1: icons and metafiles are not drawn yet").arg(path));
}

}  // namespace pictavo
