#pragma once
// The size limits a picture's natural size must respect: those of
// RasterImage, since a rendered picture becomes one.

#include "imaging/RasterImage.h"

#include <QSize>

namespace pictavo {

inline bool naturalSizeAllowed(QSize size) {
    return size.width() > 0 && size.height() > 0 && size.width() <= kMaxImageSide &&
           size.height() <= kMaxImageSide &&
           std::int64_t(size.width()) * size.height() <= kMaxImagePixels;
}

}  // namespace pictavo
