#pragma once
// Windows metafiles (WMF): header reading and playback onto a QPainter.
//
// A placeable file starts with a 22-byte header (key 0x9AC6CDD7) giving the
// bounding box in logical units and the units per inch; its natural size is
// the box at 96 dpi. A standard file has no such header; its natural size is
// the window extent set by its records (one logical unit per pixel).
//
// Every record size and count is checked against the bytes left; a record
// size below the record header ends playback. Pure functions; any thread
// (text needs a QGuiApplication and is skipped without one).

#include "core/Result.h"
#include "imaging/ByteReader.h"
#include "imaging/picture/DibImage.h"

#include <QPainter>
#include <QRect>
#include <QSize>

#include <cstddef>

namespace pictavo {

struct WmfHeader {
    bool placeable = false;
    QRect bounds;          // logical units: the frame the records draw in
    int unitsPerInch = 0;  // placeable files only
    QSize naturalSize;     // pixels
    int objectCount = 0;   // size of the object table
    std::size_t recordsOffset = 0;
};

// True when data starts like a placeable or standard metafile.
bool looksLikeWmf(ByteView data);

Result<WmfHeader> readWmfHeader(ByteView data);

// Plays the records, mapping header.bounds onto target.
// Bitmaps in the records are decoded by decodeDib.
void playWmf(ByteView data, const WmfHeader& header, QPainter& painter, const QRectF& target,
             DibDecoder decodeDib);

}  // namespace pictavo
