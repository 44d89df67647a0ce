// Nearest-pixel resampling (mode 1).
#include "imaging/PixelCopy.h"

#include <algorithm>
#include <vector>

namespace pictavo {

bool createLike(const RasterImage& model, int width, int height, RasterImage& result) {
    result.setType(model.type());
    result.setResolution(model.xPelsPerMeter(), model.yPelsPerMeter());
    result.setQuality(model.quality());
    if (!result.create(width, height, model.bitsPerPixel()))
        return false;
    for (int i = 0; i < model.paletteSize(); ++i)
        result.setPaletteEntry(i, model.palette()[std::size_t(i)]);
    result.setTransparentIndex(model.transparentIndex());
    result.setExifOrientation(model.exifOrientation());
    return true;
}

namespace {

// The truncated source position of each target position: target t takes
// source (t * scale), the product computed in single precision. The clamp
// only guards against rounding at extreme enlargements.
std::vector<int> sourcePositions(int sourceSize, int targetSize) {
    const float scale = float(sourceSize) / float(targetSize);
    std::vector<int> positions(static_cast<std::size_t>(targetSize));
    for (int t = 0; t < targetSize; ++t) {
        const float f = float(t) * scale;
        positions[std::size_t(t)] = std::min(static_cast<int>(f), sourceSize - 1);
    }
    return positions;
}

}  // namespace

bool RasterImage::resample(int newWidth, int newHeight, int mode, RasterImage* destination) {
    if (mode != 1) {
        setLastError(QStringLiteral("Resample: mode %1 not supported").arg(mode));
        return false;
    }
    if (newWidth <= 0 || newHeight <= 0 || !isValid()) {
        setLastError(QStringLiteral("Resample: invalid size %1 x %2").arg(newWidth).arg(newHeight));
        return false;
    }
    if (newWidth == width_ && newHeight == height_) {
        if (destination)
            *destination = *this;
        return true;
    }
    RasterImage result;
    if (!createLike(*this, newWidth, newHeight, result)) {
        setLastError(result.lastError());
        return false;
    }
    const std::vector<int> sourceX = sourcePositions(width_, newWidth);
    const std::vector<int> sourceY = sourcePositions(height_, newHeight);
    if (hasAlpha())
        result.createAlpha();
    for (int y = 0; y < newHeight; ++y) {
        // A cancelled resample leaves the image as it was.
        if (escape_ && escape_->load(std::memory_order_relaxed)) {
            setLastError(QStringLiteral("Resample: cancelled"));
            return false;
        }
        const int sy = sourceY[std::size_t(y)];
        for (int x = 0; x < newWidth; ++x)
            copyPixel(*this, sourceX[std::size_t(x)], sy, result, x, y);
        if (hasAlpha()) {
            const std::uint8_t* from = alphaRow(sy);
            std::uint8_t* to = result.alphaRow(y);
            for (int x = 0; x < newWidth; ++x)
                to[x] = from[sourceX[std::size_t(x)]];
        }
    }
    result.setEscapeFlag(escape_);
    if (destination) {
        *destination = std::move(result);
    } else {
        *this = std::move(result);
    }
    return true;
}

}  // namespace pictavo
