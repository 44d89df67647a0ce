// Flattening any image to 24-bit RGB. Palette images are expanded a row at
// a time through a table of the palette's stored colour bytes: a large
// palette image (a GIF whose screen grows to hundreds of millions of
// pixels) must not pay a per-pixel function call.
#include "imaging/RasterImage.h"

#include <array>
#include <cstring>

namespace pictavo {

namespace {

using StoredColour = std::array<std::uint8_t, 3>;  // blue, green, red

// The stored bytes of every index; indexes beyond the palette are black.
std::array<StoredColour, 256> paletteTable(const RasterImage& image) {
    std::array<StoredColour, 256> table{};
    const std::vector<PaletteEntry>& palette = image.palette();
    for (std::size_t i = 0; i < palette.size() && i < table.size(); ++i)
        table[i] = {palette[i].blue, palette[i].green, palette[i].red};
    return table;
}

}  // namespace

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
    const std::array<StoredColour, 256> table = paletteTable(image);
    for (int row = 0; row < image.height(); ++row) {
        const std::uint8_t* source = image.storageRow(row);
        std::uint8_t* target = result.storageRow(row);
        for (int x = 0; x < image.width(); ++x, target += 3)
            std::memcpy(target,
                        table[RasterImage::indexInRow(source, x, image.bitsPerPixel())].data(), 3);
    }
    return result;
}

}  // namespace pictavo
