#include "properties/gui/PicturePreview.h"

#include "properties/gui/PreviewPicture.h"
#include "properties/gui/PreviewPlacement.h"
#include "shell/gui/FileIcons.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace pictavo {

namespace {

// The box of the normal mode, at the top left of the widget.
constexpr int kBoxMargin = 8;
constexpr int kBoxSide = 160;
constexpr int kPreviewOnlyMargin = 10;

}  // namespace

PicturePreview::PicturePreview(QWidget* parent) : QWidget(parent) {
    pool_.setMaxThreadCount(1);
}

PicturePreview::~PicturePreview() {
    stopping_ = true;
    pool_.clear();
    pool_.waitForDone();
}

QSize PicturePreview::sizeHint() const {
    return QSize(kBoxSide + 2 * kBoxMargin, kBoxSide + 2 * kBoxMargin);
}

QRect PicturePreview::area() const {
    if (previewOnly_)
        return rect().adjusted(kPreviewOnlyMargin, kPreviewOnlyMargin, -kPreviewOnlyMargin,
                               -kPreviewOnlyMargin);
    return QRect(kBoxMargin, kBoxMargin, kBoxSide, kBoxSide);
}

void PicturePreview::showPath(const QString& path, bool isFolder) {
    path_ = path;
    isFolder_ = isFolder;
    picture_ = QImage();
    icon_ = QPixmap();
    ++generation_;
    if (isFolder || previewShowsIconOnly(path))
        showIcon();
    else
        startDecoding();
    place();
}

void PicturePreview::clear() {
    path_.clear();
    picture_ = QImage();
    icon_ = QPixmap();
    ++generation_;
    place();
}

void PicturePreview::setPreviewOnly(bool previewOnly) {
    previewOnly_ = previewOnly;
    place();
}

void PicturePreview::showIcon() {
    icon_ = FileIconCache::instance().iconFor(path_, isFolder_, kPreviewIconSide);
}

void PicturePreview::startDecoding() {
    const int generation = generation_;
    const QString path = path_;
    const QSize size = area().size();
    pool_.clear();  // queued decodes of items no longer shown
    pool_.start([this, generation, path, size] {
        const DecodedPreview decoded = decodePreview(path, size, &stopping_);
        if (stopping_)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, generation, decoded] {
                pictureDecoded(generation, decoded.image, decoded.naturalSize);
            },
            Qt::QueuedConnection);
    });
}

void PicturePreview::pictureDecoded(int generation, const QImage& image, QSize naturalSize) {
    if (generation != generation_)
        return;  // another item is shown meanwhile
    picture_ = image;
    naturalSize_ = naturalSize;
    if (picture_.isNull())
        showIcon();
    place();
}

void PicturePreview::finishDecoding() {
    pool_.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void PicturePreview::place() {
    if (!picture_.isNull())
        pictureRect_ = placePreview(naturalSize_, area(), previewOnly_);
    else if (!icon_.isNull())
        pictureRect_ =
            placePreview(QSize(kPreviewIconSide, kPreviewIconSide), area(), previewOnly_);
    else
        pictureRect_ = QRect();
    update();
}

void PicturePreview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize before = pictureRect_.size();
    place();
    // A picture decoded for a smaller area is decoded again rather than
    // blown up.
    const bool grew =
        pictureRect_.width() > before.width() || pictureRect_.height() > before.height();
    if (!picture_.isNull() && grew &&
        (picture_.width() < pictureRect_.width() || picture_.height() < pictureRect_.height())) {
        ++generation_;
        startDecoding();
    }
}

void PicturePreview::paintEvent(QPaintEvent* /*event*/) {
    if (pictureRect_.isEmpty())
        return;
    QPainter painter(this);
    if (!picture_.isNull()) {
        painter.fillRect(pictureRect_, Qt::white);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(pictureRect_, picture_);
    } else if (!icon_.isNull()) {
        painter.drawPixmap(pictureRect_, icon_);
    }
}

void PicturePreview::mouseDoubleClickEvent(QMouseEvent* event) {
    if (pictureRect_.contains(event->position().toPoint()))
        emit doubleClickedOnPicture();
    else
        QWidget::mouseDoubleClickEvent(event);
}

}  // namespace pictavo
