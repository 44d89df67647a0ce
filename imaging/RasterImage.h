#pragma once
// RasterImage: one decoded raster image.
//
// Pixels are stored bottom-up (storage row 0 is the bottom row), each row
// padded to a multiple of 4 bytes. Depths are 1, 4, 8 (with a palette of 2,
// 16 or 256 entries) and 24 (B, G, R byte order). An optional 8-bit alpha
// channel (one byte per pixel, top-down, unpadded) belongs to the image.
// The object owns every buffer; copies are deep, moves leave the source
// empty (0 x 0).
//
// Limits: an image may hold at most kMaxImagePixels pixels and each side at
// most kMaxImageSide; larger requests fail with an error text, before any
// allocation. Decoders call create() only after checking that the input can
// supply the declared size.
//
// The class knows no file format: loading, saving and coding by type live
// one layer up, in imaging/file/ImageFile.h.
//
// Threading: an object is used by one thread at a time; distinct objects may
// be decoded and encoded in parallel.

#include "imaging/ImageType.h"

#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

namespace pictavo {

constexpr std::int64_t kMaxImagePixels = 268'435'456;  // 2^28
constexpr int kMaxImageSide = 1 << 20;

struct PaletteEntry {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;
    bool operator==(const PaletteEntry&) const = default;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

class RasterImage {
public:
    RasterImage() = default;
    RasterImage(const RasterImage& other) = default;
    RasterImage& operator=(const RasterImage& other) = default;
    RasterImage(RasterImage&& other) noexcept;
    RasterImage& operator=(RasterImage&& other) noexcept;
    ~RasterImage() = default;

    // --- creation and geometry
    // Allocates a zeroed image. Depths 2..4 become 4, 5..8 become 8, above 8
    // become 24. Palette images get a grey-scale palette. Fails (false, error
    // text set) on a non-positive or too large size. Alpha and the
    // transparent index are cleared; type and resolution are kept.
    bool create(int width, int height, int bitsPerPixel);
    void clear();  // back to 0 x 0

    bool isValid() const { return width_ > 0 && height_ > 0; }
    int width() const { return width_; }
    int height() const { return height_; }
    int bitsPerPixel() const { return bpp_; }
    int rowSize() const { return rowSize_; }  // bytes per padded row
    static std::int64_t rowSizeFor(int width, int bitsPerPixel);

    // Storage rows (0 = bottom row).
    std::uint8_t* storageRow(int row) { return pixels_.data() + std::size_t(row) * rowSize_; }
    const std::uint8_t* storageRow(int row) const {
        return pixels_.data() + std::size_t(row) * rowSize_;
    }
    // Rows counted from the top (0 = top row).
    std::uint8_t* rowFromTop(int y) { return storageRow(height_ - 1 - y); }
    const std::uint8_t* rowFromTop(int y) const { return storageRow(height_ - 1 - y); }
    std::uint8_t* bits() { return pixels_.data(); }
    const std::uint8_t* bits() const { return pixels_.data(); }

    // --- palette (depths 1, 4, 8)
    int paletteSize() const { return static_cast<int>(palette_.size()); }
    const std::vector<PaletteEntry>& palette() const { return palette_; }
    void setPaletteEntry(int index, PaletteEntry entry);
    bool isGreyScale() const;  // 8-bit with the identity grey palette

    // --- pixels, top-down coordinates, no bounds beyond assert
    std::uint8_t pixelIndex(int x, int y) const;  // palette images
    // The palette index of pixel x in a stored row of a 1-, 4- or 8-bit image.
    static std::uint8_t indexInRow(const std::uint8_t* row, int x, int bitsPerPixel);
    void setPixelIndex(int x, int y, std::uint8_t index);
    Rgb pixelColor(int x, int y) const;            // resolved through the palette
    void setPixelColor(int x, int y, Rgb colour);  // 24-bit images

    // --- alpha channel, one byte per pixel, top-down
    bool hasAlpha() const { return !alpha_.empty(); }
    void createAlpha(std::uint8_t initial = 255);
    void removeAlpha() { alpha_.clear(); }
    std::uint8_t* alphaRow(int y) { return alpha_.data() + std::size_t(y) * width_; }
    const std::uint8_t* alphaRow(int y) const { return alpha_.data() + std::size_t(y) * width_; }

    // --- attributes
    int type() const { return type_; }
    void setType(int type) { type_ = type; }
    int xPelsPerMeter() const { return xPelsPerMeter_; }
    int yPelsPerMeter() const { return yPelsPerMeter_; }
    void setResolution(int xPelsPerMeter, int yPelsPerMeter);
    static int dpiToPelsPerMeter(double dpi);
    int quality() const { return quality_; }
    void setQuality(int quality) { quality_ = static_cast<std::uint8_t>(quality); }
    int transparentIndex() const { return transparentIndex_; }
    void setTransparentIndex(int index) { transparentIndex_ = index; }
    // EXIF orientation 1..8 reported by the decoder (1 = upright); the
    // pixels are never turned by a decoder.
    int exifOrientation() const { return exifOrientation_; }
    void setExifOrientation(int orientation) { exifOrientation_ = orientation; }

    // Text of the last error, at most 255 characters.
    const QString& lastError() const { return lastError_; }
    void setLastError(const QString& text);

    // Escape flag polled by long loops (resample); set from another thread
    // to stop early.
    void setEscapeFlag(const std::atomic<bool>* flag) { escape_ = flag; }

    // Nearest-pixel (mode 1) resample; the result replaces the image or goes
    // to destination. Modes other than 1 fail.
    bool resample(int newWidth, int newHeight, int mode = 1, RasterImage* destination = nullptr);

    // Turns the pixels upright by the EXIF orientation and sets it to 1.
    void orientUpright();

private:
    int width_ = 0;
    int height_ = 0;
    int bpp_ = 0;
    int rowSize_ = 0;
    std::vector<std::uint8_t> pixels_;
    std::vector<PaletteEntry> palette_;
    std::vector<std::uint8_t> alpha_;
    int type_ = kImageUnknown;
    int xPelsPerMeter_ = 3780;  // 96 dpi
    int yPelsPerMeter_ = 3780;
    std::uint8_t quality_ = 75;
    int transparentIndex_ = -1;
    int exifOrientation_ = 1;
    QString lastError_;
    const std::atomic<bool>* escape_ = nullptr;
};

// A new 24-bit image of the same size: palette images expanded, alpha
// dropped (the stored colour of each pixel stays, without blending).
RasterImage FlattenToRgb(const RasterImage& image);

}  // namespace pictavo
