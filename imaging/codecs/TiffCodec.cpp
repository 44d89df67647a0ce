#include "imaging/codecs/TiffCodec.h"

#include "imaging/codecs/Codecs.h"

#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>

namespace pictavo {

namespace {

constexpr tmsize_t kMaxSingleAllocation = tmsize_t(1) << 30;

// The file libtiff reads or writes: a view of the input, or a growing
// output vector.
struct MemoryFile {
    ByteView input;
    std::vector<std::uint8_t>* output = nullptr;
    std::size_t position = 0;
    char error[256] = {};

    std::size_t size() const { return output ? output->size() : input.size(); }
    const std::uint8_t* data() const { return output ? output->data() : input.data(); }
};

MemoryFile& fileOf(thandle_t handle) {
    return *static_cast<MemoryFile*>(handle);
}

tmsize_t readFile(thandle_t handle, void* buffer, tmsize_t size) {
    MemoryFile& file = fileOf(handle);
    if (size <= 0 || file.position >= file.size())
        return 0;
    const std::size_t count = std::min(std::size_t(size), file.size() - file.position);
    std::memcpy(buffer, file.data() + file.position, count);
    file.position += count;
    return tmsize_t(count);
}

tmsize_t writeFile(thandle_t handle, void* buffer, tmsize_t size) {
    MemoryFile& file = fileOf(handle);
    if (!file.output || size < 0)
        return -1;
    const std::size_t end = file.position + std::size_t(size);
    try {
        if (end > file.output->size())
            file.output->resize(end);
    } catch (const std::bad_alloc&) {
        return -1;
    }
    std::memcpy(file.output->data() + file.position, buffer, std::size_t(size));
    file.position = end;
    return size;
}

toff_t seekFile(thandle_t handle, toff_t offset, int whence) {
    MemoryFile& file = fileOf(handle);
    std::uint64_t base = 0;
    if (whence == SEEK_CUR)
        base = file.position;
    if (whence == SEEK_END)
        base = file.size();
    const std::uint64_t target = base + offset;
    if (target > std::uint64_t(kMaxSingleAllocation) * 4)
        return toff_t(-1);
    file.position = std::size_t(target);
    return target;
}

int closeFile(thandle_t) {
    return 0;
}
toff_t sizeOfFile(thandle_t handle) {
    return fileOf(handle).size();
}

int mapFile(thandle_t handle, void** base, toff_t* size) {
    MemoryFile& file = fileOf(handle);
    if (file.output)
        return 0;
    *base = const_cast<std::uint8_t*>(file.input.data());
    *size = file.input.size();
    return 1;
}

void unmapFile(thandle_t, void*, toff_t) {}

// The format string comes from libtiff, which passes its arguments with it.
[[gnu::format(printf, 4, 0)]] int onTiffError(TIFF*, void* user, const char*, const char* format,
                                              va_list arguments) {
    auto* file = static_cast<MemoryFile*>(user);
    if (file->error[0] == 0)
        std::vsnprintf(file->error, sizeof file->error, format, arguments);
    return 1;
}

int onTiffWarning(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

TiffHandle openTiff(MemoryFile& file, const char* mode) {
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, onTiffError, &file);
    TIFFOpenOptionsSetWarningHandlerExtR(options, onTiffWarning, &file);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxSingleAllocation);
    TIFF* tiff = TIFFClientOpenExt("memory", mode, &file, readFile, writeFile, seekFile, closeFile,
                                   sizeOfFile, mapFile, unmapFile, options);
    TIFFOpenOptionsFree(options);
    return TiffHandle(tiff);
}

Error tiffError(const MemoryFile& file, const char* fallback) {
    return Error(QStringLiteral("TIFF: ") +
                 QString::fromLatin1(file.error[0] ? file.error : fallback));
}

struct Layout {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint16_t bitsPerSample = 1;
    std::uint16_t samplesPerPixel = 1;
    std::uint16_t photometric = PHOTOMETRIC_MINISWHITE;
    std::uint16_t planar = PLANARCONFIG_CONTIG;
    std::uint16_t orientation = ORIENTATION_TOPLEFT;
    std::uint16_t alphaKind = EXTRASAMPLE_UNSPECIFIED;  // of the first extra sample
    bool tiled = false;

