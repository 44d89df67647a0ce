#pragma once
// Conversions between RasterImage and QImage, for the viewer, the metafile
// renderer and the title cards. Both directions copy the pixels; neither
// keeps a reference to its argument. Safe on any thread (QImage is used
// without a display).

#include "imaging/RasterImage.h"

#include <QImage>

namespace pictavo {

// 24-bit images without alpha become Format_BGR888; images with an alpha
// channel or a transparent palette index become Format_ARGB32 (not
// premultiplied); other palette images Format_RGB32. An empty image gives a
// null QImage.
QImage toQImage(const RasterImage& image);

// A 24-bit image of the same size; an alpha channel is added when the
// QImage has one. A null QImage gives an empty image.
RasterImage fromQImage(const QImage& image);

}  // namespace pictavo
