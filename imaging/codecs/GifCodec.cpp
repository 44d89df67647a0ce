#include "imaging/codecs/GifCodec.h"

#include "imaging/codecs/CodecSupport.h"
#include "imaging/codecs/Codecs.h"
#include "imaging/codecs/GifFormat.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace pictavo {

namespace {

constexpr const char* kCodec = "GIF";
constexpr int kMaxGifSide = 65535;

struct Canvas {
    int width = 0;
    int height = 0;
};

// The logical screen, grown when the first image reaches beyond it.
Result<Canvas> canvasFor(const gif::FirstFrame& frame) {
    if (Status size = checkImageSize(kCodec, frame.width, frame.height); !size)
        return size.error();
    const std::int64_t width =
        std::max<std::int64_t>(frame.screenWidth, std::int64_t(frame.left) + frame.width);
    const std::int64_t height =
        std::max<std::int64_t>(frame.screenHeight, std::int64_t(frame.top) + frame.height);
    if (Status size = checkImageSize(kCodec, width, height); !size)
        return size.error();
    return Canvas{static_cast<int>(width), static_cast<int>(height)};
}

const std::vector<gif::Colour>& paletteOf(const gif::FirstFrame& frame) {
    return frame.localPalette.empty() ? frame.globalPalette : frame.localPalette;
}

void setPalette(const std::vector<gif::Colour>& palette, RasterImage& image) {
    if (palette.empty())
        return;  // no colour table: keep the grey ramp
    for (int i = 0; i < image.paletteSize(); ++i) {
        const gif::Colour colour =
            i < int(palette.size()) ? palette[std::size_t(i)] : gif::Colour{};
        image.setPaletteEntry(i, {colour.blue, colour.green, colour.red, 0});
    }
}

// Fills the image with one index: the top row pixel by pixel, the rest by
// copying it, so that a large screen costs little more than its memory.
void fillIndex(RasterImage& image, std::uint8_t index) {
    for (int x = 0; x < image.width(); ++x)
        image.setPixelIndex(x, 0, index);
    const std::uint8_t* top = image.rowFromTop(0);
    for (int y = 1; y < image.height(); ++y)
        std::memcpy(image.rowFromTop(y), top, std::size_t(image.rowSize()));
}

Status decodeFrame(const gif::FirstFrame& frame, RasterImage& image) {
    Result<Canvas> canvas = canvasFor(frame);
    if (!canvas)
        return canvas.error();
    const std::vector<gif::Colour>& palette = paletteOf(frame);
    const int paletteSize = palette.empty() ? 256 : static_cast<int>(palette.size());
    std::vector<std::uint8_t> pixels(std::size_t(frame.width) * std::size_t(frame.height));
    if (Status decoded = gif::lzwDecode(frame.lzwData, frame.minCodeSize, pixels); !decoded)
        return decoded;
    // Indexes beyond the colour table are clamped to its last entry.
    const auto lastIndex = static_cast<std::uint8_t>(paletteSize - 1);
    for (std::uint8_t& pixel : pixels)
        pixel = std::min(pixel, lastIndex);
    const int depth = depthForPaletteSize(paletteSize);
    if (Status created = createImage(kCodec, image, canvas->width, canvas->height, depth); !created)
        return created;
    setPalette(palette, image);
    const int transparent = frame.transparentIndex < paletteSize ? frame.transparentIndex : -1;
    const bool covers = canvas->width == frame.width && canvas->height == frame.height;
    if (!covers) {
        const int background = frame.backgroundIndex < paletteSize ? frame.backgroundIndex : 0;
        fillIndex(image, static_cast<std::uint8_t>(transparent >= 0 ? transparent : background));
    }
    const std::vector<int> rows = gif::rowOrder(frame.height, frame.interlaced);
    for (int stored = 0; stored < frame.height; ++stored) {
        const std::uint8_t* source = pixels.data() + std::size_t(stored) * frame.width;
        const int y = frame.top + rows[std::size_t(stored)];
        if (depth == 8) {
            std::memcpy(image.rowFromTop(y) + frame.left, source, std::size_t(frame.width));
            continue;
        }
        for (int x = 0; x < frame.width; ++x)
            image.setPixelIndex(frame.left + x, y, source[x]);
    }
    image.setTransparentIndex(transparent);
    return Status::success();
}

// --- encoding

struct Indexed {
    std::vector<gif::Colour> palette;
    std::vector<std::uint8_t> indexes;  // top-down
};

Indexed fromPaletteImage(const RasterImage& image) {
    Indexed indexed;
    for (int i = 0; i < (1 << image.bitsPerPixel()); ++i) {
        const PaletteEntry entry =
            i < image.paletteSize() ? image.palette()[std::size_t(i)] : PaletteEntry{};
        indexed.palette.push_back({entry.red, entry.green, entry.blue});
    }
    indexed.indexes.reserve(std::size_t(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            indexed.indexes.push_back(image.pixelIndex(x, y));
    return indexed;
}

std::uint32_t packed(Rgb colour) {
    return (std::uint32_t(colour.red) << 16) | (std::uint32_t(colour.green) << 8) | colour.blue;
}

// Exact palette when the image holds at most 256 colours.
bool quantiseExactly(const RasterImage& image, Indexed& indexed) {
    std::unordered_map<std::uint32_t, std::uint8_t> lookup;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb colour = image.pixelColor(x, y);
            auto [slot, added] = lookup.try_emplace(packed(colour), std::uint8_t(lookup.size()));
            if (added) {
                if (lookup.size() > 256)
                    return false;
                indexed.palette.push_back({colour.red, colour.green, colour.blue});
            }
            indexed.indexes.push_back(slot->second);
        }
    }
    return true;
}

// A fixed cube of 6 reds x 7 greens x 6 blues, nearest level per channel.
void quantiseToCube(const RasterImage& image, Indexed& indexed) {
    constexpr int kReds = 6, kGreens = 7, kBlues = 6;
    indexed.palette.clear();
    for (int r = 0; r < kReds; ++r)
        for (int g = 0; g < kGreens; ++g)
            for (int b = 0; b < kBlues; ++b)
                indexed.palette.push_back({std::uint8_t(r * 255 / (kReds - 1)),
                                           std::uint8_t(g * 255 / (kGreens - 1)),
                                           std::uint8_t(b * 255 / (kBlues - 1))});
    indexed.indexes.clear();
    const auto level = [](int value, int levels) { return (value * (levels - 1) + 127) / 255; };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = image.pixelColor(x, y);
            indexed.indexes.push_back(static_cast<std::uint8_t>(
                (level(c.red, kReds) * kGreens + level(c.green, kGreens)) * kBlues +
                level(c.blue, kBlues)));
        }
    }
}

