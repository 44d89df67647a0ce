#pragma once
// Where the property area draws the preview of an item: the picture at its
// natural size when it fits the preview area, otherwise scaled down by one
// factor (the larger of the width and height ratios) so that it fits with
// its aspect ratio, sizes cut to whole pixels. The picture is centred
// horizontally; vertically it is centred only when asked (preview-only
// mode), otherwise it sits at the top of the area. Pure arithmetic.

#include <QRect>
#include <QSize>

namespace pictavo {

// The side of the box an item's icon is shown in, in place of a picture.
constexpr int kPreviewIconSide = 32;

// An empty picture or area gives an empty rectangle. A scaled side never
// drops below one pixel.
QRect placePreview(QSize picture, const QRect& area, bool centreVertically);

}  // namespace pictavo
