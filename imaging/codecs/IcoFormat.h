#pragma once
// The Windows icon format (ICO, and cursors, which share it): directory
// layout as named offsets, a pure directory parser and writer, and the PNG
// signature test for PNG-compressed entries. The entries themselves are
// DIBs (BmpFormat.h) or PNG files. Nothing here touches RasterImage.

#include "core/Result.h"
#include "imaging/ByteReader.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pictavo::ico {

// ICONDIR (6 bytes).
constexpr std::size_t kDirReserved = 0;  // u16, 0
constexpr std::size_t kDirType = 2;      // u16, 1 icon, 2 cursor
constexpr std::size_t kDirCount = 4;     // u16
constexpr std::size_t kDirSize = 6;
constexpr std::uint16_t kTypeIcon = 1;
constexpr std::uint16_t kTypeCursor = 2;

// ICONDIRENTRY (16 bytes each, after the directory).
constexpr std::size_t kEntryWidth = 0;       // u8, 0 means 256
constexpr std::size_t kEntryHeight = 1;      // u8, 0 means 256
constexpr std::size_t kEntryColorCount = 2;  // u8
constexpr std::size_t kEntryPlanes = 4;      // u16 (hotspot x in cursors)
constexpr std::size_t kEntryBitCount = 6;    // u16 (hotspot y in cursors)
constexpr std::size_t kEntryBytes = 8;       // u32, size of the image data
constexpr std::size_t kEntryOffset = 12;     // u32, from the start of the file
constexpr std::size_t kEntrySize = 16;

// PNG-compressed entries start with the PNG signature; the IHDR chunk
// follows with width and height (big-endian) at these offsets.
constexpr std::size_t kPngWidth = 16;
constexpr std::size_t kPngHeight = 20;
constexpr std::size_t kPngBitDepth = 24;
constexpr std::size_t kPngColourType = 25;
constexpr std::size_t kPngHeaderSize = 26;

struct Entry {
    int width = 0;  // from the directory (0 read as 256)
    int height = 0;
    int bitCount = 0;
    ByteView data;  // the entry's bytes, checked to lie inside the file
};

// True for a directory with a plausible type and count whose entries fit.
bool looksLikeIcon(ByteView data);

// The entries of the directory; fails when any entry lies outside the file.
Result<std::vector<Entry>> parseDirectory(ByteView data);

bool isPng(ByteView entry);

// Writes a directory of one icon entry whose data (size bytes) follows it.
void writeDirectory(std::vector<std::uint8_t>& out, int width, int height, int bitCount,
                    std::uint32_t size);

}  // namespace pictavo::ico
