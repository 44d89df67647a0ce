#include "imaging/codecs/PngCodec.h"

#include "imaging/codecs/Codecs.h"

#include <png.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <new>

namespace pictavo {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// IHDR: the first chunk, right after the signature.
constexpr std::size_t kIhdrTypeOffset = 12;
constexpr std::size_t kIhdrDataOffset = 16;

// How decoded libpng rows map onto the image.
enum class RowLayout {
    Direct,        // libpng's row is the image's row (palette 1/4/8, grey 1/4/8, BGR)
    PackedToFour,  // 2-bit samples unpacked to bytes, stored as 4-bit indices
    GreyAlpha,     // grey, alpha pairs
    BgrAlpha,      // B, G, R, A quadruples
};

struct PngErrorText {
    char text[200] = {};
};

void onPngError(png_structp png, png_const_charp message) {
    auto* error = static_cast<PngErrorText*>(png_get_error_ptr(png));
    std::snprintf(error->text, sizeof error->text, "%s", message);
    png_longjmp(png, 1);
}

void onPngWarning(png_structp, png_const_charp) {}

Error pngError(const PngErrorText& error) {
    return Error(QStringLiteral("PNG: ") + QString::fromLatin1(error.text));
}

struct MemorySource {
    ByteView data;
    std::size_t position = 0;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t length) {
    auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
    if (length > source->data.size() - source->position)
        png_error(png, "data ends early");
    std::memcpy(out, source->data.data() + source->position, length);
    source->position += length;
}

void writeToVector(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    try {
        out->insert(out->end(), data, data + length);
    } catch (const std::bad_alloc&) {
        png_error(png, "out of memory");
    }
}

void flushNothing(png_structp) {}

// Owns the libpng structures and the scratch rows; lives across the jump.
struct PngReader {
    PngErrorText error;
    MemorySource source;
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<std::uint8_t> scratch;

    explicit PngReader(ByteView data) {
        source.data = data;
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &error, onPngError, onPngWarning);
        if (png)
            info = png_create_info_struct(png);
    }
    ~PngReader() { png_destroy_read_struct(&png, &info, nullptr); }
};

struct PngWriter {
    PngErrorText error;
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<std::uint8_t> scratch;

    PngWriter() {
        png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, onPngError, onPngWarning);
        if (png)
            info = png_create_info_struct(png);
    }
    ~PngWriter() { png_destroy_write_struct(&png, &info); }
};

