#pragma once
// Making one thumbnail tile from an image file, on the calling thread (the
// thumbnail loader's workers). Every format of the image layer is read
// through its checked codecs; icons and metafiles are drawn by the picture
// layer. A JPEG is decoded at the smallest DCT scale that still covers the
// tile. Files that cannot give a thumbnail (too big, unreadable, damaged,
// absurd dimensions) give a null image: the list shows the file's icon.

#include <QImage>
#include <QString>

#include <atomic>

namespace pictavo {

// Whether the name says the file is a picture worth decoding for a
// thumbnail; other files keep their icon without being read.
bool mayHaveThumbnail(const QString& path);

// The tile: kThumbnailTileSide square, white, with the picture drawn at
// its placement (ThumbnailGeometry.h); null when there is no thumbnail.
// stop, when given, is polled by long loops so that a closing loader does
// not wait for a whole decode.
QImage makeThumbnailTile(const QString& path, const std::atomic<bool>* stop = nullptr);

}  // namespace pictavo
