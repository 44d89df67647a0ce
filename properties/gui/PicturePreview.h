#pragma once
// PicturePreview: the picture beside the property area's forms. It shows
// the preview of one path (PreviewPicture.h) placed by placePreview: in
// the normal mode inside a fixed box at the top of the pane, in
// preview-only mode in the whole widget less a 10-pixel margin, centred.
// Pictures are decoded on a worker thread of its own; the icon shows at
// once. A double-click inside the picture asks for the other mode.
//
// Ownership: a child widget of the property area. Its destructor stops the
// worker and waits for it. Threading: GUI thread; only decodePreview runs
// on the worker.

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QThreadPool>
#include <QWidget>

#include <atomic>

namespace pictavo {

class PicturePreview : public QWidget {
    Q_OBJECT
public:
    explicit PicturePreview(QWidget* parent = nullptr);
    ~PicturePreview() override;

    // The preview of path; a folder always shows the folder icon.
    void showPath(const QString& path, bool isFolder);
    void clear();
    void setPreviewOnly(bool previewOnly);
    bool isPreviewOnly() const { return previewOnly_; }

    // Where the picture or icon is drawn; empty while nothing is shown or a
    // decode is still running.
    QRect pictureRect() const { return pictureRect_; }
    bool showsDecodedPicture() const { return !picture_.isNull(); }
    // Waits for a running decode and shows its result (tests, shutdown).
    void finishDecoding();

    QSize sizeHint() const override;

signals:
    void doubleClickedOnPicture();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QRect area() const;
    void startDecoding();
    void pictureDecoded(int generation, const QImage& image, QSize naturalSize);
    void showIcon();
    void place();

    QString path_;
    bool isFolder_ = false;
    bool previewOnly_ = false;
    QImage picture_;
    QSize naturalSize_;
    QPixmap icon_;
    QRect pictureRect_;
    int generation_ = 0;
    std::atomic<bool> stopping_{false};
    QThreadPool pool_;  // last: destroyed (joined) first
};

}  // namespace pictavo
