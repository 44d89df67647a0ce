#pragma once
// SourceImage: read access to one source file for the image work: its size,
// its bytes (memory-mapped, read once), its header and its pixels. Decoding
// follows the image layer's load rule: the type named by the extension
// first, then detection from content.
//
// One object per job; used by one thread.

#include "imaging/RasterImage.h"
#include "imaging/codecs/Codec.h"

#include <QByteArray>
#include <QFile>
#include <QSize>
#include <QString>

#include <optional>

namespace pictavo {

class SourceImage {
public:
    explicit SourceImage(const QString& path);

    const QString& path() const { return path_; }
    bool exists() const { return exists_; }
    qint64 fileSize() const { return size_; }
    int typeFromExtension() const { return type_; }

    // The whole file; empty with an error text when it cannot be read.
    ByteView bytes();
    QByteArray bytesAsArray();  // no copy: refers to the mapping
    const QString& readError() const { return readError_; }

    // Width, height and EXIF orientation from the header alone.
    std::optional<ImageHeader> header();
    // The size of the image turned upright by its EXIF orientation.
    std::optional<QSize> uprightSize();

    // Decodes the pixels (upright); minimum is in upright axes, (0, 0) for
    // full size. False with image.lastError() set on failure.
    bool decodeUpright(RasterImage& image, QSize minimum, const std::atomic<bool>* escape);

private:
    bool map();

    QString path_;
    QFile file_;
    bool exists_ = false;
    qint64 size_ = 0;
    int type_ = -1;
    bool mapped_ = false;
    ByteView view_;
    QByteArray copy_;
    QString readError_;
    std::optional<ImageHeader> header_;
    bool headerRead_ = false;
};

// True for orientations that swap width and height (5 to 8).
inline bool orientationSwapsAxes(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

}  // namespace pictavo
