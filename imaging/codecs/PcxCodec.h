#pragma once
// The PCX codec: adapts ZSoft PCX images (PcxFormat.h) to RasterImage.
// Reads 1-bit, 4-bit (planar EGA or packed), 8-bit with the 256-colour
// palette at the end and 24-bit (three planes; a fourth plane is alpha),
// byte runs or raw; writes 8-bit images with a 256-colour palette (1- and
// 4-bit images widened) and 24-bit images in three planes, with byte runs.
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
