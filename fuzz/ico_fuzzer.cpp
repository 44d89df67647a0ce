// Fuzz target of the ICO codec: decode, and re-encode and compare what decodes.
#include "CodecRoundTrip.h"
#include "imaging/codecs/Codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return pictavo::fuzz::roundTrip(pictavo::icoCodec(), data, size,
                                    pictavo::fuzz::Transparency::Kept);
}
