#pragma once
// The GIF codec: adapts the first image of a GIF (GifFormat.h) to a palette
// RasterImage of the logical screen's size, and writes single-image GIF89a
// files. 24-bit images are quantised (exactly when they hold at most 256
// colours, otherwise to a fixed 6x7x6 colour cube). Stateless; the one
// instance returned by gifCodec() serves every thread.

#include "imaging/codecs/Codec.h"

namespace pictavo {

class GifCodec final : public Codec {
public:
    int type() const override { return kImageGif; }
    const char* name() const override { return "GIF"; }
    bool sniff(ByteView data) const override;
    Result<ImageHeader> readHeader(ByteView data) const override;
    Status decode(ByteView data, RasterImage& image, const DecodeOptions& options) const override;
    bool canEncode() const override { return true; }
    Status encode(const RasterImage& image, std::vector<std::uint8_t>& out) const override;
};

}  // namespace pictavo
