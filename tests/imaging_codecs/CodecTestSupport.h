#pragma once
// Helpers of the codec tests: fixture files, the PAM references ImageMagick
// made of them, test images of every depth and byte patching.

#include "imaging/RasterImage.h"
#include "imaging/codecs/Codec.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pictavo::test {

using Bytes = std::vector<std::uint8_t>;

// A fixture of tests/data/codecs.
Bytes fixture(const std::string& name);

// An 8-bit RGBA PAM (P7, TUPLTYPE RGB_ALPHA).
struct Pam {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
    Rgb colour(int x, int y) const;
    int alpha(int x, int y) const;
};
Pam readPam(const std::string& name);

// A palette image of the given depth with a distinctive palette and every
// index in use, or a 24-bit image of varied colours.
RasterImage paletteImage(int width, int height, int bitsPerPixel);
RasterImage rgbImage(int width, int height);
// The 8-bit image with the identity grey palette.
RasterImage greyImage(int width, int height);

// Alpha of a pixel, a transparent palette index counting as 0.
int effectiveAlpha(const RasterImage& image, int x, int y);

// Bytes written as numbers separated by blanks, e.g. "0 2 0xFF".
Bytes bytes(const char* numbers);
// Appends value little-endian in size bytes.
void appendLe(Bytes& out, std::uint32_t value, int size);
// Copy of bytes with value written at offset, little-endian, size bytes.
Bytes patchedLe(Bytes bytes, std::size_t offset, std::uint32_t value, int size);

// A bitmap file with a 40-byte header, the given palette (0x00RRGGBB
// entries) and pixel bytes.
Bytes bitmap(int width, int height, int bits, int compression,
             const std::vector<std::uint32_t>& palette, const Bytes& pixels);

}  // namespace pictavo::test
