#pragma once
// The JPEG-2000 family of the image layer, backed by OpenJPEG.
//
// Codes: 11 is a JP2 file (box structure, signature box first), 12 a raw
// J2K codestream (starting with the SOC and SIZ markers). Codes 13 to 15 are
// reserved members of the family; they decode and encode through the JP2
// codec. No file extension maps to any of them: they are reached by content
// detection.
//
// Decoding: one component becomes an 8-bit grey image, two a grey image with
// alpha, three an RGB image (sYCC converted to RGB), four RGB with alpha;
// samples of any precision are scaled to 8 bits and subsampled components
// are stretched. Encoding is lossless (reversible 5/3 wavelet) from 24-bit,
// grey-scale or palette images, with the alpha channel as a fourth (or
// second) component.
//
// Hostile input: the header is read first; the image size, times the number
// of components, must stay within kMaxImagePixels before anything is
// decoded; more than four components are refused; the decoder runs in
// strict mode, so a truncated codestream fails. Errors are collected through
// per-codec handlers.
//
// Stateless; the instances returned by jpeg2000Codec() and
// jpeg2000CodestreamCodec() serve every thread.

#include "imaging/codecs/Codec.h"

namespace pictavo {

class Jpeg2000Codec final : public Codec {
public:
    enum class Container { Jp2File, Codestream };
    explicit Jpeg2000Codec(Container container) : container_(container) {}

    int type() const override { return container_ == Container::Jp2File ? kImageJp2 : kImageJpc; }
    const char* name() const override { return container_ == Container::Jp2File ? "JP2" : "J2K"; }
    bool sniff(ByteView data) const override;
    Result<ImageHeader> readHeader(ByteView data) const override;
    Status decode(ByteView data, RasterImage& image, const DecodeOptions& options) const override;
    bool canEncode() const override { return true; }
    Status encode(const RasterImage& image, std::vector<std::uint8_t>& out) const override;

private:
    Container container_;
};

}  // namespace pictavo
