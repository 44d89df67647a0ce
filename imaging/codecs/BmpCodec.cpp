#include "imaging/codecs/BmpCodec.h"

#include "imaging/codecs/CodecSupport.h"
#include "imaging/codecs/Codecs.h"

#include <algorithm>
#include <cstring>

namespace pictavo {

namespace {

constexpr const char* kCodec = "BMP";

Status readPalette(const bmp::DibInfo& info, ByteView dib, std::size_t pixelOffset,
                   RasterImage& image) {
    // A pixel offset inside the nominal palette shortens it (old writers).
    std::size_t count = std::size_t(info.paletteCount);
    if (pixelOffset >= info.paletteOffset)
        count = std::min(count, (pixelOffset - info.paletteOffset) / info.paletteEntrySize);
    const std::uint64_t end = info.paletteOffset + std::uint64_t(count) * info.paletteEntrySize;
    if (Status available = checkAvailable(kCodec, end, dib.size(), "palette"); !available)
        return available;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = dib.data() + info.paletteOffset + i * info.paletteEntrySize;
        image.setPaletteEntry(static_cast<int>(i), {entry[0], entry[1], entry[2], 0});
    }
    clampPaletteIndexes(image, static_cast<int>(count));
    return Status::success();
}

std::uint8_t* destinationRow(const bmp::DibInfo& info, RasterImage& image, int fileRow) {
    return info.topDown ? image.rowFromTop(fileRow) : image.storageRow(fileRow);
}

void copyRows(const bmp::DibInfo& info, ByteView pixels, RasterImage& image) {
    const std::size_t stride = std::size_t(image.rowSize());
    for (int row = 0; row < info.height; ++row)
        std::memcpy(destinationRow(info, image, row), pixels.data() + std::size_t(row) * stride,
                    stride);
}

std::uint32_t readPixel(const std::uint8_t* at, int bitCount) {
    if (bitCount == 16)
        return std::uint32_t(at[0]) | (std::uint32_t(at[1]) << 8);
    return std::uint32_t(at[0]) | (std::uint32_t(at[1]) << 8) | (std::uint32_t(at[2]) << 16) |
           (std::uint32_t(at[3]) << 24);
}

// 16- and 32-bit pixels through their masks into B, G, R (+ alpha).
void convertMaskedRows(const bmp::DibInfo& info, ByteView pixels, RasterImage& image) {
    const bmp::MaskChannel red = bmp::maskChannel(info.masks[0]).value();
    const bmp::MaskChannel green = bmp::maskChannel(info.masks[1]).value();
    const bmp::MaskChannel blue = bmp::maskChannel(info.masks[2]).value();
    const bmp::MaskChannel alpha = bmp::maskChannel(info.masks[3]).value();
    const bool hasAlpha = info.masks[3] != 0;
    if (hasAlpha)
        image.createAlpha();
    const std::size_t stride = bmp::strideFor(info.width, info.bitCount);
    const int bytesPerPixel = info.bitCount / 8;
    bool anyAlpha = false;
    for (int row = 0; row < info.height; ++row) {
        const std::uint8_t* source = pixels.data() + std::size_t(row) * stride;
        std::uint8_t* target = destinationRow(info, image, row);
        const int y = info.topDown ? row : info.height - 1 - row;
        for (int x = 0; x < info.width; ++x) {
            const std::uint32_t pixel =
                readPixel(source + std::size_t(x) * bytesPerPixel, info.bitCount);
            target[3 * x] = blue.extract(pixel);
            target[3 * x + 1] = green.extract(pixel);
            target[3 * x + 2] = red.extract(pixel);
            if (!hasAlpha)
                continue;
            image.alphaRow(y)[x] = alpha.extract(pixel);
            anyAlpha = anyAlpha || image.alphaRow(y)[x] != 0;
        }
    }
    // Writers that leave the alpha bytes zero mean "no alpha", not "invisible".
    if (hasAlpha && !anyAlpha)
        image.removeAlpha();
}

}  // namespace

