#pragma once
// The JPEG codec of the image layer, backed by libjpeg-turbo.
//
// Decoding writes straight into the image's rows (bottom-up, B, G, R), with
// grey-scale files as 8-bit grey images and CMYK files turned to RGB. The
// EXIF orientation is reported (RasterImage::exifOrientation and
// ImageHeader), never applied. With DecodeOptions minWidth and minHeight
// both positive the decoder picks the smallest DCT scale n/8 (1/8, 2/8, ...
// 8/8) whose output is at least that box on both axes, in stored
// orientation, and uses the fast integer IDCT for reduced scales. Files
// decoded at 1/8 go through a quicker decoder of their entropy data with
// the same result (JpegEighthScale.h) where it applies.
//
// Hostile input: libjpeg's fatal errors return through longjmp to the
// codec entry point, limits are checked from the header before anything is
// allocated, and data that ends before the last scan line fails ("JPEG:
// Premature end of JPEG file" or "JPEG: Corrupt JPEG data: premature end of
// data segment"). A sequential file that lacks only its end marker decodes.
//
// Encoding accepts 24-bit and grey-scale images, with libjpeg's default
// parameters and the image's quality applied with baseline tables.
//
// Stateless; the one instance returned by jpegCodec() serves every thread.

#include "imaging/codecs/Codec.h"

namespace pictavo {

class JpegCodec final : public Codec {
public:
    int type() const override { return kImageJpeg; }
    const char* name() const override { return "JPEG"; }
    bool sniff(ByteView data) const override;
    Result<ImageHeader> readHeader(ByteView data) const override;
    Status decode(ByteView data, RasterImage& image, const DecodeOptions& options) const override;
    bool canEncode() const override { return true; }
    Status encode(const RasterImage& image, std::vector<std::uint8_t>& out) const override;
};

}  // namespace pictavo
