#pragma once
// The ZSoft PCX format: header layout as named offsets, a pure parser and
// validator shared by the reader and the writer, and the byte-run coder.
// Nothing here touches RasterImage.

#include "core/Result.h"
#include "imaging/ByteReader.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pictavo::pcx {

// Header (128 bytes).
constexpr std::size_t kManufacturer = 0;  // u8, always 0x0A
constexpr std::size_t kVersion = 1;       // u8, 0 to 5
constexpr std::size_t kEncoding = 2;      // u8, 1 = byte runs, 0 = none
constexpr std::size_t kBitsPerPixel = 3;  // u8, bits per pixel in each plane
constexpr std::size_t kXMin = 4;          // u16, window: inclusive bounds
constexpr std::size_t kYMin = 6;
constexpr std::size_t kXMax = 8;
constexpr std::size_t kYMax = 10;
constexpr std::size_t kHorizontalDpi = 12;  // u16
constexpr std::size_t kVerticalDpi = 14;    // u16
constexpr std::size_t kEgaPalette = 16;     // 16 x (R, G, B)
constexpr std::size_t kPlanes = 65;         // u8
constexpr std::size_t kBytesPerLine = 66;   // u16, per plane
constexpr std::size_t kPaletteInfo = 68;    // u16, 1 colour, 2 grey
constexpr std::size_t kHeaderSize = 128;

constexpr std::uint8_t kMagic = 0x0A;
constexpr std::uint8_t kVersionWithPalette = 5;
constexpr std::uint8_t kExtendedPaletteMarker = 0x0C;  // 769 bytes before the end
constexpr std::size_t kExtendedPaletteSize = 1 + 3 * 256;
constexpr std::uint8_t kRunFlag = 0xC0;
constexpr int kMaxRun = 0x3F;
// A run of two bytes yields at most 63: the bound on what a file may declare.
constexpr std::uint64_t kMaxBytesPerInputByte = 32;

struct Header {
    int version = 0;
    bool compressed = true;
    int bitsPerPixel = 0;
    int planes = 0;
    int width = 0;
    int height = 0;
    int bytesPerLine = 0;
    int horizontalDpi = 0;
    int verticalDpi = 0;

    std::uint64_t scanlineBytes() const { return std::uint64_t(planes) * bytesPerLine; }
    std::uint64_t imageBytes() const { return scanlineBytes() * std::uint64_t(height); }
};

// Layouts we read: 1 bit in 1 to 4 planes, 2 or 4 bits in 1 plane, 8 bits
// in 1, 3 or 4 planes.
bool isSupportedLayout(int bitsPerPixel, int planes);

// Parses and validates the header: layout, window, line length and limits.
Result<Header> parseHeader(ByteView data);

// Expands byte runs into exactly out.size() bytes; a run past the end of
// the image or data that ends early fails. Every step consumes input.
Status decodeRuns(ByteView data, std::span<std::uint8_t> out);

// Appends the byte runs of one plane line.
void encodeRuns(std::span<const std::uint8_t> line, std::vector<std::uint8_t>& out);

// Writes a version-5 header for an 8-bit image in 1 or 3 planes.
void writeHeader(const Header& header, std::vector<std::uint8_t>& out);

}  // namespace pictavo::pcx
