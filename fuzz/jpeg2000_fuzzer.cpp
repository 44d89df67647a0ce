// Fuzz target of the JPEG-2000 codecs: each input goes to the JP2 and the
// codestream codec; what decodes is re-encoded losslessly and compared.
#include "CodecRoundTrip.h"
#include "imaging/codecs/Codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pictavo;
    fuzz::roundTrip(jpeg2000Codec(), data, size, fuzz::Transparency::Kept);
    return fuzz::roundTrip(jpeg2000CodestreamCodec(), data, size, fuzz::Transparency::Kept);
}