    bool readsByScanline() const {
        return !tiled && planar == PLANARCONFIG_CONTIG && orientation == ORIENTATION_TOPLEFT;
    }
    bool hasAlpha() const {
        return alphaKind == EXTRASAMPLE_ASSOCALPHA || alphaKind == EXTRASAMPLE_UNASSALPHA;
    }
    // Palette and grey files that the scan-line reader stores directly.
    bool isIndexed() const {
        const bool indexedPhotometric = photometric == PHOTOMETRIC_PALETTE ||
                                        photometric == PHOTOMETRIC_MINISBLACK ||
                                        photometric == PHOTOMETRIC_MINISWHITE;
        return indexedPhotometric && samplesPerPixel == 1 && readsByScanline() &&
               (bitsPerSample == 1 || bitsPerSample == 4 || bitsPerSample == 8);
    }
    // 8-bit RGB, or RGBA with an alpha sample, as this codec writes them:
    // read without libtiff's premultiplication.
    bool isDirectRgb() const {
        return photometric == PHOTOMETRIC_RGB && bitsPerSample == 8 && readsByScanline() &&
               (samplesPerPixel == 3 || (samplesPerPixel == 4 && hasAlpha()));
    }
};

Layout layoutOf(TIFF* tiff) {
    Layout layout;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &layout.width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &layout.height);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &layout.bitsPerSample);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &layout.samplesPerPixel);
    TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &layout.photometric);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &layout.planar);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_ORIENTATION, &layout.orientation);
    std::uint16_t extraCount = 0;
    std::uint16_t* extraKinds = nullptr;
    if (TIFFGetField(tiff, TIFFTAG_EXTRASAMPLES, &extraCount, &extraKinds) && extraCount > 0)
        layout.alphaKind = extraKinds[0];
    layout.tiled = TIFFIsTiled(tiff) != 0;
    return layout;
}

bool withinLimits(const Layout& layout) {
    return layout.width > 0 && layout.height > 0 && layout.width <= std::uint32_t(kMaxImageSide) &&
           layout.height <= std::uint32_t(kMaxImageSide) &&
           std::int64_t(layout.width) * layout.height <= kMaxImagePixels;
}

// Colour maps hold 16-bit values; some writers store 8-bit values instead.
void setColourMap(TIFF* tiff, RasterImage& image) {
    std::uint16_t* red = nullptr;
    std::uint16_t* green = nullptr;
    std::uint16_t* blue = nullptr;
    if (!TIFFGetField(tiff, TIFFTAG_COLORMAP, &red, &green, &blue))
        return;
    const int count = image.paletteSize();
    bool sixteenBit = false;
    for (int i = 0; i < count; ++i)
        sixteenBit |= red[i] > 255 || green[i] > 255 || blue[i] > 255;
    const int shift = sixteenBit ? 8 : 0;
    for (int i = 0; i < count; ++i) {
        image.setPaletteEntry(i, {std::uint8_t(blue[i] >> shift), std::uint8_t(green[i] >> shift),
                                  std::uint8_t(red[i] >> shift), 0});
    }
}

void invertGreyPalette(RasterImage& image) {
    const int count = image.paletteSize();
    for (int i = 0; i < count; ++i) {
        const auto grey = std::uint8_t(255 - i * 255 / (count - 1));
        image.setPaletteEntry(i, {grey, grey, grey, 0});
    }
}

Status decodeIndexed(TIFF* tiff, const Layout& layout, MemoryFile& file, RasterImage& image) {
    if (!image.create(int(layout.width), int(layout.height), layout.bitsPerSample))
        return Error(image.lastError());
    if (layout.photometric == PHOTOMETRIC_PALETTE)
        setColourMap(tiff, image);
    if (layout.photometric == PHOTOMETRIC_MINISWHITE)
        invertGreyPalette(image);
    if (TIFFScanlineSize64(tiff) > std::uint64_t(image.rowSize()))
        return Error(QStringLiteral("TIFF: unexpected scan line size"));
    for (std::uint32_t y = 0; y < layout.height; ++y) {
        if (TIFFReadScanline(tiff, image.rowFromTop(int(y)), y, 0) < 0)
            return tiffError(file, "cannot read scan line");
    }
    return Status::success();
}

