#include "CodecTestSupport.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace pictavo::test {

namespace {

std::string fixturePath(const std::string& name) {
    return std::string(PICTAVO_TEST_DATA) + "/codecs/" + name;
}

}  // namespace

Bytes fixture(const std::string& name) {
    std::ifstream in(fixturePath(name), std::ios::binary);
    if (!in)
        throw std::runtime_error("missing fixture " + name);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

Rgb Pam::colour(int x, int y) const {
    const std::size_t at = (std::size_t(y) * width + x) * 4;
    return {rgba[at], rgba[at + 1], rgba[at + 2]};
}

int Pam::alpha(int x, int y) const {
    return rgba[(std::size_t(y) * width + x) * 4 + 3];
}

Pam readPam(const std::string& name) {
    const Bytes bytes = fixture(name);
    const std::string text(bytes.begin(), bytes.end());
    const std::size_t end = text.find("ENDHDR\n");
    if (text.rfind("P7\n", 0) != 0 || end == std::string::npos)
        throw std::runtime_error("bad PAM " + name);
    std::istringstream header(text.substr(0, end));
    Pam pam;
    std::string key;
    int depth = 0;
    while (header >> key) {
        if (key == "WIDTH")
            header >> pam.width;
        if (key == "HEIGHT")
            header >> pam.height;
        if (key == "DEPTH")
            header >> depth;
    }
    if (depth != 4)
        throw std::runtime_error("PAM is not RGBA: " + name);
    pam.rgba.assign(bytes.begin() + std::ptrdiff_t(end + 7), bytes.end());
    if (pam.rgba.size() != std::size_t(pam.width) * pam.height * 4)
        throw std::runtime_error("short PAM " + name);
    return pam;
}

RasterImage paletteImage(int width, int height, int bitsPerPixel) {
    RasterImage image;
    image.create(width, height, bitsPerPixel);
    const int entries = 1 << bitsPerPixel;
    for (int i = 0; i < entries; ++i)
        image.setPaletteEntry(
            i, {std::uint8_t(i * 7 + 3), std::uint8_t(255 - i), std::uint8_t((i * 53) % 256), 0});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelIndex(x, y, std::uint8_t((x + 3 * y + x * y) % entries));
    return image;
}

RasterImage rgbImage(int width, int height) {
    RasterImage image;
    image.create(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelColor(
                x, y,
                {std::uint8_t(x * 17), std::uint8_t(y * 29), std::uint8_t((x * y * 7) % 256)});
    return image;
}

RasterImage greyImage(int width, int height) {
    RasterImage image;
    image.create(width, height, 8);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelIndex(x, y, std::uint8_t((x * 31 + y * 11) % 256));
    return image;
}

int effectiveAlpha(const RasterImage& image, int x, int y) {
    if (image.hasAlpha())
        return image.alphaRow(y)[x];
    const bool transparent = image.bitsPerPixel() <= 8 && image.transparentIndex() >= 0 &&
                             image.pixelIndex(x, y) == image.transparentIndex();
    return transparent ? 0 : 255;
}

Bytes bytes(const char* numbers) {
    Bytes out;
    for (char* end = nullptr;; numbers = end) {
        const unsigned long value = std::strtoul(numbers, &end, 0);
        if (end == numbers)
            return out;
        out.push_back(static_cast<std::uint8_t>(value));
    }
}

void appendLe(Bytes& out, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        out.push_back(std::uint8_t(value >> (8 * i)));
}

Bytes bitmap(int width, int height, int bits, int compression,
             const std::vector<std::uint32_t>& palette, const Bytes& pixels) {
    Bytes out = {'B', 'M'};
    const auto offset = std::uint32_t(14 + 40 + 4 * palette.size());
    appendLe(out, offset + std::uint32_t(pixels.size()), 4);
    appendLe(out, 0, 4);
    appendLe(out, offset, 4);
    for (std::uint32_t v : {40u, std::uint32_t(width), std::uint32_t(height)})
        appendLe(out, v, 4);
    appendLe(out, 1, 2);
    appendLe(out, std::uint32_t(bits), 2);
    for (std::uint32_t v : {std::uint32_t(compression), std::uint32_t(pixels.size()), 0u, 0u,
                            std::uint32_t(palette.size()), 0u})
        appendLe(out, v, 4);
    for (std::uint32_t entry : palette)
        appendLe(out, entry, 4);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

Bytes patchedLe(Bytes bytes, std::size_t offset, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
    return bytes;
}

}  // namespace pictavo::test
