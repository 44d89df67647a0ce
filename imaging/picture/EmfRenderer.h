#pragma once
// Enhanced metafiles (EMF): header reading and playback onto a QPainter.
//
// The header's frame (in 0.01 mm) gives the natural size at 96 dpi and is
// the rectangle mapped onto the drawing target; the bounds (device pixels)
// stand in when the frame is empty. Every record size, offset and count is
// checked against the record; a record size below 8 ends playback. Pure
// functions; any thread (text needs a QGuiApplication and is skipped
// without one).

#include "core/Result.h"
#include "imaging/ByteReader.h"
#include "imaging/picture/DibImage.h"

#include <QPainter>
#include <QRect>
#include <QSize>

namespace pictavo {

struct EmfHeader {
    QRect bounds;        // reference device pixels, inclusive
    QRect frame;         // 0.01 mm, inclusive
    QRectF deviceFrame;  // the frame in reference device pixels
    QSize naturalSize;   // pixels at 96 dpi
    int handleCount = 0;
};

bool looksLikeEmf(ByteView data);

Result<EmfHeader> readEmfHeader(ByteView data);

// Plays the records, mapping the header's frame onto target.
// Bitmaps in the records are decoded by decodeDib.
void playEmf(ByteView data, const EmfHeader& header, QPainter& painter, const QRectF& target,
             DibDecoder decodeDib);

}  // namespace pictavo
