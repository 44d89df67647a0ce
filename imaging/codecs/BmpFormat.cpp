#include "imaging/codecs/BmpFormat.h"

#include "imaging/codecs/CodecSupport.h"

#include <bit>

namespace pictavo::bmp {

namespace {

constexpr const char* kCodec = "BMP";

Error formatError(const QString& text) {
    return codecError(kCodec, text);
}

bool isKnownHeaderSize(std::uint32_t size) {
    switch (size) {
        case kCoreHeaderSize:
        case kInfoHeaderSize:
        case kV2HeaderSize:
        case kV3HeaderSize:
        case 64:  // OS/2 2.x: the info header fields plus OS/2 extras we ignore
        case kV4HeaderSize:
        case kV5HeaderSize:
            return true;
        default:
            return false;
    }
}

std::uint32_t readLe32At(ByteView data, std::size_t offset) {
    ByteReader reader(data);
    reader.seek(offset);
    return reader.le32();
}

void parseCoreHeader(ByteReader& reader, DibInfo& info, std::int64_t& height) {
    reader.seek(kCoreWidth);
    info.width = reader.le16();
    height = reader.le16();
    reader.seek(kCoreBitCount);
    info.bitCount = reader.le16();
    info.paletteEntrySize = 3;
}

void parseInfoHeader(ByteReader& reader, DibInfo& info, std::int64_t& height) {
    reader.seek(kInfoWidth);
    info.width = reader.sle32();
    height = reader.sle32();
    reader.seek(kInfoBitCount);
    info.bitCount = reader.le16();
    info.compression = reader.le32();
    reader.seek(kInfoXPelsPerMeter);
    info.xPelsPerMeter = reader.sle32();
    info.yPelsPerMeter = reader.sle32();
}

bool isValidDepth(int bitCount, bool core) {
    switch (bitCount) {
        case 1:
        case 4:
        case 8:
        case 24:
            return true;
        case 16:
        case 32:
            return !core;
        default:
            return false;
    }
}

Status checkCompression(const DibInfo& info) {
    switch (info.compression) {
        case kRgb:
            return Status::success();
        case kRle8:
            if (info.bitCount == 8 && !info.topDown)
                return Status::success();
            break;
        case kRle4:
            if (info.bitCount == 4 && !info.topDown)
                return Status::success();
            break;
        case kBitfields:
        case kAlphaBitfields:
            if (info.bitCount == 16 || info.bitCount == 32)
                return Status::success();
            break;
        default:
            return formatError(QStringLiteral("unsupported compression %1").arg(info.compression));
    }
    return formatError(QStringLiteral("compression %1 does not fit %2 bits per pixel%3")
                           .arg(info.compression)
                           .arg(info.bitCount)
                           .arg(info.topDown ? QStringLiteral(" top-down") : QString()));
}

// Reads the bit-field masks (from the header or just after it) and returns
// how many bytes of masks follow the header.
Result<std::size_t> readMasks(ByteView dib, DibInfo& info) {
    if (info.bitCount == 16)
        info.masks = {0x7C00, 0x03E0, 0x001F, 0};
    if (info.bitCount == 32)
        info.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
    if (info.compression != kBitfields && info.compression != kAlphaBitfields)
        return std::size_t(0);
    const int maskCount = info.compression == kAlphaBitfields ? 4 : 3;
    const bool inHeader = info.headerSize >= kV2HeaderSize;
    const std::size_t start = inHeader ? kInfoRedMask : info.headerSize;
    if (dib.size() < start + 4 * std::size_t(maskCount))
        return formatError(QStringLiteral("bit-field masks missing"));
    for (int i = 0; i < 4; ++i)
        info.masks[i] = 0;
    for (int i = 0; i < maskCount; ++i)
        info.masks[i] = readLe32At(dib, start + 4 * i);
    if (info.headerSize >= kV3HeaderSize)
        info.masks[3] = readLe32At(dib, kInfoAlphaMask);
    const std::uint64_t pixelRange = (std::uint64_t(1) << info.bitCount) - 1;
    std::uint32_t seen = 0;
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t mask = info.masks[i];
        if ((i < 3 && mask == 0) || mask > pixelRange || (mask & seen) || !maskChannel(mask))
            return formatError(
                QStringLiteral("invalid bit-field mask %1").arg(mask, 8, 16, QChar('0')));
        seen |= mask;
    }
    return inHeader ? std::size_t(0) : 4 * std::size_t(maskCount);
}

}  // namespace

