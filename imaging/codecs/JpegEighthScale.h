#pragma once
// A quick decoder of baseline JPEG files at 1/8 scale, the scale thumbnails
// of large photos are decoded at.
//
// At 1/8 scale almost every block yields one pixel from its DC coefficient,
// so the time goes into stepping over the AC coefficients in the entropy
// data. This decoder steps over each AC symbol with one table lookup on its
// code, without reading the coefficient's bits, and keeps the coefficients
// only of the blocks libjpeg-turbo would turn into 2 x 2 pixels (the chroma
// of 4:2:0 files). The pixels are those libjpeg-turbo writes at scale 1/8
// into B, G, R (or grey) rows, value for value: the same reduced inverse
// DCTs, the same replication of subsampled chroma, the same colour tables.
//
// It takes the decompressor after jpeg_read_header and
// jpeg_calc_output_dimensions at scale 1/8, reads only the header fields
// and the entropy data that follows the scan header, and leaves the
// decompressor untouched. It declines (returns false, the image possibly
// changed) whatever it does not decode exactly like libjpeg: progressive,
// arithmetic, 12-bit, CMYK, RGB or multi-scan files, unusual sampling, and
// any data that is not clean (a bad code, a missing or out-of-place restart
// marker, data that ends early, out-of-range values). The caller then
// decodes the file with libjpeg, which also handles damaged data its own way.

#include "imaging/RasterImage.h"

#include <cstdio>

#include <jpeglib.h>

namespace pictavo {

bool decodeEighthScale(const jpeg_decompress_struct& info, RasterImage& image);

}  // namespace pictavo
