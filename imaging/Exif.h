#pragma once
// Reading the orientation tag of a photograph's EXIF data.

#include "imaging/ByteReader.h"

namespace pictavo {

// The EXIF orientation (1 to 8) held in the payload of a JPEG APP1 segment
// ("Exif\0\0" followed by a TIFF structure); 1 when the payload is not EXIF,
// holds no orientation tag, or is damaged. Every offset is bounds-checked.
int exifOrientationFromApp1(ByteView app1);

}  // namespace pictavo
