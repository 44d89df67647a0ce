#pragma once
// Icons and enhanced metafiles for the generator: their natural size and
// the thumbnail drawing (the picture at its natural size on a bitmap whose
// top-left box is filled white). Thread-safe.

#include "core/Result.h"
#include "imaging/RasterImage.h"

#include <QSize>
#include <QString>

#include <optional>

namespace pictavo {

std::optional<QSize> pictureNaturalSize(const QString& path);

Result<RasterImage> renderPictureInBox(const QString& path, QSize whiteBox);

}  // namespace pictavo
