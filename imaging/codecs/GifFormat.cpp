#include "imaging/codecs/GifFormat.h"

#include "imaging/codecs/CodecSupport.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace pictavo::gif {

namespace {

constexpr const char* kCodec = "GIF";
constexpr int kTableSize = 1 << kMaxLzwBits;

Error formatError(const QString& text) {
    return codecError(kCodec, text);
}

std::uint16_t le16At(ByteView bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

Result<std::vector<Colour>> readPalette(ByteReader& reader, std::uint8_t flags) {
    std::vector<Colour> palette;
    if (!(flags & kTableFlag))
        return palette;
    const std::size_t entries = std::size_t(2) << (flags & kTableSizeBits);
    const ByteView bytes = reader.bytes(3 * entries);
    if (bytes.empty())
        return formatError(QStringLiteral("colour table ends early"));
    palette.resize(entries);
    for (std::size_t i = 0; i < entries; ++i)
        palette[i] = {bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]};
    return palette;
}

// Reads a chain of sub-blocks up to the zero-length terminator, appending
// their contents to sink when given.
Status readSubBlocks(ByteReader& reader, std::vector<std::uint8_t>* sink) {
    for (;;) {
        const std::uint8_t length = reader.u8();
        if (reader.failed())
            return formatError(QStringLiteral("data sub-blocks end early"));
        if (length == 0)
            return Status::success();
        const ByteView block = reader.bytes(length);
        if (block.empty())
            return formatError(QStringLiteral("data sub-block ends early"));
        if (sink)
            sink->insert(sink->end(), block.begin(), block.end());
    }
}

Status readExtension(ByteReader& reader, FirstFrame& frame) {
    const std::uint8_t label = reader.u8();
    if (label == kGraphicControlLabel && reader.remaining() > kControlBlockSize) {
        const std::size_t start = reader.position();
        const std::uint8_t size = reader.u8();
        const ByteView body = reader.bytes(size);
        if (size >= kControlBlockSize && !body.empty()) {
            frame.transparentIndex = (body[kControlFlags] & 1) ? body[kControlTransparent] : -1;
            return readSubBlocks(reader, nullptr);
        }
        reader.seek(start);
    }
    return readSubBlocks(reader, nullptr);
}

Status readImage(ByteReader& reader, FirstFrame& frame) {
    const ByteView descriptor = reader.bytes(kImageDescriptorSize);
    if (descriptor.empty())
        return formatError(QStringLiteral("image descriptor ends early"));
    frame.left = le16At(descriptor, kImageLeft);
    frame.top = le16At(descriptor, kImageTop);
    frame.width = le16At(descriptor, kImageWidth);
    frame.height = le16At(descriptor, kImageHeight);
    const std::uint8_t flags = descriptor[kImageFlags];
    frame.interlaced = flags & kInterlaceFlag;
    Result<std::vector<Colour>> local = readPalette(reader, flags);
    if (!local)
        return local.error();
    frame.localPalette = std::move(local.value());
    frame.minCodeSize = reader.u8();
    if (reader.failed())
        return formatError(QStringLiteral("image data missing"));
    if (!isValidMinCodeSize(frame.minCodeSize))
        return formatError(QStringLiteral("invalid LZW code size %1").arg(frame.minCodeSize));
    return readSubBlocks(reader, &frame.lzwData);
}

}  // namespace

bool hasSignature(ByteView data) {
    return data.size() >= kSignatureSize &&
           (std::memcmp(data.data(), "GIF87a", kSignatureSize) == 0 ||
            std::memcmp(data.data(), "GIF89a", kSignatureSize) == 0);
}

bool isValidMinCodeSize(int minCodeSize) {
    return minCodeSize >= 2 && minCodeSize <= 8;
}

Result<FirstFrame> parseFirstFrame(ByteView data) {
    if (!hasSignature(data))
        return formatError(QStringLiteral("not a GIF file"));
    if (data.size() < kScreenHeaderSize)
        return formatError(QStringLiteral("screen descriptor ends early"));
    FirstFrame frame;
    frame.screenWidth = le16At(data, kScreenWidth);
    frame.screenHeight = le16At(data, kScreenHeight);
    frame.backgroundIndex = data[kBackgroundIndex];
    ByteReader reader(data);
    reader.seek(kScreenHeaderSize);
    Result<std::vector<Colour>> global = readPalette(reader, data[kScreenFlags]);
    if (!global)
        return global.error();
    frame.globalPalette = std::move(global.value());
    for (;;) {  // every pass consumes at least one byte
        const std::uint8_t block = reader.u8();
        if (reader.failed() || block == kTrailer)
            return formatError(QStringLiteral("the file holds no image"));
        Status status;
        if (block == kExtensionIntroducer)
            status = readExtension(reader, frame);
        else if (block == kImageSeparator) {
            if (Status image = readImage(reader, frame); !image)
                return image.error();
            return frame;
        } else
            return formatError(QStringLiteral("unknown block 0x%1").arg(block, 2, 16, QChar('0')));
        if (!status)
            return status.error();
    }
}

