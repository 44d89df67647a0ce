#pragma once
// What the property area's preview shows for a path, and the picture
// decoded for it. Only files that can be decoded from memory in reasonable
// time are read: an empty path, a web link, a path that is not a file and
// a file of 5 MiB or more show their icon without being opened. Everything
// else is decoded through the image layer (raster formats by their checked
// codecs, icons and metafiles drawn by the picture layer); a file that
// cannot be decoded shows its icon too. Nothing is written to disk.
//
// Threading: decodePreview runs on any thread; it touches no widgets.

#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>

namespace pictavo {

// True when the preview of path is its icon without trying to decode it.
bool previewShowsIconOnly(const QString& path);

struct DecodedPreview {
    QImage image;       // null: show the icon
    QSize naturalSize;  // the picture's size, upright, before any scaling
};

// The picture of path decoded at about the size it takes in area (see
// PreviewPlacement.h). stop, when given, ends a long decode early.
DecodedPreview decodePreview(const QString& path, QSize area,
                             const std::atomic<bool>* stop = nullptr);

}  // namespace pictavo
