// Turning a photograph upright by its EXIF orientation.
#include "imaging/PixelCopy.h"

namespace pictavo {

namespace {

struct Point {
    int x;
    int y;
};

// The stored pixel shown at upright position (x, y) of an image stored
// width x height, for EXIF orientations 1 to 8.
Point storedPosition(int orientation, int x, int y, int width, int height) {
    switch (orientation) {
        case 2:
            return {width - 1 - x, y};  // mirrored left-right
        case 3:
            return {width - 1 - x, height - 1 - y};  // turned 180 degrees
        case 4:
            return {x, height - 1 - y};  // mirrored top-bottom
        case 5:
            return {y, x};  // transposed
        case 6:
            return {y, height - 1 - x};  // shown turned clockwise
        case 7:
            return {width - 1 - y, height - 1 - x};  // transversed
        case 8:
            return {width - 1 - y, x};  // shown turned anticlockwise
        default:
            return {x, y};
    }
}

}  // namespace

void RasterImage::orientUpright() {
    const int orientation = exifOrientation_;
    exifOrientation_ = 1;
    if (orientation < 2 || orientation > 8 || !isValid())
        return;
    const bool swapsAxes = orientation >= 5;
    const int uprightWidth = swapsAxes ? height_ : width_;
    const int uprightHeight = swapsAxes ? width_ : height_;
    RasterImage result;
    if (!createLike(*this, uprightWidth, uprightHeight, result))
        return;
    if (hasAlpha())
        result.createAlpha();
    if (swapsAxes)
        result.setResolution(yPelsPerMeter_, xPelsPerMeter_);
    for (int y = 0; y < uprightHeight; ++y) {
        for (int x = 0; x < uprightWidth; ++x) {
            const Point from = storedPosition(orientation, x, y, width_, height_);
            copyPixel(*this, from.x, from.y, result, x, y);
            if (hasAlpha())
                result.alphaRow(y)[x] = alphaRow(from.y)[from.x];
        }
    }
    result.setExifOrientation(1);
    result.setEscapeFlag(escape_);
    result.setLastError(lastError_);
    *this = std::move(result);
}

}  // namespace pictavo