std::vector<int> rowOrder(int height, bool interlaced) {
    std::vector<int> order;
    order.reserve(std::size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            order.push_back(y);
        return order;
    }
    constexpr std::array<std::pair<int, int>, 4> kPasses{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};
    for (const auto& [start, step] : kPasses)
        for (int y = start; y < height; y += step)
            order.push_back(y);
    return order;
}

namespace {

// Reads codes of a growing width, least significant bit first.
class CodeReader {
public:
    explicit CodeReader(ByteView data) : data_(data) {}
    // -1 when the data ends.
    int read(int width) {
        while (bitCount_ < width) {
            if (position_ >= data_.size())
                return -1;
            buffer_ |= std::uint32_t(data_[position_++]) << bitCount_;
            bitCount_ += 8;
        }
        const int code = static_cast<int>(buffer_ & ((1u << width) - 1));
        buffer_ >>= width;
        bitCount_ -= width;
        return code;
    }

private:
    ByteView data_;
    std::size_t position_ = 0;
    std::uint32_t buffer_ = 0;
    int bitCount_ = 0;
};

// The string table: each entry is a shorter entry plus one byte.
struct StringTable {
    std::array<std::uint16_t, kTableSize> prefix{};
    std::array<std::uint8_t, kTableSize> suffix{};
    std::array<std::uint8_t, kTableSize> first{};
    std::array<std::uint8_t, kTableSize> scratch{};
    int literals = 0;

    explicit StringTable(int literalCount) : literals(literalCount) {
        for (int i = 0; i < literalCount; ++i) {
            suffix[i] = first[i] = static_cast<std::uint8_t>(i);
        }
    }
    // Writes the string of code (at most out.size() bytes); returns its
    // length written.
    std::size_t expand(int code, std::span<std::uint8_t> out) {
        std::size_t length = 0;
        while (code >= literals) {  // entries always point to smaller codes
            scratch[length++] = suffix[code];
            code = prefix[code];
        }
        scratch[length++] = static_cast<std::uint8_t>(code);
        const std::size_t count = std::min(length, out.size());
        for (std::size_t i = 0; i < count; ++i)
            out[i] = scratch[length - 1 - i];
        return count;
    }
};

}  // namespace

Status lzwDecode(ByteView data, int minCodeSize, std::span<std::uint8_t> out) {
    if (!isValidMinCodeSize(minCodeSize))
        return formatError(QStringLiteral("invalid LZW code size %1").arg(minCodeSize));
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    // Codes clear and end are never strings: entries start after them, and
    // literals below clear stop the walk in expand().
    auto table = std::make_unique<StringTable>(clear);
    CodeReader reader(data);
    int width = minCodeSize + 1;
    int available = clear + 2;
    int previous = -1;
    std::size_t written = 0;
    while (written < out.size()) {
        const int code = reader.read(width);
        if (code < 0)
            break;
        if (code == clear) {
            width = minCodeSize + 1;
            available = clear + 2;
            previous = -1;
            continue;
        }
        if (code == end)
            break;
        if (previous < 0) {
            if (code > clear)
                return formatError(QStringLiteral("LZW data starts with a non-literal code"));
            out[written++] = static_cast<std::uint8_t>(code);
            previous = code;
            continue;
        }
        if (code > available || (code == available && available >= kTableSize))
            return formatError(QStringLiteral("LZW code %1 beyond the table").arg(code));
        std::uint8_t firstByte;
        if (code < available) {
            written += table->expand(code, out.subspan(written));
            firstByte = table->first[code];
        } else {  // the string being defined: previous plus its own first byte
            firstByte = table->first[previous];
            written += table->expand(previous, out.subspan(written));
            if (written < out.size())
                out[written++] = firstByte;
        }
        if (available < kTableSize) {
            table->prefix[available] = static_cast<std::uint16_t>(previous);
            table->suffix[available] = firstByte;
            table->first[available] = table->first[previous];
            ++available;
            if (available == (1 << width) && width < kMaxLzwBits)
                ++width;
        }
        previous = code;
    }
    if (written < out.size())
        return formatError(
            QStringLiteral("image data ends early (%1 of %2 pixels)").arg(written).arg(out.size()));
    return Status::success();
}

