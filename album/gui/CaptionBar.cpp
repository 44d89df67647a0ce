#include "album/gui/CaptionBar.h"

#include <QLinearGradient>
#include <QPainter>

namespace pictavo {

namespace {

const QColor kDarkEnd(15, 40, 110);
const QColor kLightEnd(165, 200, 250);
constexpr int kTextIndent = 4;

}  // namespace

CaptionBar::CaptionBar(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    setFixedHeight(kHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CaptionBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QLinearGradient gradient(rect().topLeft(), rect().topRight());
    gradient.setColorAt(0, kDarkEnd);
    gradient.setColorAt(1, kLightEnd);
    painter.fillRect(rect(), gradient);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(rect().adjusted(kTextIndent, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     text_);
}

}  // namespace pictavo
