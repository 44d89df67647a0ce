#pragma once
// Maps image types to codecs: the raster codecs of imaging/codecs and the
// Windows metafile codec, which plays the file with imaging/picture. The one
// place that knows every codec; stateless and thread-safe.

#include "imaging/codecs/Codec.h"

#include <vector>

namespace pictavo {

// The codec that handles type, or null.
const Codec* codecForType(int type);

// The decoders tried for type 0, in order: BMP, JPEG, ICO, GIF, PNG, TIFF,
// TGA, PCX, WBMP, WMF, JPEG-2000.
const std::vector<const Codec*>& detectionOrder();

// Whether type names a decodable format (1 to 15).
bool isDecodableType(int type);

}  // namespace pictavo
