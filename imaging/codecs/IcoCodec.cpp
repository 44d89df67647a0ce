#include "imaging/codecs/IcoCodec.h"

#include "imaging/codecs/BmpCodec.h"
#include "imaging/codecs/BmpFormat.h"
#include "imaging/codecs/CodecSupport.h"
#include "imaging/codecs/Codecs.h"
#include "imaging/codecs/IcoFormat.h"

#include <optional>

namespace pictavo {

namespace {

constexpr const char* kCodec = "ICO";

// One entry with the size and depth its own header states.
struct Candidate {
    ByteView data;
    bool png = false;
    bmp::DibInfo dib;
    int width = 0;
    int height = 0;
    int depth = 0;
};

int pngChannels(int colourType) {
    switch (colourType) {
        case 2:
            return 3;  // RGB
        case 4:
            return 2;  // grey + alpha
        case 6:
            return 4;  // RGBA
        default:
            return 1;  // grey, palette
    }
}

std::optional<Candidate> describe(const ico::Entry& entry) {
    Candidate candidate;
    candidate.data = entry.data;
    if (ico::isPng(entry.data)) {
        if (entry.data.size() < ico::kPngHeaderSize)
            return std::nullopt;
        ByteReader reader(entry.data);
        reader.seek(ico::kPngWidth);
        const std::uint32_t width = reader.be32();
        const std::uint32_t height = reader.be32();
        if (!checkImageSize(kCodec, width, height))
            return std::nullopt;
        candidate.png = true;
        candidate.width = static_cast<int>(width);
        candidate.height = static_cast<int>(height);
        candidate.depth =
            entry.data[ico::kPngBitDepth] * pngChannels(entry.data[ico::kPngColourType]);
        return candidate;
    }
    Result<bmp::DibInfo> info = bmp::parseDibHeader(entry.data, 2);
    if (!info)
        return std::nullopt;
    candidate.dib = info.value();
    candidate.width = candidate.dib.width;
    candidate.height = candidate.dib.height;
    candidate.depth = candidate.dib.bitCount;
    return candidate;
}

bool isBetter(const Candidate& a, const Candidate& b) {
    const std::int64_t areaA = std::int64_t(a.width) * a.height;
    const std::int64_t areaB = std::int64_t(b.width) * b.height;
    return areaA != areaB ? areaA > areaB : a.depth > b.depth;
}

// The largest entry, the deepest among equals; entries whose header cannot
// be read are passed over.
Result<Candidate> bestEntry(ByteView data) {
    Result<std::vector<ico::Entry>> entries = ico::parseDirectory(data);
    if (!entries)
        return entries.error();
    std::optional<Candidate> best;
    for (const ico::Entry& entry : entries.value()) {
        std::optional<Candidate> candidate = describe(entry);
        if (candidate && (!best || isBetter(*candidate, *best)))
            best = candidate;
    }
    if (!best)
        return codecError(kCodec, QStringLiteral("no entry has a readable header"));
    return *best;
}

// AND mask bit 1 means transparent; it becomes alpha 0.
Status applyAndMask(const bmp::DibInfo& info, ByteView mask, RasterImage& image) {
    const std::size_t stride = bmp::strideFor(info.width, 1);
    if (Status available =
            checkAvailable(kCodec, std::uint64_t(stride) * info.height, mask.size(), "AND mask");
        !available)
        return available;
    for (int row = 0; row < info.height; ++row) {
        const std::uint8_t* bits = mask.data() + std::size_t(row) * stride;
        const int y = info.topDown ? row : info.height - 1 - row;
        for (int x = 0; x < info.width; ++x) {
            if (!(bits[x / 8] & (0x80 >> (x % 8))))
                continue;
            if (!image.hasAlpha())
                image.createAlpha(255);
            image.alphaRow(y)[x] = 0;
        }
    }
    return Status::success();
}

Status decodeDibEntry(const Candidate& candidate, RasterImage& image) {
    bmp::DibInfo info = candidate.dib;
    if (info.compression == bmp::kRle4 || info.compression == bmp::kRle8)
        return codecError(kCodec, QStringLiteral("compressed bitmap entries are not supported"));
    // In icons the fourth byte of a 32-bit pixel is alpha.
    if (info.bitCount == 32 && info.compression == bmp::kRgb)
        info.masks[3] = 0xFF000000;
    const std::size_t pixelOffset =
        info.paletteOffset + std::size_t(info.paletteCount) * info.paletteEntrySize;
    if (Status pixels = decodeDibPixels(info, candidate.data, pixelOffset, image); !pixels)
        return pixels;
    if (image.hasAlpha())
        return Status::success();
    const std::uint64_t maskOffset =
        pixelOffset + bmp::strideFor(info.width, info.bitCount) * info.height;
    return applyAndMask(info, candidate.data.subspan(std::size_t(maskOffset)), image);
}

// --- encoding

bool isTransparent(const RasterImage& image, int x, int y) {
    if (image.hasAlpha())
        return image.alphaRow(y)[x] == 0;
    return image.bitsPerPixel() <= 8 && image.transparentIndex() >= 0 &&
           image.pixelIndex(x, y) == image.transparentIndex();
}

void writeColourRows(const RasterImage& image, bool withAlpha, ByteWriter& writer) {
    const int bitCount = withAlpha ? 32 : 24;
    const std::size_t padding =
        bmp::strideFor(image.width(), bitCount) - std::size_t(image.width()) * (bitCount / 8);
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb colour = image.pixelColor(x, y);
            writer.u8(colour.blue);
            writer.u8(colour.green);
            writer.u8(colour.red);
            if (withAlpha)
                writer.u8(image.alphaRow(y)[x]);
        }
        writer.fill(0, padding);
    }
}

