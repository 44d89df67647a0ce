#pragma once
// Loading, saving and coding a RasterImage by image type: the load and save
// operations of the image layer. They sit above both the codecs and the
// metafile player, so RasterImage itself knows no format.
//
// Load: a type from 1 to 15 is tried first; when it fails (or for any other
// type) the decoders are tried in detection order. When both fail after a
// typed attempt, the typed attempt's error text stands. Decode with type 0
// tries the detection order; a typed decode runs only that decoder. Every
// failure leaves the image empty with its last error set.
//
// Save encodes in memory first, so a failed encode leaves an existing file
// untouched.
//
// Threading: any thread, one image per thread at a time.

#include "imaging/ByteReader.h"
#include "imaging/RasterImage.h"
#include "imaging/codecs/Codec.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace pictavo {

bool loadImage(RasterImage& image, const QString& path, int type,
               const DecodeOptions& options = {});
bool decodeImage(RasterImage& image, ByteView data, int type, const DecodeOptions& options = {});
bool saveImage(RasterImage& image, const QString& path, int type);
bool encodeImage(RasterImage& image, std::vector<std::uint8_t>& out, int type);

}  // namespace pictavo
