#pragma once
// The image area of the viewer window: paints the visible part of the
// picture and scrolls it by mouse drag.

#include <QWidget>

namespace pictavo {

class ImageViewerWindow;

class ViewerImageArea : public QWidget {
public:
    explicit ViewerImageArea(ImageViewerWindow* viewer);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void endDrag();

    ImageViewerWindow* viewer_;
    bool dragging_ = false;
    QPoint lastPosition_;
};

}  // namespace pictavo
