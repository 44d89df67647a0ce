#pragma once
// The Truevision TGA format: header layout as named offsets, a pure parser
// and validator shared by the reader and the writer, and the packet RLE
// coder. Nothing here touches RasterImage.

#include "core/Result.h"
#include "imaging/ByteReader.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pictavo::tga {

// Header (18 bytes).
constexpr std::size_t kIdLength = 0;       // u8, bytes of image id after the header
constexpr std::size_t kColourMapType = 1;  // u8, 0 none, 1 present
constexpr std::size_t kImageType = 2;      // u8, see ImageKind
constexpr std::size_t kMapFirst = 3;       // u16, index of the first map entry
constexpr std::size_t kMapLength = 5;      // u16, entries in the map
constexpr std::size_t kMapEntrySize = 7;   // u8, bits per map entry (15, 16, 24, 32)
constexpr std::size_t kXOrigin = 8;        // u16
constexpr std::size_t kYOrigin = 10;       // u16
constexpr std::size_t kWidth = 12;         // u16
constexpr std::size_t kHeight = 14;        // u16
constexpr std::size_t kPixelDepth = 16;    // u8, bits per pixel
constexpr std::size_t kDescriptor = 17;    // u8, alpha bits and origin
constexpr std::size_t kHeaderSize = 18;

constexpr std::uint8_t kAlphaBitsMask = 0x0F;
constexpr std::uint8_t kRightToLeft = 0x10;
constexpr std::uint8_t kTopToBottom = 0x20;

// TGA 2.0 footer (26 bytes at the end of the file).
constexpr std::size_t kFooterSize = 26;
constexpr std::size_t kFooterSignature = 8;  // "TRUEVISION-XFILE.\0"

enum ImageKind : std::uint8_t {
    kColourMapped = 1,
    kTrueColour = 2,
    kGrey = 3,
    kRleColourMapped = 9,
    kRleTrueColour = 10,
    kRleGrey = 11,
};

struct Header {
    int idLength = 0;
    int colourMapType = 0;
    int imageType = 0;
    int mapFirst = 0;
    int mapLength = 0;
    int mapEntrySize = 0;
    int width = 0;
    int height = 0;
    int pixelDepth = 0;
    int alphaBits = 0;
    bool rightToLeft = false;
    bool topToBottom = false;

    bool isRle() const { return imageType >= kRleColourMapped; }
    int kind() const { return isRle() ? imageType - 8 : imageType; }  // 1, 2 or 3
    int bytesPerPixel() const { return (pixelDepth + 7) / 8; }
    int mapEntryBytes() const { return (mapEntrySize + 7) / 8; }
    std::size_t mapOffset() const { return kHeaderSize + std::size_t(idLength); }
    std::size_t pixelOffset() const {
        return mapOffset() + (colourMapType ? std::size_t(mapLength) * mapEntryBytes() : 0);
    }
};

// Parses the header and checks that type, depths and colour map agree and
// that the image fits the limits.
Result<Header> parseHeader(ByteView data);

// Structural test for a format without a magic number: a valid header whose
// colour map lies in the file, and for uncompressed images pixel data that
// the file can hold.
bool looksLikeTga(ByteView data);

// Expands RLE packets into exactly out.size() bytes of pixels of
// bytesPerPixel bytes each. A packet reaching past the image or data that
// ends early fails; every packet consumes input.
Status decodeRle(ByteView data, int bytesPerPixel, std::span<std::uint8_t> out);

// Appends the RLE packets of one row of pixels.
void encodeRleRow(std::span<const std::uint8_t> row, int bytesPerPixel,
                  std::vector<std::uint8_t>& out);

// Writes a header (origin bottom-left) and appends the TGA 2.0 footer
// separately with writeFooter once the pixels are written.
void writeHeader(const Header& header, std::vector<std::uint8_t>& out);
void writeFooter(std::vector<std::uint8_t>& out);

}  // namespace pictavo::tga