void writeAndMask(const RasterImage& image, ByteWriter& writer) {
    const std::size_t stride = bmp::strideFor(image.width(), 1);
    std::vector<std::uint8_t> row(stride);
    for (int y = image.height() - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), 0);
        for (int x = 0; x < image.width(); ++x)
            if (isTransparent(image, x, y))
                row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
        writer.bytes(row.data(), row.size());
    }
}

}  // namespace

bool IcoCodec::sniff(ByteView data) const {
    return ico::looksLikeIcon(data);
}

Result<ImageHeader> IcoCodec::readHeader(ByteView data) const {
    Result<Candidate> best = bestEntry(data);
    if (!best)
        return best.error();
    return ImageHeader{best->width, best->height, best->depth, 1};
}

Status IcoCodec::decode(ByteView data, RasterImage& image, const DecodeOptions& options) const {
    return decodeOrClear(image, [&]() -> Status {
        Result<Candidate> best = bestEntry(data);
        if (!best)
            return best.error();
        if (!best->png) {
            Status dib = decodeDibEntry(best.value(), image);
            const bool ours = dib || dib.error().message().startsWith(QLatin1String(kCodec));
            return ours ? dib
                        : Status(dib.error().withContext(QStringLiteral("ICO: bitmap entry")));
        }
        Status png = pngCodec().decode(best->data, image, options);
        return png ? png : Status(png.error().withContext(QStringLiteral("ICO: PNG entry")));
    });
}

Status IcoCodec::encode(const RasterImage& image, std::vector<std::uint8_t>& out) const {
    if (!image.isValid())
        return codecError(kCodec, QStringLiteral("the image is empty"));
    const bool withAlpha = image.hasAlpha();
    const int bitCount = withAlpha ? 32 : 24;
    const std::uint64_t colourBytes = bmp::strideFor(image.width(), bitCount) * image.height();
    const std::uint64_t maskBytes = bmp::strideFor(image.width(), 1) * image.height();
    const auto dataSize =
        static_cast<std::uint32_t>(bmp::kInfoHeaderSize + colourBytes + maskBytes);
    ico::writeDirectory(out, image.width(), image.height(), bitCount, dataSize);
    bmp::writeInfoHeader(out, image.width(), image.height() * 2, bitCount,
                         static_cast<std::uint32_t>(colourBytes + maskBytes), 0, 0);
    ByteWriter writer(out);
    writeColourRows(image, withAlpha, writer);
    writeAndMask(image, writer);
    return Status::success();
}

const Codec& icoCodec() {
    static const IcoCodec codec;
    return codec;
}

}  // namespace pictavo
