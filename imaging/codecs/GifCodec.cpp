#include "imaging/codecs/GifCodec.h"

#include "imaging/codecs/Codecs.h"

namespace pictavo {

bool GifCodec::sniff(ByteView) const {
    return false;
}

Result<ImageHeader> GifCodec::readHeader(ByteView) const {
    return Error("GIF: not implemented yet");
}

Status GifCodec::decode(ByteView, RasterImage&, const DecodeOptions&) const {
    return Error("GIF: not implemented yet");
}

Status GifCodec::encode(const RasterImage&, std::vector<std::uint8_t>&) const {
    return Error("GIF: not implemented yet");
}

const Codec& gifCodec() {
    static const GifCodec codec;
    return codec;
}

}  // namespace pictavo
