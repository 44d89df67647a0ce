#include "imaging/QtImageBridge.h"

#include <cstring>

namespace pictavo {

QImage toQImage(const RasterImage& image) {
    if (!image.isValid())
        return {};
    const int width = image.width();
    const int height = image.height();
    const int transparent = image.transparentIndex();
    const bool alpha = image.hasAlpha() || (image.bitsPerPixel() <= 8 && transparent >= 0);
    if (image.bitsPerPixel() == 24 && !alpha) {
        QImage result(width, height, QImage::Format_BGR888);
        if (result.isNull())
            return {};
        for (int y = 0; y < height; ++y)
            std::memcpy(result.scanLine(y), image.rowFromTop(y), std::size_t(width) * 3);
        return result;
    }
    QImage result(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (result.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        auto* to = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const Rgb c = image.pixelColor(x, y);
            int a = 255;
            if (image.hasAlpha()) {
                a = image.alphaRow(y)[x];
            } else if (alpha && image.pixelIndex(x, y) == transparent) {
                a = 0;
            }
            to[x] = qRgba(c.red, c.green, c.blue, a);
        }
    }
    return result;
}

RasterImage fromQImage(const QImage& image) {
    RasterImage result;
    if (image.isNull() || !result.create(image.width(), image.height(), 24))
        return result;
    if (!image.hasAlphaChannel()) {
        const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
        for (int y = 0; y < bgr.height(); ++y)
            std::memcpy(result.rowFromTop(y), bgr.constScanLine(y), std::size_t(bgr.width()) * 3);
        return result;
    }
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    result.createAlpha();
    for (int y = 0; y < argb.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        std::uint8_t* alpha = result.alphaRow(y);
        for (int x = 0; x < argb.width(); ++x) {
            result.setPixelColor(x, y,
                                 {std::uint8_t(qRed(from[x])), std::uint8_t(qGreen(from[x])),
                                  std::uint8_t(qBlue(from[x]))});
            alpha[x] = std::uint8_t(qAlpha(from[x]));
        }
    }
    return result;
}

}  // namespace pictavo
