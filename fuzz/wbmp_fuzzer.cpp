// Fuzz target of the WBMP codec: decode, and re-encode and compare what decodes.
#include "CodecRoundTrip.h"
#include "imaging/codecs/Codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return pictavo::fuzz::roundTrip(pictavo::wbmpCodec(), data, size,
                                    pictavo::fuzz::Transparency::Dropped);
}
