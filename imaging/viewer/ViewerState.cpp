#include "imaging/viewer/ViewerState.h"

#include <algorithm>

namespace pictavo {

namespace {

constexpr int kMargin = 7;
constexpr int kBarReserve = 25;
constexpr int kBarWidth = 18;

}  // namespace

ViewerLayout layoutViewer(QSize client, int toolbarHeight) {
    const int left = kMargin;
    const int top = toolbarHeight + kMargin;
    const int right = std::max(kMargin, client.width() - kBarReserve);
    const int bottom = std::max(top, client.height() - kBarReserve);
    ViewerLayout layout;
    layout.area = QRect(QPoint(left, top), QSize(right - left, bottom - top));
    layout.verticalBar = QRect(right, top, kBarWidth, bottom - top);
    layout.horizontalBar = QRect(left, bottom, right - left, kBarWidth);
    return layout;
}

void ViewerState::setImageSize(QSize size) {
    image_ = size;
    recomputeRanges();
    applyModeZoom();
}

void ViewerState::setAreaSize(QSize size) {
    area_ = size;
    recomputeRanges();
    applyModeZoom();
}

void ViewerState::originalSize() {
    mode_ = ZoomMode::Original;
    originalEnabled_ = false;
    setZoom(100);
}

void ViewerState::fitWidth() {
    mode_ = ZoomMode::FitWidth;
    originalEnabled_ = true;
    applyModeZoom();
}

void ViewerState::fitHeight() {
    mode_ = ZoomMode::FitHeight;
    originalEnabled_ = true;
    applyModeZoom();
}

void ViewerState::fitWindow() {
    mode_ = ZoomMode::FitWindow;
    originalEnabled_ = true;
    applyModeZoom();
}

bool ViewerState::zoomIn() {
    const auto it = std::find_if(kZoomSteps.begin(), kZoomSteps.end(),
                                 [this](int step) { return step > zoom_; });
    if (it == kZoomSteps.end())
        return false;
    mode_ = ZoomMode::Step;
    originalEnabled_ = *it != 100;
    setZoom(*it);
    return true;
}

bool ViewerState::zoomOut() {
    const auto it = std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(),
                                 [this](int step) { return step < zoom_; });
    if (it == kZoomSteps.rend())
        return false;
    mode_ = ZoomMode::Step;
    originalEnabled_ = *it != 100;
    setZoom(*it);
    return true;
}

void ViewerState::applyModeZoom() {
    const int w = image_.width();
    const int h = image_.height();
    if (w <= 0 || h <= 0)
        return;
    const int aw = area_.width();
    const int ah = area_.height();
    switch (mode_) {
        case ZoomMode::FitWidth:
            setZoom(static_cast<int>(static_cast<long long>(aw) * 100 / w));
            break;
        case ZoomMode::FitHeight:
            setZoom(static_cast<int>(static_cast<long long>(ah) * 100 / h));
            break;
        case ZoomMode::FitWindow: {
            const double widthRatio = static_cast<double>(aw) / w;
            const float heightRatio = static_cast<float>(ah) / static_cast<float>(h);
            setZoom(static_cast<int>(std::min(widthRatio, static_cast<double>(heightRatio)) * 100));
            break;
        }
        case ZoomMode::Original:
        case ZoomMode::Step:
            break;
    }
}

void ViewerState::setZoom(int zoom) {
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    recomputeRanges();
}

void ViewerState::recomputeRanges() {
    const long long scaledWidth = static_cast<long long>(image_.width()) * zoom_ / 100;
    const long long scaledHeight = static_cast<long long>(image_.height()) * zoom_ / 100;
    hRange_ = static_cast<int>(std::max(0LL, scaledWidth - area_.width()));
    vRange_ = static_cast<int>(std::max(0LL, scaledHeight - area_.height()));
    hPos_ = 0;
    vPos_ = 0;
}

void ViewerState::setHorizontalPosition(int position) {
    hPos_ = std::clamp(position, 0, hRange_);
}

void ViewerState::setVerticalPosition(int position) {
    vPos_ = std::clamp(position, 0, vRange_);
}

ViewerState::PaintRects ViewerState::paintRects() const {
    const int scaledWidth = static_cast<int>(static_cast<long long>(image_.width()) * zoom_ / 100);
    const int scaledHeight =
        static_cast<int>(static_cast<long long>(image_.height()) * zoom_ / 100);
    const int targetWidth = std::min(scaledWidth, area_.width());
    const int targetHeight = std::min(scaledHeight, area_.height());
    const int left = scaledWidth < area_.width() ? (area_.width() - scaledWidth) / 2 : 0;
    const int top = scaledHeight < area_.height() ? (area_.height() - scaledHeight) / 2 : 0;
    PaintRects rects;
    rects.target = QRect(left, top, targetWidth, targetHeight);
    rects.source = QRect(static_cast<int>(static_cast<long long>(hPos_) * 100 / zoom_),
                         static_cast<int>(static_cast<long long>(vPos_) * 100 / zoom_),
                         static_cast<int>(static_cast<long long>(targetWidth) * 100 / zoom_),
                         static_cast<int>(static_cast<long long>(targetHeight) * 100 / zoom_));
    return rects;
}

int firstIndex(int count) {
    return count > 0 ? 0 : -1;
}

int lastIndex(int count) {
    return count > 0 ? count - 1 : -1;
}

int nextIndex(int current, int count) {
    return current + 1 < count ? current + 1 : -1;
}

int previousIndex(int current, int count) {
    return current - 1 >= 0 && current - 1 < count ? current - 1 : -1;
}

int nextIndexWrapping(int current, int count) {
    if (count <= 0)
        return -1;
    return current + 1 < count ? current + 1 : 0;
}

int previousIndexWrapping(int current, int count) {
    if (count <= 0)
        return -1;
    return current > 0 ? current - 1 : count - 1;
}

}  // namespace pictavo
