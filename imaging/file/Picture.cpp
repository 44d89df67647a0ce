#include "imaging/file/Picture.h"

#include "imaging/QtImageBridge.h"
#include "imaging/RasterImage.h"
#include "imaging/codecs/Codecs.h"
#include "imaging/file/ImageFile.h"
#include "imaging/file/MetafileDib.h"
#include "imaging/picture/PictureLimits.h"

#include <QFile>

namespace pictavo {

namespace {

// Larger files are not read into memory.
constexpr qint64 kMaxPictureFileSize = qint64(512) << 20;

Result<QImage> decodeRaster(ByteView data) {
    RasterImage image;
    if (icoCodec().sniff(data)) {
        const Status status = icoCodec().decode(data, image, {});
        if (!status.ok())
            return status.error();
    } else if (!decodeImage(image, data, kImageUnknown)) {
        return Error(image.lastError());
    }
    QImage converted = toQImage(image);
    if (converted.isNull())
        return Error(QStringLiteral("Picture: out of memory"));
    return converted;
}

}  // namespace

Result<Picture> Picture::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    if (file.size() > kMaxPictureFileSize)
        return Error(QStringLiteral("%1: file too large for a picture").arg(path));
    const QByteArray content = file.readAll();
    std::vector<std::uint8_t> data(content.begin(), content.end());
    Result<Picture> picture = fromData(std::move(data));
    if (!picture)
        return picture.error().withContext(path);
    return picture;
}

Result<Picture> Picture::fromData(std::vector<std::uint8_t> data) {
    Picture picture;
    const ByteView view(data);
    if (looksLikeEmf(view)) {
        Result<EmfHeader> header = readEmfHeader(view);
        if (!header)
            return header.error();
        picture.kind_ = Kind::Emf;
        picture.emf_ = header.value();
        picture.naturalSize_ = header->naturalSize;
    } else if (looksLikeWmf(view)) {
        Result<WmfHeader> header = readWmfHeader(view);
        if (!header)
            return header.error();
        picture.kind_ = Kind::Wmf;
        picture.wmf_ = header.value();
        picture.naturalSize_ = header->naturalSize;
    } else {
        Result<QImage> raster = decodeRaster(view);
        if (!raster)
            return raster.error();
        picture.kind_ = Kind::Raster;
        picture.raster_ = raster.value();
        picture.naturalSize_ = picture.raster_.size();
        return picture;
    }
    picture.bytes_ = std::make_shared<const std::vector<std::uint8_t>>(std::move(data));
    return picture;
}

void Picture::draw(QPainter& painter, const QRect& target) const {
    switch (kind_) {
        case Kind::Raster:
            painter.drawImage(QRectF(target), raster_);
            break;
        case Kind::Wmf:
            playWmf(ByteView(*bytes_), wmf_, painter, QRectF(target), decodeMetafileDib);
            break;
        case Kind::Emf:
            playEmf(ByteView(*bytes_), emf_, painter, QRectF(target), decodeMetafileDib);
            break;
    }
}

QImage renderOnWhite(const Picture& picture) {
    if (!naturalSizeAllowed(picture.naturalSize()))
        return {};
    QImage image(picture.naturalSize(), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, image.rect());
    painter.end();
    return image;
}

bool RenderPictureFile(const QString& source, const QString& destination, int /*sourceType*/,
                       int destinationType) {
    // The picture is recognised by its content, as the platform loader does.
    const Result<Picture> picture = Picture::load(source);
    if (!picture)
        return false;
    const QImage rendered = renderOnWhite(picture.value());
    RasterImage image = fromQImage(rendered);
    return image.isValid() && saveImage(image, destination, destinationType);
}

}  // namespace pictavo