Result<DibInfo> parseDibHeader(ByteView dib, int heightDivisor) {
    ByteReader reader(dib);
    DibInfo info;
    info.headerSize = reader.le32();
    if (reader.failed())
        return formatError(QStringLiteral("info header missing"));
    if (!isKnownHeaderSize(info.headerSize))
        return formatError(QStringLiteral("unknown info header size %1").arg(info.headerSize));
    if (dib.size() < info.headerSize)
        return formatError(QStringLiteral("info header ends early"));
    const bool core = info.headerSize == kCoreHeaderSize;
    std::int64_t height = 0;
    if (core)
        parseCoreHeader(reader, info, height);
    else
        parseInfoHeader(reader, info, height);
    info.topDown = height < 0;
    height = (height < 0 ? -height : height) / heightDivisor;
    if (Status size = checkImageSize(kCodec, info.width, height); !size)
        return size.error();
    info.height = static_cast<int>(height);
    if (!isValidDepth(info.bitCount, core))
        return formatError(QStringLiteral("unsupported depth of %1 bits").arg(info.bitCount));
    if (Status compression = checkCompression(info); !compression)
        return compression.error();
    Result<std::size_t> maskBytes = readMasks(dib, info);
    if (!maskBytes)
        return maskBytes.error();
    info.paletteOffset = info.headerSize + maskBytes.value();
    if (info.bitCount <= 8) {
        const std::uint32_t full = 1u << info.bitCount;
        const std::uint32_t used = core ? 0 : readLe32At(dib, kInfoColorsUsed);
        info.paletteCount = static_cast<int>(used == 0 || used > full ? full : used);
    }
    return info;
}

bool looksLikeBmpFile(ByteView data) {
    if (data.size() < kFileHeaderSize + 4 || data[kFileMagic] != 'B' || data[kFileMagic + 1] != 'M')
        return false;
    return isKnownHeaderSize(readLe32At(data, kFileHeaderSize));
}

std::uint64_t strideFor(std::int64_t width, int bitCount) {
    return ((std::uint64_t(width) * std::uint64_t(bitCount) + 31) / 32) * 4;
}

bool isWritableDepth(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24;
}

std::uint8_t MaskChannel::extract(std::uint32_t pixel) const {
    if (bits == 0)
        return 255;
    const std::uint32_t value = (pixel & mask) >> shift;
    if (bits >= 8)
        return static_cast<std::uint8_t>(value >> (bits - 8));
    const std::uint32_t maximum = (1u << bits) - 1;
    return static_cast<std::uint8_t>((value * 255 + maximum / 2) / maximum);
}

Result<MaskChannel> maskChannel(std::uint32_t mask) {
    MaskChannel channel;
    channel.mask = mask;
    if (mask == 0)
        return channel;
    channel.shift = std::countr_zero(mask);
    const std::uint32_t shifted = mask >> channel.shift;
    if ((shifted & (shifted + 1)) != 0)
        return formatError(QStringLiteral("mask not contiguous"));
    channel.bits = std::popcount(shifted);
    return channel;
}

namespace {

// Writes pixel values into packed rows, refusing anything outside them.
class RleCanvas {
public:
    RleCanvas(bool fourBit, int width, int height, std::uint8_t* rows, std::size_t stride)
        : fourBit_(fourBit), width_(width), height_(height), rows_(rows), stride_(stride) {}

