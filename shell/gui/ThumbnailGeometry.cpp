#include "shell/gui/ThumbnailGeometry.h"

#include <algorithm>

namespace pictavo {

TilePlacement thumbnailPlacement(QSize image, int tileSide) {
    const qint64 width = image.width();
    const qint64 height = image.height();
    if (width <= 0 || height <= 0 || tileSide <= 0)
        return {};
    qint64 drawnWidth = width;
    qint64 drawnHeight = height;
    if (width >= tileSide || height >= tileSide) {
        // Integer arithmetic: short * side / long truncates exactly where a
        // floating-point quotient could land just below a whole number.
        if (width >= height) {
            drawnWidth = tileSide;
            drawnHeight = std::max<qint64>(1, height * tileSide / width);
        } else {
            drawnHeight = tileSide;
            drawnWidth = std::max<qint64>(1, width * tileSide / height);
        }
    }
    TilePlacement placement;
    placement.size = QSize(int(drawnWidth), int(drawnHeight));
    placement.offset = QPoint(int((tileSide - drawnWidth) / 2), int((tileSide - drawnHeight) / 2));
    placement.scaled = drawnWidth < width || drawnHeight < height;
    return placement;
}

}  // namespace pictavo
