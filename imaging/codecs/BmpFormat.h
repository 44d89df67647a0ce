#pragma once
// The Windows and OS/2 bitmap format (BMP, and the DIB inside an icon):
// header layouts as named offsets, a pure parser and validator shared by the
// reader and the writer, the bit-field mask arithmetic and the RLE4/RLE8
// decompressor. Nothing here touches RasterImage.

#include "core/Result.h"
#include "imaging/ByteReader.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pictavo::bmp {

// BITMAPFILEHEADER (14 bytes).
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kFileMagic = 0;         // "BM"
constexpr std::size_t kFileSize = 2;          // u32
constexpr std::size_t kFilePixelOffset = 10;  // u32, from the start of the file

// BITMAPCOREHEADER (OS/2, 12 bytes); offsets from the start of the header.
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::size_t kCoreWidth = 4;      // u16
constexpr std::size_t kCoreHeight = 6;     // u16
constexpr std::size_t kCorePlanes = 8;     // u16
constexpr std::size_t kCoreBitCount = 10;  // u16

// BITMAPINFOHEADER (40 bytes) and its V4 (108) / V5 (124) extensions.
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kV4HeaderSize = 108;
constexpr std::uint32_t kV5HeaderSize = 124;
constexpr std::size_t kInfoWidth = 4;             // s32
constexpr std::size_t kInfoHeight = 8;            // s32, negative: rows top-down
constexpr std::size_t kInfoPlanes = 12;           // u16
constexpr std::size_t kInfoBitCount = 14;         // u16
constexpr std::size_t kInfoCompression = 16;      // u32
constexpr std::size_t kInfoImageSize = 20;        // u32
constexpr std::size_t kInfoXPelsPerMeter = 24;    // s32
constexpr std::size_t kInfoYPelsPerMeter = 28;    // s32
constexpr std::size_t kInfoColorsUsed = 32;       // u32
constexpr std::size_t kInfoColorsImportant = 36;  // u32
constexpr std::size_t kInfoRedMask = 40;          // u32 (V2 and later)
constexpr std::size_t kInfoAlphaMask = 52;        // u32 (V3 and later)
constexpr std::uint32_t kV2HeaderSize = 52;       // with RGB masks
constexpr std::uint32_t kV3HeaderSize = 56;       // with RGBA masks

enum Compression : std::uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitfields = 3,
    kAlphaBitfields = 6,
};

// Everything the header says about the pixels of a DIB.
struct DibInfo {
    std::uint32_t headerSize = 0;
    int width = 0;
    int height = 0;  // always positive
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = kRgb;
    // Red, green, blue, alpha masks for 16- and 32-bit pixels (alpha 0: none).
    std::array<std::uint32_t, 4> masks{};
    int paletteCount = 0;           // entries to read (0 above 8 bits)
    int paletteEntrySize = 4;       // 3 in core headers
    std::size_t paletteOffset = 0;  // from the start of the DIB
    int xPelsPerMeter = 0;
    int yPelsPerMeter = 0;
};

// Parses and validates the info header at the start of dib (the file
// without its 14-byte file header, or an icon entry). The dimensions are
// checked against the image limits; heightDivisor 2 reads icon DIBs, whose
// header counts the AND mask rows too.
Result<DibInfo> parseDibHeader(ByteView dib, int heightDivisor = 1);

// True when the BITMAPFILEHEADER magic and a known info header size are present.
bool looksLikeBmpFile(ByteView data);

// Bytes of one stored row: ((width * bits + 31) / 32) * 4, 64-bit.
std::uint64_t strideFor(std::int64_t width, int bitCount);

// Depths the writer produces and every reader must accept.
bool isWritableDepth(int bitCount);

// One channel described by a bit mask: value = (pixel & mask) >> shift,
// scaled from bits wide to 0..255.
struct MaskChannel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
    std::uint8_t extract(std::uint32_t pixel) const;
};
// Fails for a mask whose bits are not contiguous.
Result<MaskChannel> maskChannel(std::uint32_t mask);

// Expands RLE8 or RLE4 data into packed rows of the given stride, in file
// order (bottom row first); skipped pixels stay 0. Runs past the end of a
// row, deltas out of the image and data ending before the end-of-bitmap
// code (while rows remain) fail. Every step consumes input, so the loop ends.
Status decodeRle(ByteView data, bool fourBit, int width, int height, std::uint8_t* rows,
                 std::size_t stride);

// Writes a BITMAPINFOHEADER for uncompressed bottom-up rows whose
// pixel data takes imageSize bytes (the header height is given as stored:
// icons pass twice the image height).
void writeInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bitCount,
                     std::uint32_t imageSize, int xPelsPerMeter, int yPelsPerMeter);

// Writes the 14-byte file header and a BITMAPINFOHEADER for an uncompressed
// bottom-up image with a full palette of 2^bitCount entries (none at 24).
void writeHeaders(std::vector<std::uint8_t>& out, int width, int height, int bitCount,
                  int xPelsPerMeter, int yPelsPerMeter);

}  // namespace pictavo::bmp
