#pragma once
// The TGA codec of the image layer: adapts the TGA format to RasterImage.
// Stateless; the one instance returned by tgaCodec() serves every thread.

#include "imaging/codecs/Codec.h"

namespace pictavo {

class TgaCodec final : public Codec {
public:
    int type() const override { return kImageTga; }
    const char* name() const override { return "TGA"; }
    bool sniff(ByteView data) const override;
    Result<ImageHeader> readHeader(ByteView data) const override;
    Status decode(ByteView data, RasterImage& image, const DecodeOptions& options) const override;
    bool canEncode() const override { return true; }
    Status encode(const RasterImage& image, std::vector<std::uint8_t>& out) const override;
};

}  // namespace pictavo
