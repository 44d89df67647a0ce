#pragma once
// Loads a file for the image viewer: any format of the image layer, turned
// upright by its EXIF orientation, as a 24-bit picture at its natural size.
// Icons and metafiles are drawn on white; other images show the colour
// stored under transparent pixels.

#include <QImage>
#include <QString>

#include <optional>

namespace pictavo {

std::optional<QImage> loadViewerPicture(const QString& path);

}  // namespace pictavo
