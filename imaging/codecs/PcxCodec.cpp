#include "imaging/codecs/PcxCodec.h"

#include "imaging/codecs/CodecSupport.h"
#include "imaging/codecs/Codecs.h"
#include "imaging/codecs/PcxFormat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace pictavo {

namespace {

constexpr const char* kCodec = "PCX";

// The standard EGA colours, for files whose header palette is left empty.
constexpr std::array<Rgb, 16> kEgaColours{{{0, 0, 0},
                                           {0, 0, 170},
                                           {0, 170, 0},
                                           {0, 170, 170},
                                           {170, 0, 0},
                                           {170, 0, 170},
                                           {170, 85, 0},
                                           {170, 170, 170},
                                           {85, 85, 85},
                                           {85, 85, 255},
                                           {85, 255, 85},
                                           {85, 255, 255},
                                           {255, 85, 85},
                                           {255, 85, 255},
                                           {255, 255, 85},
                                           {255, 255, 255}}};

int depthFor(const pcx::Header& header) {
    if (header.bitsPerPixel == 8)
        return header.planes == 1 ? 8 : 24;
    return header.bitsPerPixel == 1 && header.planes == 1 ? 1 : 4;
}

Status readScanlines(const pcx::Header& header, ByteView data, std::vector<std::uint8_t>& lines) {
    const ByteView source = data.subspan(pcx::kHeaderSize);
    const std::uint64_t bytes = header.imageBytes();
    const std::uint64_t limit =
        header.compressed ? source.size() * pcx::kMaxBytesPerInputByte : source.size();
    if (bytes > limit)
        return codecError(kCodec, QStringLiteral("image data too short for %1 x %2 pixels")
                                      .arg(header.width)
                                      .arg(header.height));
    lines.resize(std::size_t(bytes));
    if (header.compressed)
        return pcx::decodeRuns(source, lines);
    std::memcpy(lines.data(), source.data(), lines.size());
    return Status::success();
}

void setPaletteEntry(RasterImage& image, int index, Rgb colour) {
    image.setPaletteEntry(index, {colour.blue, colour.green, colour.red, 0});
}

void setHeaderPalette(ByteView data, RasterImage& image) {
    const ByteView ega = data.subspan(pcx::kEgaPalette, 48);
    const bool empty = std::all_of(ega.begin(), ega.end(), [](std::uint8_t b) { return b == 0; });
    for (int i = 0; i < std::min(16, image.paletteSize()); ++i)
        setPaletteEntry(
            image, i,
            empty ? kEgaColours[std::size_t(i)] : Rgb{ega[3 * i], ega[3 * i + 1], ega[3 * i + 2]});
}

// Monochrome files are black on white unless the header says otherwise.
void setMonochromePalette(ByteView data, RasterImage& image) {
    const ByteView ega = data.subspan(pcx::kEgaPalette, 6);
    const Rgb first{ega[0], ega[1], ega[2]};
    const Rgb second{ega[3], ega[4], ega[5]};
    const bool distinct = !(first == second);
    setPaletteEntry(image, 0, distinct ? first : Rgb{0, 0, 0});
    setPaletteEntry(image, 1, distinct ? second : Rgb{255, 255, 255});
}

// The 256-colour palette after the image data; grey when missing.
void setExtendedPalette(const pcx::Header& header, ByteView data, RasterImage& image) {
    if (header.version < pcx::kVersionWithPalette ||
        data.size() < pcx::kHeaderSize + pcx::kExtendedPaletteSize)
        return;
    const ByteView palette = data.subspan(data.size() - pcx::kExtendedPaletteSize);
    if (palette[0] != pcx::kExtendedPaletteMarker)
        return;
    for (int i = 0; i < 256; ++i)
        setPaletteEntry(image, i, {palette[1 + 3 * i], palette[2 + 3 * i], palette[3 + 3 * i]});
}

void storePacked(const pcx::Header& header, const std::uint8_t* line, int y, RasterImage& image) {
    const std::size_t bytes =
        std::size_t((std::int64_t(header.width) * header.bitsPerPixel + 7) / 8);
    std::memcpy(image.rowFromTop(y), line, bytes);
}

// Two bits a pixel, widened to the 4-bit image.
void storeTwoBitPixels(const pcx::Header& header, const std::uint8_t* line, int y,
                       RasterImage& image) {
    for (int x = 0; x < header.width; ++x)
        image.setPixelIndex(x, y,
                            static_cast<std::uint8_t>((line[x / 4] >> (6 - 2 * (x % 4))) & 3));
}

void storePlanarBits(const pcx::Header& header, const std::uint8_t* line, int y,
                     RasterImage& image) {
    for (int x = 0; x < header.width; ++x) {
        int index = 0;
        for (int plane = 0; plane < header.planes; ++plane) {
            const std::uint8_t byte =
                line[std::size_t(plane) * header.bytesPerLine + std::size_t(x / 8)];
            index |= ((byte >> (7 - x % 8)) & 1) << plane;
        }
        image.setPixelIndex(x, y, static_cast<std::uint8_t>(index));
    }
}

void storeRgbPlanes(const pcx::Header& header, const std::uint8_t* line, int y,
                    RasterImage& image) {
    const std::size_t stride = std::size_t(header.bytesPerLine);
    std::uint8_t* target = image.rowFromTop(y);
    for (int x = 0; x < header.width; ++x) {
        target[3 * x] = line[2 * stride + std::size_t(x)];
        target[3 * x + 1] = line[stride + std::size_t(x)];
        target[3 * x + 2] = line[std::size_t(x)];
        if (header.planes == 4)
            image.alphaRow(y)[x] = line[3 * stride + std::size_t(x)];
    }
}

Status decodePcx(ByteView data, RasterImage& image) {
    Result<pcx::Header> parsed = pcx::parseHeader(data);
    if (!parsed)
        return parsed.error();
    const pcx::Header& header = parsed.value();
    std::vector<std::uint8_t> lines;
    if (Status read = readScanlines(header, data, lines); !read)
        return read;
    const int depth = depthFor(header);
    if (Status created = createImage(kCodec, image, header.width, header.height, depth); !created)
        return created;
    if (depth == 1)
        setMonochromePalette(data, image);
    else if (depth == 4)
        setHeaderPalette(data, image);
    else if (depth == 8)
        setExtendedPalette(header, data, image);
    if (header.planes == 4 && header.bitsPerPixel == 8)
        image.createAlpha();
    for (int y = 0; y < header.height; ++y) {
        const std::uint8_t* line = lines.data() + std::size_t(y) * header.scanlineBytes();
        if (depth == 24)
            storeRgbPlanes(header, line, y, image);
        else if (header.bitsPerPixel == 2)
            storeTwoBitPixels(header, line, y, image);
        else if (header.planes == 1)
            storePacked(header, line, y, image);
        else
            storePlanarBits(header, line, y, image);
    }
    if (header.horizontalDpi > 0 && header.verticalDpi > 0)
        image.setResolution(RasterImage::dpiToPelsPerMeter(header.horizontalDpi),
                            RasterImage::dpiToPelsPerMeter(header.verticalDpi));
    return Status::success();
}

// --- encoding

int dpiOf(int pelsPerMeter) {
    return std::clamp(static_cast<int>(std::lround(pelsPerMeter * 0.0254)), 0, 0xFFFF);
}

void packPlaneLines(const RasterImage& image, int y, const pcx::Header& header,
                    std::vector<std::uint8_t>& scanline) {
    scanline.assign(std::size_t(header.scanlineBytes()), 0);
    const std::size_t stride = std::size_t(header.bytesPerLine);
    for (int x = 0; x < image.width(); ++x) {
        if (header.planes == 1) {
            scanline[std::size_t(x)] = image.pixelIndex(x, y);
            continue;
        }
        const Rgb colour = image.pixelColor(x, y);
        scanline[std::size_t(x)] = colour.red;
        scanline[stride + std::size_t(x)] = colour.green;
        scanline[2 * stride + std::size_t(x)] = colour.blue;
    }
}

}  // namespace

