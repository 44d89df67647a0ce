// Flattening any image to 24-bit RGB.
#include "imaging/RasterImage.h"

#include <cstring>

namespace pictavo {

RasterImage FlattenToRgb(const RasterImage& image) {
    RasterImage result;
    result.setType(image.type());
    result.setResolution(image.xPelsPerMeter(), image.yPelsPerMeter());
    result.setQuality(image.quality());
    if (!image.isValid())
        return result;
    if (!result.create(image.width(), image.height(), 24))
        return result;
    result.setExifOrientation(image.exifOrientation());
    if (image.bitsPerPixel() == 24) {
        std::memcpy(result.bits(), image.bits(), std::size_t(image.rowSize()) * image.height());
        return result;
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            result.setPixelColor(x, y, image.pixelColor(x, y));
    }
    return result;
}

}  // namespace pictavo
