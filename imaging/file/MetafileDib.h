#pragma once
// The DibDecoder the image layer hands the metafile players: the bitmaps
// inside WMF and EMF records are decoded by the BMP codec.
//
// Pure function; any thread.

#include "imaging/ByteReader.h"

#include <QImage>

namespace pictavo {

// A BITMAPINFO and its bits as an image (alpha kept); null when the BMP
// codec cannot read them.
QImage decodeMetafileDib(ByteView info, ByteView bits);

}  // namespace pictavo
