#pragma once
// The WBMP codec of the image layer: adapts the WBMP format to RasterImage.
// Stateless; the one instance returned by wbmpCodec() serves every thread.

#include "imaging/codecs/Codec.h"

namespace pictavo {

class WbmpCodec final : public Codec {
public:
    int type() const override { return kImageWbmp; }
    const char* name() const override { return "WBMP"; }
    bool sniff(ByteView data) const override;
    Result<ImageHeader> readHeader(ByteView data) const override;
    Status decode(ByteView data, RasterImage& image, const DecodeOptions& options) const override;
    bool canEncode() const override { return true; }
    Status encode(const RasterImage& image, std::vector<std::uint8_t>& out) const override;
};

}  // namespace pictavo
