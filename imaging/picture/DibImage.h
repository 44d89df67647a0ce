#pragma once
// Device-independent bitmaps embedded in metafile records. A packed DIB is
// a BITMAPINFO followed by its bits; an EMF record stores the two parts
// apart. The players find the parts and the row order; the pixels are
// decoded by the DibDecoder their caller hands them (the image layer passes
// its BMP codec), so this folder decodes no image format itself.

#include "imaging/ByteReader.h"

#include <QImage>

#include <cstdint>

namespace pictavo {

struct DibImage {
    QImage image;          // null when the DIB cannot be decoded
    bool bottomUp = true;  // the DIB's own row order (for source coordinates)
};

// Turns a BITMAPINFO and its bits into an image; a null image when it
// cannot. Must be safe to call from any thread.
using DibDecoder = QImage (*)(ByteView info, ByteView bits);

DibImage decodePackedDib(ByteView packed, DibDecoder decode);
DibImage decodeSplitDib(ByteView info, ByteView bits, DibDecoder decode);

// Size in bytes of the BITMAPINFO (header, masks and colour table) at the
// start of packed, or 0 when the header is malformed or overruns packed.
std::size_t dibInfoSize(ByteView packed);

}  // namespace pictavo
