#pragma once
// Copies single pixels between two images of the same depth, for the
// geometric operations (resample, orientation). Coordinates are top-down.

#include "imaging/RasterImage.h"

#include <cstring>

namespace pictavo {

// Copies the stored value (palette index or B, G, R) of source (sx, sy) to
// destination (dx, dy); both images have the same depth.
inline void copyPixel(const RasterImage& source, int sx, int sy, RasterImage& destination, int dx,
                      int dy) {
    switch (source.bitsPerPixel()) {
        case 24:
            std::memcpy(destination.rowFromTop(dy) + std::size_t(dx) * 3,
                        source.rowFromTop(sy) + std::size_t(sx) * 3, 3);
            break;
        case 8:
            destination.rowFromTop(dy)[dx] = source.rowFromTop(sy)[sx];
            break;
        default:
            destination.setPixelIndex(dx, dy, source.pixelIndex(sx, sy));
    }
}

// A new image of the given size with the depth, palette and attributes of
// model (alpha not included); false with model's error text on failure.
bool createLike(const RasterImage& model, int width, int height, RasterImage& result);

}  // namespace pictavo
