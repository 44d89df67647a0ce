#pragma once
// WmfCodec: Windows metafiles (type 10) as a codec of the image layer. It
// lives above the codecs and the metafile player because it joins them:
// decoding plays the metafile onto a white bitmap of its natural size (see
// imaging/picture/WmfRenderer.h); encoding is not supported.
//
// Stateless; one instance serves every thread (the drawing needs a
// QGuiApplication only for text records).

#include "imaging/codecs/Codec.h"

namespace pictavo {

class WmfCodec final : public Codec {
public:
    int type() const override { return kImageWmf; }
    const char* name() const override { return "WMF"; }
    bool sniff(ByteView data) const override;
    Result<ImageHeader> readHeader(ByteView data) const override;
    Status decode(ByteView data, RasterImage& image, const DecodeOptions& options) const override;
    Status encode(const RasterImage& image, std::vector<std::uint8_t>& out) const override;
};

const Codec& wmfCodec();

}  // namespace pictavo
