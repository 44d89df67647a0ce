#include "imaging/gui/ViewerImageArea.h"

#include "imaging/gui/ImageViewerWindow.h"

#include <QMouseEvent>
#include <QPainter>

namespace pictavo {

ViewerImageArea::ViewerImageArea(ImageViewerWindow* viewer) : QWidget(viewer), viewer_(viewer) {
    setMouseTracking(false);
}

void ViewerImageArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (viewer_->picture_.isNull())
        return;
    const ViewerState::PaintRects rects = viewer_->state_.paintRects();
    if (rects.target.isEmpty() || rects.source.isEmpty())
        return;
    painter.drawImage(rects.target, viewer_->picture_, rects.source);
}

void ViewerImageArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    lastPosition_ = event->position().toPoint();
    setCursor(Qt::ClosedHandCursor);
}

void ViewerImageArea::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_)
        return;
    const QPoint position = event->position().toPoint();
    if (!rect().contains(position)) {
        endDrag();
        return;
    }
    ViewerState& state = viewer_->state_;
    state.setHorizontalPosition(state.horizontalPosition() + lastPosition_.x() - position.x());
    state.setVerticalPosition(state.verticalPosition() + lastPosition_.y() - position.y());
    lastPosition_ = position;
    viewer_->syncScrollBars();
    update();
}

void ViewerImageArea::mouseReleaseEvent(QMouseEvent*) {
    endDrag();
}

void ViewerImageArea::leaveEvent(QEvent*) {
    endDrag();
}

void ViewerImageArea::endDrag() {
    if (!dragging_)
        return;
    dragging_ = false;
    unsetCursor();
}

}  // namespace pictavo
