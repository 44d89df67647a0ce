#include "imaging/codecs/TgaCodec.h"

#include "imaging/codecs/Codecs.h"

namespace pictavo {

bool TgaCodec::sniff(ByteView) const {
    return false;
}

Result<ImageHeader> TgaCodec::readHeader(ByteView) const {
    return Error("TGA: not implemented yet");
}

Status TgaCodec::decode(ByteView, RasterImage&, const DecodeOptions&) const {
    return Error("TGA: not implemented yet");
}

Status TgaCodec::encode(const RasterImage&, std::vector<std::uint8_t>&) const {
    return Error("TGA: not implemented yet");
}

const Codec& tgaCodec() {
    static const TgaCodec codec;
    return codec;
}

}  // namespace pictavo
