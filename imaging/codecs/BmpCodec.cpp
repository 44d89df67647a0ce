#include "imaging/codecs/BmpCodec.h"

#include "imaging/codecs/Codecs.h"

namespace pictavo {

bool BmpCodec::sniff(ByteView) const {
    return false;
}

Result<ImageHeader> BmpCodec::readHeader(ByteView) const {
    return Error("BMP: not implemented yet");
}

Status BmpCodec::decode(ByteView, RasterImage&, const DecodeOptions&) const {
    return Error("BMP: not implemented yet");
}

Status BmpCodec::encode(const RasterImage&, std::vector<std::uint8_t>&) const {
    return Error("BMP: not implemented yet");
}

const Codec& bmpCodec() {
    static const BmpCodec codec;
    return codec;
}

}  // namespace pictavo
