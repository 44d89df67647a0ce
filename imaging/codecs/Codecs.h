#pragma once
// Every codec of the image layer, one accessor each. Each codec lives in its
// own pair of files in this folder (BmpCodec.cpp, JpegCodec.cpp, ...); the
// registry (CodecRegistry.cpp) maps types to them and fixes the detection
// order.

#include "imaging/codecs/Codec.h"

namespace pictavo {

// Our own codecs.
const Codec& bmpCodec();
const Codec& gifCodec();
const Codec& icoCodec();
const Codec& tgaCodec();
const Codec& pcxCodec();
const Codec& wbmpCodec();
const Codec& wmfCodec();

// Library-backed codecs.
const Codec& jpegCodec();      // libjpeg-turbo
const Codec& pngCodec();       // libpng
const Codec& tiffCodec();      // libtiff
const Codec& jpeg2000Codec();  // OpenJPEG: JP2 files and J2K codestreams

}  // namespace pictavo
