#include "album/gui/TreeLineStyle.h"

#include <QPainter>
#include <QStyleOption>

namespace pictavo {

namespace {

// The lines of one branch cell: a horizontal stub to an item in this
// column, and a vertical line down to the next sibling (the full height
// while one follows, down to the item's middle for the last one).
void drawBranchLines(const QStyleOption& option, QPainter& painter) {
    const QRect& r = option.rect;
    const int midX = r.x() + r.width() / 2;
    const int midY = r.y() + r.height() / 2;
    painter.save();
    painter.setPen(QPen(option.palette.color(QPalette::Mid), 1, Qt::DotLine));
    if (option.state & QStyle::State_Item)
        painter.drawLine(midX, midY, r.right(), midY);
    if (option.state & QStyle::State_Sibling)
        painter.drawLine(midX, r.top(), midX, r.bottom());
    else if (option.state & QStyle::State_Item)
        painter.drawLine(midX, r.top(), midX, midY);
    painter.restore();
}

}  // namespace

void TreeLineStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (element == PE_IndicatorBranch && option && painter)
        drawBranchLines(*option, *painter);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

}  // namespace pictavo
