// Fuzz target of the JPEG codec: header, full and reduced-scale decode, and
// re-encoding of what decodes (JPEG is lossy, so nothing is compared). The
// quick 1/8-scale decoder must give libjpeg's pixels whenever it decodes.
#include "JpegEighthCheck.h"
#include "imaging/RasterImage.h"
#include "imaging/codecs/Codecs.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pictavo;
    const ByteView input(data, size);
    if (fuzz::compareEighthScale(data, size) == fuzz::EighthScaleOutcome::Differs)
        std::abort();
    const Codec& codec = jpegCodec();
    const Result<ImageHeader> header = codec.readHeader(input);
    RasterImage image;
    if (!codec.decode(input, image, {})) {
        if (image.isValid())
            std::abort();
        return 0;
    }
    if (!header.ok() || header->width != image.width() || header->height != image.height())
        std::abort();
    RasterImage reduced;
    if (codec.decode(input, reduced, {16, 16}) &&
        (reduced.width() < std::min(16, image.width()) || reduced.width() > image.width()))
        std::abort();
    std::vector<std::uint8_t> encoded;
    if (!codec.encode(image, encoded))
        std::abort();
    return 0;
}
