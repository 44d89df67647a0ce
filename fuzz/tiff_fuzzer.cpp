// Fuzz target of the TIFF codec: decode, re-encode, and compare (TIFF keeps
// an alpha channel but no transparent index).
#include "CodecRoundTrip.h"
#include "imaging/codecs/Codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return pictavo::fuzz::roundTrip(pictavo::tiffCodec(), data, size,
                                    pictavo::fuzz::Transparency::Dropped);
}
