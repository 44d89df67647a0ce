// Fuzz target of the PNG codec: decode, re-encode, and compare.
#include "CodecRoundTrip.h"
#include "imaging/codecs/Codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return pictavo::fuzz::roundTrip(pictavo::pngCodec(), data, size,
                                    pictavo::fuzz::Transparency::Kept);
}