Indexed quantise(const RasterImage& image) {
    Indexed indexed;
    if (!quantiseExactly(image, indexed))
        quantiseToCube(image, indexed);
    return indexed;
}

}  // namespace

bool GifCodec::sniff(ByteView data) const {
    return gif::hasSignature(data) && data.size() >= gif::kScreenHeaderSize;
}

Result<ImageHeader> GifCodec::readHeader(ByteView data) const {
    Result<gif::FirstFrame> frame = gif::parseFirstFrame(data);
    if (!frame)
        return frame.error();
    Result<Canvas> canvas = canvasFor(frame.value());
    if (!canvas)
        return canvas.error();
    const std::size_t paletteSize = paletteOf(frame.value()).size();
    return ImageHeader{canvas->width, canvas->height,
                       depthForPaletteSize(paletteSize == 0 ? 256 : int(paletteSize)), 1};
}

Status GifCodec::decode(ByteView data, RasterImage& image, const DecodeOptions&) const {
    return decodeOrClear(image, [&]() -> Status {
        Result<gif::FirstFrame> frame = gif::parseFirstFrame(data);
        if (!frame)
            return frame.error();
        return decodeFrame(frame.value(), image);
    });
}

Status GifCodec::encode(const RasterImage& image, std::vector<std::uint8_t>& out) const {
    if (!image.isValid())
        return codecError(kCodec, QStringLiteral("the image is empty"));
    if (image.width() > kMaxGifSide || image.height() > kMaxGifSide)
        return codecError(kCodec,
                          QStringLiteral("%1 x %2 is too large for a GIF (at most 65535 a side)")
                              .arg(image.width())
                              .arg(image.height()));
    const Indexed indexed = image.bitsPerPixel() <= 8 ? fromPaletteImage(image) : quantise(image);
    gif::ImageToWrite toWrite;
    toWrite.width = image.width();
    toWrite.height = image.height();
    toWrite.palette = indexed.palette;
    const int transparent = image.transparentIndex();
    toWrite.transparentIndex =
        image.bitsPerPixel() <= 8 && transparent >= 0 && transparent < int(indexed.palette.size())
            ? transparent
            : -1;
    toWrite.indexes = indexed.indexes;
    gif::writeFile(toWrite, out);
    return Status::success();
}

const Codec& gifCodec() {
    static const GifCodec codec;
    return codec;
}

}  // namespace pictavo
