#include "imaging/picture/ImageConversion.h"

namespace pictavo {

QImage qImageFromRaster(const RasterImage& image) {
    if (!image.isValid())
        return {};
    QImage result(image.width(), image.height(),
                  image.hasAlpha() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (result.isNull())
        return {};
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        const std::uint8_t* alpha = image.hasAlpha() ? image.alphaRow(y) : nullptr;
        for (int x = 0; x < image.width(); ++x) {
            const Rgb colour = image.pixelColor(x, y);
            line[x] = qRgba(colour.red, colour.green, colour.blue, alpha ? alpha[x] : 255);
        }
    }
    return result;
}

bool rasterFromQImage(const QImage& source, RasterImage& image) {
    const QImage rgb = source.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull() || !image.create(rgb.width(), rgb.height(), 24))
        return false;
    for (int y = 0; y < rgb.height(); ++y) {
        const std::uint8_t* in = rgb.constScanLine(y);
        std::uint8_t* out = image.rowFromTop(y);
        for (int x = 0; x < rgb.width(); ++x) {
            out[3 * x] = in[3 * x + 2];
            out[3 * x + 1] = in[3 * x + 1];
            out[3 * x + 2] = in[3 * x];
        }
    }
    return true;
}

}  // namespace pictavo
