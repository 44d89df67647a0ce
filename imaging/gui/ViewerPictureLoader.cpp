#include "imaging/gui/ViewerPictureLoader.h"

#include "imaging/RasterImage.h"

#include <cstring>

namespace pictavo {

namespace {

// Icons are drawn over white through their transparency; other images show
// the colour stored under transparent pixels, as a flattened copy does.
void blendAlphaOnWhite(const RasterImage& source, RasterImage& rgb) {
    for (int y = 0; y < rgb.height(); ++y) {
        std::uint8_t* row = rgb.rowFromTop(y);
        const std::uint8_t* alpha = source.alphaRow(y);
        for (int x = 0; x < rgb.width(); ++x) {
            for (int c = 0; c < 3; ++c) {
                std::uint8_t& value = row[3 * x + c];
                value = static_cast<std::uint8_t>((value * alpha[x] + 255 * (255 - alpha[x])) / 255);
            }
        }
    }
}

QImage toQImage(const RasterImage& rgb) {
    QImage image(rgb.width(), rgb.height(), QImage::Format_BGR888);
    if (image.isNull()) return image;
    const std::size_t rowBytes = static_cast<std::size_t>(rgb.width()) * 3;
    for (int y = 0; y < rgb.height(); ++y) std::memcpy(image.scanLine(y), rgb.rowFromTop(y), rowBytes);
    return image;
}

}  // namespace

std::optional<QImage> loadViewerPicture(const QString& path) {
    RasterImage image;
    const int type = imageTypeFromPath(path);
    if (!image.load(path, type > 0 ? type : kImageUnknown)) return std::nullopt;
    image.orientUpright();
    RasterImage rgb = FlattenToRgb(image);
    if (!rgb.isValid()) return std::nullopt;
    if (image.type() == kImageIco && image.hasAlpha()) blendAlphaOnWhite(image, rgb);
    QImage picture = toQImage(rgb);
    if (picture.isNull()) return std::nullopt;
    return picture;
}

}  // namespace pictavo
