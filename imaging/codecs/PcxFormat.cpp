#include "imaging/codecs/PcxFormat.h"

#include "imaging/codecs/CodecSupport.h"

namespace pictavo::pcx {

namespace {

constexpr const char* kCodec = "PCX";

Error formatError(const QString& text) {
    return codecError(kCodec, text);
}

}  // namespace

bool isSupportedLayout(int bitsPerPixel, int planes) {
    switch (bitsPerPixel) {
        case 1:
            return planes >= 1 && planes <= 4;
        case 2:
        case 4:
            return planes == 1;
        case 8:
            return planes == 1 || planes == 3 || planes == 4;
        default:
            return false;
    }
}

Result<Header> parseHeader(ByteView data) {
    if (data.size() < kHeaderSize)
        return formatError(QStringLiteral("header ends early"));
    if (data[kManufacturer] != kMagic || data[kVersion] > kVersionWithPalette ||
        data[kEncoding] > 1)
        return formatError(QStringLiteral("not a PCX file"));
    ByteReader reader(data);
    Header header;
    header.version = data[kVersion];
    header.compressed = data[kEncoding] == 1;
    header.bitsPerPixel = data[kBitsPerPixel];
    header.planes = data[kPlanes];
    reader.seek(kXMin);
    const int xMin = reader.le16();
    const int yMin = reader.le16();
    const int xMax = reader.le16();
    const int yMax = reader.le16();
    header.horizontalDpi = reader.le16();
    header.verticalDpi = reader.le16();
    reader.seek(kBytesPerLine);
    header.bytesPerLine = reader.le16();
    if (!isSupportedLayout(header.bitsPerPixel, header.planes))
        return formatError(QStringLiteral("unsupported layout of %1 bits in %2 planes")
                               .arg(header.bitsPerPixel)
                               .arg(header.planes));
    if (xMax < xMin || yMax < yMin)
        return formatError(QStringLiteral("invalid image window"));
    header.width = xMax - xMin + 1;
    header.height = yMax - yMin + 1;
    if (Status size = checkImageSize(kCodec, header.width, header.height); !size)
        return size.error();
    const std::int64_t minimumLine = (std::int64_t(header.width) * header.bitsPerPixel + 7) / 8;
    if (header.bytesPerLine < minimumLine)
        return formatError(QStringLiteral("line length %1 too short for %2 pixels")
                               .arg(header.bytesPerLine)
                               .arg(header.width));
    return header;
}

Status decodeRuns(ByteView data, std::span<std::uint8_t> out) {
    ByteReader reader(data);
    std::size_t written = 0;
    while (written < out.size()) {
        std::uint8_t value = reader.u8();
        std::size_t count = 1;
        if ((value & kRunFlag) == kRunFlag) {
            count = value & kMaxRun;
            value = reader.u8();
        }
        if (reader.failed())
            return formatError(QStringLiteral("image data ends early"));
        if (count > out.size() - written)
            return formatError(QStringLiteral("byte run overruns the image"));
        for (std::size_t i = 0; i < count; ++i)
            out[written++] = value;
    }
    return Status::success();
}

void encodeRuns(std::span<const std::uint8_t> line, std::vector<std::uint8_t>& out) {
    std::size_t position = 0;
    while (position < line.size()) {
        const std::uint8_t value = line[position];
        std::size_t run = 1;
        while (position + run < line.size() && run < kMaxRun && line[position + run] == value)
            ++run;
        // A lone byte that looks like a run marker must be written as a run of one.
        if (run > 1 || (value & kRunFlag) == kRunFlag)
            out.push_back(static_cast<std::uint8_t>(kRunFlag | run));
        out.push_back(value);
        position += run;
    }
}

void writeHeader(const Header& header, std::vector<std::uint8_t>& out) {
    ByteWriter writer(out);
    writer.u8(kMagic);
    writer.u8(kVersionWithPalette);
    writer.u8(1);  // byte runs
    writer.u8(static_cast<unsigned>(header.bitsPerPixel));
    writer.le16(0);  // x min
    writer.le16(0);  // y min
    writer.le16(static_cast<unsigned>(header.width - 1));
    writer.le16(static_cast<unsigned>(header.height - 1));
    writer.le16(static_cast<unsigned>(header.horizontalDpi));
    writer.le16(static_cast<unsigned>(header.verticalDpi));
    writer.fill(0, kPlanes - kEgaPalette);  // EGA palette and reserved byte
    writer.u8(static_cast<unsigned>(header.planes));
    writer.le16(static_cast<unsigned>(header.bytesPerLine));
    writer.le16(1);  // colour palette
    writer.fill(0, kHeaderSize - (kPaletteInfo + 2));
}

}  // namespace pictavo::pcx