int depthFor(int colourType, int bitDepth) {
    if (colourType == PNG_COLOR_TYPE_PALETTE || colourType == PNG_COLOR_TYPE_GRAY)
        return bitDepth == 1 ? 1 : bitDepth <= 4 ? 4 : 8;
    if (colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        return 8;
    return 24;
}

// Sets libpng's transformations; gives the row layout and whether the file's
// transparency becomes a transparent index rather than an alpha channel.
RowLayout configureTransforms(png_structp png, png_infop info, int& transparentIndex,
                              bool& paletteAlpha) {
    const int colourType = png_get_color_type(png, info);
    const int bitDepth = png_get_bit_depth(png, info);
    transparentIndex = -1;
    paletteAlpha = false;
    if (bitDepth == 16)
        png_set_strip_16(png);
    png_bytep alphas = nullptr;
    int alphaCount = 0;
    png_color_16p transparentColour = nullptr;
    const bool hasTrns = png_get_tRNS(png, info, &alphas, &alphaCount, &transparentColour) != 0;

    if (colourType == PNG_COLOR_TYPE_PALETTE || colourType == PNG_COLOR_TYPE_GRAY) {
        if (hasTrns && colourType == PNG_COLOR_TYPE_GRAY && transparentColour) {
            transparentIndex =
                bitDepth == 16 ? transparentColour->gray >> 8 : transparentColour->gray;
        } else if (hasTrns && colourType == PNG_COLOR_TYPE_PALETTE) {
            int transparent = -1;
            int partial = 0;
            for (int i = 0; i < alphaCount; ++i) {
                if (alphas[i] == 0 && transparent < 0) {
                    transparent = i;
                } else if (alphas[i] != 255) {
                    ++partial;
                }
            }
            if (partial == 0) {
                transparentIndex = transparent;
            } else {
                paletteAlpha = true;
            }
        }
        if (bitDepth == 2) {
            png_set_packing(png);
            return RowLayout::PackedToFour;
        }
        return RowLayout::Direct;
    }
    png_set_bgr(png);
    if (colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        return RowLayout::GreyAlpha;
    if (colourType == PNG_COLOR_TYPE_RGB_ALPHA)
        return RowLayout::BgrAlpha;
    if (hasTrns) {
        png_set_tRNS_to_alpha(png);
        return RowLayout::BgrAlpha;
    }
    return RowLayout::Direct;
}

void setPalette(png_structp png, png_infop info, RasterImage& image, int bitDepth) {
    const int colourType = png_get_color_type(png, info);
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth == 2) {
        for (int i = 0; i < 4; ++i) {
            const auto grey = static_cast<std::uint8_t>(i * 85);
            image.setPaletteEntry(i, {grey, grey, grey, 0});
        }
    }
    // Other grey depths keep the grey palette of create(); colour images
    // have none.
    if (colourType != PNG_COLOR_TYPE_PALETTE)
        return;
    png_colorp colours = nullptr;
    int count = 0;
    png_get_PLTE(png, info, &colours, &count);
    for (int i = 0; i < count && i < image.paletteSize(); ++i)
        image.setPaletteEntry(i, {colours[i].blue, colours[i].green, colours[i].red, 0});
    for (int i = count; i < image.paletteSize(); ++i)
        image.setPaletteEntry(i, {});
}

// Moves one decoded libpng row into image row y (top-down).
void storeRow(RowLayout layout, const std::uint8_t* from, RasterImage& image, int y) {
    const int width = image.width();
    std::uint8_t* to = image.rowFromTop(y);
    switch (layout) {
        case RowLayout::Direct:
            break;
        case RowLayout::PackedToFour:
            for (int x = 0; x < width; ++x)
                image.setPixelIndex(x, y, from[x]);
            break;
        case RowLayout::GreyAlpha: {
            std::uint8_t* alpha = image.alphaRow(y);
            for (int x = 0; x < width; ++x) {
                to[x] = from[2 * x];
                alpha[x] = from[2 * x + 1];
            }
            break;
        }
        case RowLayout::BgrAlpha: {
            std::uint8_t* alpha = image.alphaRow(y);
            for (int x = 0; x < width; ++x) {
                std::memcpy(to + 3 * x, from + 4 * x, 3);
                alpha[x] = from[4 * x + 3];
            }
            break;
        }
    }
}

void applyPaletteAlpha(png_structp png, png_infop info, RasterImage& image) {
    png_bytep alphas = nullptr;
    int alphaCount = 0;
    png_get_tRNS(png, info, &alphas, &alphaCount, nullptr);
    image.createAlpha();
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* alpha = image.alphaRow(y);
        for (int x = 0; x < image.width(); ++x) {
            const int index = image.pixelIndex(x, y);
            alpha[x] = index < alphaCount ? alphas[index] : 255;
        }
    }
}

}  // namespace

bool PngCodec::sniff(ByteView data) const {
    return data.size() >= kSignature.size() &&
           std::memcmp(data.data(), kSignature.data(), kSignature.size()) == 0;
}

Result<ImageHeader> PngCodec::readHeader(ByteView data) const {
    if (!sniff(data))
        return Error(QStringLiteral("PNG: not a PNG file"));
    ByteReader reader(data);
    reader.seek(kIhdrTypeOffset);
    const ByteView chunkType = reader.bytes(4);
    if (chunkType.empty() || std::memcmp(chunkType.data(), "IHDR", 4) != 0)
        return Error(QStringLiteral("PNG: IHDR missing"));
    reader.seek(kIhdrDataOffset);
    ImageHeader header;
    header.width = static_cast<int>(reader.be32() & 0x7FFFFFFF);
    header.height = static_cast<int>(reader.be32() & 0x7FFFFFFF);
    const int bitDepth = reader.u8();
    const int colourType = reader.u8();
    if (reader.failed())
        return Error(QStringLiteral("PNG: data ends early"));
    header.bitsPerPixel = depthFor(colourType, bitDepth);
    return header;
}

