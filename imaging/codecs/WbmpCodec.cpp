#include "imaging/codecs/WbmpCodec.h"

#include "imaging/codecs/CodecSupport.h"
#include "imaging/codecs/Codecs.h"
#include "imaging/codecs/WbmpFormat.h"

#include <cstring>

namespace pictavo {

namespace {

constexpr const char* kCodec = "WBMP";
constexpr int kWhiteThreshold = 128;

Status decodeWbmp(ByteView data, RasterImage& image) {
    Result<wbmp::Header> header = wbmp::parseHeader(data);
    if (!header)
        return header.error();
    if (Status available = checkAvailable(kCodec, header->fileSize(), data.size(), "pixel data");
        !available)
        return available;
    if (Status created = createImage(kCodec, image, header->width, header->height, 1); !created)
        return created;
    image.setPaletteEntry(0, {0, 0, 0, 0});
    image.setPaletteEntry(1, {255, 255, 255, 0});
    const std::size_t rowBytes = std::size_t(header->rowBytes());
    for (int y = 0; y < header->height; ++y)
        std::memcpy(image.rowFromTop(y),
                    data.data() + header->dataOffset + std::size_t(y) * rowBytes, rowBytes);
    return Status::success();
}

}  // namespace

bool WbmpCodec::sniff(ByteView data) const {
    return wbmp::looksLikeWbmp(data);
}

Result<ImageHeader> WbmpCodec::readHeader(ByteView data) const {
    Result<wbmp::Header> header = wbmp::parseHeader(data);
    if (!header)
        return header.error();
    return ImageHeader{header->width, header->height, 1, 1};
}

Status WbmpCodec::decode(ByteView data, RasterImage& image, const DecodeOptions&) const {
    return decodeOrClear(image, [&] { return decodeWbmp(data, image); });
}

Status WbmpCodec::encode(const RasterImage& image, std::vector<std::uint8_t>& out) const {
    if (!image.isValid())
        return codecError(kCodec, QStringLiteral("the image is empty"));
    wbmp::writeHeader(image.width(), image.height(), out);
    const std::size_t rowBytes = (std::size_t(image.width()) + 7) / 8;
    for (int y = 0; y < image.height(); ++y) {
        const std::size_t start = out.size();
        out.resize(start + rowBytes, 0);
        for (int x = 0; x < image.width(); ++x)
            if (luminance(image.pixelColor(x, y)) >= kWhiteThreshold)
                out[start + std::size_t(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    return Status::success();
}

const Codec& wbmpCodec() {
    static const WbmpCodec codec;
    return codec;
}

}  // namespace pictavo
