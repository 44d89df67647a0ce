#pragma once
// The PNG codec of the image layer, backed by libpng.
//
// Decoding: palette files keep their palette (1, 4 and 8 bits; 2-bit files
// become 4-bit images); grey files become palette images with a grey
// palette (1, 4 or 8 bits) and grey + alpha an 8-bit grey image with an
// alpha channel; RGB and RGBA become 24-bit images, RGBA with an alpha
// channel. 16-bit samples are reduced to 8. A tRNS chunk becomes the
// transparent index when it marks exactly one palette entry (or one grey
// value) fully transparent, otherwise an alpha channel.
//
// Encoding: grey-scale images as 8-bit grey, other palette images as
// palette files (both with tRNS for the transparent index), 24-bit images
// as RGB, and any image with an alpha channel as RGBA.
//
// Hostile input: libpng's errors return through longjmp to the codec entry
// point; the user limits and kMaxImagePixels are checked from IHDR before
// the image is allocated; data that ends early fails ("PNG: data ends
// early").
//
// Stateless; the one instance returned by pngCodec() serves every thread.

#include "imaging/codecs/Codec.h"

namespace pictavo {

class PngCodec final : public Codec {
public:
    int type() const override { return kImagePng; }
    const char* name() const override { return "PNG"; }
    bool sniff(ByteView data) const override;
    Result<ImageHeader> readHeader(ByteView data) const override;
    Status decode(ByteView data, RasterImage& image, const DecodeOptions& options) const override;
    bool canEncode() const override { return true; }
    Status encode(const RasterImage& image, std::vector<std::uint8_t>& out) const override;
};

}  // namespace pictavo