Status PngCodec::decode(ByteView data, RasterImage& image, const DecodeOptions&) const {
    if (!sniff(data))
        return Error(QStringLiteral("PNG: not a PNG file"));
    PngReader reader(data);
    if (!reader.info)
        return Error(QStringLiteral("PNG: out of memory"));
    png_structp png = reader.png;
    png_infop info = reader.info;
    if (setjmp(png_jmpbuf(png))) {
        image.clear();
        return pngError(reader.error);
    }
    png_set_read_fn(png, &reader.source, readFromMemory);
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (std::int64_t(width) * height > kMaxImagePixels)
        png_error(png, "image exceeds the size limit");

    // The stored depth follows the file's own colour type and bit depth.
    const int fileDepth = png_get_bit_depth(png, info);
    const int colourType = png_get_color_type(png, info);
    int transparentIndex = -1;
    bool paletteAlpha = false;
    const RowLayout layout = configureTransforms(png, info, transparentIndex, paletteAlpha);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (!image.create(int(width), int(height), depthFor(colourType, fileDepth)))
        png_error(png, "cannot allocate the image");
    setPalette(png, info, image, fileDepth);
    image.setTransparentIndex(transparentIndex);
    if (layout == RowLayout::GreyAlpha || layout == RowLayout::BgrAlpha)
        image.createAlpha();

    const std::size_t rowBytes = png_get_rowbytes(png, info);
    const bool direct = layout == RowLayout::Direct;
    // Interlaced files are assembled over several passes, so split layouts
    // need every row kept until the last pass.
    if (!direct)
        reader.scratch.resize(rowBytes * (passes > 1 ? height : 1));
    auto rowFor = [&](png_uint_32 y) {
        return direct ? image.rowFromTop(int(y))
                      : reader.scratch.data() + (passes > 1 ? rowBytes * y : 0);
    };
    for (int pass = 0; pass < passes; ++pass) {
        for (png_uint_32 y = 0; y < height; ++y) {
            png_read_row(png, rowFor(y), nullptr);
            if (!direct && passes == 1)
                storeRow(layout, rowFor(y), image, int(y));
        }
    }
    if (!direct && passes > 1) {
        for (png_uint_32 y = 0; y < height; ++y)
            storeRow(layout, rowFor(y), image, int(y));
    }
    if (paletteAlpha)
        applyPaletteAlpha(png, info, image);
    // Reads up to IEND, so that a file cut after its pixel rows still fails.
    png_read_end(png, nullptr);
    return Status::success();
}

Status PngCodec::encode(const RasterImage& image, std::vector<std::uint8_t>& out) const {
    if (!image.isValid())
        return Error(QStringLiteral("PNG: empty image"));
    PngWriter writer;
    if (!writer.info)
        return Error(QStringLiteral("PNG: out of memory"));
    png_structp png = writer.png;
    png_infop info = writer.info;
    const std::size_t start = out.size();
    if (setjmp(png_jmpbuf(png))) {
        out.resize(start);
        return pngError(writer.error);
    }
    png_set_write_fn(png, &out, writeToVector, flushNothing);

    const bool rgba = image.hasAlpha();
    const bool grey = !rgba && image.isGreyScale();
    const bool palette = !rgba && !grey && image.bitsPerPixel() <= 8;
    const int colourType = rgba      ? PNG_COLOR_TYPE_RGB_ALPHA
                           : grey    ? PNG_COLOR_TYPE_GRAY
                           : palette ? PNG_COLOR_TYPE_PALETTE
                                     : PNG_COLOR_TYPE_RGB;
    const int bitDepth = palette ? image.bitsPerPixel() : 8;
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), bitDepth,
                 colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_pHYs(png, info, png_uint_32(image.xPelsPerMeter()), png_uint_32(image.yPelsPerMeter()),
                 PNG_RESOLUTION_METER);
    std::array<png_color, 256> colours{};
    std::array<png_byte, 256> alphas{};
    if (palette) {
        for (int i = 0; i < image.paletteSize(); ++i) {
            const PaletteEntry& e = image.palette()[std::size_t(i)];
            colours[std::size_t(i)] = {e.red, e.green, e.blue};
        }
        png_set_PLTE(png, info, colours.data(), image.paletteSize());
        const int transparent = image.transparentIndex();
        if (transparent >= 0 && transparent < image.paletteSize()) {
            alphas.fill(255);
            alphas[std::size_t(transparent)] = 0;
            png_set_tRNS(png, info, alphas.data(), transparent + 1, nullptr);
        }
    }
    if (grey && image.transparentIndex() >= 0 && image.transparentIndex() < 256) {
        png_color_16 transparentGrey{};
        transparentGrey.gray = png_uint_16(image.transparentIndex());
        png_set_tRNS(png, info, nullptr, 0, &transparentGrey);
    }
    png_write_info(png, info);
    if (!palette && !grey)
        png_set_bgr(png);
    if (rgba)
        writer.scratch.resize(std::size_t(image.width()) * 4);
    for (int y = 0; y < image.height(); ++y) {
        if (!rgba) {
            png_write_row(png, image.rowFromTop(y));
            continue;
        }
        std::uint8_t* to = writer.scratch.data();
        const std::uint8_t* alpha = image.alphaRow(y);
        for (int x = 0; x < image.width(); ++x, to += 4) {
            const Rgb colour = image.pixelColor(x, y);
            to[0] = colour.blue;
            to[1] = colour.green;
            to[2] = colour.red;
            to[3] = alpha[x];
        }
        png_write_row(png, writer.scratch.data());
    }
    png_write_end(png, info);
    return Status::success();
}

const Codec& pngCodec() {
    static const PngCodec codec;
    return codec;
}

}  // namespace pictavo
