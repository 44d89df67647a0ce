#pragma once
// Conversions between RasterImage and QImage for the picture layer: a
// decoded raster becomes a drawable QImage (alpha kept), a rendered QImage
// becomes a 24-bit RasterImage.

#include "imaging/RasterImage.h"

#include <QImage>

namespace pictavo {

QImage qImageFromRaster(const RasterImage& image);
// False (error text set on image) when the size exceeds the image limits.
bool rasterFromQImage(const QImage& source, RasterImage& image);

}  // namespace pictavo
