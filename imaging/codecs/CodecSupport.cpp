#include "imaging/codecs/CodecSupport.h"

namespace pictavo {

Error codecError(const char* codec, const QString& text) {
    return Error(QString::fromLatin1(codec) + QStringLiteral(": ") + text);
}

Status checkImageSize(const char* codec, std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0)
        return codecError(codec,
                          QStringLiteral("invalid image size %1 x %2").arg(width).arg(height));
    if (width > kMaxImageSide || height > kMaxImageSide || width > kMaxImagePixels / height)
        return codecError(
            codec,
            QStringLiteral("image of %1 x %2 exceeds the size limit").arg(width).arg(height));
    return Status::success();
}

Status checkAvailable(const char* codec, std::uint64_t needed, std::uint64_t available,
                      const char* what) {
    if (needed > available)
        return codecError(codec, QStringLiteral("%1 ends early (%2 bytes needed, %3 available)")
                                     .arg(QString::fromLatin1(what))
                                     .arg(needed)
                                     .arg(available));
    return Status::success();
}

Status createImage(const char* codec, RasterImage& image, int width, int height, int bitsPerPixel) {
    if (!image.create(width, height, bitsPerPixel))
        return codecError(codec, image.lastError());
    return Status::success();
}

int depthForPaletteSize(int count) {
    if (count <= 2)
        return 1;
    if (count <= 16)
        return 4;
    return 8;
}

void clampPaletteIndexes(RasterImage& image, int count) {
    const int bpp = image.bitsPerPixel();
    if (bpp > 8 || count >= (1 << bpp))
        return;
    const auto last = static_cast<std::uint8_t>(count > 0 ? count - 1 : 0);
    for (int y = 0; y < image.height(); ++y) {
        if (bpp == 8) {
            std::uint8_t* row = image.rowFromTop(y);
            for (int x = 0; x < image.width(); ++x)
                if (row[x] > last)
                    row[x] = last;
            continue;
        }
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelIndex(x, y) > last)
                image.setPixelIndex(x, y, last);
    }
}

int luminance(Rgb colour) {
    return (299 * colour.red + 587 * colour.green + 114 * colour.blue) / 1000;
}

void ByteWriter::le16(unsigned value) {
    u8(value & 0xFF);
    u8((value >> 8) & 0xFF);
}

void ByteWriter::le32(std::uint32_t value) {
    le16(value & 0xFFFF);
    le16(value >> 16);
}

void ByteWriter::bytes(const std::uint8_t* data, std::size_t count) {
    out_.insert(out_.end(), data, data + count);
}

void ByteWriter::fill(std::uint8_t value, std::size_t count) {
    out_.insert(out_.end(), count, value);
}

}  // namespace pictavo