    bool fits(int x, int y, int count) const {
        return y < height_ && std::int64_t(x) + count <= width_;
    }
    void put(int x, int y, std::uint8_t value) {
        std::uint8_t* row = rows_ + std::size_t(y) * stride_;
        if (!fourBit_) {
            row[x] = value;
            return;
        }
        std::uint8_t& byte = row[x / 2];
        byte = (x & 1) ? static_cast<std::uint8_t>((byte & 0xF0) | (value & 0x0F))
                       : static_cast<std::uint8_t>((byte & 0x0F) | (value << 4));
    }

private:
    bool fourBit_;
    int width_;
    int height_;
    std::uint8_t* rows_;
    std::size_t stride_;
};

enum Escape : std::uint8_t { kEndOfLine = 0, kEndOfBitmap = 1, kDelta = 2 };

}  // namespace

Status decodeRle(ByteView data, bool fourBit, int width, int height, std::uint8_t* rows,
                 std::size_t stride) {
    RleCanvas canvas(fourBit, width, height, rows, stride);
    ByteReader reader(data);
    int x = 0;
    int y = 0;
    while (reader.remaining() >= 2) {
        const int count = reader.u8();
        const std::uint8_t value = reader.u8();
        if (count > 0) {  // encoded run: count pixels of one byte (two alternating nibbles)
            if (!canvas.fits(x, y, count))
                return formatError(QStringLiteral("RLE run overruns the image"));
            for (int i = 0; i < count; ++i)
                canvas.put(x + i, y, fourBit ? ((i & 1) ? value & 0x0F : value >> 4) : value);
            x += count;
            continue;
        }
        if (value == kEndOfLine) {
            x = 0;
            ++y;
        } else if (value == kEndOfBitmap) {
            return Status::success();
        } else if (value == kDelta) {
            x += reader.u8();
            y += reader.u8();
            if (reader.failed() || x > width || y > height)
                return formatError(QStringLiteral("RLE delta leaves the image"));
        } else {  // absolute run of value pixels, padded to a 16-bit boundary
            const std::size_t bytes = fourBit ? (value + 1) / 2 : value;
            const ByteView literal = reader.bytes(bytes + (bytes & 1));
            if (literal.empty() || !canvas.fits(x, y, value))
                return formatError(QStringLiteral("RLE literal run overruns the image"));
            for (int i = 0; i < value; ++i)
                canvas.put(
                    x + i, y,
                    fourBit ? ((i & 1) ? literal[i / 2] & 0x0F : literal[i / 2] >> 4) : literal[i]);
            x += value;
        }
    }
    if (y >= height)
        return Status::success();
    return formatError(QStringLiteral("RLE data ends before the end-of-bitmap code"));
}

void writeHeaders(std::vector<std::uint8_t>& out, int width, int height, int bitCount,
                  int xPelsPerMeter, int yPelsPerMeter) {
    const std::uint32_t paletteBytes = bitCount <= 8 ? 4u << bitCount : 0;
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + paletteBytes;
    const auto imageSize = static_cast<std::uint32_t>(strideFor(width, bitCount) * height);
    ByteWriter writer(out);
    writer.u8('B');
    writer.u8('M');
    writer.le32(pixelOffset + imageSize);
    writer.le32(0);  // two reserved words
    writer.le32(pixelOffset);
    writeInfoHeader(out, width, height, bitCount, imageSize, xPelsPerMeter, yPelsPerMeter);
}

void writeInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bitCount,
                     std::uint32_t imageSize, int xPelsPerMeter, int yPelsPerMeter) {
    ByteWriter writer(out);
    writer.le32(kInfoHeaderSize);
    writer.le32(static_cast<std::uint32_t>(width));
    writer.le32(static_cast<std::uint32_t>(height));
    writer.le16(1);  // planes
    writer.le16(static_cast<unsigned>(bitCount));
    writer.le32(kRgb);
    writer.le32(imageSize);
    writer.le32(static_cast<std::uint32_t>(xPelsPerMeter));
    writer.le32(static_cast<std::uint32_t>(yPelsPerMeter));
    writer.le32(0);  // colours used: the full palette
    writer.le32(0);  // colours important: all
}

}  // namespace pictavo::bmp
