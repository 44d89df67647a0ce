// Fuzz target: Windows metafiles through the WMF codec and the picture loader.
#include "PictureFuzzSupport.h"

#include "imaging/file/WmfCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pictavo::fuzz::ensureGuiApplication();
    const pictavo::ByteView bytes(data, size);
    const pictavo::Codec& codec = pictavo::wmfCodec();
    if (codec.sniff(bytes)) {
        const auto header = codec.readHeader(bytes);
        if (header && std::int64_t(header->width) * header->height <= 256 * 256) {
            pictavo::RasterImage image;
            (void)codec.decode(bytes, image, {});
        }
    }
    pictavo::fuzz::loadAndDraw(data, size);
    return 0;
}