namespace {

// Packs codes least significant bit first.
class CodeWriter {
public:
    explicit CodeWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void write(int code, int width) {
        buffer_ |= std::uint32_t(code) << bitCount_;
        bitCount_ += width;
        while (bitCount_ >= 8) {
            out_.push_back(static_cast<std::uint8_t>(buffer_ & 0xFF));
            buffer_ >>= 8;
            bitCount_ -= 8;
        }
    }
    void flush() {
        if (bitCount_ > 0)
            out_.push_back(static_cast<std::uint8_t>(buffer_ & 0xFF));
        buffer_ = 0;
        bitCount_ = 0;
    }

private:
    std::vector<std::uint8_t>& out_;
    std::uint32_t buffer_ = 0;
    int bitCount_ = 0;
};

// Maps (prefix code, next byte) to the code of the longer string, by open
// addressing over a table twice the size of the code space.
class StringIndex {
public:
    StringIndex() { reset(); }
    void reset() { keys_.fill(-1); }
    int find(int prefix, std::uint8_t byte) const {
        const int key = (prefix << 8) | byte;
        for (std::size_t slot = hash(key);; slot = (slot + 1) % kSlots) {
            if (keys_[slot] == key)
                return codes_[slot];
            if (keys_[slot] < 0)
                return -1;
        }
    }
    void add(int prefix, std::uint8_t byte, int code) {
        const int key = (prefix << 8) | byte;
        std::size_t slot = hash(key);
        while (keys_[slot] >= 0)
            slot = (slot + 1) % kSlots;
        keys_[slot] = key;
        codes_[slot] = static_cast<std::int16_t>(code);
    }

private:
    static constexpr std::size_t kSlots = 2 * kTableSize + 1;  // never more than half full
    static std::size_t hash(int key) { return std::size_t(key) * 2654435761u % kSlots; }
    std::array<std::int32_t, kSlots> keys_{};
    std::array<std::int16_t, kSlots> codes_{};
};

}  // namespace

std::vector<std::uint8_t> lzwEncode(std::span<const std::uint8_t> indexes, int minCodeSize) {
    std::vector<std::uint8_t> out;
    CodeWriter writer(out);
    const int clear = 1 << minCodeSize;
    int width = minCodeSize + 1;
    int next = clear + 2;
    auto index = std::make_unique<StringIndex>();
    writer.write(clear, width);
    if (!indexes.empty()) {
        int prefix = indexes[0];
        for (std::size_t i = 1; i < indexes.size(); ++i) {
            const std::uint8_t byte = indexes[i];
            const int longer = index->find(prefix, byte);
            if (longer >= 0) {
                prefix = longer;
                continue;
            }
            writer.write(prefix, width);
            if (next < kTableSize) {
                index->add(prefix, byte, next++);
                // The decoder defines each entry one code later, so it widens
                // when our next code is one past the power of two.
                if (next > (1 << width) && width < kMaxLzwBits)
                    ++width;
            } else {
                writer.write(clear, width);
                index->reset();
                width = minCodeSize + 1;
                next = clear + 2;
            }
            prefix = byte;
        }
        writer.write(prefix, width);
    }
    writer.write(clear + 1, width);
    writer.flush();
    return out;
}

void writeFile(const ImageToWrite& image, std::vector<std::uint8_t>& out) {
    ByteWriter writer(out);
    for (char c : {'G', 'I', 'F', '8', '9', 'a'})
        writer.u8(static_cast<unsigned char>(c));
    writer.le16(static_cast<unsigned>(image.width));
    writer.le16(static_cast<unsigned>(image.height));
    int sizeBits = 0;
    while ((std::size_t(2) << sizeBits) < image.palette.size())
        ++sizeBits;
    writer.u8(kTableFlag | (std::uint8_t(sizeBits) << 4) |
              std::uint8_t(sizeBits));  // colour resolution = table size
    writer.u8(0);                       // background index
    writer.u8(0);                       // no aspect ratio
    for (std::size_t i = 0; i < (std::size_t(2) << sizeBits); ++i) {
        const Colour colour = i < image.palette.size() ? image.palette[i] : Colour{};
        writer.u8(colour.red);
        writer.u8(colour.green);
        writer.u8(colour.blue);
    }
    if (image.transparentIndex >= 0) {
        writer.u8(kExtensionIntroducer);
        writer.u8(kGraphicControlLabel);
        writer.u8(kControlBlockSize);
        writer.u8(1);    // transparent index valid
        writer.le16(0);  // no delay
        writer.u8(static_cast<unsigned>(image.transparentIndex));
        writer.u8(0);
    }
    writer.u8(kImageSeparator);
    writer.le32(0);  // left, top
    writer.le16(static_cast<unsigned>(image.width));
    writer.le16(static_cast<unsigned>(image.height));
    writer.u8(0);  // no local table, not interlaced
    const int minCodeSize = std::max(2, sizeBits + 1);
    writer.u8(static_cast<unsigned>(minCodeSize));
    const std::vector<std::uint8_t> codes = lzwEncode(image.indexes, minCodeSize);
    for (std::size_t start = 0; start < codes.size(); start += 255) {
        const std::size_t length = std::min<std::size_t>(255, codes.size() - start);
        writer.u8(static_cast<unsigned>(length));
        writer.bytes(codes.data() + start, length);
    }
    writer.u8(0);  // block terminator
    writer.u8(kTrailer);
}

}  // namespace pictavo::gif
