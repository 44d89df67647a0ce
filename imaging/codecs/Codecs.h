#pragma once
// Every raster codec of the image layer, one accessor each. Each codec lives
// in its own pair of files in this folder (BmpCodec.cpp, JpegCodec.cpp, ...).
// Codecs know neither files nor one another's types by number: the registry
// one layer up (imaging/file/CodecRegistry.h) maps types to them, adds the
// metafile codec and fixes the detection order.

#include "imaging/codecs/Codec.h"

namespace pictavo {

// Our own codecs.
const Codec& bmpCodec();
const Codec& gifCodec();
const Codec& icoCodec();
const Codec& tgaCodec();
const Codec& pcxCodec();
const Codec& wbmpCodec();

// Library-backed codecs.
const Codec& jpegCodec();  // libjpeg-turbo
const Codec& pngCodec();   // libpng
const Codec& tiffCodec();  // libtiff
// OpenJPEG. jpeg2000Codec() handles JP2 files (type 11, and the reserved
// family members 13 to 15); jpeg2000CodestreamCodec() raw J2K codestreams
// (type 12).
const Codec& jpeg2000Codec();
const Codec& jpeg2000CodestreamCodec();

}  // namespace pictavo
