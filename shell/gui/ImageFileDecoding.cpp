#include "shell/gui/ImageFileDecoding.h"

#include "imaging/file/CodecRegistry.h"
#include "imaging/file/ImageFile.h"
#include "shell/gui/ThumbnailGeometry.h"

#include <QFile>

namespace pictavo {

namespace {

// The pixels a decode for a box of minimum (stored orientation) creates:
// libjpeg scales by n/8 and picks the smallest n that still covers it.
qint64 decodedPixels(const ProbedImage& probed, QSize minimum) {
    const qint64 width = probed.header.width;
    const qint64 height = probed.header.height;
    if (probed.codec->type() == kImageJpeg) {
        for (qint64 n = 1; n <= 8; ++n) {
            const qint64 scaledWidth = (width * n + 7) / 8;
            const qint64 scaledHeight = (height * n + 7) / 8;
            if (scaledWidth >= minimum.width() && scaledHeight >= minimum.height())
                return scaledWidth * scaledHeight;
        }
    }
    return width * height;
}

}  // namespace

std::optional<QByteArray> readFileForDisplay(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = file.size();
    if (size <= 0 || !fileSizeAllowsThumbnail(size))
        return std::nullopt;
    QByteArray bytes = file.read(size);
    if (bytes.size() != size)
        return std::nullopt;
    return bytes;
}

std::optional<ProbedImage> probeImage(ByteView data, int typeByName) {
    auto tryCodec = [&](const Codec* codec) -> std::optional<ProbedImage> {
        if (!codec || !codec->sniff(data))
            return std::nullopt;
        Result<ImageHeader> header = codec->readHeader(data);
        if (!header || header->width <= 0 || header->height <= 0)
            return std::nullopt;
        return ProbedImage{codec, header.value()};
    };
    if (typeByName > 0)
        if (std::optional<ProbedImage> found = tryCodec(codecForType(typeByName)))
            return found;
    for (const Codec* codec : detectionOrder())
        if (std::optional<ProbedImage> found = tryCodec(codec))
            return found;
    return std::nullopt;
}

std::optional<RasterImage> decodeUprightFor(ByteView data, const ProbedImage& probed,
                                            QSize drawSize, const std::atomic<bool>* stop) {
    const QSize minimum = probed.swapsAxes() ? drawSize.transposed() : drawSize;
    if (decodedPixels(probed, minimum) > kMaxDecodedPixels)
        return std::nullopt;
    RasterImage image;
    image.setEscapeFlag(stop);
    DecodeOptions options;
    options.minWidth = minimum.width();
    options.minHeight = minimum.height();
    if (!decodeImage(image, data, probed.codec->type(), options) || !image.isValid())
        return std::nullopt;
    if (stop && stop->load())
        return std::nullopt;
    image.orientUpright();
    return FlattenToRgb(image);
}

}  // namespace pictavo
