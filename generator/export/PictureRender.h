#pragma once
// Icons and enhanced metafiles for the generator: their natural size, and
// the picture drawn at that size on white for a thumbnail. (The thumbnail
// rule fills the box white before drawing; filling the whole bitmap white
// covers that and leaves no undefined pixels outside a small box.)
// Thread-safe.

#include "core/Result.h"
#include "imaging/RasterImage.h"

#include <QSize>
#include <QString>

#include <optional>

namespace pictavo {

std::optional<QSize> pictureNaturalSize(const QString& path);

Result<RasterImage> renderPictureOnWhite(const QString& path);

}  // namespace pictavo
