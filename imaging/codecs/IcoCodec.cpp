#include "imaging/codecs/IcoCodec.h"

#include "imaging/codecs/Codecs.h"

namespace pictavo {

bool IcoCodec::sniff(ByteView) const {
    return false;
}

Result<ImageHeader> IcoCodec::readHeader(ByteView) const {
    return Error("ICO: not implemented yet");
}

Status IcoCodec::decode(ByteView, RasterImage&, const DecodeOptions&) const {
    return Error("ICO: not implemented yet");
}

Status IcoCodec::encode(const RasterImage&, std::vector<std::uint8_t>&) const {
    return Error("ICO: not implemented yet");
}

const Codec& icoCodec() {
    static const IcoCodec codec;
    return codec;
}

}  // namespace pictavo
