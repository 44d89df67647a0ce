#pragma once
// TreeLineStyle: the desktop's style with dotted lines joining the items of
// a tree view to their parents and siblings, which many styles leave out.
// The expand and collapse marks are the style's own, drawn over the lines.

#include <QProxyStyle>

namespace pictavo {

class TreeLineStyle : public QProxyStyle {
    Q_OBJECT
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace pictavo
