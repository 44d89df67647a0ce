#include "properties/gui/PreviewPlacement.h"

#include <QtGlobal>

#include <algorithm>

namespace pictavo {

namespace {

// Scaled by the larger of the two ratios picture / area, computed in whole
// numbers so that the cut to integers is exact.
QSize fittedSize(QSize picture, QSize area) {
    if (picture.width() <= area.width() && picture.height() <= area.height())
        return picture;
    const qint64 pw = picture.width();
    const qint64 ph = picture.height();
    const qint64 aw = area.width();
    const qint64 ah = area.height();
    if (pw * ah >= ph * aw)  // width ratio pw / aw is the larger
        return QSize(int(aw), int(std::max<qint64>(1, ph * aw / pw)));
    return QSize(int(std::max<qint64>(1, pw * ah / ph)), int(ah));
}

}  // namespace

QRect placePreview(QSize picture, const QRect& area, bool centreVertically) {
    if (picture.isEmpty() || area.isEmpty())
        return {};
    const QSize size = fittedSize(picture, area.size());
    const int x = area.left() + (area.width() - size.width()) / 2;
    const int y = centreVertically ? area.top() + (area.height() - size.height()) / 2 : area.top();
    return QRect(QPoint(x, y), size);
}

}  // namespace pictavo
