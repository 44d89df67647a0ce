#pragma once
// The TGA codec: adapts Truevision TGA images (TgaFormat.h) to RasterImage.
// Reads colour-mapped, true-colour (15/16/24/32 bits) and grey images, raw
// or RLE, with either origin; writes RLE images: 8-bit grey, 8-bit colour
// mapped (1- and 4-bit images widened), 24-bit, and 32-bit when the image
// has alpha. Stateless; the one instance returned by tgaCodec() serves every
// thread.

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
