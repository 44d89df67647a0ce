#pragma once
// Helpers shared by the image layer's own codecs (BMP, GIF, ICO, TGA, PCX,
// WBMP): error texts, size checks that cannot overflow, a little-endian
// byte writer and palette helpers. Pure functions; safe from any thread.

#include "core/Result.h"
#include "imaging/RasterImage.h"

#include <cstdint>
#include <vector>

namespace pictavo {

// "BMP: <text>".
Error codecError(const char* codec, const QString& text);

// Fails unless 0 < width, height and the image fits the limits of
// RasterImage (side and pixel count); the arithmetic is 64-bit.
Status checkImageSize(const char* codec, std::int64_t width, std::int64_t height);

// Fails unless needed bytes are available.
Status checkAvailable(const char* codec, std::uint64_t needed, std::uint64_t available,
                      const char* what);

// create() with the codec's name on the error text.
Status createImage(const char* codec, RasterImage& image, int width, int height, int bitsPerPixel);

// Smallest depth of RasterImage (1, 4 or 8) that holds count palette entries.
int depthForPaletteSize(int count);

// Out-of-range palette indexes (>= count) of a palette image are clamped to
// count - 1, so every pixel names a colour the file defined.
void clampPaletteIndexes(RasterImage& image, int count);

// Perceived brightness 0..255 of a colour (ITU-R BT.601 weights).
int luminance(Rgb colour);

// Appends little- and big-endian values to a byte vector.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void u8(unsigned value) { out_.push_back(static_cast<std::uint8_t>(value)); }
    void le16(unsigned value);
    void le32(std::uint32_t value);
    void bytes(const std::uint8_t* data, std::size_t count);
    void fill(std::uint8_t value, std::size_t count);
    std::size_t size() const { return out_.size(); }
    // Overwrites a 32-bit little-endian value written earlier.

private:
    std::vector<std::uint8_t>& out_;
};

}  // namespace pictavo

namespace pictavo {

// Runs a decoder body; on failure the image is left empty, as the codec
// contract requires.
template <typename Body>
Status decodeOrClear(RasterImage& image, Body&& body) {
    Status status = body();
    if (!status)
        image.clear();
    return status;
}

}  // namespace pictavo
