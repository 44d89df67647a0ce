#pragma once
// The size limits a picture's natural size must respect.
//
// A raster picture follows RasterImage's limits, since it already is one.
// A metafile is a few bytes that may claim any size, and rendering it
// allocates a 4-byte-per-pixel canvas plus the RasterImage made from it, so
// its natural size has a tighter cap: at most kMaxMetafileSide pixels a side
// and kMaxMetafilePixels pixels in all (64 Mi pixels, about 256 MB a canvas
// and under 600 MB for a whole decode).

#include "imaging/RasterImage.h"

#include <QSize>

namespace pictavo {

constexpr int kMaxMetafileSide = 16384;
constexpr std::int64_t kMaxMetafilePixels = std::int64_t(1) << 26;

inline bool sizeWithin(QSize size, int maxSide, std::int64_t maxPixels) {
    return size.width() > 0 && size.height() > 0 && size.width() <= maxSide &&
           size.height() <= maxSide && std::int64_t(size.width()) * size.height() <= maxPixels;
}

// Whether a picture of this natural size may be rendered into an image.
inline bool naturalSizeAllowed(QSize size) {
    return sizeWithin(size, kMaxImageSide, kMaxImagePixels);
}

// Whether a WMF or EMF picture may claim this natural size.
inline bool metafileSizeAllowed(QSize size) {
    return sizeWithin(size, kMaxMetafileSide, kMaxMetafilePixels);
}

}  // namespace pictavo
