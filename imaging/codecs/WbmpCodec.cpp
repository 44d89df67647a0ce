#include "imaging/codecs/WbmpCodec.h"

#include "imaging/codecs/Codecs.h"

namespace pictavo {

bool WbmpCodec::sniff(ByteView) const {
    return false;
}

Result<ImageHeader> WbmpCodec::readHeader(ByteView) const {
    return Error("WBMP: not implemented yet");
}

Status WbmpCodec::decode(ByteView, RasterImage&, const DecodeOptions&) const {
    return Error("WBMP: not implemented yet");
}

Status WbmpCodec::encode(const RasterImage&, std::vector<std::uint8_t>&) const {
    return Error("WBMP: not implemented yet");
}

const Codec& wbmpCodec() {
    static const WbmpCodec codec;
    return codec;
}

}  // namespace pictavo
