#include "imaging/codecs/PcxCodec.h"

#include "imaging/codecs/Codecs.h"

namespace pictavo {

bool PcxCodec::sniff(ByteView) const {
    return false;
}

Result<ImageHeader> PcxCodec::readHeader(ByteView) const {
    return Error("PCX: not implemented yet");
}

Status PcxCodec::decode(ByteView, RasterImage&, const DecodeOptions&) const {
    return Error("PCX: not implemented yet");
}

Status PcxCodec::encode(const RasterImage&, std::vector<std::uint8_t>&) const {
    return Error("PCX: not implemented yet");
}

const Codec& pcxCodec() {
    static const PcxCodec codec;
    return codec;
}

}  // namespace pictavo
