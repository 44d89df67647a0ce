#pragma once
// The contract of every codec, our own and the library-backed ones:
// sniff without consuming, read the header only, then decode the pixels;
// all from one ByteView of the whole file. Encoders append to a byte vector.
//
// Codecs are stateless and thread-safe: one instance serves every thread.

#include "core/Result.h"
#include "imaging/ByteReader.h"
#include "imaging/RasterImage.h"

#include <cstdint>
#include <vector>

namespace pictavo {

// Hints a decoder may use. A JPEG decoder may decode at a reduced DCT scale
// as long as the result stays at least minWidth x minHeight; it reduces only
// when both are positive. The box is in stored orientation: a caller that
// will turn the image upright by its EXIF orientation 5 to 8 swaps the two.
struct DecodeOptions {
    int minWidth = 0;
    int minHeight = 0;
};

struct ImageHeader {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int exifOrientation = 1;  // 1..8, JPEG only
};

class Codec {
public:
    virtual ~Codec() = default;

    virtual int type() const = 0;
    virtual const char* name() const = 0;  // "BMP", "JPEG", ...

    // Cheap structural test of the first bytes (or, for formats without a
    // magic number, of sizes that must agree); never decodes pixels.
    virtual bool sniff(ByteView data) const = 0;
    // Width, height and depth from the header alone.
    virtual Result<ImageHeader> readHeader(ByteView data) const = 0;
    // Decodes the first image of the file into image (type set by the
    // caller). On failure image is left empty.
    virtual Status decode(ByteView data, RasterImage& image,
                          const DecodeOptions& options) const = 0;

    virtual bool canEncode() const { return false; }
    virtual Status encode(const RasterImage& image, std::vector<std::uint8_t>& out) const;
};

}  // namespace pictavo
