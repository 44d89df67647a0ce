#pragma once
// ViewerState: the arithmetic of the image viewer without any window: the
// image area inside the client area, the zoom and its modes, the scroll
// ranges and positions, the source and target rectangles of painting, and
// the navigation through the path list. The viewer window (imaging/gui)
// feeds it sizes and commands and paints what it says.
//
// Plain value object; used by the viewer's thread only.

#include <QRect>
#include <QSize>

#include <array>

namespace pictavo {

enum class ZoomMode : int {
    Original = 0,  // "Original size"
    Step = 1,      // a chosen zoom step
    FitWidth = 2,
    FitHeight = 3,
    FitWindow = 4,
};

inline constexpr std::array<int, 18> kZoomSteps = {5,   7,   10,  15,  20,  30,   50,   70,   100,
                                                   150, 200, 300, 500, 700, 1000, 2000, 3000, 5000};
inline constexpr int kMinZoom = 5;
inline constexpr int kMaxZoom = 5000;

// Where the image area and the two scroll bars stand in a client area of
// the given size below a toolbar of the given height.
struct ViewerLayout {
    QRect area;
    QRect verticalBar;
    QRect horizontalBar;
};
ViewerLayout layoutViewer(QSize client, int toolbarHeight);

class ViewerState {
public:
    // The picture's natural size; recomputes the ranges and, in the fit
    // modes, the zoom.
    void setImageSize(QSize size);
    // The image area's size; same recomputation.
    void setAreaSize(QSize size);

    void originalSize();
    void fitWidth();
    void fitHeight();
    void fitWindow();
    // Next / previous zoom step; false (nothing changes) at the end.
    bool zoomIn();
    bool zoomOut();

    int zoom() const { return zoom_; }
    ZoomMode mode() const { return mode_; }
    // The "100%" button: disabled after "Original size" and after a zoom
    // step that lands on 100, enabled after a fit.
    bool originalSizeEnabled() const { return originalEnabled_; }

    int horizontalRange() const { return hRange_; }
    int verticalRange() const { return vRange_; }
    int horizontalPosition() const { return hPos_; }
    int verticalPosition() const { return vPos_; }
    // Positions are clamped to 0..range.
    void setHorizontalPosition(int position);
    void setVerticalPosition(int position);

    // The part of the picture (source, in picture pixels) painted into the
    // target rectangle (relative to the image area's top-left corner).
    struct PaintRects {
        QRect source;
        QRect target;
    };
    PaintRects paintRects() const;

private:
    void applyModeZoom();
    void setZoom(int zoom);
    void recomputeRanges();

    QSize image_;
    QSize area_;
    int zoom_ = 100;
    ZoomMode mode_ = ZoomMode::Original;
    bool originalEnabled_ = false;
    int hRange_ = 0;
    int vRange_ = 0;
    int hPos_ = 0;
    int vPos_ = 0;
};

// Navigation through a list of count paths. The toolbar commands stop at
// the ends (returning -1 when there is nothing to show); the keys wrap.
int firstIndex(int count);
int lastIndex(int count);
int nextIndex(int current, int count);      // -1 past the end
int previousIndex(int current, int count);  // -1 before the start
int nextIndexWrapping(int current, int count);
int previousIndexWrapping(int current, int count);

}  // namespace pictavo