Status decodeDirectRgb(TIFF* tiff, const Layout& layout, MemoryFile& file, RasterImage& image) {
    if (!image.create(int(layout.width), int(layout.height), 24))
        return Error(image.lastError());
    const int samples = layout.samplesPerPixel;
    if (TIFFScanlineSize64(tiff) != std::uint64_t(layout.width) * std::uint64_t(samples))
        return Error(QStringLiteral("TIFF: unexpected scan line size"));
    if (samples == 4)
        image.createAlpha();
    std::vector<std::uint8_t> row(std::size_t(layout.width) * std::size_t(samples));
    for (std::uint32_t y = 0; y < layout.height; ++y) {
        if (TIFFReadScanline(tiff, row.data(), y, 0) < 0)
            return tiffError(file, "cannot read scan line");
        std::uint8_t* to = image.rowFromTop(int(y));
        std::uint8_t* alpha = samples == 4 ? image.alphaRow(int(y)) : nullptr;
        const std::uint8_t* from = row.data();
        for (std::uint32_t x = 0; x < layout.width; ++x, from += samples, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
            if (alpha)
                alpha[x] = from[3];
        }
    }
    return Status::success();
}

// libtiff's RGBA reader premultiplies unassociated alpha; this undoes it so
// that the stored colour of each pixel is kept (as far as 8 bits allow).
std::uint8_t unpremultiplied(std::uint32_t value, std::uint32_t alpha) {
    if (alpha == 0 || alpha == 255)
        return std::uint8_t(value);
    return std::uint8_t(std::min<std::uint32_t>(255, (value * 255 + alpha / 2) / alpha));
}

Status decodeRgba(TIFF* tiff, const Layout& layout, MemoryFile& file, RasterImage& image) {
    char message[1024] = {};
    if (!TIFFRGBAImageOK(tiff, message))
        return Error(QStringLiteral("TIFF: ") + QString::fromLatin1(message));
    if (!image.create(int(layout.width), int(layout.height), 24))
        return Error(image.lastError());
    std::vector<std::uint32_t> raster(std::size_t(layout.width) * layout.height);
    // Bottom-left orientation: raster row 0 is the bottom row, as stored.
    if (!TIFFReadRGBAImageOriented(tiff, layout.width, layout.height, raster.data(),
                                   ORIENTATION_BOTLEFT, 0))
        return tiffError(file, "cannot read image");
    const bool alpha = layout.hasAlpha();
    const bool premultiplied = layout.alphaKind == EXTRASAMPLE_UNASSALPHA;
    if (alpha)
        image.createAlpha();
    const int height = int(layout.height);
    for (int row = 0; row < height; ++row) {
        const std::uint32_t* from = raster.data() + std::size_t(row) * layout.width;
        std::uint8_t* to = image.storageRow(row);
        std::uint8_t* alphaTo = alpha ? image.alphaRow(height - 1 - row) : nullptr;
        for (std::uint32_t x = 0; x < layout.width; ++x, to += 3) {
            const std::uint32_t a = premultiplied ? TIFFGetA(from[x]) : 255;
            to[0] = unpremultiplied(TIFFGetB(from[x]), a);
            to[1] = unpremultiplied(TIFFGetG(from[x]), a);
            to[2] = unpremultiplied(TIFFGetR(from[x]), a);
            if (alphaTo)
                alphaTo[x] = std::uint8_t(TIFFGetA(from[x]));
        }
    }
    return Status::success();
}

// Fills row with image row y in the file's sample order: R, G, B (and A)
// for colour files, the stored bytes for palette and grey files.
void fileRow(const RasterImage& image, int y, bool rgb, std::vector<std::uint8_t>& row) {
    if (!rgb) {
        std::memcpy(row.data(), image.rowFromTop(y), row.size());
        return;
    }
    const std::uint8_t* alpha = image.hasAlpha() ? image.alphaRow(y) : nullptr;
    const int samples = alpha ? 4 : 3;
    std::uint8_t* to = row.data();
    for (int x = 0; x < image.width(); ++x, to += samples) {
        const Rgb colour = image.pixelColor(x, y);
        to[0] = colour.red;
        to[1] = colour.green;
        to[2] = colour.blue;
        if (alpha)
            to[3] = alpha[x];
    }
}

void writeTags(TIFF* tiff, const RasterImage& image, bool rgb, bool grey) {
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, std::uint32_t(image.width()));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, std::uint32_t(image.height()));
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
    TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
    TIFFSetField(tiff, TIFFTAG_XRESOLUTION, float(image.xPelsPerMeter() / 39.37007874015748));
    TIFFSetField(tiff, TIFFTAG_YRESOLUTION, float(image.yPelsPerMeter() / 39.37007874015748));
    if (rgb) {
        const bool alpha = image.hasAlpha();
        TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
        TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, alpha ? 4 : 3);
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        if (alpha) {
            const std::uint16_t kinds[] = {EXTRASAMPLE_UNASSALPHA};
            TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, kinds);
        }
    } else {
        TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, image.bitsPerPixel());
        TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC,
                     grey ? PHOTOMETRIC_MINISBLACK : PHOTOMETRIC_PALETTE);
    }
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0));
}

