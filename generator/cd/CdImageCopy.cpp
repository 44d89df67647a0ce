#include "generator/cd/CdImageCopy.h"

#include "core/AtomicFile.h"
#include "core/PathUtil.h"
#include "generator/export/SourceImage.h"
#include "imaging/ImageType.h"
#include "imaging/RasterImage.h"
#include "imaging/file/ImageFile.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace pictavo {

namespace {

// A box with a side of 0 (or below, as a default-constructed QSize has)
// means no limit: the image is copied unchanged.
bool exportBoxActive(QSize box) {
    return box.width() > 0 && box.height() > 0;
}

}  // namespace

QSize cdImageSize(QSize image, QSize box) {
    if (!exportBoxActive(box))
        return {};
    if (image.width() <= box.width() && image.height() <= box.height())
        return {};
    const double scale = std::min(static_cast<double>(box.width()) / image.width(),
                                  static_cast<double>(box.height()) / image.height());
    return {std::max(1, static_cast<int>(image.width() * scale)),
            std::max(1, static_cast<int>(image.height() * scale))};
}

Result<QString> CopyCdImage(const QString& source, const QString& destinationBase, QSize box,
                            const std::atomic<bool>* cancel) {
    const QString destination = destinationBase + path::extension(source);
    auto copyUnchanged = [&]() -> Result<QString> {
        if (Status copied = copyFileAtomically(source, destination); !copied)
            return copied.error();
        return destination;
    };
    const int type = imageTypeFromPath(source);
    if (!exportBoxActive(box) || type <= 0 || type == kImageEmf)
        return copyUnchanged();

    SourceImage file(source);
    RasterImage image;
    if (!file.decodeUpright(image, QSize(), cancel))
        return copyUnchanged();
    const QSize target = cdImageSize(QSize(image.width(), image.height()), box);
    if (target.isEmpty())
        return copyUnchanged();
    if (!image.resample(target.width(), target.height(), 1))
        return Error(QStringLiteral("cannot shrink %1: %2").arg(source, image.lastError()));
    // A format the layer cannot write (a metafile) keeps the original file,
    // so the CD still shows the picture.
    std::vector<std::uint8_t> encoded;
    if (!encodeImage(image, encoded, type))
        return copyUnchanged();
    const QByteArray bytes(reinterpret_cast<const char*>(encoded.data()),
                           static_cast<qsizetype>(encoded.size()));
    if (Status written = writeFileAtomically(destination, bytes); !written)
        return written.error();
    return destination;
}

QString ZeroPaddedNumber(int number, int width, const QString& prefix) {
    return prefix + QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
}

}  // namespace pictavo
