#pragma once
// The Wireless Bitmap format, type 0 (uncompressed black and white): the
// multi-byte integers of its header, a pure parser and writer. Nothing here
// touches RasterImage.
//
// Layout: type (multi-byte integer, 0), fixed header byte (0), width and
// height (multi-byte integers), then rows of (width + 7) / 8 bytes, most
// significant bit first, 1 = white.

#include "core/Result.h"
#include "imaging/ByteReader.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pictavo::wbmp {

// A multi-byte integer carries 7 bits per byte, high bit set on all but the
// last; we accept at most this many bytes (values below 2^28).
constexpr int kMaxIntegerBytes = 4;

struct Header {
    int width = 0;
    int height = 0;
    std::size_t dataOffset = 0;

    std::uint64_t rowBytes() const { return (std::uint64_t(width) + 7) / 8; }
    std::uint64_t fileSize() const { return dataOffset + rowBytes() * std::uint64_t(height); }
};

// Parses and validates the header (type 0, dimensions within the limits).
Result<Header> parseHeader(ByteView data);

// Structural test for a format without a magic number: a valid header whose
// computed file size equals the bytes available.
bool looksLikeWbmp(ByteView data);

void writeHeader(int width, int height, std::vector<std::uint8_t>& out);

}  // namespace pictavo::wbmp