void writeColourMap(TIFF* tiff, const RasterImage& image) {
    const std::size_t count = std::size_t(1) << image.bitsPerPixel();
    std::vector<std::uint16_t> red(count), green(count), blue(count);
    for (std::size_t i = 0; i < count && i < image.palette().size(); ++i) {
        red[i] = std::uint16_t(image.palette()[i].red * 257);
        green[i] = std::uint16_t(image.palette()[i].green * 257);
        blue[i] = std::uint16_t(image.palette()[i].blue * 257);
    }
    TIFFSetField(tiff, TIFFTAG_COLORMAP, red.data(), green.data(), blue.data());
}

// Checks the signature and opens data for reading through file.
Status openForReading(const TiffCodec& codec, ByteView data, MemoryFile& file, TiffHandle& tiff) {
    if (!codec.sniff(data))
        return Error(QStringLiteral("TIFF: not a TIFF file"));
    file.input = data;
    tiff = openTiff(file, "rm");
    if (!tiff)
        return tiffError(file, "cannot open");
    return {};
}

}  // namespace

bool TiffCodec::sniff(ByteView data) const {
    if (data.size() < 4)
        return false;
    const bool little =
        data[0] == 'I' && data[1] == 'I' && (data[2] == 42 || data[2] == 43) && data[3] == 0;
    const bool big =
        data[0] == 'M' && data[1] == 'M' && data[2] == 0 && (data[3] == 42 || data[3] == 43);
    return little || big;
}

Result<ImageHeader> TiffCodec::readHeader(ByteView data) const {
    MemoryFile file;
    TiffHandle tiff;
    if (const Status opened = openForReading(*this, data, file, tiff); !opened)
        return opened.error();
    const Layout layout = layoutOf(tiff.get());
    ImageHeader header;
    header.width = int(std::min<std::uint32_t>(layout.width, std::uint32_t(INT32_MAX)));
    header.height = int(std::min<std::uint32_t>(layout.height, std::uint32_t(INT32_MAX)));
    header.bitsPerPixel = layout.isIndexed() ? layout.bitsPerSample : 24;
    return header;
}

Status TiffCodec::decode(ByteView data, RasterImage& image, const DecodeOptions&) const {
    MemoryFile file;
    TiffHandle tiff;
    if (const Status opened = openForReading(*this, data, file, tiff); !opened)
        return opened.error();
    const Layout layout = layoutOf(tiff.get());
    if (!withinLimits(layout))
        return Error(QStringLiteral("TIFF: image of %1 x %2 exceeds the size limit")
                         .arg(layout.width)
                         .arg(layout.height));
    const Status status = layout.isIndexed()     ? decodeIndexed(tiff.get(), layout, file, image)
                          : layout.isDirectRgb() ? decodeDirectRgb(tiff.get(), layout, file, image)
                                                 : decodeRgba(tiff.get(), layout, file, image);
    if (!status)
        image.clear();
    return status;
}

Status TiffCodec::encode(const RasterImage& image, std::vector<std::uint8_t>& out) const {
    if (!image.isValid())
        return Error(QStringLiteral("TIFF: empty image"));
    std::vector<std::uint8_t> encoded;
    MemoryFile file;
    file.output = &encoded;
    {
        const TiffHandle tiff = openTiff(file, "w");
        if (!tiff)
            return tiffError(file, "cannot create");
        const bool rgb = image.bitsPerPixel() == 24 || image.hasAlpha();
        const bool grey = !rgb && image.isGreyScale();
        writeTags(tiff.get(), image, rgb, grey);
        if (!rgb && !grey)
            writeColourMap(tiff.get(), image);
        // Palette images with an alpha channel are written as RGBA.
        std::vector<std::uint8_t> row(std::size_t(TIFFScanlineSize64(tiff.get())));
        for (int y = 0; y < image.height(); ++y) {
            fileRow(image, y, rgb, row);
            if (TIFFWriteScanline(tiff.get(), row.data(), std::uint32_t(y), 0) < 0)
                return tiffError(file, "cannot write scan line");
        }
        if (!TIFFWriteDirectory(tiff.get()))
            return tiffError(file, "cannot write directory");
    }
    if (file.error[0])
        return tiffError(file, "");
    out.insert(out.end(), encoded.begin(), encoded.end());
    return Status::success();
}

const Codec& tiffCodec() {
    static const TiffCodec codec;
    return codec;
}

}  // namespace pictavo
