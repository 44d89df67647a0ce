#pragma once
// The body shared by the fuzz targets of the image layer's own codecs:
// decode the input; when it decodes, encode the image, decode the result and
// abort when the two images disagree. Every one of these codecs writes the
// depths it decodes without loss (after widening), so the colours must match
// pixel for pixel; codecs that keep transparency must keep it too. Images
// above kMaxRoundTripPixels are only decoded, to keep each run short.

#include "imaging/RasterImage.h"
#include "imaging/codecs/Codec.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace pictavo::fuzz {

enum class Transparency { Dropped, Kept };

constexpr std::int64_t kMaxRoundTripPixels = std::int64_t(1) << 22;

// Alpha of a pixel, counting a transparent palette index as alpha 0.
inline int effectiveAlpha(const RasterImage& image, int x, int y) {
    if (image.hasAlpha())
        return image.alphaRow(y)[x];
    const bool transparent = image.bitsPerPixel() <= 8 && image.transparentIndex() >= 0 &&
                             image.pixelIndex(x, y) == image.transparentIndex();
    return transparent ? 0 : 255;
}

inline bool samePixels(const RasterImage& a, const RasterImage& b, Transparency transparency) {
    if (a.width() != b.width() || a.height() != b.height())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (!(a.pixelColor(x, y) == b.pixelColor(x, y)))
                return false;
            if (transparency == Transparency::Kept &&
                effectiveAlpha(a, x, y) != effectiveAlpha(b, x, y))
                return false;
        }
    }
    return true;
}

inline int roundTrip(const Codec& codec, const std::uint8_t* data, std::size_t size,
                     Transparency transparency) {
    const ByteView input(data, size);
    codec.sniff(input);
    (void)codec.readHeader(input);
    RasterImage image;
    if (!codec.decode(input, image, {})) {
        if (image.isValid())
            std::abort();  // a failed decode leaves the image empty
        return 0;
    }
    if (std::int64_t(image.width()) * image.height() > kMaxRoundTripPixels)
        return 0;
    std::vector<std::uint8_t> encoded;
    if (!codec.encode(image, encoded))
        std::abort();
    RasterImage again;
    if (!codec.decode(encoded, again, {}))
        std::abort();
    if (!samePixels(image, again, transparency))
        std::abort();
    return 0;
}

}  // namespace pictavo::fuzz