bool PcxCodec::sniff(ByteView data) const {
    return pcx::parseHeader(data).ok();
}

Result<ImageHeader> PcxCodec::readHeader(ByteView data) const {
    Result<pcx::Header> header = pcx::parseHeader(data);
    if (!header)
        return header.error();
    return ImageHeader{header->width, header->height, header->bitsPerPixel * header->planes, 1};
}

Status PcxCodec::decode(ByteView data, RasterImage& image, const DecodeOptions&) const {
    return decodeOrClear(image, [&] { return decodePcx(data, image); });
}

Status PcxCodec::encode(const RasterImage& image, std::vector<std::uint8_t>& out) const {
    if (!image.isValid())
        return codecError(kCodec, QStringLiteral("the image is empty"));
    if (image.width() > 0xFFFF || image.height() > 0xFFFF)
        return codecError(kCodec,
                          QStringLiteral("%1 x %2 is too large for a PCX (at most 65535 a side)")
                              .arg(image.width())
                              .arg(image.height()));
    pcx::Header header;
    header.bitsPerPixel = 8;
    header.planes = image.bitsPerPixel() == 24 ? 3 : 1;
    header.width = image.width();
    header.height = image.height();
    header.bytesPerLine = (image.width() + 1) & ~1;  // lines have an even length
    header.horizontalDpi = dpiOf(image.xPelsPerMeter());
    header.verticalDpi = dpiOf(image.yPelsPerMeter());
    pcx::writeHeader(header, out);
    std::vector<std::uint8_t> scanline;
    for (int y = 0; y < image.height(); ++y) {
        packPlaneLines(image, y, header, scanline);
        for (int plane = 0; plane < header.planes; ++plane)
            pcx::encodeRuns(std::span(scanline).subspan(std::size_t(plane) * header.bytesPerLine,
                                                        std::size_t(header.bytesPerLine)),
                            out);
    }
    if (header.planes == 1) {
        out.push_back(pcx::kExtendedPaletteMarker);
        for (int i = 0; i < 256; ++i) {
            const PaletteEntry entry =
                i < image.paletteSize() ? image.palette()[std::size_t(i)] : PaletteEntry{};
            out.insert(out.end(), {entry.red, entry.green, entry.blue});
        }
    }
    return Status::success();
}

const Codec& pcxCodec() {
    static const PcxCodec codec;
    return codec;
}

}  // namespace pictavo
