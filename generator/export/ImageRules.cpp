#include "generator/export/ImageRules.h"

#include <algorithm>

namespace pictavo {

namespace {

int scaledSide(int side, double scale) {
    return std::max(1, static_cast<int>(side * scale));
}

}  // namespace

bool fitsThumbnailBox(QSize image, QSize box) {
    return image.width() < box.width() && image.height() < box.height();
}

QSize thumbnailSize(QSize image, QSize box) {
    const int w = image.width();
    const int h = image.height();
    if (w > h)
        return {box.width(), scaledSide(h, double(box.width()) / w)};
    if (w < h)
        return {scaledSide(w, double(box.height()) / h), box.height()};
    return box;
}

QSize displaySizeFor(QSize image, QSize box) {
    if (box.width() == 0 || box.height() == 0)
        return {0, 0};
    if (image.width() <= 0 || image.height() <= 0)
        return {0, 0};
    if (image.width() < box.width() && image.height() < box.height())
        return image;
    const double scale =
        std::min(double(box.width()) / image.width(), double(box.height()) / image.height());
    return {scaledSide(image.width(), scale), scaledSide(image.height(), scale)};
}

QSize thumbnailDecodeMinimum(QSize image, QSize box) {
    return {std::min(image.width(), 2 * std::max(1, box.width())),
            std::min(image.height(), 2 * std::max(1, box.height()))};
}

}  // namespace pictavo
