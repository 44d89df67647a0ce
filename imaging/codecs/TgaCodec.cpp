#include "imaging/codecs/TgaCodec.h"

#include "imaging/codecs/CodecSupport.h"
#include "imaging/codecs/Codecs.h"
#include "imaging/codecs/TgaFormat.h"

#include <algorithm>

namespace pictavo {

namespace {

constexpr const char* kCodec = "TGA";
// An RLE packet of 1 + n bytes yields at most 128 pixels; 64 per byte bounds
// what a file can honestly declare.
constexpr std::uint64_t kMaxRlePixelsPerByte = 64;

Rgb colourOf15Bits(std::uint16_t value) {
    const auto widen = [](int five) {
        return static_cast<std::uint8_t>((five << 3) | (five >> 2));
    };
    return {widen((value >> 10) & 31), widen((value >> 5) & 31), widen(value & 31)};
}

// A colour map entry or true-colour pixel of 2, 3 or 4 bytes (B, G, R, A).
Rgb colourAt(const std::uint8_t* at, int bytes) {
    if (bytes == 2)
        return colourOf15Bits(static_cast<std::uint16_t>(at[0] | (at[1] << 8)));
    return {at[2], at[1], at[0]};
}

Status readPixels(const tga::Header& header, ByteView data, std::vector<std::uint8_t>& pixels) {
    const ByteView source = data.subspan(header.pixelOffset());
    const std::uint64_t count = std::uint64_t(header.width) * std::uint64_t(header.height);
    const std::uint64_t bytes = count * std::uint64_t(header.bytesPerPixel());
    if (header.isRle()) {
        if (count > source.size() * kMaxRlePixelsPerByte)
            return codecError(kCodec, QStringLiteral("RLE data too short for %1 x %2 pixels")
                                          .arg(header.width)
                                          .arg(header.height));
        pixels.resize(std::size_t(bytes));
        return tga::decodeRle(source, header.bytesPerPixel(), pixels);
    }
    if (Status available = checkAvailable(kCodec, bytes, source.size(), "pixel data"); !available)
        return available;
    pixels.assign(source.begin(), source.begin() + std::ptrdiff_t(bytes));
    return Status::success();
}

// Colour map entries land at their pixel index; indexes outside the map are
// clamped to its first or last entry.
void applyColourMap(const tga::Header& header, ByteView data, RasterImage& image,
                    std::vector<std::uint8_t>& pixels) {
    const int entryBytes = header.mapEntryBytes();
    const int first = std::min(header.mapFirst, 255);
    const int last = std::min(header.mapFirst + header.mapLength - 1, 255);
    for (int index = first; index <= last; ++index) {
        const Rgb colour = colourAt(
            data.data() + header.mapOffset() + std::size_t(index - header.mapFirst) * entryBytes,
            entryBytes);
        image.setPaletteEntry(index, {colour.blue, colour.green, colour.red, 0});
    }
    for (std::uint8_t& pixel : pixels)
        pixel = static_cast<std::uint8_t>(std::clamp<int>(pixel, first, last));
}

// Alpha of a 16-bit grey pixel, a 16-bit colour (its top bit) or a 32-bit
// colour.
std::uint8_t alphaOf(const std::uint8_t* at, int bytes, bool grey) {
    if (grey)
        return at[1];
    if (bytes == 2)
        return (at[1] & 0x80) ? 255 : 0;
    return at[3];
}

void storePixels(const tga::Header& header, const std::vector<std::uint8_t>& pixels,
                 RasterImage& image) {
    const int bytes = header.bytesPerPixel();
    const bool grey = header.kind() == tga::kGrey;
    const bool alpha = header.alphaBits > 0 && (bytes == 4 || bytes == 2);
    if (alpha)
        image.createAlpha();
    bool anyAlpha = false;
    for (int row = 0; row < header.height; ++row) {
        const int y = header.topToBottom ? row : header.height - 1 - row;
        std::uint8_t* target = image.rowFromTop(y);
        for (int column = 0; column < header.width; ++column) {
            const int x = header.rightToLeft ? header.width - 1 - column : column;
            const std::uint8_t* at =
                pixels.data() + (std::size_t(row) * header.width + column) * bytes;
            if (bytes == 1 || grey) {
                target[x] = *at;
            } else {
                const Rgb colour = colourAt(at, bytes);
                target[3 * x] = colour.blue;
                target[3 * x + 1] = colour.green;
                target[3 * x + 2] = colour.red;
            }
            if (!alpha)
                continue;
            image.alphaRow(y)[x] = alphaOf(at, bytes, grey);
            anyAlpha = anyAlpha || image.alphaRow(y)[x] != 0;
        }
    }
    // An alpha channel that is zero everywhere is taken as "not used".
    if (alpha && !anyAlpha)
        image.removeAlpha();
}

Status decodeTga(ByteView data, RasterImage& image) {
    Result<tga::Header> parsed = tga::parseHeader(data);
    if (!parsed)
        return parsed.error();
    const tga::Header& header = parsed.value();
    std::vector<std::uint8_t> pixels;
    if (Status read = readPixels(header, data, pixels); !read)
        return read;
    const int depth = header.kind() == tga::kTrueColour ? 24 : 8;
    if (Status created = createImage(kCodec, image, header.width, header.height, depth); !created)
        return created;
    if (header.kind() == tga::kColourMapped)
        applyColourMap(header, data, image, pixels);
    storePixels(header, pixels, image);
    return Status::success();
}

// --- encoding

struct Layout {
    tga::Header header;
    int bytesPerPixel = 0;
};

Layout layoutFor(const RasterImage& image) {
    Layout layout;
    tga::Header& header = layout.header;
    header.width = image.width();
    header.height = image.height();
    if (image.hasAlpha() || image.bitsPerPixel() == 24) {
        header.imageType = tga::kRleTrueColour;
        header.pixelDepth = image.hasAlpha() ? 32 : 24;
        header.alphaBits = image.hasAlpha() ? 8 : 0;
    } else if (image.isGreyScale()) {
        header.imageType = tga::kRleGrey;
        header.pixelDepth = 8;
    } else {
        header.imageType = tga::kRleColourMapped;
        header.pixelDepth = 8;
        header.colourMapType = 1;
        header.mapLength = 1 << image.bitsPerPixel();
        header.mapEntrySize = 24;
    }
    layout.bytesPerPixel = header.pixelDepth / 8;
    return layout;
}

void writeColourMap(const RasterImage& image, int entries, std::vector<std::uint8_t>& out) {
    for (int i = 0; i < entries; ++i) {
        const PaletteEntry entry =
            i < image.paletteSize() ? image.palette()[std::size_t(i)] : PaletteEntry{};
        out.insert(out.end(), {entry.blue, entry.green, entry.red});
    }
}

// One row from the top in the file's pixel layout.
void packRow(const RasterImage& image, int y, int bytesPerPixel, std::vector<std::uint8_t>& row) {
    row.clear();
    for (int x = 0; x < image.width(); ++x) {
        if (bytesPerPixel == 1) {
            row.push_back(image.pixelIndex(x, y));
            continue;
        }
        const Rgb colour = image.pixelColor(x, y);
        row.insert(row.end(), {colour.blue, colour.green, colour.red});
        if (bytesPerPixel == 4)
            row.push_back(image.alphaRow(y)[x]);
    }
}

}  // namespace

bool TgaCodec::sniff(ByteView data) const {
    return tga::looksLikeTga(data);
}

Result<ImageHeader> TgaCodec::readHeader(ByteView data) const {
    Result<tga::Header> header = tga::parseHeader(data);
    if (!header)
        return header.error();
    return ImageHeader{header->width, header->height, header->pixelDepth, 1};
}

Status TgaCodec::decode(ByteView data, RasterImage& image, const DecodeOptions&) const {
    return decodeOrClear(image, [&] { return decodeTga(data, image); });
}

Status TgaCodec::encode(const RasterImage& image, std::vector<std::uint8_t>& out) const {
    if (!image.isValid())
        return codecError(kCodec, QStringLiteral("the image is empty"));
    if (image.width() > 0xFFFF || image.height() > 0xFFFF)
        return codecError(kCodec,
                          QStringLiteral("%1 x %2 is too large for a TGA (at most 65535 a side)")
                              .arg(image.width())
                              .arg(image.height()));
    const Layout layout = layoutFor(image);
    tga::writeHeader(layout.header, out);
    if (layout.header.colourMapType)
        writeColourMap(image, layout.header.mapLength, out);
    std::vector<std::uint8_t> row;
    for (int y = image.height() - 1; y >= 0; --y) {  // bottom-left origin
        packRow(image, y, layout.bytesPerPixel, row);
        tga::encodeRleRow(row, layout.bytesPerPixel, out);
    }
    tga::writeFooter(out);
    return Status::success();
}

const Codec& tgaCodec() {
    static const TgaCodec codec;
    return codec;
}

}  // namespace pictavo
