#pragma once
// The WBMP codec: adapts type 0 wireless bitmaps (WbmpFormat.h) to a 1-bit
// RasterImage with a black (0) and white (1) palette. Any image can be
// written: a pixel becomes white when its brightness is at least 128.
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
