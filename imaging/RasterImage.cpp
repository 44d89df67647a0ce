#include "imaging/RasterImage.h"

#include <cassert>
#include <utility>

namespace pictavo {

namespace {

constexpr int kMaxErrorLength = 255;

// Depth requests are mapped onto the four stored depths.
int storedDepth(int requested) {
    if (requested == 1)
        return 1;
    if (requested <= 4)
        return 4;
    if (requested <= 8)
        return 8;
    return 24;
}

}  // namespace

RasterImage::RasterImage(RasterImage&& other) noexcept {
    *this = std::move(other);
}

RasterImage& RasterImage::operator=(RasterImage&& other) noexcept {
    if (this == &other)
        return *this;
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    bpp_ = std::exchange(other.bpp_, 0);
    rowSize_ = std::exchange(other.rowSize_, 0);
    pixels_ = std::exchange(other.pixels_, {});
    palette_ = std::exchange(other.palette_, {});
    alpha_ = std::exchange(other.alpha_, {});
    type_ = other.type_;
    xPelsPerMeter_ = other.xPelsPerMeter_;
    yPelsPerMeter_ = other.yPelsPerMeter_;
    quality_ = other.quality_;
    transparentIndex_ = std::exchange(other.transparentIndex_, -1);
    exifOrientation_ = std::exchange(other.exifOrientation_, 1);
    lastError_ = std::move(other.lastError_);
    escape_ = other.escape_;
    return *this;
}

std::int64_t RasterImage::rowSizeFor(int width, int bitsPerPixel) {
    return ((std::int64_t(width) * bitsPerPixel + 31) / 32) * 4;
}

bool RasterImage::create(int width, int height, int bitsPerPixel) {
    if (width <= 0 || height <= 0 || bitsPerPixel <= 0) {
        setLastError(QStringLiteral("Create: invalid image size %1 x %2").arg(width).arg(height));
        return false;
    }
    if (width > kMaxImageSide || height > kMaxImageSide ||
        std::int64_t(width) * height > kMaxImagePixels) {
        setLastError(QStringLiteral("Create: image of %1 x %2 exceeds the size limit")
                         .arg(width)
                         .arg(height));
        return false;
    }
    const int depth = storedDepth(bitsPerPixel);
    const std::int64_t rowSize = rowSizeFor(width, depth);
    pixels_.assign(std::size_t(rowSize) * std::size_t(height), 0);
    width_ = width;
    height_ = height;
    bpp_ = depth;
    rowSize_ = static_cast<int>(rowSize);
    palette_.clear();
    if (depth <= 8) {
        const int entries = 1 << depth;
        palette_.resize(std::size_t(entries));
        for (int i = 0; i < entries; ++i) {
            const auto grey = static_cast<std::uint8_t>(i * 255 / (entries - 1));
            palette_[std::size_t(i)] = {grey, grey, grey, 0};
        }
    }
    alpha_.clear();
    transparentIndex_ = -1;
    return true;
}

void RasterImage::clear() {
    width_ = height_ = bpp_ = rowSize_ = 0;
    pixels_ = {};
    palette_ = {};
    alpha_ = {};
    transparentIndex_ = -1;
    exifOrientation_ = 1;
}

void RasterImage::setPaletteEntry(int index, PaletteEntry entry) {
    if (index >= 0 && index < paletteSize())
        palette_[std::size_t(index)] = entry;
}

bool RasterImage::isGreyScale() const {
    if (bpp_ != 8 || palette_.size() != 256)
        return false;
    for (int i = 0; i < 256; ++i) {
        const PaletteEntry& e = palette_[std::size_t(i)];
        if (e.red != i || e.green != i || e.blue != i)
            return false;
    }
    return true;
}

std::uint8_t RasterImage::pixelIndex(int x, int y) const {
    assert(x >= 0 && x < width_ && y >= 0 && y < height_ && bpp_ <= 8);
    return indexInRow(rowFromTop(y), x, bpp_);
}

std::uint8_t RasterImage::indexInRow(const std::uint8_t* row, int x, int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 1:
            return (row[x >> 3] >> (7 - (x & 7))) & 0x01;
        case 4:
            return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F;
        default:
            return row[x];
    }
}

void RasterImage::setPixelIndex(int x, int y, std::uint8_t index) {
    assert(x >= 0 && x < width_ && y >= 0 && y < height_ && bpp_ <= 8);
    std::uint8_t* row = rowFromTop(y);
    switch (bpp_) {
        case 1: {
            const int shift = 7 - (x & 7);
            row[x >> 3] =
                static_cast<std::uint8_t>((row[x >> 3] & ~(1 << shift)) | ((index & 1) << shift));
            break;
        }
        case 4: {
            const int shift = (x & 1) ? 0 : 4;
            row[x >> 1] = static_cast<std::uint8_t>((row[x >> 1] & ~(0x0F << shift)) |
                                                    ((index & 0x0F) << shift));
            break;
        }
        default:
            row[x] = index;
    }
}

Rgb RasterImage::pixelColor(int x, int y) const {
    assert(x >= 0 && x < width_ && y >= 0 && y < height_);
    if (bpp_ == 24) {
        const std::uint8_t* p = rowFromTop(y) + std::size_t(x) * 3;
        return {p[2], p[1], p[0]};
    }
    const std::uint8_t index = pixelIndex(x, y);
    if (index >= palette_.size())
        return {};
    const PaletteEntry& e = palette_[index];
    return {e.red, e.green, e.blue};
}

void RasterImage::setPixelColor(int x, int y, Rgb colour) {
    assert(x >= 0 && x < width_ && y >= 0 && y < height_ && bpp_ == 24);
    std::uint8_t* p = rowFromTop(y) + std::size_t(x) * 3;
    p[0] = colour.blue;
    p[1] = colour.green;
    p[2] = colour.red;
}

void RasterImage::createAlpha(std::uint8_t initial) {
    alpha_.assign(std::size_t(width_) * std::size_t(height_), initial);
}

void RasterImage::setResolution(int xPelsPerMeter, int yPelsPerMeter) {
    xPelsPerMeter_ = xPelsPerMeter;
    yPelsPerMeter_ = yPelsPerMeter;
}

int RasterImage::dpiToPelsPerMeter(double dpi) {
    return static_cast<int>(dpi * 39.37007874015748 + 0.5);
}

void RasterImage::setLastError(const QString& text) {
    lastError_ = text.left(kMaxErrorLength);
}

}  // namespace pictavo
