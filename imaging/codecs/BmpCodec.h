#pragma once
// The BMP codec: adapts bitmaps (bmp::DibInfo and the pixel layouts of
// BmpFormat.h) to RasterImage. Reads 1/4/8/16/24/32 bits, uncompressed,
// RLE4/RLE8 and bit fields, core and V4/V5 headers, both row orders; writes
// 1/4/8/24 bits with a BITMAPINFOHEADER as Windows does. Stateless; the one
// instance returned by bmpCodec() serves every thread.

#include "imaging/codecs/BmpFormat.h"
#include "imaging/codecs/Codec.h"

namespace pictavo {

class BmpCodec final : public Codec {
public:
    int type() const override { return kImageBmp; }
    const char* name() const override { return "BMP"; }
    bool sniff(ByteView data) const override;
    Result<ImageHeader> readHeader(ByteView data) const override;
    Status decode(ByteView data, RasterImage& image, const DecodeOptions& options) const override;
    bool canEncode() const override { return true; }
    Status encode(const RasterImage& image, std::vector<std::uint8_t>& out) const override;
};

// Decodes the palette and pixels of a parsed DIB (dib starts at its info
// header, pixelOffset counts from there) into image. Shared with the ICO
// codec, whose entries are DIBs. Palette indexes beyond the palette the
// file defines are clamped to its last entry.
Status decodeDibPixels(const bmp::DibInfo& info, ByteView dib, std::size_t pixelOffset,
                       RasterImage& image);

}  // namespace pictavo
