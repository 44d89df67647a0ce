#include "imaging/codecs/WmfCodec.h"

#include "imaging/codecs/Codecs.h"

namespace pictavo {

bool WmfCodec::sniff(ByteView) const {
    return false;
}

Result<ImageHeader> WmfCodec::readHeader(ByteView) const {
    return Error(QStringLiteral("WMF: not a metafile"));
}

Status WmfCodec::decode(ByteView, RasterImage&, const DecodeOptions&) const {
    return Error(QStringLiteral("WMF: not a metafile"));
}

Status WmfCodec::encode(const RasterImage&, std::vector<std::uint8_t>&) const {
    return Error(QStringLiteral("Save WMF not supported"));
}

const Codec& wmfCodec() {
    static const WmfCodec codec;
    return codec;
}

}  // namespace pictavo
