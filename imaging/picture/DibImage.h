#pragma once
// Device-independent bitmaps embedded in metafile records, decoded with the
// BMP codec's parser. A packed DIB is a BITMAPINFO followed by its bits; an
// EMF record stores the two parts apart.

#include "imaging/ByteReader.h"

#include <QImage>

#include <cstdint>

namespace pictavo {

struct DibImage {
    QImage image;          // null when the DIB cannot be decoded
    bool bottomUp = true;  // the DIB's own row order (for source coordinates)
};

DibImage decodePackedDib(ByteView packed);
DibImage decodeSplitDib(ByteView info, ByteView bits);

// Size in bytes of the BITMAPINFO (header, masks and colour table) at the
// start of packed, or 0 when the header is malformed or overruns packed.
std::size_t dibInfoSize(ByteView packed);

}  // namespace pictavo
