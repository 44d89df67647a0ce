#pragma once
// The ICO codec: picks the best entry of an icon (largest, then deepest) and
// decodes it, DIB entries through the BMP reader with their AND mask turned
// into alpha, PNG entries through pngCodec(). Writes one entry: 24 bits with
// an AND mask, or 32 bits with alpha. Stateless; the one instance returned by
// icoCodec() serves every thread.

#include "imaging/codecs/Codec.h"

namespace pictavo {

class IcoCodec final : public Codec {
public:
    int type() const override { return kImageIco; }
    const char* name() const override { return "ICO"; }
    bool sniff(ByteView data) const override;
    Result<ImageHeader> readHeader(ByteView data) const override;
    Status decode(ByteView data, RasterImage& image, const DecodeOptions& options) const override;
    bool canEncode() const override { return true; }
    Status encode(const RasterImage& image, std::vector<std::uint8_t>& out) const override;
};

}  // namespace pictavo
