#pragma once
// The GIF format (87a and 89a): block layouts as named offsets, a pure
// parser that stops at the first image, the variable-width LZW coder and a
// writer for a single-image file. Nothing here touches RasterImage.

#include "core/Result.h"
#include "imaging/ByteReader.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pictavo::gif {

// Header and logical screen descriptor (13 bytes).
constexpr std::size_t kSignature = 0;  // "GIF87a" or "GIF89a"
constexpr std::size_t kSignatureSize = 6;
constexpr std::size_t kScreenWidth = 6;       // u16
constexpr std::size_t kScreenHeight = 8;      // u16
constexpr std::size_t kScreenFlags = 10;      // u8: global table flag, table size
constexpr std::size_t kBackgroundIndex = 11;  // u8
constexpr std::size_t kScreenHeaderSize = 13;

// Image descriptor, after the 0x2C separator (9 bytes).
constexpr std::size_t kImageLeft = 0;    // u16
constexpr std::size_t kImageTop = 2;     // u16
constexpr std::size_t kImageWidth = 4;   // u16
constexpr std::size_t kImageHeight = 6;  // u16
constexpr std::size_t kImageFlags = 8;   // u8: local table flag, interlace, table size
constexpr std::size_t kImageDescriptorSize = 9;

// Graphic control extension body (after label 0xF9 and its size byte 4).
constexpr std::size_t kControlFlags = 0;        // u8, bit 0: transparent index valid
constexpr std::size_t kControlDelay = 1;        // u16
constexpr std::size_t kControlTransparent = 3;  // u8
constexpr std::uint8_t kControlBlockSize = 4;

constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kImageSeparator = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kGraphicControlLabel = 0xF9;
constexpr std::uint8_t kTableFlag = 0x80;      // in both screen and image flags
constexpr std::uint8_t kInterlaceFlag = 0x40;  // image flags
constexpr std::uint8_t kTableSizeBits = 0x07;  // table holds 2^(n+1) entries
constexpr int kMaxLzwBits = 12;

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Colour&) const = default;
};

// The logical screen and its first image, with the LZW data unpacked from
// its sub-blocks.
struct FirstFrame {
    int screenWidth = 0;
    int screenHeight = 0;
    int backgroundIndex = 0;
    std::vector<Colour> globalPalette;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool interlaced = false;
    std::vector<Colour> localPalette;
    int transparentIndex = -1;  // from the graphic control extension before the image
    int minCodeSize = 0;
    std::vector<std::uint8_t> lzwData;
};

bool hasSignature(ByteView data);

// Reads blocks up to the first image; fails for a file without one, for a
// bad descriptor and for blocks that end early.
Result<FirstFrame> parseFirstFrame(ByteView data);

// Only code sizes 2 to 8 carry pixels of 1 to 8 bits.
bool isValidMinCodeSize(int minCodeSize);

// The image row each stored row goes to: top to bottom, or for an
// interlaced image the four passes (every 8th row from 0, every 8th from 4,
// every 4th from 2, every 2nd from 1).
std::vector<int> rowOrder(int height, bool interlaced);

// Decodes LZW codes into exactly out.size() pixel indexes; extra codes are
// ignored. Fails on a code beyond the table, a first code that is not a
// literal, and data that ends before every pixel is written. Each loop step
// consumes input, and output is bounded by out.
Status lzwDecode(ByteView data, int minCodeSize, std::span<std::uint8_t> out);

// Encodes pixel indexes (each < 2^minCodeSize) with LZW, starting with a
// clear code and resetting when the table is full.
std::vector<std::uint8_t> lzwEncode(std::span<const std::uint8_t> indexes, int minCodeSize);

// A single-image GIF89a: palette of 2, 4, ..., 256 entries, indexes top-down.
struct ImageToWrite {
    int width = 0;
    int height = 0;
    std::vector<Colour> palette;
    int transparentIndex = -1;
    std::span<const std::uint8_t> indexes;
};
void writeFile(const ImageToWrite& image, std::vector<std::uint8_t>& out);

}  // namespace pictavo::gif
