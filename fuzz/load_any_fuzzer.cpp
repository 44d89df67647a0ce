// Fuzz target of content detection: the input goes through every decoder in
// detection order (type 0); what decodes is turned upright, flattened,
// shrunk to thumbnail size and encoded as JPEG and PNG, as the generator
// does with photographs. Images above kMaxRoundTripPixels (a few bytes of
// GIF may grow its screen to hundreds of millions of pixels, which is legal)
// are only decoded, to keep each run short.
#include "CodecRoundTrip.h"

#include "imaging/RasterImage.h"
#include "imaging/file/ImageFile.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pictavo;
    RasterImage image;
    if (!decodeImage(image, ByteView(data, size), kImageUnknown, {150, 150})) {
        if (image.isValid())
            std::abort();
        return 0;
    }
    if (image.type() == kImageUnknown)
        std::abort();
    if (std::int64_t(image.width()) * image.height() > fuzz::kMaxRoundTripPixels)
        return 0;
    image.orientUpright();
    RasterImage flat = FlattenToRgb(image);
    if (flat.width() != image.width() || flat.bitsPerPixel() != 24)
        std::abort();
    if (!flat.resample(std::min(flat.width(), 150), std::min(flat.height(), 150)))
        std::abort();
    std::vector<std::uint8_t> out;
    if (!encodeImage(flat, out, kImageJpeg) || !encodeImage(flat, out, kImagePng))
        std::abort();
    return 0;
}