Status decodeDibPixels(const bmp::DibInfo& info, ByteView dib, std::size_t pixelOffset,
                       RasterImage& image) {
    if (pixelOffset > dib.size())
        return codecError(
            kCodec,
            QStringLiteral("pixel offset %1 lies past the end of the file").arg(pixelOffset));
    const ByteView pixels = dib.subspan(pixelOffset);
    const bool compressed = info.compression == bmp::kRle4 || info.compression == bmp::kRle8;
    if (!compressed) {
        const std::uint64_t needed =
            bmp::strideFor(info.width, info.bitCount) * std::uint64_t(info.height);
        if (Status available = checkAvailable(kCodec, needed, pixels.size(), "pixel data");
            !available)
            return available;
    }
    const int depth = info.bitCount <= 8 ? info.bitCount : 24;
    if (Status created = createImage(kCodec, image, info.width, info.height, depth); !created)
        return created;
    if (compressed) {
        Status expanded = bmp::decodeRle(pixels, info.compression == bmp::kRle4, info.width,
                                         info.height, image.bits(), std::size_t(image.rowSize()));
        if (!expanded)
            return expanded;
    } else if (info.bitCount <= 8 || info.bitCount == 24) {
        copyRows(info, pixels, image);
    } else {
        convertMaskedRows(info, pixels, image);
    }
    if (info.bitCount <= 8) {
        if (Status palette = readPalette(info, dib, pixelOffset, image); !palette)
            return palette;
    }
    if (info.xPelsPerMeter > 0 && info.yPelsPerMeter > 0)
        image.setResolution(info.xPelsPerMeter, info.yPelsPerMeter);
    return Status::success();
}

namespace {

struct ParsedBmp {
    bmp::DibInfo info;
    ByteView dib;
    std::size_t pixelOffset = 0;
};

Result<ParsedBmp> parseBmp(ByteView data) {
    if (!bmp::looksLikeBmpFile(data))
        return codecError(kCodec, QStringLiteral("not a BMP file"));
    ParsedBmp parsed;
    parsed.dib = data.subspan(bmp::kFileHeaderSize);
    Result<bmp::DibInfo> info = bmp::parseDibHeader(parsed.dib);
    if (!info)
        return info.error();
    parsed.info = info.value();
    ByteReader reader(data);
    reader.seek(bmp::kFilePixelOffset);
    const std::uint32_t fileOffset = reader.le32();
    const std::size_t paletteEnd =
        parsed.info.paletteOffset +
        std::size_t(parsed.info.paletteCount) * parsed.info.paletteEntrySize;
    // An offset that points into the headers is wrong; the pixels then follow the palette.
    parsed.pixelOffset = fileOffset >= bmp::kFileHeaderSize + parsed.info.paletteOffset
                             ? fileOffset - bmp::kFileHeaderSize
                             : paletteEnd;
    return parsed;
}

}  // namespace

bool BmpCodec::sniff(ByteView data) const {
    return bmp::looksLikeBmpFile(data);
}

Result<ImageHeader> BmpCodec::readHeader(ByteView data) const {
    Result<ParsedBmp> parsed = parseBmp(data);
    if (!parsed)
        return parsed.error();
    ImageHeader header;
    header.width = parsed->info.width;
    header.height = parsed->info.height;
    header.bitsPerPixel = parsed->info.bitCount;
    return header;
}

Status BmpCodec::decode(ByteView data, RasterImage& image, const DecodeOptions&) const {
    return decodeOrClear(image, [&]() -> Status {
        Result<ParsedBmp> parsed = parseBmp(data);
        if (!parsed)
            return parsed.error();
        return decodeDibPixels(parsed->info, parsed->dib, parsed->pixelOffset, image);
    });
}

Status BmpCodec::encode(const RasterImage& image, std::vector<std::uint8_t>& out) const {
    if (!image.isValid())
        return codecError(kCodec, QStringLiteral("the image is empty"));
    const int bitCount = image.bitsPerPixel();
    if (!bmp::isWritableDepth(bitCount))
        return codecError(kCodec, QStringLiteral("cannot write %1 bits per pixel").arg(bitCount));
    bmp::writeHeaders(out, image.width(), image.height(), bitCount, image.xPelsPerMeter(),
                      image.yPelsPerMeter());
    ByteWriter writer(out);
    if (bitCount <= 8) {
        for (int i = 0; i < (1 << bitCount); ++i) {
            const PaletteEntry entry =
                i < image.paletteSize() ? image.palette()[std::size_t(i)] : PaletteEntry{};
            writer.u8(entry.blue);
            writer.u8(entry.green);
            writer.u8(entry.red);
            writer.u8(0);
        }
    }
    writer.bytes(image.bits(), std::size_t(image.rowSize()) * std::size_t(image.height()));
    return Status::success();
}

const Codec& bmpCodec() {
    static const BmpCodec codec;
    return codec;
}

}  // namespace pictavo
