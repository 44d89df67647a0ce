#include "imaging/codecs/TgaFormat.h"

#include "imaging/codecs/CodecSupport.h"

#include <algorithm>
#include <cstring>

namespace pictavo::tga {

namespace {

constexpr const char* kCodec = "TGA";
constexpr char kSignature[] = "TRUEVISION-XFILE.";  // with its NUL: 18 bytes
constexpr int kMaxPacketPixels = 128;

Error formatError(const QString& text) {
    return codecError(kCodec, text);
}

bool isValidMapEntrySize(int bits) {
    return bits == 15 || bits == 16 || bits == 24 || bits == 32;
}

Status checkKind(const Header& header) {
    switch (header.kind()) {
        case kColourMapped:
            // 8-bit indexes reach entries 0 to 255 only.
            if (header.colourMapType != 1 || header.pixelDepth != 8 || header.mapLength == 0 ||
                header.mapFirst > 255 || !isValidMapEntrySize(header.mapEntrySize))
                return formatError(QStringLiteral("invalid colour map"));
            return Status::success();
        case kTrueColour:
            if (!isValidMapEntrySize(header.pixelDepth))
                return formatError(
                    QStringLiteral("unsupported depth of %1 bits").arg(header.pixelDepth));
            return Status::success();
        case kGrey:
            // 16 bits: a grey byte followed by an alpha byte.
            if (header.pixelDepth != 8 && header.pixelDepth != 16)
                return formatError(
                    QStringLiteral("unsupported grey depth of %1 bits").arg(header.pixelDepth));
            return Status::success();
        default:
            return formatError(QStringLiteral("unsupported image type %1").arg(header.imageType));
    }
}

}  // namespace

Result<Header> parseHeader(ByteView data) {
    if (data.size() < kHeaderSize)
        return formatError(QStringLiteral("header ends early"));
    ByteReader reader(data);
    Header header;
    header.idLength = reader.u8();
    header.colourMapType = reader.u8();
    header.imageType = reader.u8();
    header.mapFirst = reader.le16();
    header.mapLength = reader.le16();
    header.mapEntrySize = reader.u8();
    reader.seek(kWidth);
    header.width = reader.le16();
    header.height = reader.le16();
    header.pixelDepth = reader.u8();
    const std::uint8_t descriptor = reader.u8();
    header.alphaBits = descriptor & kAlphaBitsMask;
    header.rightToLeft = descriptor & kRightToLeft;
    header.topToBottom = descriptor & kTopToBottom;
    if (header.colourMapType > 1)
        return formatError(QStringLiteral("invalid colour map type"));
    if (header.colourMapType == 1 && !isValidMapEntrySize(header.mapEntrySize))
        return formatError(
            QStringLiteral("invalid colour map entry size %1").arg(header.mapEntrySize));
    if (Status kind = checkKind(header); !kind)
        return kind.error();
    if (Status size = checkImageSize(kCodec, header.width, header.height); !size)
        return size.error();
    if (header.pixelOffset() > data.size())
        return formatError(QStringLiteral("colour map ends early"));
    return header;
}

bool looksLikeTga(ByteView data) {
    Result<Header> header = parseHeader(data);
    if (!header)
        return false;
    if (header->isRle())
        return data.size() > header->pixelOffset();
    const std::uint64_t pixels =
        std::uint64_t(header->width) * header->height * header->bytesPerPixel();
    return header->pixelOffset() + pixels <= data.size();
}

Status decodeRle(ByteView data, int bytesPerPixel, std::span<std::uint8_t> out) {
    ByteReader reader(data);
    const std::size_t pixelBytes = std::size_t(bytesPerPixel);
    std::size_t written = 0;
    while (written < out.size()) {
        const std::uint8_t packet = reader.u8();
        const std::size_t count = std::size_t(packet & 0x7F) + 1;
        if (reader.failed())
            return formatError(QStringLiteral("RLE data ends early"));
        if (count * pixelBytes > out.size() - written)
            return formatError(QStringLiteral("RLE packet overruns the image"));
        const bool repeat = packet & 0x80;
        const ByteView source = reader.bytes(repeat ? pixelBytes : count * pixelBytes);
        if (source.empty())
            return formatError(QStringLiteral("RLE data ends early"));
        for (std::size_t i = 0; i < count; ++i)
            std::memcpy(out.data() + written + i * pixelBytes,
                        source.data() + (repeat ? 0 : i * pixelBytes), pixelBytes);
        written += count * pixelBytes;
    }
    return Status::success();
}

void encodeRleRow(std::span<const std::uint8_t> row, int bytesPerPixel,
                  std::vector<std::uint8_t>& out) {
    const std::size_t pixelBytes = std::size_t(bytesPerPixel);
    const std::size_t pixels = row.size() / pixelBytes;
    const auto same = [&](std::size_t a, std::size_t b) {
        return std::memcmp(row.data() + a * pixelBytes, row.data() + b * pixelBytes, pixelBytes) ==
               0;
    };
    const auto runLength = [&](std::size_t start) {
        std::size_t length = 1;
        while (start + length < pixels && length < kMaxPacketPixels && same(start, start + length))
            ++length;
        return length;
    };
    std::size_t position = 0;
    while (position < pixels) {
        const std::size_t run = runLength(position);
        if (run >= 2) {
            out.push_back(static_cast<std::uint8_t>(0x80 | (run - 1)));
            out.insert(out.end(), row.begin() + position * pixelBytes,
                       row.begin() + (position + 1) * pixelBytes);
            position += run;
            continue;
        }
        std::size_t literal = 1;  // up to the next run of two or the packet limit
        while (position + literal < pixels && literal < kMaxPacketPixels &&
               runLength(position + literal) < 2)
            ++literal;
        out.push_back(static_cast<std::uint8_t>(literal - 1));
        out.insert(out.end(), row.begin() + position * pixelBytes,
                   row.begin() + (position + literal) * pixelBytes);
        position += literal;
    }
}

void writeHeader(const Header& header, std::vector<std::uint8_t>& out) {
    ByteWriter writer(out);
    writer.u8(0);  // no image id
    writer.u8(static_cast<unsigned>(header.colourMapType));
    writer.u8(static_cast<unsigned>(header.imageType));
    writer.le16(static_cast<unsigned>(header.mapFirst));
    writer.le16(static_cast<unsigned>(header.mapLength));
    writer.u8(static_cast<unsigned>(header.mapEntrySize));
    writer.le16(0);  // x origin
    writer.le16(0);  // y origin
    writer.le16(static_cast<unsigned>(header.width));
    writer.le16(static_cast<unsigned>(header.height));
    writer.u8(static_cast<unsigned>(header.pixelDepth));
    writer.u8(static_cast<unsigned>(header.alphaBits) & kAlphaBitsMask);  // bottom-left origin
}

void writeFooter(std::vector<std::uint8_t>& out) {
    ByteWriter writer(out);
    writer.le32(0);  // no extension area
    writer.le32(0);  // no developer directory
    writer.bytes(reinterpret_cast<const std::uint8_t*>(kSignature), sizeof kSignature);
}

}  // namespace pictavo::tga
