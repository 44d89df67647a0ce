#pragma once
// The size rules of the generator's image operations, as pure functions of
// the image's upright width and height and the box from the settings.

#include <QSize>

#include <cstdint>

namespace pictavo {

// Sources this large or larger get no thumbnail (the page uses the image).
constexpr std::int64_t kThumbnailSourceLimit = 10'240'000;
// Sources this large or larger are shown without width and height.
constexpr std::int64_t kDisplaySizeSourceLimit = 5'242'880;

// True when an image fits inside the thumbnail box and is used at its own
// size (copied, or re-saved as JPEG).
bool fitsThumbnailBox(QSize image, QSize box);

// The size of the thumbnail of a larger image: the longer side fills its box
// side, the other is scaled in floating point, truncated, at least 1; a
// square image fills the whole box.
QSize thumbnailSize(QSize image, QSize box);

// The size an image page shows an image at, (0, 0) for none: no limit when
// a box side is 0, the image's own size when it is smaller on both axes,
// otherwise scaled down to fit, truncated, at least 1.
QSize displaySizeFor(QSize image, QSize box);

// For a reduced-scale decode: the smallest decoded size that still yields a
// good thumbnail (twice the box on each axis, never more than the image).
QSize thumbnailDecodeMinimum(QSize image, QSize box);

}  // namespace pictavo
