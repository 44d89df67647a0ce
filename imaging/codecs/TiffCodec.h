#pragma once
// The TIFF codec of the image layer, backed by libtiff, reading from and
// writing to memory (TIFFClientOpenExt).
//
// Decoding: strip-organised, top-down palette and grey files of 1, 4 or 8
// bits are read scan line by scan line into palette images, and 8-bit RGB
// (RGBA) files the same way into 24-bit images (with alpha); every other
// layout goes through libtiff's RGBA reader and becomes a 24-bit image,
// with an alpha channel when the file has an alpha sample (unassociated
// alpha is un-premultiplied again). Only the first directory is read.
//
// Encoding: 24-bit images as RGB (RGBA with an alpha channel), grey-scale
// images as 8-bit grey, other palette images as palette files; LZW
// compression, resolution in dots per inch.
//
// Hostile input: errors are reported through per-handle handlers (no global
// state), the image size is checked against the limits before allocation,
// and libtiff's single allocations are capped.
//
// Stateless; the one instance returned by tiffCodec() serves every thread.

#include "imaging/codecs/Codec.h"

namespace pictavo {

class TiffCodec final : public Codec {
public:
    int type() const override { return kImageTiff; }
    const char* name() const override { return "TIFF"; }
    bool sniff(ByteView data) const override;
    Result<ImageHeader> readHeader(ByteView data) const override;
    Status decode(ByteView data, RasterImage& image, const DecodeOptions& options) const override;
    bool canEncode() const override { return true; }
    Status encode(const RasterImage& image, std::vector<std::uint8_t>& out) const override;
};

}  // namespace pictavo
