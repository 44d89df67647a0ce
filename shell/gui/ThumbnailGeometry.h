#pragma once
// The arithmetic of the 80 x 80 thumbnail tiles of the lists: which files
// get a picture thumbnail at all, and where an image of a given size is
// drawn in its tile. Pure functions, usable on any thread.

#include <QPoint>
#include <QSize>
#include <QtGlobal>

namespace pictavo {

constexpr int kThumbnailTileSide = 80;
// Files of this many bytes or more get their icon, never a thumbnail.
constexpr qint64 kThumbnailMaxFileBytes = 5'242'880;

// Where an image is drawn in its square tile.
struct TilePlacement {
    QSize size;           // drawn size; empty for an empty image
    QPoint offset;        // top-left corner in the tile, centred
    bool scaled = false;  // the image must be resampled to size
};

// An image smaller than the tile in both directions keeps its size;
// otherwise its longer side becomes the tile side and the other side
// shrinks in proportion (truncated, at least 1). The result is centred.
TilePlacement thumbnailPlacement(QSize image, int tileSide = kThumbnailTileSide);

inline bool fileSizeAllowsThumbnail(qint64 bytes) {
    return bytes >= 0 && bytes < kThumbnailMaxFileBytes;
}

}  // namespace pictavo
