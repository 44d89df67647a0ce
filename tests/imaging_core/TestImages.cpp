#include "TestImages.h"

#include <QFile>

#include <cstdlib>
#include <ostream>

namespace pictavo::test {

QString fixturePath(const char* name) {
    return QStringLiteral(PICTAVO_TEST_DATA "/imaging/core/") + QLatin1String(name);
}

std::vector<std::uint8_t> fixtureBytes(const char* name) {
    QFile file(fixturePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    return {data.begin(), data.end()};
}

RasterImage quadrants24() {
    RasterImage image;
    image.create(16, 12, 24);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool right = x >= 8;
            const bool bottom = y >= 6;
            image.setPixelColor(x, y, bottom ? (right ? kWhite : kBlue) : (right ? kLime : kRed));
        }
    }
    return image;
}

QuadrantColours quadrantColours(const RasterImage& image) {
    const int w = image.width();
    const int h = image.height();
    return {image.pixelColor(w / 4, h / 4), image.pixelColor(3 * w / 4, h / 4),
            image.pixelColor(w / 4, 3 * h / 4), image.pixelColor(3 * w / 4, 3 * h / 4)};
}

bool near(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
           std::abs(a.blue - b.blue) <= tolerance;
}

RasterImage patterned(int width, int height, int bitsPerPixel) {
    RasterImage image;
    image.create(width, height, bitsPerPixel);
    for (int i = 0; i < image.paletteSize(); ++i) {
        image.setPaletteEntry(
            i, {std::uint8_t(i * 7), std::uint8_t(255 - i), std::uint8_t(i * 3 + 1), 0});
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (bitsPerPixel == 24) {
                image.setPixelColor(
                    x, y, {std::uint8_t(x * 13 + y), std::uint8_t(y * 29), std::uint8_t(x ^ y)});
            } else {
                image.setPixelIndex(x, y, std::uint8_t((x + y * width) % image.paletteSize()));
            }
        }
    }
    return image;
}

bool samePixels(const RasterImage& a, const RasterImage& b) {
    if (a.width() != b.width() || a.height() != b.height())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (!(a.pixelColor(x, y) == b.pixelColor(x, y)))
                return false;
        }
    }
    return true;
}

}  // namespace pictavo::test

namespace pictavo {
void PrintTo(const Rgb& colour, std::ostream* out) {
    *out << "rgb(" << int(colour.red) << ", " << int(colour.green) << ", " << int(colour.blue)
         << ")";
}
}  // namespace pictavo
