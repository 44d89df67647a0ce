#include "imaging/gui/ImageViewerWindow.h"

#include "imaging/gui/ViewerImageArea.h"
#include "imaging/gui/ViewerPictureLoader.h"

#include <QAction>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>

namespace pictavo {

namespace {

constexpr int kSlideShowIntervalMs = 1000;
constexpr int kButtonSize = 32;

// A toolbar icon drawn from a short text, for commands without a standard
// icon of the style.
QIcon glyphIcon(const QString& glyph) {
    QPixmap pixmap(kButtonSize, kButtonSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(glyph.size() > 2 ? 11 : 20);
    painter.setFont(font);
    painter.setPen(QColor(30, 60, 120));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}

}  // namespace

ImageViewerWindow::ImageViewerWindow(QStringList paths, int startIndex, QWidget* parent)
    : QDialog(parent), paths_(std::move(paths)) {
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    buildToolBar();
    area_ = new ViewerImageArea(this);
    verticalBar_ = new QScrollBar(Qt::Vertical, this);
    horizontalBar_ = new QScrollBar(Qt::Horizontal, this);
    for (QScrollBar* bar : {verticalBar_, horizontalBar_}) {
        bar->setSingleStep(1);
        bar->setPageStep(10);
    }
    connect(horizontalBar_, &QScrollBar::valueChanged, this, [this](int value) {
        state_.setHorizontalPosition(value);
        area_->update();
    });
    connect(verticalBar_, &QScrollBar::valueChanged, this, [this](int value) {
        state_.setVerticalPosition(value);
        area_->update();
    });
    slideTimer_.setInterval(kSlideShowIntervalMs);
    connect(&slideTimer_, &QTimer::timeout, this,
            [this] { showImage(nextIndexWrapping(index_, static_cast<int>(paths_.size()))); });
    resize(800, 600);
    relayout();
    if (startIndex >= 0 && startIndex < paths_.size())
        showImage(startIndex);
}

ImageViewerWindow::~ImageViewerWindow() = default;

void ImageViewerWindow::buildToolBar() {
    toolBar_ = new QToolBar(this);
    toolBar_->setIconSize(QSize(kButtonSize, kButtonSize));
    QStyle* s = style();
    auto add = [this](const QIcon& icon, const QString& tip, void (ImageViewerWindow::*slot)()) {
        QAction* action = toolBar_->addAction(icon, tip);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(s->standardIcon(QStyle::SP_MediaPlay), tr("Slid show"),
        &ImageViewerWindow::toggleSlideShow);
    toolBar_->addSeparator();
    add(s->standardIcon(QStyle::SP_MediaSkipBackward), tr("First"), &ImageViewerWindow::showFirst);
    add(s->standardIcon(QStyle::SP_ArrowLeft), tr("Previous"), &ImageViewerWindow::showPrevious);
    add(s->standardIcon(QStyle::SP_ArrowRight), tr("Next"), &ImageViewerWindow::showNext);
    add(s->standardIcon(QStyle::SP_MediaSkipForward), tr("Last"), &ImageViewerWindow::showLast);
    toolBar_->addSeparator();
    add(glyphIcon(QStringLiteral("\u2212")), tr("Zoom Out"), &ImageViewerWindow::zoomOut);
    add(glyphIcon(QStringLiteral("+")), tr("Zoom In"), &ImageViewerWindow::zoomIn);
    originalAction_ =
        add(glyphIcon(QStringLiteral("1:1")), tr("100%"), &ImageViewerWindow::originalSize);
    add(glyphIcon(QStringLiteral("\u2194")), tr("Fit Width"), &ImageViewerWindow::fitWidth);
    add(glyphIcon(QStringLiteral("\u2195")), tr("Fit Height"), &ImageViewerWindow::fitHeight);
    add(glyphIcon(QStringLiteral("\u25a3")), tr("Fit Window"), &ImageViewerWindow::fitWindow);
    toolBar_->addSeparator();
    QAction* close =
        toolBar_->addAction(s->standardIcon(QStyle::SP_DialogCloseButton), tr("Close"));
    close->setToolTip(tr("Close"));
    connect(close, &QAction::triggered, this, &QDialog::reject);
    originalAction_->setEnabled(state_.originalSizeEnabled());
}

QRect ImageViewerWindow::imageArea() const {
    return area_->geometry();
}

void ImageViewerWindow::relayout() {
    toolBar_->setGeometry(0, 0, width(), toolBar_->sizeHint().height());
    const ViewerLayout layout = layoutViewer(size(), toolBar_->height());
    area_->setGeometry(layout.area);
    verticalBar_->setGeometry(layout.verticalBar);
    horizontalBar_->setGeometry(layout.horizontalBar);
    state_.setAreaSize(layout.area.size());
    afterZoomChange();
}

void ImageViewerWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    relayout();
}

void ImageViewerWindow::showImage(int index) {
    if (index < 0 || index >= paths_.size())
        return;
    index_ = index;
    path_ = paths_.at(index);
    if (std::optional<QImage> picture = loadViewerPicture(path_))
        picture_ = std::move(*picture);
    state_.setImageSize(picture_.size());
    afterZoomChange();
}

void ImageViewerWindow::showFirst() {
    showImage(firstIndex(static_cast<int>(paths_.size())));
}

void ImageViewerWindow::showLast() {
    showImage(lastIndex(static_cast<int>(paths_.size())));
}

void ImageViewerWindow::showNext() {
    showImage(nextIndex(index_, static_cast<int>(paths_.size())));
}

void ImageViewerWindow::showPrevious() {
    showImage(previousIndex(index_, static_cast<int>(paths_.size())));
}

void ImageViewerWindow::originalSize() {
    state_.originalSize();
    afterZoomChange();
}

void ImageViewerWindow::fitWidth() {
    state_.fitWidth();
    afterZoomChange();
}

void ImageViewerWindow::fitHeight() {
    state_.fitHeight();
    afterZoomChange();
}

void ImageViewerWindow::fitWindow() {
    state_.fitWindow();
    afterZoomChange();
}

void ImageViewerWindow::zoomIn() {
    if (state_.zoomIn())
        afterZoomChange();
}

void ImageViewerWindow::zoomOut() {
    if (state_.zoomOut())
        afterZoomChange();
}

void ImageViewerWindow::toggleSlideShow() {
    if (slideTimer_.isActive())
        slideTimer_.stop();
    else
        slideTimer_.start();
}

void ImageViewerWindow::afterZoomChange() {
    originalAction_->setEnabled(state_.originalSizeEnabled());
    syncScrollBars();
    updateTitle();
    area_->update();
}

void ImageViewerWindow::syncScrollBars() {
    const QSignalBlocker blockH(horizontalBar_);
    const QSignalBlocker blockV(verticalBar_);
    horizontalBar_->setRange(0, state_.horizontalRange());
    horizontalBar_->setValue(state_.horizontalPosition());
    verticalBar_->setRange(0, state_.verticalRange());
    verticalBar_->setValue(state_.verticalPosition());
}

void ImageViewerWindow::updateTitle() {
    setWindowTitle(QStringLiteral("%1 (%2%)").arg(path_).arg(state_.zoom()));
}

void ImageViewerWindow::keyPressEvent(QKeyEvent* event) {
    const int count = static_cast<int>(paths_.size());
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    switch (event->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_PageUp:
            showImage(previousIndexWrapping(index_, count));
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_PageDown:
            showImage(nextIndexWrapping(index_, count));
            return;
        case Qt::Key_Asterisk:
            if (keypad)
                return fitWindow();
            break;
        case Qt::Key_Plus:
            if (keypad)
                return zoomIn();
            break;
        case Qt::Key_Minus:
            if (keypad)
                return zoomOut();
            break;
        case Qt::Key_Slash:
            if (keypad)
                return originalSize();
            break;
        default:
            break;
    }
    QDialog::keyPressEvent(event);
}

void ImageViewerWindow::done(int result) {
    slideTimer_.stop();
    QDialog::done(result);
}

}  // namespace pictavo
