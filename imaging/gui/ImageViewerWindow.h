#pragma once
// ImageViewerWindow: shows one image of a list at a time with zoom, fit
// modes, scroll bars, keyboard and mouse-drag scrolling, navigation and a
// one-second slide show. The arithmetic lives in ViewerState; this class
// owns the widgets, loads the pictures and routes the commands.
//
// Owned by whoever opens it (modal through exec(), or shown by the
// stand-alone viewer program). GUI thread only.

#include "imaging/viewer/ViewerState.h"

#include <QDialog>
#include <QImage>
#include <QStringList>
#include <QTimer>

class QAction;
class QScrollBar;
class QToolBar;

namespace pictavo {

class ViewerImageArea;

class ImageViewerWindow : public QDialog {
    Q_OBJECT

public:
    ImageViewerWindow(QStringList paths, int startIndex, QWidget* parent = nullptr);
    ~ImageViewerWindow() override;

    int currentIndex() const { return index_; }
    QString currentPath() const { return path_; }
    const ViewerState& state() const { return state_; }
    QSize pictureSize() const { return picture_.size(); }
    bool isSlideShowRunning() const { return slideTimer_.isActive(); }
    QAction* originalSizeAction() const { return originalAction_; }
    QRect imageArea() const;

public slots:
    void showImage(int index);
    void showFirst();
    void showPrevious();
    void showNext();
    void showLast();
    void originalSize();
    void fitWidth();
    void fitHeight();
    void fitWindow();
    void zoomIn();
    void zoomOut();
    void toggleSlideShow();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    friend class ViewerImageArea;

    void buildToolBar();
    void relayout();
    void afterZoomChange();
    void syncScrollBars();
    void updateTitle();
    void dragTo(QPoint position);

    QStringList paths_;
    int index_ = -1;
    QString path_;
    QImage picture_;
    ViewerState state_;
    QTimer slideTimer_;

    QToolBar* toolBar_ = nullptr;
    QAction* originalAction_ = nullptr;
    ViewerImageArea* area_ = nullptr;
    QScrollBar* verticalBar_ = nullptr;
    QScrollBar* horizontalBar_ = nullptr;
};

}  // namespace pictavo
