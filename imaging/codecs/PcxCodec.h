#pragma once
// The PCX codec of the image layer: adapts the PCX format to RasterImage.
// Stateless; the one instance returned by pcxCodec() serves every thread.

#include "imaging/codecs/Codec.h"

namespace pictavo {

class PcxCodec final : public Codec {
public:
    int type() const override { return kImagePcx; }
    const char* name() const override { return "PCX"; }
    bool sniff(ByteView data) const override;
    Result<ImageHeader> readHeader(ByteView data) const override;
    Status decode(ByteView data, RasterImage& image, const DecodeOptions& options) const override;
    bool canEncode() const override { return true; }
    Status encode(const RasterImage& image, std::vector<std::uint8_t>& out) const override;
};

}  // namespace pictavo
