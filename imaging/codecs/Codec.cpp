#include "imaging/codecs/Codec.h"

namespace pictavo {

Status Codec::encode(const RasterImage&, std::vector<std::uint8_t>&) const {
    return Error(QStringLiteral("Encode: Unknown format"));
}

}  // namespace pictavo
