#include "generator/export/SourceImage.h"

#include "imaging/ImageType.h"
#include "imaging/file/CodecRegistry.h"
#include "imaging/file/ImageFile.h"

#include <QFileInfo>

namespace pictavo {

SourceImage::SourceImage(const QString& path) : path_(path), file_(path) {
    const QFileInfo info(path);
    exists_ = info.isFile();
    size_ = exists_ ? info.size() : 0;
    type_ = imageTypeFromPath(path);
}

bool SourceImage::map() {
    if (mapped_)
        return !view_.empty();
    mapped_ = true;
    if (!exists_) {
        readError_ = QStringLiteral("file not found");
        return false;
    }
    if (!file_.open(QIODevice::ReadOnly)) {
        readError_ = file_.errorString();
        return false;
    }
    const qint64 size = file_.size();
    if (size <= 0) {
        readError_ = QStringLiteral("file is empty");
        return false;
    }
    if (const uchar* mapped = file_.map(0, size)) {
        view_ = ByteView(mapped, std::size_t(size));
    } else {
        copy_ = file_.readAll();
        if (copy_.size() != size) {
            readError_ = file_.errorString();
            return false;
        }
        view_ = ByteView(reinterpret_cast<const std::uint8_t*>(copy_.constData()),
                         std::size_t(copy_.size()));
    }
    return true;
}

ByteView SourceImage::bytes() {
    map();
    return view_;
}

QByteArray SourceImage::bytesAsArray() {
    const ByteView view = bytes();
    return QByteArray::fromRawData(reinterpret_cast<const char*>(view.data()),
                                   qsizetype(view.size()));
}

std::optional<ImageHeader> SourceImage::header() {
    if (headerRead_)
        return header_;
    headerRead_ = true;
    const ByteView data = bytes();
    if (data.empty())
        return std::nullopt;
    if (const Codec* codec = isDecodableType(type_) ? codecForType(type_) : nullptr) {
        if (Result<ImageHeader> h = codec->readHeader(data))
            return header_ = h.value();
    }
    for (const Codec* codec : detectionOrder()) {
        if (!codec->sniff(data))
            continue;
        if (Result<ImageHeader> h = codec->readHeader(data))
            return header_ = h.value();
    }
    return std::nullopt;
}

std::optional<QSize> SourceImage::uprightSize() {
    const std::optional<ImageHeader> h = header();
    if (!h || h->width <= 0 || h->height <= 0)
        return std::nullopt;
    if (orientationSwapsAxes(h->exifOrientation))
        return QSize(h->height, h->width);
    return QSize(h->width, h->height);
}

bool SourceImage::decodeUpright(RasterImage& image, QSize minimum,
                                const std::atomic<bool>* escape) {
    const ByteView data = bytes();
    if (data.empty()) {
        image.setLastError(readError_);
        return false;
    }
    DecodeOptions options;
    if (minimum.width() > 0 && minimum.height() > 0) {
        const std::optional<ImageHeader> h = header();
        const bool swap = h && orientationSwapsAxes(h->exifOrientation);
        options.minWidth = swap ? minimum.height() : minimum.width();
        options.minHeight = swap ? minimum.width() : minimum.height();
    }
    image.setEscapeFlag(escape);
    bool decoded = false;
    if (isDecodableType(type_))
        decoded = decodeImage(image, data, type_, options);
    if (!decoded) {
        const QString typedError = image.lastError();
        decoded = decodeImage(image, data, kImageUnknown, options);
        if (!decoded && isDecodableType(type_))
            image.setLastError(typedError);
    }
    if (!decoded)
        return false;
    image.orientUpright();
    return image.isValid();
}

}  // namespace pictavo
